#include "app/TMainForm.h"

#include "app/Ablauf.h"
#include "app/AblaufAnwenden.h"
#include "app/AblaufPanel.h"
#include "app/Application.h"
#include "app/HauptMenue.h"
#include "app/Menues.h"
#include "app/StartRegeln.h"
#include "app/Texte.h"
#include "base/Messages.h"
#include "base/UtilsUnit.h"
#include "config/TConfigForm.h"
#include "config/TKundenDaten.h"
#include "help/THelpForm.h"
#include "workspace/Arbeitsflaeche.h"
#include "workspace/ArbeitsflaecheWidget.h"
#include "workspace/TBilddrehungForm.h"
#include "workspace/TScaleForm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QLoggingCategory>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>

Q_LOGGING_CATEGORY(lcHauptfenster, "quellvantar.hauptfenster")

using namespace qv;

namespace {
// The layout is designed for 1024 x 768 at 96 dpi; Qt scales it on denser screens.
constexpr int kDesignBreite = 1024;
constexpr int kDesignHoehe = 768;
constexpr int kPanelBreite = 390;
const QString kInit = QStringLiteral("Init");
} // namespace

TMainForm::TMainForm(Application &app, QWidget *parent)
    : QMainWindow(parent)
    , m_app(app)
    , m_letzteMausPos(KeinPunkt)
    , m_ziehPos(KeinPunkt)
    , m_formPunkt1(KeinPunkt)
    , m_formPunkt2(KeinPunkt)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Quellvantar"));

    QSize groesse(kDesignBreite, kDesignHoehe);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        groesse = groesse.boundedTo(screen->availableSize());
    resize(groesse);

    FormCreate();
}

TMainForm::~TMainForm()
{
    // FormDestroy: the windows that write settings go first, then the settings objects.
    if (m_hilfe) {
        m_hilfe->programmEndet();
        delete m_hilfe;
        m_hilfe = nullptr;
    }
    delete m_steuerung;
    m_steuerung = nullptr;
    // the workspace widgets refer to the document, which goes before the window's children
    delete m_splitter;
    m_splitter = nullptr;
    m_app.IniDateienSchliessen();
}

void TMainForm::FormCreate()
{
    m_demoModus = false;
    // Widgets that show numbers (spin boxes) use the comma as well; our own number helpers
    // never depend on the locale.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    m_app.IniDateienOeffnen();
    FensterAufbauen();
    if (!QFile::exists(m_app.ConfigPfad())) {
        m_app.messages().error(ConfigFehltMeldung(m_app.ConfigPfad()));
        m_startAbbruch = true;
        return;
    }

    m_kundenModus = m_app.EinstellungenIni().readBool(kInit, QStringLiteral("KundenMode"), true);
    m_menue->Kundenmodus1->setChecked(m_kundenModus);
    m_ausDatei = false;
    m_geaendert = false;
    m_startAbbruch = false;
    m_dok->IsoEingabe = false;
    m_dok->Isozentrum = QPoint(0, 0);
    const Result<void> geladen = m_kunde->Laden(KundenDateien::imOrdner(m_app.programmOrdner()));
    if (!geladen)
        m_app.messages().error(geladen.error());
    m_steuerung->FFAAnzeigen();
    MenuesAnpassen();
}

void TMainForm::FensterAufbauen()
{
    m_kunde = std::make_unique<TKundenDaten>();
    m_dok = std::make_unique<Arbeitsflaeche>();
    m_menue = new THauptMenue(this);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("Splitter"));
    m_steuerung = new ArbeitsflaecheSteuerung(*m_dok, *m_kunde, m_app.EinstellungenIni(), m_app.messages(),
                                              m_app.fileChooser(), nullptr, *this, this);
    ArbeitsflaecheWidget *pMain = m_steuerung->widget();
    pMain->setObjectName(QStringLiteral("P_Main"));
    m_splitter->addWidget(pMain);
    m_panel = new TAblaufPanel(m_splitter);
    m_splitter->addWidget(m_panel);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_splitter->setSizes({width() - kPanelBreite, kPanelBreite});
    setCentralWidget(m_splitter);

    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    for (int i = 0; i < 4; ++i) {
        m_status[i] = new QLabel(statusBar());
        m_status[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        m_status[i]->setMinimumWidth(i == 3 ? 240 : 200);
        statusBar()->addWidget(m_status[i], i == 3 ? 1 : 0);
    }
    m_steuerung->setStatusPanels(m_status);
    m_steuerung->setFFAPanel(m_panel->P_FFA);
    m_steuerung->setScaleLabel(m_panel->L_Scale, m_panel->P_Scale);

    const QPoint hilfePos = hilfeStandardPosition(pos(), width() - kPanelBreite, 265);
    m_hilfe = new THelpForm(m_app.EinstellungenIni(), hilfePos, this);
    m_hilfe->f1Einrichten(this);

    Verbinden();
}

