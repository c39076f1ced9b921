#include "config/TKonfigForm.h"

#include "app/Application.h"
#include "app/KundenDatenMeldungen.h"
#include "base/FileChooser.h"
#include "base/IniFile.h"
#include "base/Messages.h"
#include "config/TKonfiguration.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

using qv::KundenEinstellungen;
using qv::Messages;

namespace {

// Delphi colour numbers as the product's look uses them (blue-green-red).
const QColor kGewaehlt(137, 152, 208);  // 13670537
const QColor kPflicht(207, 220, 255);   // 16767695
const QColor kLesemodus(242, 147, 147); // 9671666

const QString kInit = QStringLiteral("Init");

QString farbe(const QColor &c)
{
    return c.name();
}

QLineEdit *feld(QWidget *eltern, const char *name, int laenge, bool pflicht = false)
{
    auto *e = new QLineEdit(eltern);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(laenge);
    if (pflicht)
        e->setStyleSheet(QStringLiteral("QLineEdit { background: %1; }").arg(farbe(kPflicht)));
    return e;
}

QComboBox *auswahl(QWidget *eltern, const char *name, const QStringList &eintraege, bool frei = false)
{
    auto *c = new QComboBox(eltern);
    c->setObjectName(QString::fromLatin1(name));
    c->addItems(eintraege);
    c->setEditable(frei);
    return c;
}

QLabel *hinweis(QWidget *eltern, const char *name, const QString &text)
{
    auto *l = new QLabel(text, eltern);
    l->setObjectName(QString::fromLatin1(name));
    l->setWordWrap(true);
    l->setStyleSheet(QStringLiteral("QLabel { color: #404040; background: #fffff0; border: 1px solid #c8c8a0; padding: 4px; }"));
    return l;
}

void zeige(QComboBox *c, const QString &text)
{
    c->setCurrentIndex(c->findText(text));
    if (c->isEditable() && c->currentIndex() < 0)
        c->setEditText(QString());
}

QString nurLesend(const QComboBox *c)
{
    return c->currentIndex() >= 0 || c->isEditable() ? c->currentText() : QString();
}

bool liegtIn(const QWidget *w, const QWidget *gruppe)
{
    return w && gruppe && (w == gruppe || gruppe->isAncestorOf(w));
}

void navigationFaerben(QPushButton *k)
{
    const bool an = k->isChecked();
    k->setStyleSheet(QStringLiteral("QPushButton { background: %1; border: 1px %2 #606060; padding: 6px; text-align: left; }")
                         .arg(farbe(an ? kGewaehlt : kPflicht), an ? QStringLiteral("inset") : QStringLiteral("outset")));
}

QPushButton *navigation(QWidget *eltern, const char *name, const QString &text)
{
    auto *k = new QPushButton(text, eltern);
    k->setObjectName(QString::fromLatin1(name));
    k->setCheckable(true);
    k->setFocusPolicy(Qt::NoFocus);
    QObject::connect(k, &QPushButton::toggled, k, [k] { navigationFaerben(k); });
    navigationFaerben(k);
    return k;
}

} // namespace

TKonfigForm::TKonfigForm(TKundenDaten &daten, const Umgebung &umgebung, QWidget *parent)
    : QDialog(parent), m_daten(daten), m_umgebung(umgebung), m_einstellungen(daten)
{
    setObjectName(QStringLiteral("TKonfigForm"));
    setWindowTitle(QStringLiteral("Konfiguration"));
    setModal(true);
    aufbauen();

    const bool demo = daten.Demo && !daten.AusAuftrag;
    if (daten.AusAuftrag || demo) {
        m_kopf->setStyleSheet(QStringLiteral("QLabel { background: %1; font-weight: bold; padding: 6px; }").arg(farbe(kLesemodus)));
        m_kopf->setText(demo ? QStringLiteral("  DEMO Vertragspartner (Lesemodus)")
                             : QStringLiteral("  Vertragspartner des geladenen Auftrags (Lesemodus)"));
        m_btnSave->setEnabled(false);
        if (daten.AusAuftrag)
            m_programmKnopf->hide();
        for (const char *name : {"BTN_AnPNeu", "BTN_AnPloeschen", "BTN_BeschNeu", "BTN_AbteilungNeu", "BTN_AbteilungLoeschen"})
            findChild<QPushButton *>(QString::fromLatin1(name))->hide();
    } else {
        const qv::Result<void> sicherung = m_einstellungen.SicherungLaden(umgebung.dateien);
        if (!sicherung && umgebung.meldungen)
            umgebung.meldungen->error(sicherung.error());
    }
    if (daten.Abteilungen.isEmpty() && umgebung.meldungen)
        umgebung.meldungen->error(QStringLiteral("Defekte Konfiguration gefunden!"));

    connect(qApp, &QApplication::focusChanged, this, &TKonfigForm::fokusGewechselt);
    alleAnzeigen();
    programmZeigen(false);
    seiteZeigen(0);
}

TKonfigForm::~TKonfigForm() = default;

bool TKonfigForm::Ausfuehren(qv::Application &app, QWidget *parent)
{
    Umgebung u;
    u.dateien = KundenDateien::imOrdner(app.programmOrdner());
    u.einstellungen = &app.EinstellungenIni();
    const QStringList beschleuniger = qv::leseKonfigListe(app.ConfigIni(), QStringLiteral("Beschleuniger"));
    for (const QString &b : beschleuniger)
        if (b != qv::kGeloescht && !b.isEmpty())
            u.beschleuniger << b;
    for (const QString &t : qv::leseKonfigListe(app.ConfigIni(), QStringLiteral("Transport")))
        if (t != qv::kGeloescht)
            u.transport << t;
    u.meldungen = &app.messages();
    u.dateiauswahl = &app.fileChooser();
    TKonfigForm form(app.Auftrag().Kundendaten, u, parent);
    form.exec();
    return !form.beendenAngefordert();
}

