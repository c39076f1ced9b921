// The main window: building its parts, wiring them, the command dispatch, the status bar, the
// help and closing. The other steps live beside it: TMainFormStart.cpp (start-up) and
// TMainFormAblauf.cpp (workflow and menus).
#include "app/TMainForm.h"

#include "order/AuftragsSitzung.h"

#include "app/Application.h"
#include "app/BildBefehle.h"
#include "app/Fensterplatzierer.h"
#include "app/FormenPanel.h"
#include "app/MainWindowDirection.h"
#include "app/MainWindowExport.h"
#include "app/MainWindowImport.h"
#include "app/MainWindowInput.h"
#include "app/MainWindowMove.h"
#include "app/MainWindowOrderFiles.h"
#include "app/MainWindowOrderType.h"
#include "app/MainWindowStart.h"
#include "app/MainWindowWorkMode.h"
#include "app/StartRegeln.h"
#include "app/TAblaufPanel.h"
#include "app/THauptMenue.h"
#include "app/Texte.h"
#include "base/Messages.h"
#include "config/TConfigForm.h"
#include "config/TKundenDaten.h"
#include "help/HilfeTexte.h"
#include "help/THelpForm.h"
#include "order/RahmenZeichnen.h"
#include "workspace/Arbeitsflaeche.h"
#include "workspace/ArbeitsflaecheWidget.h"
#include "workspace/ArbeitsflaecheZeichnen.h"
#include "workspace/StatusTexte.h"
#include "workspace/TBilddrehungForm.h"
#include "workspace/TScaleForm.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>

namespace qv {

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
    // FormDestroy. The settings objects live as long as the application, so the windows that
    // write their place on closing still reach them after this.
    m_hilfe->programmEndet();
    m_app.IniDateienSchliessen();
}

TAuftrag &TMainForm::auftrag()
{
    return m_app.Auftrag();
}

const TAuftrag &TMainForm::auftrag() const
{
    return m_app.Auftrag();
}

const Eingabesteuerung &TMainForm::eingabe() const
{
    return m_input->eingabe();
}

int TMainForm::Modus() const
{
    return m_arbeitsmodus->Modus();
}

bool TMainForm::ModusSetzen(int modus)
{
    return m_arbeitsmodus->ModusSetzen(modus);
}

bool TMainForm::NeuerAuftrag()
{
    return m_arbeitsmodus->NeuerAuftrag();
}

void TMainForm::PCModusChange(int index)
{
    m_arbeitsmodus->SeiteGewaehlt(index);
}

void TMainForm::neu1Click()
{
    // Fresh customer data, the start assistant, the mode (MainWindowStart).
    m_start->ablauf().NeuerAuftrag(m_kundenModus, Modus());
}

void TMainForm::SetGeaendert()
{
    auftrag().Geaendert = true;
    // The order data's date and the order time follow the last change of an order being made.
    if (!auftrag().AusDatei)
        m_auftragsart->DatumNeu();
}

void TMainForm::RahmenPruefen()
{
    m_auftragsart->RahmenPruefen();
}

void TMainForm::FormCreate()
{
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
    m_app.Sitzung().KundenModusSetzen(m_kundenModus);
    m_menue->setHaken(Befehl::Kundenmodus, m_kundenModus);
    auftrag().AusDatei = false;
    auftrag().Geaendert = false;
    m_startAbbruch = false;
    auftrag().Isozentrum = QPoint(0, 0);
    const Result<void> geladen = auftrag().Kundendaten.Laden(m_app.kundenDateien());
    if (!geladen)
        m_app.messages().error(geladen.error());
    m_steuerung->FFAAnzeigen();
    MenuesAnpassen();
}