void TMainForm::Verbinden()
{
    THauptMenue &m = *m_menue;
    TAblaufPanel &p = *m_panel;
    auto spaeter = [this](QObject *quelle, const QString &was) {
        if (auto *a = qobject_cast<QAction *>(quelle))
            connect(a, &QAction::triggered, this, [this, was] { nochNichtVerfuegbar(was); });
        else if (auto *k = qobject_cast<TKnopfPanel *>(quelle))
            connect(k, &TKnopfPanel::clicked, this, [this, was] { nochNichtVerfuegbar(was); });
    };

    // "&Datei"
    connect(m.neu1, &QAction::triggered, this, &TMainForm::neu1Click);
    spaeter(m.oeffnen, QStringLiteral("Öffnen"));
    spaeter(m.speichern1, QStringLiteral("Speichern"));
    spaeter(m.SpeichernUnter1, QStringLiteral("Speichern unter"));
    spaeter(m.BPRExport1, QStringLiteral("Als BPRFormat speichern"));
    spaeter(m.LAPExport1, QStringLiteral("Als LAP-Datei speichern"));
    spaeter(m.Drucken1, QStringLiteral("Drucken"));
    connect(m.Beenden, &QAction::triggered, this, &TMainForm::BeendenClick);

    // order menu and workflow buttons
    connect(m.AuftragsArt1, &QAction::triggered, this, &TMainForm::AuftragsartDialog);
    connect(p.P_AusftragsArtBtn, &TKnopfPanel::clicked, this, &TMainForm::AuftragsartDialog);
    connect(m.BildEinlesen1, &QAction::triggered, this, [this] { m_steuerung->BildLaden(); });
    connect(p.P_BildBtn, &TKnopfPanel::clicked, this, [this] { m_steuerung->BildLaden(); });
    connect(m.Bilddrehung1, &QAction::triggered, this, [this] { m_steuerung->BildDrehen(); });
    connect(p.P_BildDrehenBtn, &TKnopfPanel::clicked, this, [this] { m_steuerung->BildDrehen(); });
    connect(m.BPREinlesen1, &QAction::triggered, this, [this] {
        if (ModusSetzen(2))
            nochNichtVerfuegbar(QStringLiteral("BPR Format einlesen"));
    });
    connect(m.Dicomeinlesen1, &QAction::triggered, this, [this] {
        if (ModusSetzen(3))
            nochNichtVerfuegbar(QStringLiteral("DICOM einlesen"));
    });
    spaeter(p.P_BPRImportBtn, QStringLiteral("BPR Format einlesen"));
    spaeter(p.P_DICOMBtn, QStringLiteral("DICOM einlesen"));
    connect(m.Isozentrumeingeben1, &QAction::triggered, this, &TMainForm::IsozentrumEingeben);
    connect(p.P_IsozentrumBtn, &TKnopfPanel::clicked, this, &TMainForm::IsozentrumEingeben);
    connect(m.ScaleInput1, &QAction::triggered, this, &TMainForm::MassstabEingeben);
    connect(p.P_ScaleBtn, &TKnopfPanel::clicked, this, &TMainForm::MassstabEingeben);
    connect(m.KonturEingabe1, &QAction::triggered, this, &TMainForm::KonturEingabe);
    connect(p.P_KonturBtn, &TKnopfPanel::clicked, this, &TMainForm::KonturEingabe);
    spaeter(p.P_KonturBtn_ohneVorlage, QStringLiteral("Formen generieren"));
    connect(m.FeldEingabe1, &QAction::triggered, this, &TMainForm::FeldEingeben);
    connect(p.P_FeldBtn, &TKnopfPanel::clicked, this, &TMainForm::FeldEingeben);
    spaeter(m.Einschubrichtung1, QStringLiteral("Einschubrichtung"));
    spaeter(p.P_EinschubrichtungBtn, QStringLiteral("Einschubrichtung"));
    spaeter(m.Auftragsdaten1, QStringLiteral("Auftragsdaten"));
    spaeter(p.P_AuiftragsdatenBtn, QStringLiteral("Auftragsdaten"));
    spaeter(p.P_SaveBtn, QStringLiteral("Datei speichern"));
    spaeter(m.KundenDaten1, QStringLiteral("KundenDaten"));
    spaeter(m.verschieben1, QStringLiteral("verschieben"));
    spaeter(p.P_VerschiebenBtn, QStringLiteral("verschieben"));
    spaeter(m.drehen1, QStringLiteral("drehen"));
    spaeter(p.P_DrehenBtn, QStringLiteral("drehen"));

    // view, modes, configuration
    connect(m.Inverted, &QAction::triggered, this, [this](bool an) { m_steuerung->InvertedClick(an); });
    const QList<QAction *> modi = m.modusAktionen();
    for (int i = 0; i < modi.size(); ++i) {
        connect(modi[i], &QAction::triggered, this, [this, i] {
            if (!ModusSetzen(i))
                for (int k = 0; k < m_menue->modusAktionen().size(); ++k)
                    m_menue->modusAktionen()[k]->setChecked(k == m_modus);
        });
    }
    connect(m_panel, &QTabWidget::currentChanged, this, &TMainForm::PCModusChange);
    spaeter(m.Kundeneinstellungen1, QStringLiteral("Kundeneinstellungen"));
    connect(m.Kundenmodus1, &QAction::triggered, this, &TMainForm::Kundenmodus1Click);
    connect(m.QuellvantarConfigIntern1, &QAction::triggered, this, &TMainForm::QuellvantarConfigIntern1Click);
    spaeter(m.DruckenAuftragsdaten1, QStringLiteral("Drucken Auftragsdaten"));
    spaeter(m.DruckenKundendaten1, QStringLiteral("Drucken Kundendaten"));
    spaeter(m.DruckenAlles1, QStringLiteral("Drucken Alles"));
    connect(m.AGB1, &QAction::triggered, this,
            [this] { m_app.messages().information(texte::agbMeldung(website())); });
    connect(m.Preisliste1, &QAction::triggered, this,
            [this] { m_app.messages().information(texte::preislisteMeldung(website())); });
    connect(m.Hilfeanzeigen1, &QAction::triggered, this, &TMainForm::hilfeAnzeigenClick);
    // F1 in the workspace's dialogs
    connect(&m_steuerung->scaleForm(), &TScaleForm::hilfeUmschalten, this, &TMainForm::hilfeAnzeigenClick);
    connect(&m_steuerung->bilddrehungForm(), &TBilddrehungForm::hilfeUmschalten, this,
            &TMainForm::hilfeAnzeigenClick);
    connect(m_hilfe, &THelpForm::sichtbarkeitGeaendert, this,
            [this](bool sichtbar) { m_menue->Hilfeanzeigen1->setChecked(sichtbar); });

    // light bulbs
    const std::pair<TGluehbirne *, Ebene> birnen[] = {
        {p.Image_Bild, Ebene::Bild},         {p.Image_Iso, Ebene::Iso},   {p.Image_Scale, Ebene::Scale},
        {p.Image_Konturen, Ebene::Konturen}, {p.Image_Feld, Ebene::Feld},
    };
    for (const auto &[birne, ebene] : birnen) {
        TGluehbirne *b = birne;
        const Ebene e = ebene;
        connect(b, &TGluehbirne::umgeschaltet, this, [this, b, e] { b->setAn(m_steuerung->EbeneUmschalten(e)); });
    }

    // contour lists of modes 0 and 1
    for (TKonturListe *liste : {p.KonturListe, p.KonturListe_ohneVorlage}) {
        connect(liste, &TKonturListe::auswaehlen, this, &TMainForm::P_KClick);
        connect(liste, &TKonturListe::loeschen, this, &TMainForm::ButtonXClick);
        connect(liste, &TKonturListe::rueckgaengig, this, &TMainForm::BTN_KonturRueckClick);
        connect(liste, &TKonturListe::wiederherstellen, this, &TMainForm::BTN_KonturVorClick);
    }

    // the workspace's mouse
    TPaintBox *box = m_steuerung->widget()->PaintBox;
    box->setObjectName(QStringLiteral("PaintBox"));
    connect(box, &TPaintBox::mausGedrueckt, this, &TMainForm::PaintBoxMouseDown);
    connect(box, &TPaintBox::mausBewegt, this, &TMainForm::PaintBoxMouseMove);
    connect(box, &TPaintBox::mausLosgelassen, this, &TMainForm::PaintBoxMouseUp);
    connect(box, &TPaintBox::gezeichnet, this, &TMainForm::konturListeAktualisieren);
    box->setMouseTracking(true);
    box->eingabeZeichnen = [this](QPainter &painter, const Abbildung &abb) { gummibandZeichnen(painter, abb); };
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_formShowDone)
        // After the window is on screen, so dialogs opened by the first steps sit above it.
        QTimer::singleShot(0, this, &TMainForm::FormShow);
}