void TKonfigForm::aufbauen()
{
    auto *wurzel = new QVBoxLayout(this);
    auto *mitte = new QHBoxLayout;
    wurzel->addLayout(mitte, 1);

    // Left column: navigation.
    auto *links = new QWidget(this);
    links->setObjectName(QStringLiteral("P_Left"));
    links->setFixedWidth(210);
    auto *lv = new QVBoxLayout(links);
    lv->setContentsMargins(0, 0, 0, 0);
    m_programmKnopf = navigation(links, "P_SelectProgramm", QStringLiteral("Programm Optionen"));
    m_vertragKnopf = navigation(links, "P_SelectVertragspartner", QStringLiteral("Vertragspartner"));
    lv->addWidget(m_programmKnopf);
    lv->addWidget(m_vertragKnopf);
    m_abteilungsSpalte = new QWidget(links);
    m_abteilungsSpalte->setObjectName(QStringLiteral("P_VertragspartnerButtons"));
    auto *av = new QVBoxLayout(m_abteilungsSpalte);
    av->setContentsMargins(12, 6, 0, 0);
    av->addWidget(new QLabel(QStringLiteral("Abteilung "), m_abteilungsSpalte));
    m_abteilung = auswahl(m_abteilungsSpalte, "CB_Abteilung", {});
    av->addWidget(m_abteilung);
    auto *ak = new QHBoxLayout;
    auto *neu = new QPushButton(QStringLiteral("Neu"), m_abteilungsSpalte);
    neu->setObjectName(QStringLiteral("BTN_AbteilungNeu"));
    auto *loeschen = new QPushButton(QStringLiteral("löschen"), m_abteilungsSpalte);
    loeschen->setObjectName(QStringLiteral("BTN_AbteilungLoeschen"));
    ak->addWidget(neu);
    ak->addWidget(loeschen);
    av->addLayout(ak);
    const char *namen[] = {"P_SelectAnP", "P_SelectAdressen", "P_SelectBeschleuniger", "P_SelectLieferart"};
    const QString texte[] = {QStringLiteral("Ansprechpartner"), QStringLiteral("Adressen"), QStringLiteral("Beschleuniger"),
                             QStringLiteral("Lieferart / Sonstiges")};
    for (int i = 0; i < 4; ++i) {
        QPushButton *k = navigation(m_abteilungsSpalte, namen[i], texte[i]);
        m_seitenKnoepfe << k;
        av->addWidget(k);
        connect(k, &QPushButton::clicked, this, [this, i] { seiteZeigen(i); });
    }
    lv->addWidget(m_abteilungsSpalte);
    lv->addStretch(1);
    mitte->addWidget(links);

    m_haupt = new QStackedWidget(this);
    m_haupt->setObjectName(QStringLiteral("P_Main"));
    m_haupt->addWidget(baueProgramm());
    m_haupt->addWidget(baueKunde());
    mitte->addWidget(m_haupt, 1);

    auto *unten = new QHBoxLayout;
    unten->addStretch(1);
    m_btnSave = new QPushButton(QStringLiteral("Speichern"), this);
    m_btnSave->setObjectName(QStringLiteral("btnSave"));
    m_btnSave->setDefault(true);
    auto *abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    abbrechen->setObjectName(QStringLiteral("btnCancel"));
    unten->addWidget(m_btnSave);
    unten->addWidget(abbrechen);
    wurzel->addLayout(unten);

    connect(m_programmKnopf, &QPushButton::clicked, this, [this] { programmZeigen(true); });
    connect(m_vertragKnopf, &QPushButton::clicked, this, [this] { programmZeigen(false); });
    connect(m_btnSave, &QPushButton::clicked, this, &TKonfigForm::speichernClick);
    connect(abbrechen, &QPushButton::clicked, this, &TKonfigForm::reject);
    connect(m_abteilung, &QComboBox::activated, this, [this](int i) {
        flush();
        m_einstellungen.WaehleAbteilung(i);
        abteilungenAnzeigen();
        seiteZeigen(0);
    });
    connect(neu, &QPushButton::clicked, this, [this] {
        flush();
        if (m_einstellungen.NeueAbteilung() == KundenEinstellungen::AbteilungNeu::ZehnErreicht) {
            m_umgebung.meldungen->information(
                QStringLiteral("Quellvantar unterstützt in dieser Version nicht mehr als zehn Abteilungen."));
            return;
        }
        abteilungenAnzeigen();
        seiteZeigen(0);
    });
    connect(loeschen, &QPushButton::clicked, this, [this] {
        m_offen[AnP] = m_offen[Adresse] = m_offen[Beschl] = m_offen[Lieferart] = m_offen[AbteilungsName] = false;
        m_einstellungen.LoescheAbteilung();
        abteilungenAnzeigen();
        seiteZeigen(0);
    });
    resize(900, 640);
}

