#include "planimport/TBPRKonfigForm.h"

#include "base/Messages.h"
#include "planimport/BPRKonfigBearbeitung.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace qv {

namespace {

QComboBox *jaNein(QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->addItems({QStringLiteral("Ja"), QStringLiteral("Nein")});
    return box;
}

void jaNeinSetzen(QComboBox *box, bool ja)
{
    box->setCurrentIndex(ja ? 0 : 1);
}

} // namespace

TBPRKonfigForm::TBPRKonfigForm(const TBPRKonfigurationen &konfig, int index, Messages &messages, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_konfig(konfig)
    , m_slot(qBound(0, index, TBPRKonfig::Anzahl - 1))
    , m_messages(messages)
{
    setWindowTitle(QStringLiteral("Konfiguration"));
    auto *haupt = new QHBoxLayout(this);

    auto *auswahl = new QGroupBox(QStringLiteral("Auswahl"), this);
    auto *auswahlLayout = new QVBoxLayout(auswahl);
    LB_Konfigs = new QListWidget(auswahl);
    auswahlLayout->addWidget(LB_Konfigs);
    auto *knoepfe = new QHBoxLayout;
    BTN_Neu = new QPushButton(QStringLiteral("neu"), auswahl);
    BTN_bearbeiten = new QPushButton(QStringLiteral("bearbeiten"), auswahl);
    BTN_loeschen = new QPushButton(QStringLiteral("löschen"), auswahl);
    knoepfe->addWidget(BTN_Neu);
    knoepfe->addWidget(BTN_bearbeiten);
    knoepfe->addWidget(BTN_loeschen);
    auswahlLayout->addLayout(knoepfe);
    haupt->addWidget(auswahl);

    auto *rechts = new QVBoxLayout;
    P_Details = new QGroupBox(this);
    auto *details = new QFormLayout(P_Details);
    E_Beschreibung = new QLineEdit(P_Details);
    E_Beschreibung->setMaxLength(32);
    E_Konfig_Drehung = new QLineEdit(P_Details);
    CB_YSpiegel = jaNein(P_Details);
    CB_XSpiegel = jaNein(P_Details);
    CB_inFBA = jaNein(P_Details);
    E_Konfig_KolliDreh = new QLineEdit(P_Details);
    E_Konfig_BlendeDreh = new QLineEdit(P_Details);
    details->addRow(QStringLiteral("Beschreibung"), E_Beschreibung);
    details->addRow(QStringLiteral("Drehung"), E_Konfig_Drehung);
    details->addRow(QStringLiteral("A-Spiegelung"), CB_YSpiegel);
    details->addRow(QStringLiteral("B-Spiegelung"), CB_XSpiegel);
    details->addRow(QStringLiteral("Daten in FBA"), CB_inFBA);
    details->addRow(QStringLiteral("Kolli Dreh"), E_Konfig_KolliDreh);
    details->addRow(QStringLiteral("Blende Dreh"), E_Konfig_BlendeDreh);
    P_Save = new QWidget(P_Details);
    auto *save = new QHBoxLayout(P_Save);
    save->setContentsMargins(0, 0, 0, 0);
    Button1 = new QPushButton(QStringLiteral("speichern"), P_Save);
    Button2 = new QPushButton(QStringLiteral("Abbruch"), P_Save);
    save->addWidget(Button1);
    save->addWidget(Button2);
    details->addRow(P_Save);
    rechts->addWidget(P_Details);
    BTN_Ende = new QPushButton(QStringLiteral("OK"), this);
    rechts->addWidget(BTN_Ende, 0, Qt::AlignRight);
    haupt->addLayout(rechts);

    connect(LB_Konfigs, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < m_auswahl.size() && m_auswahl[row] != m_slot) {
            m_slot = m_auswahl[row];
            SlotZeigen();
        }
    });
    connect(LB_Konfigs, &QListWidget::itemDoubleClicked, this, [this] { BTN_bearbeitenClick(); });
    connect(BTN_Neu, &QPushButton::clicked, this, &TBPRKonfigForm::BTN_NeuClick);
    connect(BTN_bearbeiten, &QPushButton::clicked, this, &TBPRKonfigForm::BTN_bearbeitenClick);
    connect(BTN_loeschen, &QPushButton::clicked, this, &TBPRKonfigForm::BTN_loeschenClick);
    connect(Button1, &QPushButton::clicked, this, &TBPRKonfigForm::SpeichernClick);
    connect(Button2, &QPushButton::clicked, this, &TBPRKonfigForm::AbbruchClick);
    connect(BTN_Ende, &QPushButton::clicked, this, &QDialog::accept);
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &TBPRKonfigForm::hilfeUmschalten);

    ListeFuellen();
    BearbeitenSetzen(false);
}