void TMainForm::FormShow()
{
    if (m_formShowDone)
        return;
    m_formShowDone = true;

    if (m_startAbbruch) {
        AnwendungBeenden();
        return;
    }
    if (ErsterStart()) {
        ErsterStartDialog();
        if (m_startAbbruch)
            AnwendungBeenden();
        return;
    }
    if (!KundenDatenVollstaendig()) {
        m_app.messages().information(
            QStringLiteral("Mit der neuen Version von Quellvantar haben sich die Kundendaten\rerweitert. "
                           "Sie können nun direkt Ihre Konfiguration anpassen.\rQuellvantar benötigt eine "
                           "komplette Konfiguration."));
        KundenEinstellungenDialog();
        if (m_startAbbruch) {
            AnwendungBeenden();
            return;
        }
    }
    m_modus = ModusIndexLesen(m_app.EinstellungenIni(), m_modus);
    EinschubrichtungSetzen(EinschubrichtungLesen(m_app.EinstellungenIni(), m_einschubrichtung));
    neu1Click();
}

void TMainForm::AnwendungBeenden()
{
    // The owner of the event loop ends it after the current event.
    emit StartAbgebrochen();
}

bool TMainForm::ErsterStart() const
{
    // The first-start dialog comes with the assistants; until then a first start goes on
    // with the built-in customer defaults.
    return false;
}

