#include "config/TKonfigForm.h"

#include "base/IniFile.h"
#include "base/Messages.h"

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

namespace qv {

// Building the dialog: the navigation column, the program options and the customer pages with
// their connections. What the fields show and write back is in TKonfigForm.cpp.

namespace {

// The colours of the dialog (as 24-bit numbers, lowest byte red).
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
void TKonfigForm::lesemodusKopf(const QString &text)
{
    m_kopf->setStyleSheet(QStringLiteral("QLabel { background: %1; font-weight: bold; padding: 6px; }").arg(farbe(kLesemodus)));
    m_kopf->setText(text);
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
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setObjectName(QStringLiteral("AC_Help"));
    connect(f1, &QShortcut::activated, this, [this] {
        if (m_umgebung.hilfe)
            m_umgebung.hilfe();
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
    // The name reads as part of the bar until it is clicked to be edited.
    m_abteilungsName->setStyleSheet(QStringLiteral("QLineEdit { background: %1; border: none; font-weight: bold; }"
                                                   "QLineEdit:focus { background: white; border: 1px solid #606060; }")
                                        .arg(farbe(kGewaehlt)));
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
    connect(m_fba, &QLineEdit::inputRejected, this, [] { QApplication::beep(); });
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

} // namespace qv
