#include "order/TAuftragsdatenForm.h"

#include "base/Clock.h"
#include "base/IniFile.h"
#include "base/Messages.h"
#include "config/TKonfiguration.h"
#include "order/TAuftrag.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qv {

namespace {


void listeZeigen(QComboBox *cb, const QStringList &liste, const QString &auswahl)
{
    const QSignalBlocker b(cb);
    cb->clear();
    cb->addItems(liste);
    cb->setCurrentIndex(int(liste.indexOf(auswahl)));
}

QString auswahl(const QComboBox *cb)
{
    return cb->currentIndex() < 0 ? QString() : cb->currentText();
}

// The limit of a field holds for typing only: text set by the program is kept whole.
void tippGrenze(QLineEdit *e, int grenze)
{
    QObject::connect(e, &QLineEdit::textEdited, e, [e, grenze](const QString &t) {
        if (t.size() > grenze)
            e->setText(t.left(grenze));
    });
}

} // namespace

TAuftragsdatenForm::TAuftragsdatenForm(const TAuftrag &auftrag, const TAuftragsdatenEinstellungen &vorgaben,
                                       const TKonfiguration &konfiguration, IniFile &einstellungen, Messages &messages,
                                       Clock &clock, bool kundenModus, QWidget *parent)
    : QDialog(parent)
    , m_auftrag(std::make_unique<TAuftrag>(auftrag))
    , m_vorgaben(vorgaben)
    , m_konfiguration(konfiguration)
    , m_einstellungen(einstellungen)
    , m_messages(messages)
    , m_clock(clock)
    , m_kundenModus(kundenModus)
{
    setObjectName(QStringLiteral("AuftragsdatenForm"));
    setWindowTitle(QStringLiteral("Auftragsdaten"));
    FensterAufbauen();
}

TAuftragsdatenForm::~TAuftragsdatenForm() = default;