void TMainForm::ErsterStartDialog()
{
    // The first-start dialog: demo customer (then a new order in mode 0, direction "Links"),
    // configure (customer settings dialog, no new order) or cancel (m_startAbbruch).
}

bool TMainForm::KundenDatenVollstaendig() const
{
    // The check of the customer data asks for the customer settings dialog, which comes
    // with its own step; until then the program goes on with the data as they are.
    return true;
}

void TMainForm::KundenEinstellungenDialog()
{
    // The customer settings dialog; it sets m_startAbbruch when it closes without complete data.
}

void TMainForm::EinschubrichtungSetzen(int code)
{
    // The insertion-direction window holds the direction once it exists.
    m_einschubrichtung = code;
}

int TMainForm::StartAssistent(int modus)
{
    nochNichtVerfuegbar(QStringLiteral("Start-Assistent"));
    return modus;
}

void TMainForm::AuftragsArtInitialisieren()
{
    // The order-type window resets its choice for the new order here once it exists.
}

void TMainForm::AuftragsartDialog()
{
    // Until the order-type window exists, choosing the order type takes a photon order so that
    // the workflow can go on.
    nochNichtVerfuegbar(QStringLiteral("Auftragsart-Dialog (Photonenauftrag angenommen)"));
    m_dok->Auftragsart = TAuftragsart::Photonen;
    m_dok->AblaufStatus |= ablauf::Auftragsart;
    SetGeaendert();
    AblaufAktualisieren();
}