QWidget *TKonfigForm::baueProgramm()
{
    auto *p = new QWidget(this);
    p->setObjectName(QStringLiteral("P_Programm"));
    auto *v = new QVBoxLayout(p);
    auto *ffaZeile = new QHBoxLayout;
    ffaZeile->addWidget(new QLabel(QStringLiteral("Standard Focus Film Abstand (FFA)"), p));
    m_ffa = feld(p, "E_FFA", 6);
    m_ffa->setMaximumWidth(80);
    m_gruppen[FFA] = m_ffa;
    connect(m_ffa, &QLineEdit::textEdited, this, [this] { geaendertMarkieren(FFA); });
    ffaZeile->addWidget(m_ffa);
    ffaZeile->addWidget(new QLabel(QStringLiteral("cm"), p));
    ffaZeile->addWidget(new QLabel(QStringLiteral("=> die Eingabeebene für den Modus mit und ohne Vorlage"), p));
    ffaZeile->addStretch(1);
    v->addLayout(ffaZeile);

    v->addWidget(new QLabel(QStringLiteral("Speicherort für die Quellvantar-Dateien"), p));
    auto *ordnerZeile = new QHBoxLayout;
    m_verzeichnis = feld(p, "E_Verzeichnis", 32767);
    m_verzeichnis->setReadOnly(true);
    auto *waehlen = new QPushButton(QStringLiteral("..."), p);
    waehlen->setObjectName(QStringLiteral("Button4"));
    waehlen->setMaximumWidth(40);
    connect(waehlen, &QPushButton::clicked, this, &TKonfigForm::verzeichnisClick);
    ordnerZeile->addWidget(m_verzeichnis, 1);
    ordnerZeile->addWidget(waehlen);
    v->addLayout(ordnerZeile);

    auto schalter = [&](const char *name, const QString &text, const QString &schluessel) {
        auto *c = new QCheckBox(text, p);
        c->setObjectName(QString::fromLatin1(name));
        connect(c, &QCheckBox::clicked, this, [this, schluessel](bool an) {
            if (m_umgebung.einstellungen)
                m_umgebung.einstellungen->writeBool(kInit, schluessel, an);
        });
        v->addWidget(c);
        return c;
    };
    m_bildvorschau = schalter("CB_Bildvorschau", QStringLiteral("Öffnen Dialog mit Bildvorschau anzeigen"),
                              QStringLiteral("Bildvorschau"));
    v->addWidget(hinweis(p, "M_Bildervorschau",
                         QStringLiteral("Sollte die Bildvorschau im Öffnen-Dialog Probleme verursachen, so können Sie "
                                        "diese hier deaktivieren.\nBei *.png Dateien wird z.T. sehr viel CPU-Zeit "
                                        "verbraucht, um Bilder in der Vorschau anzeigen zu lassen.")));
    m_help = schalter("CB_Help", QStringLiteral("Anzeige der Hilfe"), QStringLiteral("Help"));
    v->addWidget(hinweis(p, "M_Hilfe",
                         QStringLiteral("Hier konfigurieren Sie, ob im Programm die Hilfe angezeigt wird.\nIst der Haken "
                                        "gesetzt, so ist bei jedem Start die Hilfe aktiviert.\nSie können die Hilfe "
                                        "jederzeit im Hauptformular mit \"F1\" aktivieren bzw. deaktivieren.")));
    m_startassistent = schalter("cb_Startassistent", QStringLiteral("Startassistenten anzeigen"),
                                QStringLiteral("StartAssistent"));
    v->addStretch(1);
    return p;
}