void TAuftragsdatenForm::FensterAufbauen()
{
    auto *haupt = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    haupt->addLayout(form);
    const auto edit = [this](bool nurLesen) {
        auto *e = new QLineEdit(this);
        e->setReadOnly(nurLesen);
        return e;
    };
    M_Kunde = new QPlainTextEdit(this);
    M_Kunde->setReadOnly(true);
    M_Kunde->setFixedHeight(80);
    form->addRow(QStringLiteral("Vertragspartner"), M_Kunde);
    E_Datum = edit(true);
    form->addRow(QStringLiteral("Datum"), E_Datum);
    E_Beschleuniger = edit(true);
    form->addRow(QStringLiteral("Beschleuniger"), E_Beschleuniger);
    CB_Bearbeiter = new QComboBox(this);
    form->addRow(QStringLiteral("Bearbeiter"), CB_Bearbeiter);

    auto *fba = new QHBoxLayout;
    L_FBA = new QLabel(QStringLiteral("FBA"), this);
    E_FBA = edit(true);
    L_EFBA = new QLabel(QStringLiteral("EFBA"), this);
    CB_EFBA = new QComboBox(this);
    CB_EFBA->addItems(EFBATexte());
    fba->addWidget(L_FBA);
    fba->addWidget(E_FBA);
    L_FBAEinheit = new QLabel(QStringLiteral("cm"), this);
    fba->addWidget(L_FBAEinheit);
    fba->addWidget(L_EFBA);
    fba->addWidget(CB_EFBA);
    fba->addStretch();
    form->addRow(QString(), fba);

    CB_Modus = new QComboBox(this);
    CB_Modus->addItems(ModusTexte());
    form->addRow(QStringLiteral("Modus"), CB_Modus);
    L_Modus = new QLabel(QStringLiteral("Tragplatte"), this);
    CB_Tragplatte_Rahmen = new QComboBox(this);
    form->addRow(L_Modus, CB_Tragplatte_Rahmen);
    CB_Herkunft = new QComboBox(this);
    form->addRow(QStringLiteral("Herkunft"), CB_Herkunft);
    CB_Legierung = new QComboBox(this);
    form->addRow(QStringLiteral("Legierung"), CB_Legierung);

    auto *codierung = new QHBoxLayout;
    Check_Codierung = new QCheckBox(QStringLiteral("mit Codierung (s. AuftragsArt)"), this);
    E_Codierung = edit(false);
    E_Codierung->setEnabled(false);
    L_nichtCodiert = new QLabel(QStringLiteral("nicht speziell codiert"), this);
    codierung->addWidget(Check_Codierung);
    codierung->addWidget(E_Codierung);
    codierung->addWidget(L_nichtCodiert);
    form->addRow(QString(), codierung);

    E_PatID = edit(false);
    E_PatID->setStyleSheet(QStringLiteral("background: #cfdfff;")); // required field
    form->addRow(QStringLiteral("Patienten ID"), E_PatID);
    E_Zielvolumen = edit(false);
    form->addRow(QStringLiteral("Zielvolumen"), E_Zielvolumen);
    E_KurzKommentar = edit(false);
    form->addRow(QStringLiteral("Kurzkommentar"), E_KurzKommentar);
    E_Kollimatorwinkel = edit(false);
    form->addRow(QStringLiteral("Kollimatorwinkel"), E_Kollimatorwinkel);
    E_Gantrywinkel = edit(false);
    form->addRow(QStringLiteral("Gantrywinkel"), E_Gantrywinkel);
    L_Gusshoehe = new QLabel(QStringLiteral("Gußkörperhöhe (Toleranz beträgt +5mm.)"), this);
    CB_Gusshoehe = new QComboBox(this);
    form->addRow(L_Gusshoehe, CB_Gusshoehe);
    CB_Transport = new QComboBox(this);
    form->addRow(QStringLiteral("Auftragslieferung"), CB_Transport);
    for (QLineEdit *e : {E_PatID, E_Zielvolumen, E_KurzKommentar})
        tippGrenze(e, kMaxTextZeichen);
    for (QLineEdit *e : {E_Kollimatorwinkel, E_Gantrywinkel})
        tippGrenze(e, kMaxWinkelZeichen);

    haupt->addWidget(new QLabel(QStringLiteral("(Für Lieferung am nächsten Werktag => Mail bis 13 Uhr bei Zarn.)"), this));
    L_EMail = new QLabel(this);
    L_Website = new QLabel(this);
    haupt->addWidget(L_EMail);
    haupt->addWidget(L_Website);
    L_WrongFBA = new QLabel(QStringLiteral("Der FBA muss konfiguriert werden!"), this);
    L_WrongFBA->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    haupt->addWidget(L_WrongFBA);

    auto *knoepfe = new QHBoxLayout;
    Button1 = new QPushButton(QStringLiteral("jetzt"), this);
    Button1->hide();
    BTN_Drucken = new QPushButton(QStringLiteral("Drucken"), this);
    BTN_Drucken->hide();
    BTN_OK = new QPushButton(QStringLiteral("OK"), this);
    BTN_Abbruch = new QPushButton(QStringLiteral("Abbrechen"), this);
    knoepfe->addWidget(Button1);
    knoepfe->addWidget(BTN_Drucken);
    knoepfe->addStretch();
    knoepfe->addWidget(BTN_OK);
    knoepfe->addWidget(BTN_Abbruch);
    haupt->addLayout(knoepfe);

    for (QWidget *w : std::initializer_list<QWidget *>{E_PatID, E_Zielvolumen, E_KurzKommentar, CB_Bearbeiter, CB_Modus,
                                                       CB_Tragplatte_Rahmen, CB_Herkunft, CB_Legierung, Check_Codierung, E_Codierung,
                                                       CB_Gusshoehe, CB_Transport, E_Kollimatorwinkel, E_Gantrywinkel})
        w->installEventFilter(this);

    connect(CB_Bearbeiter, &QComboBox::currentTextChanged, this, [this](const QString &t) {
        if (!m_zeigen)
            m_einstellungen.writeString(QStringLiteral("Init"), QStringLiteral("AnP"), t);
    });
    connect(Button1, &QPushButton::clicked, this, [this] { E_Datum->setText(DatumText(m_clock.now())); });
    connect(BTN_OK, &QPushButton::clicked, this, &TAuftragsdatenForm::BTN_OKClick);
    connect(BTN_Abbruch, &QPushButton::clicked, this, &QDialog::reject);
}

TAuftragsdatenEinstellungen TAuftragsdatenForm::Einstellungen() const
{
    return m_vorgaben;
}

void TAuftragsdatenForm::Vorbelegen()
{
    const TKonfiguration &konfig = m_konfiguration;
    qv::Vorbelegen(m_felder, *m_auftrag, konfig, Einstellungen(), m_kundenModus, m_clock.now());
    FelderZeigen();
}

