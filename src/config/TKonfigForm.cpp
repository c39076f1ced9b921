#include "config/TKonfigForm.h"

#include "order/AuftragsSitzung.h"

#include "app/Application.h"
#include "app/KundenDatenMeldungen.h"
#include "base/FileChooser.h"
#include "base/IniFile.h"
#include "base/Messages.h"
#include "config/TKonfiguration.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>

namespace qv {

namespace {

const QString kInit = QStringLiteral("Init");

// An editable list shows exactly what is stored, also a text it does not offer (a title such
// as "Dr. med."); a fixed list shows no choice then.
void zeige(QComboBox *c, const QString &text)
{
    c->setCurrentIndex(c->findText(text));
    if (c->isEditable() && c->currentIndex() < 0)
        c->setEditText(text);
}

QString nurLesend(const QComboBox *c)
{
    return c->currentIndex() >= 0 || c->isEditable() ? c->currentText() : QString();
}

bool liegtIn(const QWidget *w, const QWidget *gruppe)
{
    return w && gruppe && (w == gruppe || gruppe->isAncestorOf(w));
}

} // namespace

TKonfigForm::TKonfigForm(const TKundenDaten &daten, const Umgebung &umgebung, QWidget *parent)
    : QDialog(parent), m_eingang(daten), m_daten(daten), m_umgebung(umgebung), m_einstellungen(m_daten)
{
    setObjectName(QStringLiteral("TKonfigForm"));
    setWindowTitle(QStringLiteral("Konfiguration"));
    setModal(true);
    aufbauen();

    const bool demo = daten.Demo && !daten.AusAuftrag;
    if (daten.AusAuftrag || demo) {
        lesemodusKopf(demo ? QStringLiteral("  DEMO Vertragspartner (Lesemodus)")
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

bool TKonfigForm::Ausfuehren(qv::Application &app, QWidget *parent, std::function<void()> hilfe)
{
    Umgebung u;
    u.hilfe = std::move(hilfe);
    u.dateien = app.kundenDateien();
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
    TKonfigForm form(app.Sitzung().auftrag().Kundendaten, u, parent);
    form.exec();
    app.Sitzung().KundendatenUebernehmen(form.Daten());
    return !form.beendenAngefordert();
}

void TKonfigForm::DatenEingeben(const TKundenDaten &daten)
{
    m_daten = daten;
    alleAnzeigen();
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
    // A stored text the configuration does not list is shown as stored (and kept when saved).
    auto setze = [](QComboBox *c, const QString &text) {
        int i = c->findText(text);
        if (i < 0 && !text.trimmed().isEmpty()) {
            c->addItem(text);
            i = c->count() - 1;
        }
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
            // The edits are given up: the pages show the data the dialog was given.
            m_daten = m_eingang;
            m_einstellungen.Verworfen();
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

} // namespace qv