QWidget *TKonfigForm::baueKunde()
{
    auto *p = new QWidget(this);
    p->setObjectName(QStringLiteral("P_Kunde"));
    auto *v = new QVBoxLayout(p);
    v->setContentsMargins(0, 0, 0, 0);
    m_kopf = new QLabel(QStringLiteral("  Vertragspartner"), p);
    m_kopf->setObjectName(QStringLiteral("P_VertragspartnerHeader"));
    m_kopf->setStyleSheet(QStringLiteral("QLabel { background: %1; font-weight: bold; padding: 6px; }").arg(farbe(kGewaehlt)));
    v->addWidget(m_kopf);

    auto *details = new QWidget(p);
    details->setObjectName(QStringLiteral("P_VertragsPDetails"));
    m_gruppen[Vertragspartner] = details;
    auto *g = new QGridLayout(details);
    g->setContentsMargins(4, 4, 4, 4);
    m_vGeschlecht = auswahl(details, "CB_VertragGeschlecht", KundenEinstellungen::GeschlechtListe);
    m_vTitel = auswahl(details, "CB_VertragTitel", KundenEinstellungen::TitelListe, true);
    m_vTitel->lineEdit()->setMaxLength(50);
    m_vName = feld(details, "E_VertragName", 50);
    m_vInstitut = feld(details, "E_VertragInstitut", 50, true);
    m_vAbteilung = feld(details, "E_VertragAbteilung", 50);
    m_vStrasse = feld(details, "E_VertragStrasse", 50, true);
    m_vPLZ = feld(details, "E_VertragPLZ", 5, true);
    m_vOrt = feld(details, "E_VertragOrt", 50, true);
    m_vPLZ->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), m_vPLZ));
    g->addWidget(new QLabel(QStringLiteral("Anrede / Titel"), details), 0, 0);
    g->addWidget(m_vGeschlecht, 0, 1);
    g->addWidget(m_vTitel, 0, 2);
    g->addWidget(new QLabel(QStringLiteral("Name, Vorname"), details), 1, 0);
    g->addWidget(m_vName, 1, 1, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Institut"), details), 2, 0);
    g->addWidget(m_vInstitut, 2, 1, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Abteilung"), details), 3, 0);
    g->addWidget(m_vAbteilung, 3, 1, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Straße"), details), 4, 0);
    g->addWidget(m_vStrasse, 4, 1, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("PLZ / Ort"), details), 5, 0);
    g->addWidget(m_vPLZ, 5, 1);
    g->addWidget(m_vOrt, 5, 2);
    g->addWidget(hinweis(details, "M_HelpVertragspartner",
                         QStringLiteral("Der Vertragspartner ist der niedergelassene Arzt, \nalso z.B. \"Dr. Muster im "
                                        "Hause Strahlenth. Musterhaus\". \nNicht: \"Strahlenth. Musterhaus, Dr. Muster\".")),
                 0, 3, 6, 1);
    g->setColumnStretch(2, 1);
    g->setColumnStretch(3, 1);
    for (QLineEdit *e : {m_vName, m_vInstitut, m_vAbteilung, m_vStrasse, m_vPLZ, m_vOrt})
        connect(e, &QLineEdit::textEdited, this, [this] { geaendertMarkieren(Vertragspartner); });
    connect(m_vGeschlecht, &QComboBox::activated, this, [this] { geaendertMarkieren(Vertragspartner); });
    connect(m_vTitel, &QComboBox::currentTextChanged, this, [this] {
        if (!m_anzeigen)
            geaendertMarkieren(Vertragspartner);
    });
    v->addWidget(details);

    auto *nameLeiste = new QWidget(p);
    nameLeiste->setObjectName(QStringLiteral("P_Abteilungname"));
    nameLeiste->setStyleSheet(QStringLiteral("#P_Abteilungname { background: %1; }").arg(farbe(kGewaehlt)));
    m_gruppen[AbteilungsName] = nameLeiste;
    auto *nh = new QHBoxLayout(nameLeiste);
    nh->setContentsMargins(4, 2, 4, 2);
    nh->addWidget(new QLabel(QStringLiteral("  Abteilung: "), nameLeiste));
    m_abteilungsName = feld(nameLeiste, "E_AbteilungsName", 50);
    connect(m_abteilungsName, &QLineEdit::textEdited, this, [this] { geaendertMarkieren(AbteilungsName); });
    nh->addWidget(m_abteilungsName, 1);
    v->addWidget(nameLeiste);

    m_seiten = new QStackedWidget(p);
    m_seiten->addWidget(baueAnP());
    m_seiten->addWidget(baueAnschriften());
    m_seiten->addWidget(baueBeschleuniger());
    m_seiten->addWidget(baueLieferart());
    v->addWidget(m_seiten, 1);
    return p;
}

QWidget *TKonfigForm::baueAnP()
{
    auto *p = new QWidget(this);
    p->setObjectName(QStringLiteral("P_AnP"));
    auto *h = new QHBoxLayout(p);
    auto *lv = new QVBoxLayout;
    m_anpListe = new QListWidget(p);
    m_anpListe->setObjectName(QStringLiteral("LB_AnP"));
    lv->addWidget(m_anpListe, 1);
    auto *kn = new QHBoxLayout;
    auto *neu = new QPushButton(QStringLiteral("Neu"), p);
    neu->setObjectName(QStringLiteral("BTN_AnPNeu"));
    auto *weg = new QPushButton(QStringLiteral("löschen"), p);
    weg->setObjectName(QStringLiteral("BTN_AnPloeschen"));
    kn->addWidget(neu);
    kn->addWidget(weg);
    lv->addLayout(kn);
    h->addLayout(lv, 1);

    auto *details = new QWidget(p);
    details->setObjectName(QStringLiteral("P_AnPDetails"));
    m_gruppen[AnP] = details;
    auto *f = new QFormLayout(details);
    m_anpGeschlecht = auswahl(details, "CB_AnPGeschlecht", KundenEinstellungen::AnPGeschlechtListe);
    m_anpTitel = auswahl(details, "CB_AnPTitel", KundenEinstellungen::TitelListe, true);
    m_anpName = feld(details, "E_AnPName", 50, true);
    m_anpTelefon = feld(details, "E_AnPTelefon", 50, true);
    m_anpFax = feld(details, "E_AnPFax", 50);
    m_anpEMail = feld(details, "E_AnPEMail", 50, true);
    f->addRow(QStringLiteral("Anrede"), m_anpGeschlecht);
    f->addRow(QStringLiteral("Titel"), m_anpTitel);
    f->addRow(QStringLiteral("Name, Vorname"), m_anpName);
    f->addRow(QStringLiteral("Telefon"), m_anpTelefon);
    f->addRow(QStringLiteral("Fax"), m_anpFax);
    f->addRow(QStringLiteral("E-Mail"), m_anpEMail);
    h->addWidget(details, 1);
    for (QLineEdit *e : {m_anpName, m_anpTelefon, m_anpFax, m_anpEMail})
        connect(e, &QLineEdit::textEdited, this, [this] { geaendertMarkieren(AnP); });
    connect(m_anpGeschlecht, &QComboBox::activated, this, [this] { geaendertMarkieren(AnP); });
    connect(m_anpTitel, &QComboBox::currentTextChanged, this, [this] {
        if (!m_anzeigen)
            geaendertMarkieren(AnP);
    });
    connect(m_anpListe, &QListWidget::currentRowChanged, this, [this](int zeile) {
        if (m_anzeigen || zeile < 0)
            return;
        zurueckschreiben(AnP);
        m_einstellungen.WaehleAnP(zeile);
        anpAnzeigen();
    });
    connect(neu, &QPushButton::clicked, this, [this] {
        zurueckschreiben(AnP);
        m_einstellungen.NeuerAnP();
        anpAnzeigen();
    });
    connect(weg, &QPushButton::clicked, this, [this] {
        m_offen[AnP] = false;
        m_einstellungen.LoescheAnP();
        anpAnzeigen();
    });
    return p;
}

QWidget *TKonfigForm::baueAnschriften()
{
    auto *p = new QWidget(this);
    p->setObjectName(QStringLiteral("P_Anschriften"));
    auto *v = new QVBoxLayout(p);
    m_tabs = new QTabBar(p);
    m_tabs->setObjectName(QStringLiteral("TC_Anschriften"));
    m_tabs->addTab(QStringLiteral("Lieferanschrift (Adresslabel)"));
    m_tabs->addTab(QStringLiteral("Rechnungsanschrift"));
    m_tabs->addTab(QStringLiteral("Abholadresse"));
    m_tabs->setExpanding(false);
    v->addWidget(m_tabs);
    auto *details = new QWidget(p);
    details->setObjectName(QStringLiteral("P_AdressenDetails"));
    m_gruppen[Adresse] = details;
    auto *f = new QFormLayout(details);
    m_adressat = auswahl(details, "CB_AnP", {});
    m_aInstitut = feld(details, "E_Institut", 50, true);
    m_aAbteilung = feld(details, "E_Abteilung", 50);
    m_aStrasse = feld(details, "E_Strasse", 50, true);
    m_aPLZ = feld(details, "E_PLZ", 5, true);
    m_aOrt = feld(details, "E_Ort", 50, true);
    m_aPLZ->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), m_aPLZ));
    f->addRow(QStringLiteral("Ansprechpartner"), m_adressat);
    f->addRow(QStringLiteral("Institut"), m_aInstitut);
    f->addRow(QStringLiteral("Abteilung"), m_aAbteilung);
    f->addRow(QStringLiteral("Straße"), m_aStrasse);
    f->addRow(QStringLiteral("PLZ"), m_aPLZ);
    f->addRow(QStringLiteral("Ort"), m_aOrt);
    for (QLineEdit *e : {m_aInstitut, m_aAbteilung, m_aStrasse, m_aPLZ, m_aOrt})
        connect(e, &QLineEdit::textEdited, this, [this] { geaendertMarkieren(Adresse); });
    connect(m_adressat, &QComboBox::activated, this, [this] { geaendertMarkieren(Adresse); });
    v->addWidget(details);
    m_uebernahme = new QPushButton(p);
    m_uebernahme->setObjectName(QStringLiteral("btn_adressuebernahme"));
    v->addWidget(m_uebernahme, 0, Qt::AlignLeft);
    m_adressHilfe = hinweis(p, "M_Help_Adresse", {});
    v->addWidget(m_adressHilfe);
    v->addStretch(1);

    connect(m_tabs, &QTabBar::tabBarClicked, this, [this] { zurueckschreiben(Adresse); });
    connect(m_tabs, &QTabBar::currentChanged, this, [this] {
        zurueckschreiben(Adresse);
        adresseAnzeigen();
    });
    connect(m_uebernahme, &QPushButton::clicked, this, [this] {
        zurueckschreiben(Adresse);
        m_einstellungen.AdresseUebernehmen(KundenEinstellungen::Tab(m_tabs->currentIndex()));
        adresseAnzeigen();
    });
    return p;
}

