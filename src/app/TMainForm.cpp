#include "app/TMainForm.h"

#include "app/Application.h"
#include "app/StartRegeln.h"
#include "base/Messages.h"
#include "base/UtilsUnit.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFrame>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// The layout is designed for 1024 x 768 at 96 dpi; Qt scales it on denser screens.
constexpr int kDesignBreite = 1024;
constexpr int kDesignHoehe = 768;
} // namespace

TMainForm::TMainForm(qv::Application &app, QWidget *parent) : QMainWindow(parent), m_app(app)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Quellvantar"));
    MenuesAnlegen();
    SeitenAnlegen();
    statusBar()->setObjectName(QStringLiteral("StatusBar"));

    QSize groesse(kDesignBreite, kDesignHoehe);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        groesse = groesse.boundedTo(screen->availableSize());
    resize(groesse);

    FormCreate();
}

TMainForm::~TMainForm()
{
    // FormDestroy: the settings objects go with the main window.
    m_app.IniDateienSchliessen();
}

void TMainForm::MenuesAnlegen()
{
    auto menue = [this](const QString &name, const QString &titel) {
        QMenu *m = menuBar()->addMenu(titel);
        m->setObjectName(name);
        return m;
    };
    auto aktion = [this](QMenu *m, const QString &name, const QString &titel, const QKeySequence &kurz = {}) {
        QAction *a = m->addAction(titel);
        a->setObjectName(name);
        a->setShortcut(kurz);
        return a;
    };

    QMenu *datei = menue(QStringLiteral("Datei1"), QStringLiteral("&Datei"));
    m_neu1 = aktion(datei, QStringLiteral("neu1"), QStringLiteral("Neu..."), QKeySequence(Qt::CTRL | Qt::Key_N));
    datei->addSeparator();
    m_beenden = aktion(datei, QStringLiteral("Beenden"), QStringLiteral("Beenden"), QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(m_neu1, &QAction::triggered, this, &TMainForm::neu1Click);
    connect(m_beenden, &QAction::triggered, this, &TMainForm::BeendenClick);

    menue(QStringLiteral("Auftrag1"), QStringLiteral("Auftrag/Eingaben"));
    menue(QStringLiteral("Bearbeiten1"), QStringLiteral("Bearbeiten"))->menuAction()->setVisible(false);
    menue(QStringLiteral("Anzeige1"), QStringLiteral("Ansicht"));

    QMenu *modus = menue(QStringLiteral("Modus1"), QStringLiteral("Modus"));
    auto *gruppe = new QActionGroup(this);
    const std::pair<const char16_t *, const char16_t *> modi[] = {
        {u"Bildmodus1", u"Bild-Vorlage"},
        {u"Zeichenmodus1", u"ohne Vorlage"},
        {u"BPRModus1", u"BPR-Modus"},
        {u"Dicom1", u"DICOM-Modus"},
    };
    for (int m = 0; m < 4; ++m) {
        QAction *a = aktion(modus, QString::fromUtf16(modi[m].first), QString::fromUtf16(modi[m].second));
        a->setCheckable(true);
        gruppe->addAction(a);
        connect(a, &QAction::triggered, this, [this, m] { ModusSetzen(m); });
        m_modusAktionen.append(a);
    }

    QMenu *konfiguration = menue(QStringLiteral("Konfiguration1"), QStringLiteral("&Konfiguration"));
    aktion(konfiguration, QStringLiteral("Kundeneinstellungen1"), QStringLiteral("Kundeneinstellungen"));
    m_kundenmodus1 = aktion(konfiguration, QStringLiteral("Kundenmodus1"), QStringLiteral("Kundenmodus"));
    m_kundenmodus1->setCheckable(true);

    menue(QStringLiteral("TesserakonIntern1"), QStringLiteral("&Tesserakon intern"));
    menue(QStringLiteral("Drucken"), QStringLiteral("&Drucken"));
    menue(QStringLiteral("Info1"), QStringLiteral("&?"));
}

void TMainForm::SeitenAnlegen()
{
    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("Splitter"));

    // The workspace (template image with its overlays) goes into this panel.
    auto *pMain = new QFrame(splitter);
    pMain->setObjectName(QStringLiteral("P_Main"));
    pMain->setFrameShape(QFrame::StyledPanel);
    pMain->setBackgroundRole(QPalette::Dark);
    pMain->setAutoFillBackground(true);

    m_pcModus = new QTabWidget(splitter);
    m_pcModus->setObjectName(QStringLiteral("PCModus"));
    // All four mode tabs stay readable side by side; the pane grows to fit them.
    m_pcModus->setUsesScrollButtons(false);
    const std::pair<const char16_t *, const char16_t *> seiten[] = {
        {u"TSBildModus", u"Bild-Vorlage"},
        {u"TSZeichenModus", u"ohne Vorlage"},
        {u"TSBPRModus", u"BPR-Modus"},
        {u"TSDicomModus", u"DICOM-Modus"},
    };
    for (const auto &[name, titel] : seiten) {
        auto *seite = new QWidget(m_pcModus);
        seite->setObjectName(QString::fromUtf16(name));
        new QVBoxLayout(seite);
        m_pcModus->addTab(seite, QString::fromUtf16(titel));
    }
    connect(m_pcModus, &QTabWidget::tabBarClicked, this, [this](int index) {
        if (index >= 0 && index != m_modus)
            ModusSetzen(index);
    });

    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setSizes({kDesignBreite - 360, 360});
    setCentralWidget(splitter);
}