void TMainForm::RahmenPruefen()
{
    // The frame check of the order-type window runs here once it exists (electron orders only).
}

void TMainForm::nochNichtVerfuegbar(const QString &was)
{
    qCInfo(lcHauptfenster).noquote() << was << u": noch nicht verfügbar";
}

void TMainForm::QuellvantarConfigIntern1Click()
{
    // One editor for the whole run, so it keeps what it holds between uses.
    if (!m_configForm) {
        m_configForm = new TConfigForm(m_app.ConfigIni(), m_app.messages(), StartAbbruch(), this);
        m_configForm->setObjectName(QStringLiteral("ConfigForm"));
        connect(m_configForm, &TConfigForm::hilfeAngefordert, this, &TMainForm::hilfeAnzeigenClick);
    }
    m_configForm->exec();
}

QString TMainForm::website() const
{
    // Once the editor exists, what it holds (edited or not) is the address.
    if (m_configForm)
        return m_configForm->GetWebsite();
    return m_app.ConfigIni().readString(kInit, QStringLiteral("Website"));
}

QImage TMainForm::Linealbild() const
{
    // 1200 x 1200 pixels at 3 pixels per millimetre: a 40 x 40 cm picture with a centimetre grid.
    QImage bild(1200, 1200, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    for (int i = 0; i <= 1200; i += 30) {
        p.setPen(i % 150 == 0 ? QColor(170, 170, 170) : QColor(225, 225, 225));
        p.drawLine(i, 0, i, 1199);
        p.drawLine(0, i, 1199, i);
    }
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(600, 0, 600, 1199);
    p.drawLine(0, 600, 1199, 600);
    return bild;
}

void TMainForm::SetGeaendert()
{
    m_geaendert = true;
    // Unless the order was opened from a file, the order-data window refreshes its values
    // that depend on the order here once it exists.
}

void TMainForm::neu1Click()
{
    // A fresh copy of the customer data for every new order.
    *m_kunde = TKundenDaten();
    const Result<void> geladen = m_kunde->Laden(KundenDateien::imOrdner(m_app.programmOrdner()));
    if (!geladen)
        m_app.messages().error(geladen.error());

    if (m_kundenModus && m_app.EinstellungenIni().readBool(kInit, QStringLiteral("StartAssistent"), true)) {
        const int modus = StartAssistent(m_modus);
        ModusSetzen(modus == 5 ? 0 : modus);
        if (m_demoModus) {
            const Result<void> demo = m_kunde->LadeDemo(KundenDateien::imOrdner(m_app.programmOrdner()));
            if (!demo)
                m_app.messages().error(demo.error());
        }
    } else {
        ModusSetzen(m_modus);
    }
}

bool TMainForm::ModusSetzen(int modus)
{
    if (modus < 0 || modus > 4)
        return false;
    if (m_geaendert && m_app.messages().question(texte::modusWechselFrage()) != Messages::Answer::Yes) {
        if (m_modus != 4) {
            const QSignalBlocker still(m_panel);
            m_panel->setCurrentIndex(m_modus);
        }
        AblaufAktualisieren();
        AuftragsArtInitialisieren();
        return false;
    }

    m_geaendert = false;
    m_modus = modus;
    m_dok->Modus = modus;
    NeuerAuftrag();

    const QList<QAction *> modi = m_menue->modusAktionen();
    for (int i = 0; i < modi.size(); ++i)
        modi[i]->setChecked(i == modus);
    m_hilfe->ModusHilfe(modus);

    auto lineal = [this] {
        m_steuerung->VorlageSetzen(Linealbild());
        m_steuerung->P_MainResize();
        m_dok->Massstab.MassstabAbstandSetzen(200);
        m_dok->MassstabPunktSetzen(1, QPoint(-300, 0));
        m_dok->MassstabPunktSetzen(2, QPoint(300, 0));
        m_dok->Isozentrum = QPoint(0, 0);
    };
    {
        const QSignalBlocker still(m_panel);
        switch (modus) {
        case 0:
            qv::KnopfGedrueckt(m_panel->P_KonturBtn, false);
            m_panel->konturListeAufklappen(false);
            m_panel->setCurrentIndex(0);
            m_panel->gemeinsameGruppenVerschieben(0);
            break;
        case 1:
            qv::KnopfGedrueckt(m_panel->P_KonturBtn_ohneVorlage, false);
            m_panel->geosAufklappen(false);
            m_panel->gemeinsameGruppenVerschieben(1);
            m_panel->setCurrentIndex(1);
            lineal();
            m_formwerkzeug = 0;
            break;
        case 2:
            m_bprGeladen = false;
            m_panel->gemeinsameGruppenVerschieben(2);
            m_panel->setCurrentIndex(2);
            lineal();
            break;
        case 3:
            m_dicomGeladen = false;
            m_panel->gemeinsameGruppenVerschieben(3);
            m_panel->setCurrentIndex(3);
            lineal();
            break;
        default:
            m_steuerung->P_MainResize();
            break;
        }
    }
    // the compensator mode shows a fixed picture instead of the workspace
    m_steuerung->widget()->PaintBox->setVisible(modus != 4);
    m_app.EinstellungenIni().writeInteger(kInit, QStringLiteral("ModusIndex"), modus >= 1 && modus <= 3 ? modus : 0);
    AblaufAktualisieren();
    AuftragsArtInitialisieren();
    return true;
}

void TMainForm::PCModusChange(int index)
{
    if (index == m_modus || index < 0 || index > 3)
        return;
    if (m_modus == 0 && KonturEingabeLaeuft()) {
        {
            const QSignalBlocker still(m_panel);
            m_panel->setCurrentIndex(0);
        }
        m_app.messages().information(texte::kontureingabeLaeuftNochMeldung());
    } else {
        ModusSetzen(index);
    }
    m_steuerung->neuZeichnen();
}

bool TMainForm::NeuerAuftrag()
{
    BearbeitungErlauben(true);
    m_ausDatei = false;
    if (m_geaendert
        && m_app.messages().warningQuestion(texte::neuInitialisierenFrage()) != Messages::Answer::Yes)
        return false;

    m_menue->Hilfeanzeigen1->setChecked(m_hilfe->hilfeAn());
    m_steuerung->StatusAnzeigen(KeinPunkt);
    m_steuerung->widget()->PaintBox->setCursor(Qt::ArrowCursor);
    m_steuerung->widget()->Zuruecksetzen();

    m_dok->AblaufStatus = 0;
    // inversion from the settings, all layers on (the scale bar only in mode 0)
    m_steuerung->NeuerAuftrag();
    m_menue->Inverted->setChecked(m_dok->Invertiert);

    m_dok->Vorlage = QImage();
    m_einschubrichtungGewaehlt = false;
    m_auftragsdatenKomplett = false;
    m_verschiebenOderDrehen = false;

    const std::pair<TGluehbirne *, Ebene> birnen[] = {
        {m_panel->Image_Bild, Ebene::Bild},         {m_panel->Image_Iso, Ebene::Iso},
        {m_panel->Image_Scale, Ebene::Scale},       {m_panel->Image_Konturen, Ebene::Konturen},
        {m_panel->Image_Feld, Ebene::Feld},
    };
    for (const auto &[birne, ebene] : birnen) {
        birne->setAn(m_dok->anzeige[ebene]);
        birne->hide();
    }

    m_dok->MassstabEingabe = false;
    m_dok->Massstab.PunkteZuruecksetzen();
    m_dok->IsoEingabe = false;
    m_dok->IsozentrumGesetzt = false;
    m_dok->FeldEingabe = false;
    m_dok->FeldEcke1 = KeinPunkt;
    m_dok->FeldEcke2 = KeinPunkt;
    m_dok->Auftragsart = TAuftragsart::NichtGewaehlt;
    m_formwerkzeug = 0;
    m_formPunkt1 = m_formPunkt2 = KeinPunkt;
    m_letzteMausPos = KeinPunkt;
    m_gummiband = {};
    konturKnopfTexte(QStringLiteral("Konturen"));

    m_dok->Konturen = TKonturen();

    setWindowTitle(QStringLiteral("Quellvantar ") + VersionsText() + QStringLiteral(" - Neu"));
    m_geaendert = false;
    MenuesAnpassen();
    m_steuerung->neuZeichnen();
    return true;
}

void TMainForm::AblaufAktualisieren()
{
    const AblaufErgebnis e = ablaufBerechnen(ablaufZustand());
    m_dok->AblaufStatus = e.status;
    ablaufAnwenden(e, *m_panel, *m_menue);
}

AblaufZustand TMainForm::ablaufZustand() const
{
    AblaufZustand z;
    z.modus = m_modus;
    z.status = m_dok->AblaufStatus;
    z.vorlageVorhanden = m_dok->hatVorlage();
    z.isozentrumGesetzt = m_dok->IsozentrumGesetzt;
    z.massstabGesetzt = m_dok->MassstabGesetzt();
    z.konturEingabeLaeuft = KonturEingabeLaeuft();
    z.massstabEingabe = m_dok->MassstabEingabe;
    z.auftragsart = int(m_dok->Auftragsart);
    z.einschubrichtungGewaehlt = m_einschubrichtungGewaehlt;
    if (const TBeschl *b = m_kunde->AktuellerBeschl())
        z.beschleunigerHersteller = b->Beschleuniger;
    z.auftragsdatenKomplett = m_auftragsdatenKomplett;
    z.rahmenPasst = true;
    z.demoKunde = m_kunde->Demo;
    z.geaendert = m_geaendert;
    z.ausDatei = m_ausDatei;
    z.bprGeladen = m_bprGeladen;
    z.dicomGeladen = m_dicomGeladen;
    z.konturenVorhanden = m_dok->Konturen.Anzahl() > 0;
    z.kundenModus = m_kundenModus;
    return z;
}

void TMainForm::BedienungFreigeben(bool freigegeben)
{
    bedienungAnwenden(freigegeben, *m_panel, *m_menue);
}

void TMainForm::BearbeitungErlauben(bool erlaubt)
{
    bearbeitungAnwenden(erlaubt, *m_panel, *m_menue);
}

void TMainForm::MenuesAnpassen()
{
    m_menue->sichtbarkeitAnwenden(menueSichtbarkeit(m_kundenModus, m_modus));
}

void TMainForm::Kundenmodus1Click()
{
    // The menu item flips its check mark itself; the setting is not saved.
    m_kundenModus = m_menue->Kundenmodus1->isChecked();
    MenuesAnpassen();
}

void TMainForm::hilfeAnzeigenClick()
{
    const bool sichtbar = m_hilfe->Umschalten();
    m_menue->Hilfeanzeigen1->setChecked(sichtbar);
}

void TMainForm::Kontexthilfe(const QString &text, const QString &titel)
{
    m_hilfe->Kontexthilfe(text, titel);
}

void TMainForm::ModusHilfe()
{
    m_hilfe->ModusHilfe(m_modus);
}

void TMainForm::KnopfGedrueckt(Knopf knopf, bool gedrueckt)
{
    qv::KnopfGedrueckt(knopf == Knopf::Bild ? m_panel->P_BildBtn : m_panel->P_BildDrehenBtn, gedrueckt);
}

void TMainForm::BildBirneZeigen()
{
    m_panel->Image_Bild->show();
}

void TMainForm::EinschubrichtungZuruecksetzen()
{
    m_einschubrichtungGewaehlt = false;
}

void TMainForm::BeendenClick()
{
    close();
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    // FormClose: any answer but Yes keeps the window and the order.
    if (m_geaendert && m_app.messages().question(BeendenMitAenderungenFrage()) != Messages::Answer::Yes) {
        event->ignore();
        return;
    }
    m_hilfe->programmEndet();
    event->accept();
}