QWidget *TKonfigForm::baueBeschleuniger()
{
    auto *p = new QWidget(this);
    p->setObjectName(QStringLiteral("P_Beschleuniger"));
    auto *v = new QVBoxLayout(p);
    auto *h = new QHBoxLayout;
    auto *lv = new QVBoxLayout;
    m_beschlListe = new QListWidget(p);
    m_beschlListe->setObjectName(QStringLiteral("LB_Beschleuniger"));
    lv->addWidget(m_beschlListe, 1);
    auto *kn = new QHBoxLayout;
    auto *neu = new QPushButton(QStringLiteral("Neu"), p);
    neu->setObjectName(QStringLiteral("BTN_BeschNeu"));
    auto *weg = new QPushButton(QStringLiteral("löschen"), p);
    weg->setObjectName(QStringLiteral("BTN_BechlLoeschen"));
    kn->addWidget(neu);
    kn->addWidget(weg);
    lv->addLayout(kn);
    h->addLayout(lv, 1);

    auto *details = new QWidget(p);
    details->setObjectName(QStringLiteral("Panel1"));
    m_gruppen[Beschl] = details;
    auto *f = new QFormLayout(details);
    m_hersteller = auswahl(details, "CB_BesHersteller", m_umgebung.beschleuniger);
    m_kBez = feld(details, "E_BesKBez", 50, true);
    m_typ = feld(details, "E_BesTyp", 50, true);
    m_fba = feld(details, "E_FBA", 5, true);
    m_fba->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*[,.]?[0-9]*")), m_fba));
    m_efba = auswahl(details, "CB_EFBA", KundenEinstellungen::EfbaListe);
    m_gusshoehe = auswahl(details, "CB_Gusshoehe", KundenEinstellungen::GusshoeheListe());
    f->addRow(QStringLiteral("Hersteller"), m_hersteller);
    f->addRow(QStringLiteral("Bezeichnung"), m_kBez);
    f->addRow(QStringLiteral("Typ"), m_typ);
    f->addRow(QStringLiteral("FBA* (cm)"), m_fba);
    f->addRow(QStringLiteral("EFBA** (cm)"), m_efba);
    f->addRow(QStringLiteral("Gußhöhe***"), m_gusshoehe);
    h->addWidget(details, 1);
    v->addLayout(h, 1);
    v->addWidget(hinweis(p, "M_Help_Beschleuniger",
                         QStringLiteral("*   FBA = Fokus-Block-Abstand (muß zwischen 30 und 90 cm liegen. Für Photonen "
                                        "(Blöcke))\n**  EFBA = Elektronen FBA -> Tuben für 95cm, oder auch 100cm "
                                        "(Siemens-Altgeräte)\n*** Standard-Gußhöhe -> Toleranz: +5mm. (Diese Angabe "
                                        "bezieht sich nur auf Photonenblöcke)")));

    connect(m_fba, &QLineEdit::textEdited, this, [this](const QString &t) {
        if (t.contains(u'.')) {
            QString k = t;
            m_fba->setText(k.replace(u'.', u','));
        }
    });
    for (QLineEdit *e : {m_kBez, m_typ, m_fba})
        connect(e, &QLineEdit::textEdited, this, [this] { geaendertMarkieren(Beschl); });
    for (QComboBox *c : {m_hersteller, m_efba, m_gusshoehe})
        connect(c, &QComboBox::activated, this, [this] { geaendertMarkieren(Beschl); });
    connect(m_beschlListe, &QListWidget::currentRowChanged, this, [this](int zeile) {
        if (m_anzeigen || zeile < 0)
            return;
        zurueckschreiben(Beschl);
        m_einstellungen.WaehleBeschl(zeile);
        beschlAnzeigen();
    });
    connect(neu, &QPushButton::clicked, this, [this] {
        zurueckschreiben(Beschl);
        m_einstellungen.NeuerBeschl();
        beschlAnzeigen();
    });
    connect(weg, &QPushButton::clicked, this, [this] {
        m_offen[Beschl] = false;
        m_einstellungen.LoescheBeschl();
        beschlAnzeigen();
    });
    return p;
}