std::optional<TAuftragsdatenForm::Ergebnis> TAuftragsdatenForm::Zeigen()
{
    Vorbelegen();
    const TAuftragsdatenFreigabe f = AuftragsdatenFreigabe(m_kundenModus, m_auftrag->AusDatei);
    CB_Bearbeiter->setEnabled(f.Bearbeiter && !m_felder.BearbeiterGesperrt);
    for (QWidget *w : {static_cast<QWidget *>(CB_Modus), static_cast<QWidget *>(CB_Tragplatte_Rahmen), static_cast<QWidget *>(CB_Herkunft)})
        w->setEnabled(false);
    for (QWidget *w : std::initializer_list<QWidget *>{CB_Legierung, Check_Codierung, E_PatID, E_Zielvolumen, E_KurzKommentar,
                                                       E_Kollimatorwinkel, E_Gantrywinkel, CB_Gusshoehe, CB_Transport})
        w->setEnabled(f.Bearbeitbar);
    BTN_OK->setVisible(f.OKSichtbar);
    m_ergebnis.reset();
    exec();
    return m_ergebnis;
}

void TAuftragsdatenForm::FelderZeigen()
{
    m_zeigen = true;
    const TAuftragsdatenFelder &f = m_felder;
    L_EMail->setText(QStringLiteral("Bestellungen per Mail an ") + f.EMailAdresse);
    L_Website->setText(QStringLiteral("Aktuelle Preise finden Sie unter ") + f.Website);
    if (M_Kunde->toPlainText() != f.Kunde)
        M_Kunde->setPlainText(QString(f.Kunde).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    E_Datum->setText(f.Datum);
    E_Beschleuniger->setText(f.Beschleuniger);
    listeZeigen(CB_Bearbeiter, f.BearbeiterListe, f.Bearbeiter);
    E_FBA->setText(f.FBA);
    listeZeigen(CB_EFBA, EFBATexte(), f.EFBA);
    CB_Modus->setCurrentIndex(f.Elektronen ? 1 : 0);
    L_FBA->setVisible(!f.Elektronen);
    E_FBA->setVisible(!f.Elektronen);
    L_FBAEinheit->setVisible(!f.Elektronen);
    L_EFBA->setVisible(f.Elektronen);
    CB_EFBA->setVisible(f.Elektronen);
    L_Modus->setText(f.TragplatteRahmenBeschriftung());
    listeZeigen(CB_Tragplatte_Rahmen, f.TragplatteRahmenListe, f.TragplatteRahmen);
    listeZeigen(CB_Herkunft, f.HerkunftListe, f.Herkunft);
    listeZeigen(CB_Legierung, f.LegierungListe, f.Legierung);
    Check_Codierung->setChecked(f.MitCodierung);
    E_Codierung->setText(f.Codierung);
    Check_Codierung->setVisible(f.MitCodierung);
    E_Codierung->setVisible(f.MitCodierung);
    L_nichtCodiert->setVisible(!f.MitCodierung);
    E_PatID->setText(f.PatientenID);
    E_Zielvolumen->setText(f.Zielvolumen);
    E_KurzKommentar->setText(f.KurzKommentar);
    E_Kollimatorwinkel->setText(f.Kollimatorwinkel);
    E_Gantrywinkel->setText(f.Gantrywinkel);
    listeZeigen(CB_Gusshoehe, f.GusshoeheListe, f.Gusshoehe);
    L_Gusshoehe->setVisible(!f.Elektronen);
    CB_Gusshoehe->setVisible(!f.Elektronen);
    listeZeigen(CB_Transport, f.TransportListe, f.Transport);
    BTN_OK->setEnabled(f.OKAktiv);
    L_WrongFBA->setVisible(!f.OKAktiv);
    m_zeigen = false;
}

void TAuftragsdatenForm::FelderLesen()
{
    TAuftragsdatenFelder &f = m_felder;
    f.Kunde = M_Kunde->toPlainText().replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    f.Datum = E_Datum->text();
    f.Beschleuniger = E_Beschleuniger->text();
    f.Bearbeiter = auswahl(CB_Bearbeiter);
    f.FBA = E_FBA->text();
    f.EFBA = auswahl(CB_EFBA);
    f.TragplatteRahmen = auswahl(CB_Tragplatte_Rahmen);
    f.Herkunft = auswahl(CB_Herkunft);
    f.Legierung = auswahl(CB_Legierung);
    f.PatientenID = E_PatID->text();
    f.Zielvolumen = E_Zielvolumen->text();
    f.KurzKommentar = E_KurzKommentar->text();
    f.Kollimatorwinkel = E_Kollimatorwinkel->text();
    f.Gantrywinkel = E_Gantrywinkel->text();
    f.Gusshoehe = auswahl(CB_Gusshoehe);
    f.Transport = auswahl(CB_Transport);
}

void TAuftragsdatenForm::DatenUebernehmen()
{
    FelderLesen();
    const TDatenUebernahme e = qv::DatenUebernehmen(m_felder, *m_auftrag);
    m_ergebnis = Ergebnis{m_auftrag->Auftragsdaten, m_auftrag->Auftragszeitpunkt, m_auftrag->Kundendaten};
    FelderZeigen();
    if (e.DatumUnlesbar)
        m_messages.information(DatumUnlesbarText());
    if (e.FBAFalsch)
        m_messages.warning(FBAFalschText());
}

bool TAuftragsdatenForm::Vollstaendig() const
{
    return qv::Vollstaendig(*m_auftrag);
}

void TAuftragsdatenForm::BTN_OKClick()
{
    DatenUebernehmen();
    if (Vollstaendig())
        accept();
    else
        m_messages.information(PatientenIDFehltText());
}

void TAuftragsdatenForm::FBASetzen(double millimeter)
{
    qv::FBASetzen(m_felder, *m_auftrag, millimeter);
    FelderZeigen();
}

void TAuftragsdatenForm::GantrySetzen(double grad)
{
    qv::GantrySetzen(m_felder, grad);
    E_Gantrywinkel->setText(m_felder.Gantrywinkel);
}

void TAuftragsdatenForm::KollimatorSetzen(double grad)
{
    qv::KollimatorSetzen(m_felder, grad);
    E_Kollimatorwinkel->setText(m_felder.Kollimatorwinkel);
}

void TAuftragsdatenForm::GusshoeheSetzen(double millimeter)
{
    qv::GusshoeheSetzen(m_felder, millimeter);
    listeZeigen(CB_Gusshoehe, m_felder.GusshoeheListe, m_felder.Gusshoehe);
}

void TAuftragsdatenForm::PatIDSetzen(const QString &text)
{
    m_felder.PatientenID = text;
    E_PatID->setText(text);
}

void TAuftragsdatenForm::ZielvolumenSetzen(const QString &text)
{
    m_felder.Zielvolumen = text;
    E_Zielvolumen->setText(text);
}

void TAuftragsdatenForm::KurzKommentarSetzen(const QString &text)
{
    m_felder.KurzKommentar = text;
    E_KurzKommentar->setText(text);
}

QString TAuftragsdatenForm::PatID() const
{
    return E_PatID->text();
}

bool TAuftragsdatenForm::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (ereignis->type() == QEvent::FocusOut)
        FeldVerlassen(objekt);
    return QDialog::eventFilter(objekt, ereignis);
}