void TMainForm::FensterAufbauen()
{
    // The window starts on an empty order; the insertion-direction window with "Rechts".
    auftrag() = TAuftrag();
    auftrag().Einschubrichtung = TEinschubrichtung::Rechts;
    m_dok = std::make_unique<Arbeitsflaeche>(auftrag(), m_app.Sitzung().ablaufFeld());
    m_menue = new THauptMenue(this);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("Splitter"));
    m_steuerung = new ArbeitsflaecheSteuerung(*m_dok, auftrag().Kundendaten, m_app.EinstellungenIni(), m_app.messages(),
                                              m_app.fileChooser(), nullptr, *this, this);
    ArbeitsflaecheWidget *pMain = m_steuerung->widget();
    // The window follows what the order session announces: the workflow panel looks at the
    // order (not when only the drawing changed), the workspace draws it.
    connect(&m_app.Sitzung(), &AuftragsSitzung::geaendert, this, [this](unsigned teile) {
        if ((teile & ~unsigned(AuftragsSitzung::Ansicht)) && m_input && m_auftragsart && m_einschub)
            AblaufAktualisieren();
        m_steuerung->neuZeichnen();
    });
    pMain->setObjectName(QStringLiteral("P_Main"));
    m_splitter->addWidget(pMain);
    m_panel = new TAblaufPanel(m_splitter);
    m_formen = new FormenPanel(m_app.messages());
    m_panel->formenEinsetzen(m_formen);
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

    const QPoint hilfePos = hilfeStandardPosition(pos(), width() - kPanelBreite, 265);
    m_hilfe = new THelpForm(m_app.EinstellungenIni(), hilfePos, this);
    m_hilfe->f1Einrichten(this);
    new Fensterplatzierer(*this, pMain->bildflaeche(), *m_panel);

    m_input = std::make_unique<MainWindowInput>(*this, m_app);
    m_arbeitsmodus = std::make_unique<MainWindowWorkMode>(*this, m_app);
    m_auftragsdateien = std::make_unique<MainWindowOrderFiles>(*this, m_app);
    m_einschub = std::make_unique<MainWindowDirection>(*this, m_app);
    m_auftragsart = std::make_unique<MainWindowOrderType>(*this, m_app);
    m_start = std::make_unique<MainWindowStart>(*this, m_app);
    m_exporte = std::make_unique<MainWindowExport>(*this, m_app, [this] { return m_kundenModus; });
    m_import = std::make_unique<MainWindowImport>(*this, m_app);
    Verbinden();
}

void TMainForm::Verbinden()
{
    // buttons and menu items speak in commands
    connect(m_menue, &THauptMenue::befehl, this, &TMainForm::BefehlAusfuehren);
    // The workflow's "Datei speichern" is "Speichern unter...".
    connect(m_panel, &TAblaufPanel::befehl, this,
            [this](Befehl b) { BefehlAusfuehren(b == Befehl::Speichern ? Befehl::SpeichernUnter : b, false); });
    connect(m_panel, &TAblaufPanel::modusGewaehlt, this, &TMainForm::PCModusChange);

    // the workspace, its dialogs and the help window
    connect(m_steuerung, &ArbeitsflaecheSteuerung::statusGeaendert, this, &TMainForm::statusZeigen);
    connect(m_steuerung, &ArbeitsflaecheSteuerung::ffaGeaendert, m_panel, &TAblaufPanel::ffaAnzeigen);
    connect(m_steuerung, &ArbeitsflaecheSteuerung::ansichtGeaendert, this, &TMainForm::ansichtAktualisieren);
    connect(&m_steuerung->bilddrehungForm(), &TBilddrehungForm::hilfeUmschalten, this,
            &TMainForm::hilfeAnzeigenClick);
    connect(m_hilfe, &THelpForm::sichtbarkeitGeaendert, this,
            [this](bool sichtbar) { m_menue->setHaken(Befehl::HilfeAnzeigen, sichtbar); });

    // light bulbs
    connect(m_panel, &TAblaufPanel::birneUmgeschaltet, this,
            [this](Ebene e, bool) { m_panel->setBirneAn(e, m_steuerung->EbeneUmschalten(e)); });

    // painting only reads: the frame around an electron aperture (MainWindowInput wires the
    // contour lists, the shape tools, the mouse and the rubber band)
    m_steuerung->widget()->setRahmenZeichnen([this](QPainter &painter, const Abbildung &abb) {
        if (const auto rahmen = m_auftragsart->Ueberlagerung())
            RahmenZeichnen(painter, abb, *rahmen);
    });
}