QWidget *TKonfigForm::baueLieferart()
{
    auto *p = new QWidget(this);
    p->setObjectName(QStringLiteral("P_Lieferart_Sonstiges"));
    m_gruppen[Lieferart] = p;
    auto *v = new QVBoxLayout(p);
    v->addWidget(new QLabel(QStringLiteral("Zu wann soll der Auftrag geliefert werden?"), p));
    m_transport = auswahl(p, "CB_Transport", m_umgebung.transport);
    v->addWidget(m_transport);
    v->addWidget(new QLabel(QStringLiteral("(Mail bis 13 Uhr bei Zarn e.K. => Lieferung am  nächsten Werktag, ...)"), p));
    v->addWidget(hinweis(p, "M_Help_Lieferart",
                         QStringLiteral("*   Die Lieferzeit kann pro Auftrag individuell angepaßt werden. (hier die "
                                        "Default-Einstellung)")));
    v->addWidget(new QLabel(QStringLiteral("Tragplatten / Rahmen"), p));
    m_herkunft = auswahl(p, "CB_Herkunft", KundenEinstellungen::HerkunftListe());
    v->addWidget(m_herkunft);
    v->addWidget(new QLabel(QStringLiteral("Legierung"), p));
    m_legierung = auswahl(p, "CB_Legierung", KundenEinstellungen::LegierungListe());
    v->addWidget(m_legierung);
    m_herkunftHinweis = new QWidget(p);
    m_herkunftHinweis->setObjectName(QStringLiteral("P_Herkunft"));
    auto *hv = new QVBoxLayout(m_herkunftHinweis);
    for (const QString &t : {QStringLiteral("**"),
                             QStringLiteral("Es werden Tragplatten/Rahmen mit dem Paketdienst an Zarn e.K. versendet."),
                             QStringLiteral("Die Tragplatte muß dabei eine Isozentrumskennzeichnung auf der Oberseite tragen."),
                             QStringLiteral("Die Auftragsbearbeitung beginnt erst nach Zugang des Rahmens oder der Tragplatte.")}) {
        auto *l = new QLabel(t, m_herkunftHinweis);
        l->setStyleSheet(QStringLiteral("QLabel { color: red; }"));
        hv->addWidget(l);
    }
    v->addWidget(m_herkunftHinweis);
    v->addStretch(1);
    for (QComboBox *c : {m_transport, m_herkunft, m_legierung})
        connect(c, &QComboBox::activated, this, [this] {
            geaendertMarkieren(Lieferart);
            herkunftFaerben();
        });
    return p;
}

void TKonfigForm::alleAnzeigen()
{
    abteilungenAnzeigen();
    vertragspartnerAnzeigen();
    programmAnzeigen();
}

void TKonfigForm::abteilungenAnzeigen()
{
    m_anzeigen = true;
    m_abteilung->clear();
    for (const TAbteilung &a : m_daten.Abteilungen)
        m_abteilung->addItem(a.Name);
    const int akt = std::max(0, int(m_daten.AktAbteilung));
    m_abteilung->setCurrentIndex(akt < m_abteilung->count() ? akt : -1);
    m_abteilungsName->setText(m_abteilung->currentText());
    m_anzeigen = false;
    anpAnzeigen();
    adresseAnzeigen();
    beschlAnzeigen();
    lieferartAnzeigen();
}

void TKonfigForm::vertragspartnerAnzeigen()
{
    m_anzeigen = true;
    zeige(m_vGeschlecht, m_daten.Vertragspartner.Geschlecht);
    zeige(m_vTitel, m_daten.Vertragspartner.Titel);
    m_vName->setText(m_daten.Vertragspartner.Name);
    m_vInstitut->setText(m_daten.VertragsAdresse.Institut);
    m_vAbteilung->setText(m_daten.VertragsAdresse.Abteilung);
    m_vStrasse->setText(m_daten.VertragsAdresse.Strasse);
    m_vPLZ->setText(m_daten.VertragsAdresse.PLZ);
    m_vOrt->setText(m_daten.VertragsAdresse.Ort);
    m_offen[Vertragspartner] = false;
    m_anzeigen = false;
}

void TKonfigForm::anpAnzeigen()
{
    m_anzeigen = true;
    m_anpListe->clear();
    const TAbteilung *abt = m_daten.AktuelleAbteilung();
    if (abt) {
        for (const TAnP &a : abt->AnP)
            m_anpListe->addItem(a.AnzeigeName());
        const int akt = abt->AktuellerAnP() ? abt->AktAnP : 0;
        if (m_anpListe->count() > 0) {
            m_anpListe->setCurrentRow(akt);
            const_cast<TAbteilung *>(abt)->AktAnP = akt;
        }
    }
    const TAnP *a = abt ? abt->AktuellerAnP() : nullptr;
    const TAnP leer;
    const TAnP &z = a ? *a : leer;
    zeige(m_anpGeschlecht, z.Geschlecht);
    zeige(m_anpTitel, z.Titel);
    m_anpName->setText(z.Name);
    m_anpTelefon->setText(z.Telefon);
    m_anpFax->setText(z.Fax);
    m_anpEMail->setText(z.EMail);
    m_offen[AnP] = false;
    m_anzeigen = false;
}

