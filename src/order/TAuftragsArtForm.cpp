#include "order/TAuftragsArtForm.h"

#include "base/Messages.h"
#include "config/TKonfiguration.h"
#include "order/TAuftrag.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

namespace qv {

namespace {

const QString kCRLF = QStringLiteral("\r\n");

// The memo of each origin page, for photon and for electron orders.
QString memoText(int seite, bool elektronen)
{
    switch (seite) {
    case 0:
        return elektronen ? QStringLiteral("Zarn hat einen Bestand an Elektronen-Rahmen,  auf den Sie leihweise zugreifen können.") + kCRLF + kCRLF +
                                QStringLiteral("In diesen Rahmen kommt Ihre Apertur.") + kCRLF
                          : QStringLiteral("Zarn hat einen Bestand an Tragplatten,  auf den Sie leihweise zugreifen können.") + kCRLF + kCRLF +
                                QStringLiteral("Auf diese Tragplatte wird ihr Auftrag montiert.") + kCRLF;
    case 1:
        return elektronen ? QStringLiteral("Sie haben einen Bestand (Pool) an Rahmen, den wir für Sie lagern.") + kCRLF + kCRLF +
                                QStringLiteral("In einen dieser Rahmen kommt ihre Apertur (evtl. Rücksprache nötig, um Bestandsmenge zu klären).")
                          : QStringLiteral("Sie haben einen Bestand (Pool) an Tragplatten, den wir für Sie lagern.") + kCRLF + kCRLF +
                                QStringLiteral("Auf eine dieser Tragplatten wird ihr Auftrag montiert (evtl. Rücksprache nötig, um "
                                               "Bestandsmenge zu klären).");
    case 2:
        return elektronen ? QStringLiteral("Zarn hat einen Bestand an Elektronen-Rahmen,  aus dem Sie mit diesem Auftrag einen erwerben.") + kCRLF +
                                kCRLF + QStringLiteral("In diesen Rahmen kommt Ihre Apertur.") + kCRLF
                          : QStringLiteral("Zarn hat einen Bestand an Tragplatten,  aus dem Sie mit diesem Auftrag eine erwerben.") + kCRLF + kCRLF +
                                QStringLiteral("Auf diese Tragplatte wird ihr Auftrag montiert.") + kCRLF;
    default:
        return elektronen ? QStringLiteral("Sie liefern uns per Post einen Rahmen, in den wir Ihre Apertur einbauen.") + kCRLF + kCRLF +
                                QStringLiteral("Es ist hier genau darauf zu achten, daß der Auftrag auch in den Rahmen paßt, den Sie uns liefern.")
                          : QStringLiteral("Sie liefern uns per Post eine Tragplatte, auf die wir Ihnen den Auftrag montieren.") + kCRLF +
                                QStringLiteral("Nach Rücksprache können wir Ihre Tragplatte auch ") + kCRLF +
                                QStringLiteral("mit einem Codierstecker versehen.") + kCRLF +
                                QStringLiteral("Die Lieferung verzögert sich dadurch entsprechend.");
    }
}

void listeSetzen(QListWidget *liste, const QStringList &eintraege, int index)
{
    const QSignalBlocker b(liste);
    liste->clear();
    liste->addItems(eintraege);
    liste->setCurrentRow(index >= 0 && index < eintraege.size() ? index : -1);
}

} // namespace

TAuftragsArtForm::TAuftragsArtForm(const TAuftrag &auftrag, const AuftragsartWahl &wahl, const TKonfiguration &konfiguration,
                                   Messages &messages, QWidget *parent)
    : QDialog(parent)
    , m_auftrag(std::make_unique<TAuftrag>(auftrag))
    , m_konfiguration(konfiguration)
    , m_messages(messages)
    , m_startTragplatte(wahl.Tragplatte)
    , m_startRahmen(wahl.Rahmen)
{
    setObjectName(QStringLiteral("AuftragsArtForm"));
    setWindowTitle(QStringLiteral("Auftrags-Art wählen"));
    m_auftrag->Auftragsart = wahl.Auftragsart;
    m_auftrag->Auftragsdaten.MitCodierung = wahl.MitCodierung;
    m_auftrag->Auftragsdaten.Codierung = wahl.Codierung;
    m_seite = std::clamp(wahl.Seite, 0, 3);
    FensterAufbauen();
}

TAuftragsArtForm::~TAuftragsArtForm() = default;

void TAuftragsArtForm::FensterAufbauen()
{
    auto *haupt = new QHBoxLayout(this);
    auto *links = new QVBoxLayout;
    haupt->addLayout(links, 3);

    TC_Auftragsart = new QTabBar(this);
    TC_Auftragsart->addTab(QStringLiteral("Photonen (Blöcke)"));
    TC_Auftragsart->addTab(QStringLiteral("Elektronen (Blenden)"));
    links->addWidget(TC_Auftragsart);

    P_Herkunft = new QLabel(this);
    P_Herkunft->setStyleSheet(QStringLiteral("font-weight: bold;"));
    links->addWidget(P_Herkunft);

    PC_Herkunft = new QTabBar(this);
    for (int seite = 0; seite < 4; ++seite)
        PC_Herkunft->addTab(u' ' + HerkunftDerSeite(seite) + u' ');
    // all four origins readable side by side
    PC_Herkunft->setUsesScrollButtons(false);
    PC_Herkunft->setExpanding(false);
    links->addWidget(PC_Herkunft);

    auto *seite = new QHBoxLayout;
    links->addLayout(seite, 1);
    RG_Tragplatten = new QGroupBox(this);
    LB_Tragplatten = new QListWidget(RG_Tragplatten);
    (new QVBoxLayout(RG_Tragplatten))->addWidget(LB_Tragplatten);
    RG_Blenden = new QGroupBox(this);
    LB_Blenden = new QListWidget(RG_Blenden);
    (new QVBoxLayout(RG_Blenden))->addWidget(LB_Blenden);
    seite->addWidget(RG_Tragplatten, 1);
    seite->addWidget(RG_Blenden, 1);

    auto *memos = new QVBoxLayout;
    seite->addLayout(memos, 1);
    M_Memo = new QLabel(this);
    M_Memo->setWordWrap(true);
    M_Memo->setStyleSheet(QStringLiteral("background: #ffffe1; color: #404040; padding: 4px;"));
    M_Memo->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    memos->addWidget(M_Memo, 1);
    M_Vorablieferung2 = new QLabel(QStringLiteral("Sie haben eine Codierung mit uns abgesprochen.") + kCRLF +
                                       QStringLiteral("Wir versehen Ihre Tragplatte mit folgender Codierung : "),
                                   this);
    M_Vorablieferung2->setWordWrap(true);
    M_Vorablieferung2->setStyleSheet(M_Memo->styleSheet());
    memos->addWidget(M_Vorablieferung2);
    RG_Codierung = new QGroupBox(this);
    auto *codierungLayout = new QVBoxLayout(RG_Codierung);
    m_codierung = new QButtonGroup(this);
    const QStringList codierungen{QStringLiteral("Codierung egal, bzw. ohne"), QStringLiteral("mit der Codierung")};
    for (int i = 0; i < 2; ++i) {
        auto *r = new QRadioButton(codierungen[i], RG_Codierung);
        m_codierung->addButton(r, i);
        codierungLayout->addWidget(r);
    }
    m_codierung->button(0)->setChecked(true);
    E_Codierung = new QLineEdit(RG_Codierung);
    E_Codierung->setMaxLength(50);
    codierungLayout->addWidget(E_Codierung);
    memos->addWidget(RG_Codierung);

    GB_RahmenPasst = new QGroupBox(QStringLiteral("Der Auftrag (die Apertur)"), this);
    auto *passt = new QHBoxLayout(GB_RahmenPasst);
    auto *passtMemo = new QLabel(QStringLiteral("Durch Drehen bzw. Verschieben können Sie die Lage der Apertur, die bei dieser "
                                                "Zentrahlstrahllage nicht in diesen Rahmen paßt, anpassen."),
                                 GB_RahmenPasst);
    passtMemo->setWordWrap(true);
    L_RahmenPasst = new QLabel(GB_RahmenPasst);
    L_RahmenPasst->setStyleSheet(QStringLiteral("font-weight: bold;"));
    BTN_Bestfit = new QPushButton(QStringLiteral("Bestfit"), GB_RahmenPasst);
    passt->addWidget(L_RahmenPasst);
    passt->addWidget(passtMemo, 1);
    passt->addWidget(BTN_Bestfit);
    links->addWidget(GB_RahmenPasst);

    auto *rechts = new QVBoxLayout;
    haupt->addLayout(rechts, 2);
    const auto liste = [&](const QString &titel, QListWidget *&lb) {
        rechts->addWidget(new QLabel(titel, this));
        lb = new QListWidget(this);
        // wide enough for a maker, a designation and a type
        lb->setMinimumWidth(230);
        rechts->addWidget(lb, 1);
    };
    liste(QStringLiteral("Abteilung"), LB_Abteilung);
    liste(QStringLiteral("Beschleuniger"), LB_Beschleuniger);
    liste(QStringLiteral("Ansprechpartner"), LB_Ansprechpartner);
    auto *knoepfe = new QHBoxLayout;
    BTN_OK = new QPushButton(QStringLiteral("OK"), this);
    BTN_Abbruch = new QPushButton(QStringLiteral("Abbrechen"), this);
    knoepfe->addStretch();
    knoepfe->addWidget(BTN_OK);
    knoepfe->addWidget(BTN_Abbruch);
    rechts->addLayout(knoepfe);
    resize(1000, 520);

    connect(TC_Auftragsart, &QTabBar::currentChanged, this, [this](int i) {
        if (!m_aktualisieren)
            ReiterWaehlen(i);
    });
    connect(PC_Herkunft, &QTabBar::currentChanged, this, [this](int i) {
        if (!m_aktualisieren)
            SeiteWaehlen(i);
    });
    // a list's choice counts once the dialog has finished filling it and a row is chosen
    const auto zeileVerbinden = [this](QListWidget *liste, void (TAuftragsArtForm::*waehlen)(int)) {
        connect(liste, &QListWidget::currentRowChanged, this, [this, waehlen](int i) {
            if (!m_aktualisieren && i >= 0)
                (this->*waehlen)(i);
        });
    };
    zeileVerbinden(LB_Blenden, &TAuftragsArtForm::RahmenWaehlen);
    zeileVerbinden(LB_Tragplatten, &TAuftragsArtForm::TragplatteWaehlen);
    zeileVerbinden(LB_Abteilung, &TAuftragsArtForm::AbteilungWaehlen);
    zeileVerbinden(LB_Beschleuniger, &TAuftragsArtForm::BeschleunigerWaehlen);
    zeileVerbinden(LB_Ansprechpartner, &TAuftragsArtForm::AnPWaehlen);
    connect(m_codierung, &QButtonGroup::idClicked, this, [this](int id) { CodierungWaehlen(id == 1, E_Codierung->text()); });
    connect(E_Codierung, &QLineEdit::editingFinished, this,
            [this] { CodierungWaehlen(m_codierung->checkedId() == 1, E_Codierung->text()); });
    connect(BTN_Bestfit, &QPushButton::clicked, this, &TAuftragsArtForm::BTN_BestfitClick);
    connect(BTN_OK, &QPushButton::clicked, this, &TAuftragsArtForm::BTN_OKClick);
    connect(BTN_Abbruch, &QPushButton::clicked, this, &TAuftragsArtForm::BTN_AbbruchClick);
}

TAuftragsart TAuftragsArtForm::GetAuftragsart() const
{
    return m_auftrag->Auftragsart;
}

QString TAuftragsArtForm::GewaehlterRahmen() const
{
    return m_rahmen.Rahmen.value(m_rahmenIndex);
}

QString TAuftragsArtForm::GewaehlteTragplatte() const
{
    return m_tragplatten.value(m_tragplattenIndex);
}

void TAuftragsArtForm::ListenFuellen()
{
    const TKonfiguration &konfig = m_konfiguration;
    m_rahmen = RahmenListeFuellen(konfig, m_hersteller);
    for (const QString &meldung : m_rahmen.Meldungen)
        m_messages.information(meldung);
    const int rahmen = ListenIndex(m_rahmen.Rahmen, m_startRahmen);
    m_rahmenIndex = rahmen >= 0 ? rahmen : (m_rahmen.Rahmen.isEmpty() ? -1 : 0);
    m_tragplatten = TragplattenListe(konfig, m_hersteller);
    const int tragplatte = ListenIndex(m_tragplatten, m_startTragplatte);
    m_tragplattenIndex = tragplatte >= 0 ? tragplatte : (m_tragplatten.isEmpty() ? -1 : 0);
    Anzeigen();
}

void TAuftragsArtForm::HerstellerSetzen(const QString &herstellerText)
{
    m_hersteller = qv::Hersteller(herstellerText);
    ListenFuellen();
}

void TAuftragsArtForm::KundenlistenFuellen()
{
    const TKundenDaten &k = m_auftrag->Kundendaten;
    const TAbteilung *abteilung = k.AktuelleAbteilung();
    m_aktualisieren = true;
    QStringList beschl, anp;
    if (abteilung) {
        for (const TBeschl &b : abteilung->Beschl)
            beschl << (b.Beschleuniger + u' ' + b.KBez + u' ' + b.Typ).trimmed();
        for (const TAnP &a : abteilung->AnP)
            anp << a.AnzeigeName();
    }
    listeSetzen(LB_Beschleuniger, beschl, abteilung ? abteilung->AktBeschl : -1);
    listeSetzen(LB_Ansprechpartner, anp, abteilung ? abteilung->AktAnP : -1);
    m_aktualisieren = false;
    const TBeschl *b = k.AktuellerBeschl();
    HerstellerSetzen(b ? b->Beschleuniger : QString());
}

std::optional<TAuftragsArtForm::Ergebnis> TAuftragsArtForm::Zeigen()
{
    const TKundenDaten &k = m_auftrag->Kundendaten;
    m_aktualisieren = true;
    QStringList abteilungen;
    for (const TAbteilung &a : k.Abteilungen)
        abteilungen << a.Name;
    listeSetzen(LB_Abteilung, abteilungen, k.AktAbteilung);
    m_aktualisieren = false;
    KundenlistenFuellen();
    ReiterAnwenden();
    BTN_OK->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return Auswahl();
}

TAuftragsArtForm::Ergebnis TAuftragsArtForm::Auswahl() const
{
    Ergebnis e;
    e.Wahl.Auftragsart = m_auftrag->Auftragsart;
    e.Wahl.Seite = m_seite;
    e.Wahl.Tragplatte = GewaehlteTragplatte();
    e.Wahl.Rahmen = GewaehlterRahmen();
    e.Wahl.MitCodierung = m_auftrag->Auftragsdaten.MitCodierung;
    e.Wahl.Codierung = e.Wahl.MitCodierung ? E_Codierung->text() : QString();
    e.Kundendaten = m_auftrag->Kundendaten;
    return e;
}

void TAuftragsArtForm::ReiterWaehlen(int reiter)
{
    m_auftrag->Auftragsart = reiter == 1 ? TAuftragsart::Elektronen : TAuftragsart::Photonen;
    ReiterAnwenden();
}

void TAuftragsArtForm::ReiterAnwenden()
{
    // An electron order is offered the frame a best fit finds.
    if (istElektronenAuftrag(m_auftrag->Auftragsart))
        RahmenSuchen();
    Anzeigen();
}

void TAuftragsArtForm::SeiteWaehlen(int seite)
{
    m_seite = std::clamp(seite, 0, 3);
    Anzeigen();
}

void TAuftragsArtForm::RahmenWaehlen(int index)
{
    if (index < 0 || index >= m_rahmen.Rahmen.size())
        return;
    m_rahmenIndex = index;
    Anzeigen();
}

void TAuftragsArtForm::TragplatteWaehlen(int index)
{
    if (index >= 0 && index < m_tragplatten.size())
        m_tragplattenIndex = index;
}

void TAuftragsArtForm::AbteilungWaehlen(int index)
{
    TKundenDaten &k = m_auftrag->Kundendaten;
    if (index < 0 || index >= k.Abteilungen.size())
        return;
    k.AktAbteilung = index;
    KundenlistenFuellen();
    ReiterAnwenden();
}

void TAuftragsArtForm::BeschleunigerWaehlen(int index)
{
    TAbteilung *a = m_auftrag->Kundendaten.AktuelleAbteilung();
    if (!a || index < 0 || index >= a->Beschl.size())
        return;
    a->AktBeschl = index;
    HerstellerSetzen(a->Beschl[index].Beschleuniger);
    ReiterAnwenden();
}

void TAuftragsArtForm::AnPWaehlen(int index)
{
    TAbteilung *a = m_auftrag->Kundendaten.AktuelleAbteilung();
    if (a && index >= 0 && index < a->AnP.size())
        a->AktAnP = index;
}

void TAuftragsArtForm::CodierungWaehlen(bool mitCodierung, const QString &codierung)
{
    m_auftrag->Auftragsdaten.MitCodierung = mitCodierung;
    if (mitCodierung) {
        m_auftrag->Auftragsdaten.Codierung = codierung;
        if (E_Codierung->text() != codierung)
            E_Codierung->setText(codierung);
    }
    Anzeigen();
}

void TAuftragsArtForm::RahmenSetzen(const QString &rahmen)
{
    const int i = ListenIndex(m_rahmen.Rahmen, rahmen);
    m_rahmenIndex = i >= 0 ? i : (m_rahmen.Rahmen.isEmpty() ? -1 : 0);
    if (IstSiemensRahmen(rahmen))
        m_seite = HerkunftSeite(HerkunftTexte()[2]);
    Anzeigen();
}

bool TAuftragsArtForm::RahmenPasst() const
{
    const std::optional<QPoint> groesse =
        m_rahmenIndex >= 0 && m_rahmenIndex < m_rahmen.BlendenGroessen.size() ? std::optional<QPoint>(m_rahmen.BlendenGroessen[m_rahmenIndex])
                                                                               : std::nullopt;
    return qv::RahmenPasst(*m_auftrag, groesse);
}

int TAuftragsArtForm::RahmenSuchen()
{
    m_bestFitIndex = qv::RahmenSuchen(*m_auftrag, m_rahmen.BlendenGroessen);
    if (m_bestFitIndex >= 0)
        m_rahmenIndex = m_bestFitIndex;
    else
        m_rahmenIndex = m_rahmen.Rahmen.isEmpty() ? -1 : 0;
    Anzeigen();
    return m_bestFitIndex;
}

QString TAuftragsArtForm::RahmenPasstText() const
{
    return L_RahmenPasst->text();
}

void TAuftragsArtForm::PasstAnzeigen(bool passt)
{
    L_RahmenPasst->setText(PasstText(passt));
    L_RahmenPasst->setStyleSheet(passt ? QStringLiteral("font-weight: bold; color: green;")
                                       : QStringLiteral("font-weight: bold; color: red;"));
}

// The widgets follow the dialog's state; nothing here decides anything.
void TAuftragsArtForm::Anzeigen()
{
    const bool elektronen = istElektronenAuftrag(m_auftrag->Auftragsart);
    m_aktualisieren = true;
    TC_Auftragsart->setCurrentIndex(elektronen ? 1 : 0);
    PC_Herkunft->setCurrentIndex(m_seite);
    P_Herkunft->setText(elektronen ? QStringLiteral("Herkunft des Rahmens") : QStringLiteral("Herkunft der Tragplatte"));
    RG_Blenden->setTitle(m_hersteller + QStringLiteral(" Elektronen-Blenden"));
    RG_Tragplatten->setTitle(m_hersteller + QStringLiteral(" Tragplatten"));
    listeSetzen(LB_Blenden, m_rahmen.Rahmen, m_rahmenIndex);
    listeSetzen(LB_Tragplatten, m_tragplatten, m_tragplattenIndex);
    RG_Blenden->setVisible(elektronen);
    // A customer's own tray is never chosen from a list.
    RG_Tragplatten->setVisible(!elektronen && (m_seite == 0 || m_seite == 2));
    M_Memo->setText(memoText(m_seite, elektronen));
    const bool vorab = m_seite == 3 && !elektronen;
    M_Vorablieferung2->setVisible(vorab);
    RG_Codierung->setVisible(vorab);
    const bool mit = m_auftrag->Auftragsdaten.MitCodierung;
    m_codierung->button(mit ? 1 : 0)->setChecked(true);
    E_Codierung->setVisible(vorab && mit);
    if (E_Codierung->text() != m_auftrag->Auftragsdaten.Codierung && mit)
        E_Codierung->setText(m_auftrag->Auftragsdaten.Codierung);
    GB_RahmenPasst->setVisible(elektronen);
    if (elektronen)
        PasstAnzeigen(RahmenPasst());
    m_aktualisieren = false;
}

void TAuftragsArtForm::BTN_BestfitClick()
{
    RahmenSuchen();
}

void TAuftragsArtForm::BTN_OKClick()
{
    accept();
}

void TAuftragsArtForm::BTN_AbbruchClick()
{
    // The dialog worked on a copy: nothing to restore.
    reject();
}

} // namespace qv