void TAuftragsdatenForm::FeldVerlassen(QObject *feld)
{
    // A message box takes the focus away from the next field; its check must not run then.
    if (m_pruefen)
        return;
    E_Datum->setText(DatumText(m_clock.now()));
    const bool kollimator = feld == E_Kollimatorwinkel;
    if (!kollimator && feld != E_Gantrywinkel)
        return;
    auto *edit = static_cast<QLineEdit *>(feld);
    if (const std::optional<QString> meldung = WinkelPruefen(edit->text(), kollimator)) {
        m_pruefen = true;
        m_messages.information(*meldung);
        edit->setFocus();
        m_pruefen = false;
    }
}

void TAuftragsdatenForm::FeldEingeben(const QString &feld, const QString &text)
{
    QLineEdit *edit = findChild<QLineEdit *>(feld);
    if (!edit) {
        const QHash<QString, QLineEdit *> felder{{QStringLiteral("E_PatID"), E_PatID},
                                                 {QStringLiteral("E_Kollimatorwinkel"), E_Kollimatorwinkel},
                                                 {QStringLiteral("E_Gantrywinkel"), E_Gantrywinkel},
                                                 {QStringLiteral("E_Zielvolumen"), E_Zielvolumen},
                                                 {QStringLiteral("E_KurzKommentar"), E_KurzKommentar}};
        edit = felder.value(feld);
    }
    if (!edit)
        return;
    edit->setText(text);
    FeldVerlassen(edit);
}

} // namespace qv