void TKonfigForm::adresseAnzeigen()
{
    m_anzeigen = true;
    const auto tab = KundenEinstellungen::Tab(std::max(0, m_tabs->currentIndex()));
    const TAbteilung *abt = m_daten.AktuelleAbteilung();
    const TAdresse leer;
    const TAdresse &ad = abt ? KundenEinstellungen::Adresse(*abt, tab) : leer;
    int index = -1;
    m_adressat->clear();
    m_adressat->addItems(KundenEinstellungen::AdressatenListe(m_daten, ad, &index));
    m_adressat->setCurrentIndex(index);
    m_aInstitut->setText(ad.Institut);
    m_aAbteilung->setText(ad.Abteilung);
    m_aStrasse->setText(ad.Strasse);
    m_aPLZ->setText(ad.PLZ);
    m_aOrt->setText(ad.Ort);
    switch (tab) {
    case KundenEinstellungen::Tab::Lieferanschrift:
        m_uebernahme->setText(QStringLiteral("übernahme aus Vertragspartner"));
        m_adressHilfe->setText(QStringLiteral("Die Lieferanschrift ist die Postadresse inklusive Ansprechpartner/"
                                              "Abteilung, an die Ihre Ware geschickt wird.\nDas Adresslabel "
                                              "kennzeichnet zusätzlich zum Frachtbrief der Post jedes Paket, das Sie "
                                              "von uns erhalten."));
        break;
    case KundenEinstellungen::Tab::Rechnungsanschrift:
        m_uebernahme->setText(QStringLiteral("übernahme von Lieferanschrift"));
        m_adressHilfe->setText(QStringLiteral("Der Rechnungsempfänger ist der Vertragspartner.\nTragen Sie hier die "
                                              "Person ein, welche als erste die Rechnung im Haus bearbeiten soll."));
        break;
    case KundenEinstellungen::Tab::Abholadresse:
        m_uebernahme->setText(QStringLiteral("übernahme von Lieferanschrift"));
        m_adressHilfe->setText(QStringLiteral("Die Abholadresse ist die hausinterne Adresse (Abteilung),\nvon der ein "
                                              "Transportunternehmen Ihre Pakete abholt."));
        break;
    }
    m_offen[Adresse] = false;
    m_anzeigen = false;
}

void TKonfigForm::beschlAnzeigen()
{
    m_anzeigen = true;
    m_beschlListe->clear();
    const TAbteilung *abt = m_daten.AktuelleAbteilung();
    if (abt) {
        for (const TBeschl &b : abt->Beschl)
            m_beschlListe->addItem(KundenEinstellungen::BeschlAnzeige(b));
        const int akt = abt->AktuellerBeschl() ? abt->AktBeschl : 0;
        if (m_beschlListe->count() > 0) {
            m_beschlListe->setCurrentRow(akt);
            const_cast<TAbteilung *>(abt)->AktBeschl = akt;
        }
    }
    const TBeschl *b = abt ? abt->AktuellerBeschl() : nullptr;
    const TBeschl leer;
    const TBeschl &z = b ? *b : leer;
    // A maker that the product configuration no longer lists stays selectable, so that
    // leaving the group keeps it.
    for (int i = m_hersteller->count() - 1; i >= m_umgebung.beschleuniger.size(); --i)
        m_hersteller->removeItem(i);
    if (!z.Beschleuniger.isEmpty() && m_hersteller->findText(z.Beschleuniger) < 0)
        m_hersteller->addItem(z.Beschleuniger);
    m_hersteller->setCurrentIndex(b ? m_hersteller->findText(z.Beschleuniger) : (m_hersteller->count() ? 0 : -1));
    m_kBez->setText(z.KBez);
    m_typ->setText(z.Typ);
    m_fba->setText(KundenEinstellungen::FbaAnzeige(z.FBA));
    const int efba = m_efba->findText(z.EFBA);
    m_efba->setCurrentIndex(efba >= 0 ? efba : 0);
    m_gusshoehe->setCurrentIndex(m_gusshoehe->findText(z.Gusshoehe));
    m_offen[Beschl] = false;
    m_anzeigen = false;
}

void TKonfigForm::lieferartAnzeigen()
{
    m_anzeigen = true;
    const TAbteilung *abt = m_daten.AktuelleAbteilung();
    auto setze = [](QComboBox *c, const QString &text) {
        const int i = c->findText(text);
        c->setCurrentIndex(i >= 0 ? i : c->count() - 1);
    };
    setze(m_transport, abt ? abt->Transport : QString());
    setze(m_herkunft, abt ? abt->Herkunft : QString());
    setze(m_legierung, abt ? abt->Legierung : QString());
    herkunftFaerben();
    m_offen[Lieferart] = false;
    m_anzeigen = false;
}

void TKonfigForm::herkunftFaerben()
{
    const bool vorab = m_herkunft->currentIndex() == 3;
    m_herkunft->setStyleSheet(vorab ? QStringLiteral("QComboBox { color: red; }") : QString());
    m_herkunftHinweis->setVisible(vorab);
}

void TKonfigForm::programmAnzeigen()
{
    m_ffa->setText(KundenEinstellungen::FfaAnzeige(m_daten.FFA));
    m_offen[FFA] = false;
    if (!m_umgebung.einstellungen)
        return;
    const qv::IniFile &ini = *m_umgebung.einstellungen;
    m_verzeichnis->setText(TKundenDaten::SavePath(ini));
    m_help->setChecked(TKundenDaten::Help(ini));
    m_startassistent->setChecked(ini.readBool(kInit, QStringLiteral("StartAssistent"), true));
    m_bildvorschau->setChecked(ini.readBool(kInit, QStringLiteral("Bildvorschau"), true));
}