void TMainForm::FormCreate()
{
    // High-DPI: Qt lays the window out in device-independent pixels, so the design size
    // above holds at any density and text and controls grow together.
    m_demoModus = false;
    // Widgets that show numbers (spin boxes) use the comma as well; our own number helpers
    // never depend on the locale.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // The empty contour set is created here once the contour model is in place.

    m_app.IniDateienOeffnen();
    if (!QFile::exists(m_app.ConfigPfad())) {
        m_app.messages().error(qv::ConfigFehltMeldung(m_app.ConfigPfad()));
        m_startAbbruch = true;
        return;
    }

    m_kundenModus = m_app.EinstellungenIni().readBool(QStringLiteral("Init"), QStringLiteral("KundenMode"), true);
    m_kundenmodus1->setChecked(m_kundenModus);
    // The maker's menus stay out of sight in customer mode.
    for (const char16_t *intern : {u"TesserakonIntern1", u"Drucken"}) {
        if (auto *m = menuBar()->findChild<QMenu *>(QString::fromUtf16(intern)))
            m->menuAction()->setVisible(!m_kundenModus);
    }

    m_ausDatei = false;
    m_geaendert = false;
    m_startAbbruch = false;
    // Workspace setup, the isocentre at (0, 0), loading KundenDatenGlobal and showing its
    // FFA follow here once the workspace and the customer data are in place.
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
    m_modus = qv::ModusIndexLesen(m_app.EinstellungenIni(), m_modus);
    EinschubrichtungSetzen(qv::EinschubrichtungLesen(m_app.EinstellungenIni(), m_einschubrichtung));
    neu1Click();
}

void TMainForm::AnwendungBeenden()
{
    // The owner of the event loop ends it after the current event.
    emit StartAbgebrochen();
}

bool TMainForm::ErsterStart() const
{
    // The customer data report a first start (no customer file yet).
    return false;
}

void TMainForm::ErsterStartDialog()
{
    // The first-start dialog: demo customer (then a new order in mode 0, direction "Links"),
    // configure (customer settings dialog, no new order) or cancel (m_startAbbruch).
}

bool TMainForm::KundenDatenVollstaendig() const
{
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

void TMainForm::SetGeaendert()
{
    m_geaendert = true;
}

void TMainForm::neu1Click()
{
    // The start assistant (customer mode, Init/StartAssistent) chooses the mode here.
    ModusSetzen(m_modus);
}

bool TMainForm::ModusSetzen(int modus)
{
    if (modus < qv::ModusBildVorlage || modus > qv::ModusDICOM)
        return false;
    m_modus = modus;
    m_pcModus->setCurrentIndex(modus);
    m_modusAktionen[modus]->setChecked(true);
    return NeuerAuftrag();
}

bool TMainForm::NeuerAuftrag()
{
    // Resetting the order (contours, isocentre, scale, field, order data) comes with the
    // workflow panel.
    setWindowTitle(QStringLiteral("Quellvantar ") + VersionsText() + QStringLiteral(" - Neu"));
    m_geaendert = false;
    return true;
}

void TMainForm::BeendenClick()
{
    close();
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    // FormClose: any answer but Yes keeps the window and the order.
    if (m_geaendert && m_app.messages().question(qv::BeendenMitAenderungenFrage()) != qv::Messages::Answer::Yes) {
        event->ignore();
        return;
    }
    event->accept();
}