void TMainForm::BefehlAusfuehren(Befehl b, bool checked)
{
    switch (b) {
    case Befehl::Neu: neu1Click(); break;
    case Befehl::Beenden: BeendenClick(); break;
    case Befehl::Auftragsart: m_auftragsart->AuftragsartDialog(); break;
    case Befehl::BildEinlesen: BildEinlesen(*m_steuerung, m_app.messages()); break;
    case Befehl::BildDrehen: BildDrehen(*m_steuerung, m_app.messages()); break;
    case Befehl::BPREinlesen:
        if (ModusSetzen(ModusBPR))
            m_import->BPREinlesen();
        break;
    case Befehl::DicomEinlesen:
        if (ModusSetzen(ModusDICOM))
            m_import->DicomEinlesen();
        break;
    case Befehl::BPRImport: m_import->BPREinlesen(); break;
    case Befehl::DicomImport: m_import->DicomEinlesen(); break;
    case Befehl::IsozentrumEingeben: m_input->IsozentrumEingeben(); break;
    case Befehl::MassstabEingeben: m_input->MassstabEingeben(); break;
    case Befehl::KonturEingabe: m_input->KonturEingabe(); break;
    case Befehl::KonturEingabeOhneVorlage: m_input->FormenEingabe(); break;
    case Befehl::FeldEingabe: m_input->FeldEingeben(); break;
    case Befehl::Invertiert: m_steuerung->InvertedClick(checked); break;
    case Befehl::ModusBildVorlage:
    case Befehl::ModusOhneVorlage:
    case Befehl::ModusBPR:
    case Befehl::ModusDICOM:
    case Befehl::ModusKompensator: {
        const int modus = int(b) - int(Befehl::ModusBildVorlage);
        if (!ModusSetzen(modus))
            m_menue->modusHaken(Modus());
        break;
    }
    case Befehl::Kundenmodus: Kundenmodus1Click(); break;
    case Befehl::ConfigIntern: QuellvantarConfigIntern1Click(); break;
    case Befehl::AGB: m_app.messages().information(texte::agbMeldung(website())); break;
    case Befehl::Preisliste: m_app.messages().information(texte::preislisteMeldung(website())); break;
    case Befehl::HilfeAnzeigen: hilfeAnzeigenClick(); break;
    // the steps of later windows
    case Befehl::Oeffnen: m_auftragsdateien->befehle().AuftragOeffnen(); break;
    case Befehl::Speichern: m_auftragsdateien->befehle().AuftragArchivieren(); break;
    case Befehl::SpeichernUnter: m_auftragsdateien->befehle().AuftragSpeichernUnter(); break;
    case Befehl::BPRExport: m_exporte->BlockExport(); break;
    case Befehl::LAPExport: m_exporte->LAPExport(); break;
    case Befehl::Drucken: m_exporte->Drucken(DruckAuswahl::Auftragsdaten); break;
    case Befehl::Export: break;
    case Befehl::Einschubrichtung: m_einschub->EinschubrichtungDialog(); break;
    case Befehl::Auftragsdaten: m_auftragsart->AuftragsdatenDialog(); break;
    case Befehl::KundenDaten: Kundeneinstellungen1Click(); break;
    case Befehl::Verschieben: m_input->bewegen().VerschiebenUmschalten(); break;
    case Befehl::Drehen: m_input->bewegen().DrehenUmschalten(); break;
    case Befehl::Kundeneinstellungen: Kundeneinstellungen1Click(); break;
    case Befehl::DruckenAuftragsdaten: m_exporte->Drucken(DruckAuswahl::Auftragsdaten); break;
    case Befehl::DruckenKundendaten: m_exporte->Drucken(DruckAuswahl::Kundendaten); break;
    case Befehl::DruckenAlles: m_exporte->Drucken(DruckAuswahl::Alles); break;
    }
}

void TMainForm::statusZeigen(const StatusTexte &t)
{
    m_status[0]->setText(t.panel0);
    m_status[1]->setText(t.panel1);
    if (t.panel2)
        m_status[2]->setText(*t.panel2);
    if (t.panel3)
        m_status[3]->setText(*t.panel3);
}

QString TMainForm::statusText(int i) const
{
    return m_status.at(i)->text();
}

void TMainForm::ansichtAktualisieren()
{
    m_panel->setMassstabText(MassstabText(*m_dok));
    m_input->konturListeAktualisieren();
}

void TMainForm::QuellvantarConfigIntern1Click()
{
    // Made when it opens, from the configuration file; nothing of it outlives the dialog.
    TConfigForm editor(m_app.ConfigIni(), m_app.messages(), StartAbbruch(), this);
    editor.setObjectName(QStringLiteral("ConfigForm"));
    connect(&editor, &TConfigForm::hilfeAngefordert, this, &TMainForm::hilfeAnzeigenClick);
    // "speichern" leaves the editor with Accepted: what it saved is the run's configuration now
    if (editor.exec() == QDialog::Accepted)
        m_app.KonfigurationLaden();
}

QString TMainForm::website() const
{
    return m_app.ConfigIni().readString(kInit, QStringLiteral("Website"));
}

void TMainForm::hilfeAnzeigenClick()
{
    const bool sichtbar = m_hilfe->Umschalten();
    m_menue->setHaken(Befehl::HilfeAnzeigen, sichtbar);
}

void TMainForm::Kontexthilfe(const QString &text, const QString &titel)
{
    m_hilfe->Kontexthilfe(text, titel);
}

void TMainForm::ModusHilfe()
{
    m_hilfe->ModusHilfe(Modus());
}

void TMainForm::KnopfGedrueckt(Knopf knopf, bool gedrueckt)
{
    m_panel->knopfGedrueckt(knopf == Knopf::Bild ? Befehl::BildEinlesen : Befehl::BildDrehen, gedrueckt);
}

void TMainForm::BildBirneZeigen()
{
    m_panel->birneZeigen(Ebene::Bild, true);
}

void TMainForm::EinschubrichtungZuruecksetzen()
{
    auftrag().EinschubGesetzt = false;
}

void TMainForm::BeendenClick()
{
    close();
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    // FormClose: any answer but Yes keeps the window and the order.
    if (auftrag().Geaendert && m_app.messages().question(BeendenMitAenderungenFrage()) != Messages::Answer::Yes) {
        event->ignore();
        return;
    }
    m_hilfe->programmEndet();
    event->accept();
}

} // namespace qv