void TKonfigForm::zurueckschreiben(Gruppe g)
{
    if (!m_offen[g])
        return;
    m_offen[g] = false;
    switch (g) {
    case Vertragspartner:
        m_einstellungen.VertragspartnerSchreiben({nurLesend(m_vGeschlecht), nurLesend(m_vTitel), m_vName->text(),
                                                  m_vInstitut->text(), m_vAbteilung->text(), m_vStrasse->text(),
                                                  m_vPLZ->text(), m_vOrt->text()});
        adresseAnzeigen();
        break;
    case AnP:
        if (m_einstellungen.AnPSchreiben({nurLesend(m_anpGeschlecht), nurLesend(m_anpTitel), m_anpName->text(),
                                          m_anpTelefon->text(), m_anpFax->text(), m_anpEMail->text()}))
            anpAnzeigen();
        break;
    case Adresse:
        m_einstellungen.AdresseSchreiben(KundenEinstellungen::Tab(std::max(0, m_tabs->currentIndex())),
                                         {nurLesend(m_adressat), m_aInstitut->text(), m_aAbteilung->text(),
                                          m_aStrasse->text(), m_aPLZ->text(), m_aOrt->text()});
        break;
    case Beschl:
        if (m_einstellungen.BeschlSchreiben({nurLesend(m_hersteller), m_kBez->text(), m_typ->text(), m_fba->text(),
                                             nurLesend(m_efba), nurLesend(m_gusshoehe)}))
            beschlAnzeigen();
        break;
    case Lieferart:
        m_einstellungen.LieferartSchreiben(nurLesend(m_transport), nurLesend(m_legierung), nurLesend(m_herkunft));
        break;
    case AbteilungsName:
        if (m_einstellungen.AbteilungsNameSchreiben(m_abteilungsName->text())) {
            const int i = m_abteilung->currentIndex();
            m_anzeigen = true;
            if (i >= 0)
                m_abteilung->setItemText(i, m_daten.AktuelleAbteilung()->Name);
            m_anzeigen = false;
        }
        break;
    case FFA:
        switch (m_einstellungen.FfaSchreiben(m_ffa->text())) {
        case KundenEinstellungen::Ffa::Gesetzt: m_ffa->setText(KundenEinstellungen::FfaAnzeige(m_daten.FFA)); break;
        case KundenEinstellungen::Ffa::AusserhalbBereich:
            m_umgebung.meldungen->warning(QStringLiteral("Der FFA muß zwischen 20 und 200 cm liegen."));
            m_offen[FFA] = true;
            m_ffa->setFocus();
            break;
        case KundenEinstellungen::Ffa::KeineZahl:
            m_umgebung.meldungen->warning(
                QStringLiteral("Bitte geben Sie eine cm Einheit an. (Trennzeichen ist ein \",\")"));
            m_ffa->setText(QStringLiteral("100,0"));
            m_offen[FFA] = true;
            m_ffa->setFocus();
            break;
        }
        break;
    case GruppenAnzahl: break;
    }
}

void TKonfigForm::flush()
{
    for (int g = 0; g < GruppenAnzahl; ++g)
        zurueckschreiben(Gruppe(g));
}

void TKonfigForm::fokusGewechselt(QWidget *alt, QWidget *neu)
{
    for (int g = 0; g < GruppenAnzahl; ++g)
        if (liegtIn(alt, m_gruppen[g]) && !liegtIn(neu, m_gruppen[g]))
            zurueckschreiben(Gruppe(g));
}

void TKonfigForm::seiteZeigen(int seite)
{
    flush();
    for (int i = 0; i < m_seitenKnoepfe.size(); ++i)
        m_seitenKnoepfe[i]->setChecked(i == seite);
    m_seiten->setCurrentIndex(seite);
    switch (seite) {
    case 0: anpAnzeigen(); break;
    case 1: adresseAnzeigen(); break;
    case 2: beschlAnzeigen(); break;
    default: lieferartAnzeigen(); break;
    }
    if (m_btnSave->isEnabled())
        m_btnSave->setFocus();
}

void TKonfigForm::programmZeigen(bool programm)
{
    flush();
    m_programmKnopf->setChecked(programm);
    m_vertragKnopf->setChecked(!programm);
    m_abteilungsSpalte->setVisible(!programm);
    m_haupt->setCurrentIndex(programm ? 0 : 1);
    if (programm)
        programmAnzeigen();
}

void TKonfigForm::verzeichnisClick()
{
    const QString gewaehlt = m_umgebung.dateiauswahl->folder(QStringLiteral("Speicher-Verzeichnis"), m_verzeichnis->text());
    if (gewaehlt.isEmpty())
        return;
    const QString ordner = KundenEinstellungen::MitVerzeichnisTrenner(gewaehlt);
    m_verzeichnis->setText(ordner);
    if (m_umgebung.einstellungen)
        m_umgebung.einstellungen->writeString(kInit, QStringLiteral("SavePath"), ordner);
}

void TKonfigForm::speichernClick()
{
    flush();
    if (m_einstellungen.lesemodus())
        return;
    if (!qv::KundenDatenPruefen(m_daten, *m_umgebung.meldungen))
        return;
    // A failed write keeps the dialog open with the message, so no edit is lost.
    if (qv::KundenDatenSpeichern(m_daten, m_umgebung.dateien.kunde, *m_umgebung.meldungen))
        accept();
}

void TKonfigForm::reject()
{
    flush();
    if (m_einstellungen.lesemodus()) {
        QDialog::reject();
        return;
    }
    bool schliessen = true;
    if (m_einstellungen.geaendert()) {
        if (m_umgebung.meldungen->warningQuestion(QStringLiteral("Alle Änderungen gehen verloren. Wollen Sie wirklich beenden?"))
            == Messages::Answer::Yes) {
            m_einstellungen.Wiederherstellen();
            // The pages show the restored data, and a new backup lets a later cancel restore again.
            const qv::Result<void> sicherung = m_einstellungen.SicherungLaden(m_umgebung.dateien);
            if (!sicherung)
                m_umgebung.meldungen->error(sicherung.error());
            alleAnzeigen();
        } else {
            schliessen = false;
        }
    }
    if (!m_daten.Vollstaendig()) {
        const Messages::Answer a = m_umgebung.meldungen->show(
            Messages::Kind::Error,
            QStringLiteral("Quellvantar benötigt eine komplette Konfiguration.\rWollen Sie das Programm wirklich beenden?"),
            Messages::Buttons::YesNo);
        schliessen = a == Messages::Answer::Yes;
        m_beenden = schliessen;
    }
    if (schliessen)
        QDialog::reject();
}