QStringList TBPRKonfigForm::ListenEintraege() const
{
    QStringList namen;
    for (int i = 0; i < LB_Konfigs->count(); ++i)
        namen << LB_Konfigs->item(i)->text();
    return namen;
}

void TBPRKonfigForm::ListeFuellen()
{
    m_auswahl = BPRKonfigAuswahl(m_konfig);
    const QSignalBlocker block(LB_Konfigs);
    LB_Konfigs->clear();
    for (int slot : m_auswahl)
        LB_Konfigs->addItem(m_konfig[size_t(slot)].Beschreibung);
    SlotZeigen();
}

void TBPRKonfigForm::SlotZeigen()
{
    const BPRKonfigEingabe e = BPRKonfigAnzeige(m_konfig[size_t(m_slot)]);
    E_Beschreibung->setText(e.Beschreibung);
    E_Konfig_Drehung->setText(e.Drehung);
    jaNeinSetzen(CB_XSpiegel, e.XSpiegelung);
    jaNeinSetzen(CB_YSpiegel, e.YSpiegelung);
    jaNeinSetzen(CB_inFBA, e.DatenInFBA);
    E_Konfig_KolliDreh->setText(e.KolliDreh);
    E_Konfig_BlendeDreh->setText(e.BlendeDreh);
    const QSignalBlocker block(LB_Konfigs);
    LB_Konfigs->setCurrentRow(int(m_auswahl.indexOf(m_slot)));
}

void TBPRKonfigForm::BearbeitenSetzen(bool an)
{
    m_bearbeiten = an;
    P_Save->setVisible(an);
    P_Details->setEnabled(an);
    P_Details->setAutoFillBackground(an);
    QPalette palette = P_Details->palette();
    // Sky blue while the details are edited.
    palette.setColor(QPalette::Window, an ? QColor(0xa6, 0xca, 0xf0) : QDialog::palette().color(QPalette::Button));
    P_Details->setPalette(palette);
    for (QWidget *w : {static_cast<QWidget *>(LB_Konfigs), static_cast<QWidget *>(BTN_Ende),
                       static_cast<QWidget *>(BTN_Neu), static_cast<QWidget *>(BTN_bearbeiten),
                       static_cast<QWidget *>(BTN_loeschen)})
        w->setEnabled(!an);
}

void TBPRKonfigForm::EintragWaehlen(int listenPosition)
{
    LB_Konfigs->setCurrentRow(listenPosition);
}

void TBPRKonfigForm::DetailsSetzen(const QString &beschreibung, const QString &drehung, bool xSpiegel, bool ySpiegel,
                                   bool inFBA, const QString &kolliDreh, const QString &blendeDreh)
{
    E_Beschreibung->setText(beschreibung);
    E_Konfig_Drehung->setText(drehung);
    jaNeinSetzen(CB_XSpiegel, xSpiegel);
    jaNeinSetzen(CB_YSpiegel, ySpiegel);
    jaNeinSetzen(CB_inFBA, inFBA);
    E_Konfig_KolliDreh->setText(kolliDreh);
    E_Konfig_BlendeDreh->setText(blendeDreh);
}

void TBPRKonfigForm::BTN_NeuClick()
{
    const std::optional<int> slot = BPRKonfigNeu(m_konfig);
    if (!slot) {
        m_messages.information(BPRKonfigVollText());
        return;
    }
    m_slot = *slot;
    ListeFuellen();
    BearbeitenSetzen(true);
}

void TBPRKonfigForm::BTN_bearbeitenClick()
{
    BearbeitenSetzen(true);
}

void TBPRKonfigForm::BTN_loeschenClick()
{
    if (BPRKonfigAnzahl(m_konfig) < 2) {
        m_messages.information(BPRKonfigLetzteText());
        return;
    }
    if (m_messages.warningQuestion(BPRKonfigLoeschenFrage(E_Beschreibung->text())) != Messages::Answer::Yes)
        return;
    BPRKonfigLoeschen(m_konfig, m_slot);
    m_slot = qMin(m_slot, BPRKonfigAnzahl(m_konfig) - 1);
    ListeFuellen();
}

void TBPRKonfigForm::SpeichernClick()
{
    const BPRKonfigEingabe e{E_Beschreibung->text(),   E_Konfig_Drehung->text(),   CB_XSpiegel->currentIndex() == 0,
                             CB_YSpiegel->currentIndex() == 0, CB_inFBA->currentIndex() == 0, E_Konfig_KolliDreh->text(),
                             E_Konfig_BlendeDreh->text()};
    if (const std::optional<QString> meldung = BPRKonfigSpeichern(m_konfig[size_t(m_slot)], e)) {
        m_messages.warning(*meldung);
        return;
    }
    ListeFuellen();
    BearbeitenSetzen(false);
}

void TBPRKonfigForm::AbbruchClick()
{
    BearbeitenSetzen(false);
    SlotZeigen();
}

} // namespace qv
