#include "planimport/TBPRMainOpenForm.h"

#include "base/AtomicWriter.h"
#include "base/FileChooser.h"
#include "base/FileNames.h"
#include "base/Messages.h"
#include "planimport/BPRFileBasic.h"
#include "planimport/BPRKatalog.h"
#include "planimport/BPRUebernahme.h"
#include "planimport/BPRVorschau.h"
#include "planimport/TBPRDatenbankForm.h"
#include "planimport/TBPRKonfigForm.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <functional>

namespace qv {

namespace {

const QString kNone = QStringLiteral("none");

// The preview box: paints whatever beam the dialog currently shows.
class Vorschau : public QWidget
{
public:
    Vorschau(std::function<const BPRBeam *()> beam, QWidget *parent)
        : QWidget(parent)
        , m_beam(std::move(beam))
    {
        setFixedSize(273, 273);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        ZeichneBPRVorschau(p, size(), m_beam());
    }

private:
    std::function<const BPRBeam *()> m_beam;
};

QLineEdit *nurLesen(QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setReadOnly(true);
    return e;
}

QString jaNein(bool ja)
{
    return ja ? QStringLiteral("Ja") : QStringLiteral("Nein");
}

} // namespace

QString BPRImportHilfeText()
{
    return QStringLiteral(
        "Hier werden alle Dateien aus dem oben gewählen Verzeichnis angezeigt.\r\nZum Öffnen eines Files (Parscientific, HEK, "
        "Multidata, Plato, Huestis oder Target) klicken Sie einfach die Datei an und wählen Sie den gewünschten Beam "
        "aus.\r\nSie erhalten automatisch rechts eine Vorschau.\r\n\r\nIn der Konfiguration können Sie Default-Einstellungen "
        "für Ihren Beschleuniger vornehmen.\r\nDiese Einstellungen werden auf den Import angewendet und sind ggf. in der "
        "Vorschau rechts schon erkennbar.\r\nMit \"Öffnen\" übernehmen Sie den Patienten in Quellvantar.\r\n\r\nBitte "
        "überprüfen Sie Ihren Block nach der Übernahme.");
}

QString BPRKonfigHilfeText()
{
    return QStringLiteral(
        "An dieser Stelle konfigurieren Sie, wie die Daten aus dem Bestrahlungs-Planungs-Rechner (BPR) standardmäßig "
        "interpretiert werden sollen.\r\nDas was hier konfiguriert wird, wird auf die importierte Datei angewendet und in "
        "der Vorschau entsprechend dargestellt.\r\n\r\nBeschreibung...\r\ndie Beschreibung des Beschleunigers.\r\n\r\n"
        "Drehung...\r\num den Winkel werden alle Konturen des Beams gedreht.\r\n\r\nX-Spiegelung...\r\nSpiegelung von "
        "Konturen und Blende um X-Achse.\r\n\r\nY-Spiegelung...\r\nSpiegelung von Konturen und Blende um Y-Achse.\r\n\r\n"
        "Daten in FBA...\r\ndie Daten in der BPR-Datei liegen i.d.R. im FIA vor. Für den Fall, das die Daten im FBA "
        "vorliegen, muß dieses Feld auf \"Ja\" gesetzt sein.\r\n\r\nKolli Dreh...\r\nein Standard-Offset auf den "
        "Kollimator Winkel. Für den Fall, dass die Information über den Kollimator in der BPR-Datei steht.\r\n\r\n"
        "Blende Dreh...\r\num den Winkel wird die Blende gedreht.");
}

BPRDateien BPRDateien::imOrdner(const QString &ordner)
{
    return {TBPRDM::DateiImOrdner(ordner), BPRKonfigDatei(ordner), {}};
}

TBPRMainOpenForm::TBPRMainOpenForm(QString programmOrdner, Messages &messages, FileChooser &chooser, QWidget *parent)
    : TBPRMainOpenForm(BPRDateien::imOrdner(programmOrdner), messages, chooser, parent)
{
}

TBPRMainOpenForm::TBPRMainOpenForm(BPRDateien dateien, Messages &messages, FileChooser &chooser, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
    , m_dateien(std::move(dateien))
    , m_messages(messages)
    , m_chooser(chooser)
    , m_ordner(QDir::homePath())
{
    setWindowTitle(QStringLiteral("Bestrahlungs-Planungs-Rechner (BPR) Datei öffnen"));
    auto *haupt = new QHBoxLayout(this);

    // Left: folder, files, format, beams, configuration.
    auto *links = new QVBoxLayout;
    auto *ordner = new QHBoxLayout;
    ordner->addWidget(new QLabel(QStringLiteral("Suchen in:"), this));
    E_Verzeichnis = nurLesen(this);
    ordner->addWidget(E_Verzeichnis, 1);
    BTN_Verzeichnis = new QPushButton(QStringLiteral("..."), this);
    BTN_Verzeichnis->setFixedWidth(30);
    ordner->addWidget(BTN_Verzeichnis);
    links->addLayout(ordner);
    LsFileLB = new QListWidget(this);
    LsFileLB->setSelectionMode(QAbstractItemView::SingleSelection);
    LsFileLB->setMinimumSize(320, 200);
    links->addWidget(LsFileLB, 1);
    auto *format = new QFormLayout;
    E_Format = nurLesen(this);
    format->addRow(QStringLiteral("Format"), E_Format);
    LB_Beams = new QListWidget(this);
    LB_Beams->setFlow(QListView::LeftToRight);
    LB_Beams->setWrapping(false);
    LB_Beams->setFixedHeight(40);
    format->addRow(QStringLiteral("Beam"), LB_Beams);
    links->addLayout(format);

    auto *konfig = new QGroupBox(QStringLiteral("Konfiguration"), this);
    auto *konfigLayout = new QGridLayout(konfig);
    konfigLayout->addWidget(new QLabel(QStringLiteral("Beschleuniger"), konfig), 0, 0);
    CB_Konfig = new QComboBox(konfig);
    konfigLayout->addWidget(CB_Konfig, 0, 1, 1, 2);
    BTN_KonfigBearbeiten = new QPushButton(QStringLiteral("bearbeiten"), konfig);
    konfigLayout->addWidget(BTN_KonfigBearbeiten, 0, 3);
    const QList<QPair<QString, QLineEdit **>> felder{
        {QStringLiteral("Drehung"), &E_Konfig_Drehung},           {QStringLiteral("X-Spiegelung"), &E_Konfig_XSpiegel},
        {QStringLiteral("Y-Spiegelung"), &E_Konfig_YSpiegel},     {QStringLiteral("Daten in FBA"), &E_Konfig_FFA2FBA},
        {QStringLiteral("Kolli Dreh"), &E_Konfig_KolliDreh},      {QStringLiteral("Blende Dreh"), &E_Konfig_BlendeDreh}};
    for (int i = 0; i < felder.size(); ++i) {
        *felder[i].second = nurLesen(konfig);
        konfigLayout->addWidget(new QLabel(felder[i].first, konfig), 1 + i / 2, (i % 2) * 2);
        konfigLayout->addWidget(*felder[i].second, 1 + i / 2, (i % 2) * 2 + 1);
    }
    links->addWidget(konfig);
    haupt->addLayout(links, 1);

    // Right: values read, preview, buttons.
    auto *rechts = new QVBoxLayout;
    auto *werte = new QFormLayout;
    E_PatientID = nurLesen(this);
    E_Zielvolumen = nurLesen(this);
    E_Gantry = nurLesen(this);
    E_Kollimator = nurLesen(this);
    werte->addRow(QStringLiteral("PatientID"), E_PatientID);
    werte->addRow(QStringLiteral("Zielvolumen"), E_Zielvolumen);
    werte->addRow(QStringLiteral("Gantry °"), E_Gantry);
    werte->addRow(QStringLiteral("Kollimator °"), E_Kollimator);
    rechts->addLayout(werte);
    auto *bild = new QWidget(this);
    bild->setFixedSize(273, 273);
    PB = new Vorschau([this] { return AktuellerBeam(); }, bild);
    Image_Leer = new QLabel(QStringLiteral("Keine Vorschau"), bild);
    Image_Leer->setAlignment(Qt::AlignCenter);
    Image_Leer->setFixedSize(273, 273);
    Image_Leer->setAutoFillBackground(true);
    rechts->addWidget(bild);
    L_FileName = new QLabel(kNone, this);
    rechts->addWidget(L_FileName);
    auto *skizze = new QLabel(QStringLiteral("<--  Einschubr."), this);
    rechts->addWidget(skizze);
    rechts->addStretch();
    auto *knoepfe = new QHBoxLayout;
    BTN_Datenbank = new QPushButton(QStringLiteral("Datenbank"), this);
    BTN_Open = new QPushButton(QStringLiteral("&Öffnen"), this);
    BTN_Abbruch = new QPushButton(QStringLiteral("Abbrechen"), this);
    knoepfe->addWidget(BTN_Datenbank);
    knoepfe->addStretch();
    knoepfe->addWidget(BTN_Open);
    knoepfe->addWidget(BTN_Abbruch);
    rechts->addLayout(knoepfe);
    haupt->addLayout(rechts);
    setHerstellerModus(false);
    const QList<QPair<QLineEdit *, const char *>> namen{
        {E_Verzeichnis, "E_Verzeichnis"},           {E_Format, "E_Format"},
        {E_Konfig_Drehung, "E_Konfig_Drehung"},     {E_Konfig_XSpiegel, "E_Konfig_XSpiegel"},
        {E_Konfig_YSpiegel, "E_Konfig_YSpiegel"},   {E_Konfig_FFA2FBA, "E_Konfig_FFA2FBA"},
        {E_Konfig_KolliDreh, "E_Konfig_KolliDreh"}, {E_Konfig_BlendeDreh, "E_Konfig_BlendeDreh"},
        {E_PatientID, "E_PatientID"},               {E_Zielvolumen, "E_Zielvolumen"},
        {E_Gantry, "E_Gantry"},                     {E_Kollimator, "E_Kollimator"}};
    for (const auto &[feld, name] : namen)
        feld->setObjectName(QString::fromLatin1(name));

    connect(LsFileLB, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) { DateiGeklickt(item->text()); });
    connect(LB_Beams, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) { BeamGeklickt(LB_Beams->row(item)); });
    connect(CB_Konfig, &QComboBox::activated, this, &TBPRMainOpenForm::KonfigGewaehlt);
    connect(BTN_KonfigBearbeiten, &QPushButton::clicked, this, &TBPRMainOpenForm::BTN_KonfigBearbeitenClick);
    connect(BTN_Verzeichnis, &QPushButton::clicked, this, &TBPRMainOpenForm::BTN_VerzeichnisClick);
    connect(BTN_Open, &QPushButton::clicked, this, &TBPRMainOpenForm::BTN_OpenClick);
    connect(BTN_Abbruch, &QPushButton::clicked, this, &QDialog::reject);
    connect(BTN_Datenbank, &QPushButton::clicked, this, &TBPRMainOpenForm::BTN_DatenbankClick);
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { emit hilfeText(QString(), QString()); });

    if (auto ok = m_dm.Open(m_dateien.formatDatenbank); !ok)
        m_oeffnenFehler = ok.error();
    ClearDisplay();
}

void TBPRMainOpenForm::setHerstellerModus(bool an)
{
    BTN_Datenbank->setVisible(an);
    BTN_Datenbank->setEnabled(an && m_dm.IstOffen());
}

bool TBPRMainOpenForm::Execute()
{
    Vorbereiten();
    return exec() == QDialog::Accepted;
}

void TBPRMainOpenForm::Vorbereiten()
{
    LoadConfigurations();
    ClearDisplay();
    OrdnerZeigen();
    // The last file again, or else the newest file beside it that is not a log.
    if (QFileInfo(m_lastOpenFile).isFile()) {
        OpenFile(m_lastOpenFile);
        return;
    }
    const QString ordner = m_lastOpenFile.isEmpty() ? m_ordner : QFileInfo(m_lastOpenFile).absolutePath();
    const QFileInfoList dateien = QDir(ordner).entryInfoList(QDir::Files | QDir::Hidden, QDir::Time);
    for (const QFileInfo &f : dateien) {
        if (!f.isFile() || f.fileName().endsWith(QStringLiteral("LOG"), Qt::CaseInsensitive))
            continue;
        OpenFile(f.absoluteFilePath());
        break;
    }
}

bool TBPRMainOpenForm::LoadConfigurations()
{
    const QString pfad = m_dateien.bprKonfig;
    bool ok = true;
    if (QFileInfo::exists(pfad)) {
        auto gelesen = BPRKonfigLesen(pfad);
        if (gelesen) {
            m_konfig = *gelesen;
        } else {
            m_messages.error(gelesen.error());
            ok = false;
        }
    } else {
        m_konfig = BPRKonfigStandard();
        if (!writeFileAtomically(pfad, BPRKonfigBytes(m_konfig))) {
            m_messages.error(QStringLiteral("Fehler beim Anlegen des BPR-Konfigfiles (%1)").arg(fileNameForDisplay(pfad)));
            ok = false;
        }
    }
    m_auswahl = BPRKonfigAuswahl(m_konfig);
    const QSignalBlocker block(CB_Konfig);
    CB_Konfig->clear();
    for (int slot : m_auswahl)
        CB_Konfig->addItem(m_konfig[size_t(slot)].Beschreibung);
    CB_Konfig->setCurrentIndex(m_lastKonfigID >= 0 && m_lastKonfigID < m_auswahl.size() ? m_lastKonfigID : 0);
    ShowConfiguration(CB_Konfig->currentIndex() >= 0 ? m_auswahl.value(CB_Konfig->currentIndex(), -1) : -1);
    return ok;
}

bool TBPRMainOpenForm::SaveConfigurations()
{
    const QString pfad = m_dateien.bprKonfig;
    if (!writeFileAtomically(pfad, BPRKonfigBytes(m_konfig))) {
        m_messages.error(QStringLiteral("Das BPR-Konfigfile (%1) konnte nicht gesichert werden.").arg(fileNameForDisplay(pfad)));
        return false;
    }
    return true;
}

void TBPRMainOpenForm::ShowConfiguration(int slot)
{
    const TBPRKonfig k = slot >= 0 && slot < TBPRKonfig::Anzahl ? m_konfig[size_t(slot)] : TBPRKonfig();
    E_Konfig_Drehung->setText(QString::number(k.Drehung));
    E_Konfig_XSpiegel->setText(jaNein(k.XSpiegelung));
    E_Konfig_YSpiegel->setText(jaNein(k.YSpiegelung));
    E_Konfig_FFA2FBA->setText(jaNein(k.DatenInFBA));
    E_Konfig_KolliDreh->setText(QString::number(k.KolliDreh));
    E_Konfig_BlendeDreh->setText(QString::number(k.BlendeDreh));
}

const TBPRKonfig *TBPRMainOpenForm::GewaehlteKonfiguration() const
{
    const int i = CB_Konfig->currentIndex();
    if (i < 0 || i >= m_auswahl.size())
        return nullptr;
    return &m_konfig[size_t(m_auswahl[i])];
}

void TBPRMainOpenForm::ClearDisplay()
{
    LB_Beams->clear();
    m_beam.reset();
    E_Gantry->setText(QStringLiteral("0"));
    E_Kollimator->setText(QStringLiteral("0"));
    E_PatientID->setText(QStringLiteral("None"));
    E_Zielvolumen->setText(QStringLiteral("None"));
    E_Format->setText(QStringLiteral("None"));
    Image_Leer->setVisible(true);
    BTN_Open->setEnabled(false);
    PB->update();
}

void TBPRMainOpenForm::OrdnerZeigen()
{
    const QFontMetrics fm(E_Verzeichnis->font());
    E_Verzeichnis->setText(fm.elidedText(QDir::toNativeSeparators(m_ordner), Qt::ElideMiddle, qMax(50, E_Verzeichnis->width() - 10)));
    E_Verzeichnis->setToolTip(m_ordner);
    LsFileLB->clear();
    // Files only: folders, pipes and devices are never listed.
    for (const QFileInfo &f : QDir(m_ordner).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (f.isFile())
            LsFileLB->addItem(f.fileName());
    }
}

void TBPRMainOpenForm::DateiGeklickt(const QString &name)
{
    m_currentFile = QDir(m_ordner).filePath(name);
    OpenFile(m_currentFile);
    LsFileLB->setFocus();
}

void TBPRMainOpenForm::OpenFile(const QString &name)
{
    if (!QFileInfo(name).isFile())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_lastOpenFile = name;
    m_currentFile = name;
    ClearDisplay();
    m_inhalt.reset();
    auto inhalt = BPRDateiLaden(name, m_dm);
    if (inhalt && inhalt->Vorbereitung.FormatCode != BPRFormat::Keins) {
        m_inhalt = std::move(*inhalt);
        const BPRFileBasic leser(m_inhalt->Vorbereitung, m_inhalt->Zeilen, m_inhalt->Pfad);
        const int anzahl = leser.BeamsZurAuswahl();
        for (int i = 0; i < anzahl; ++i)
            LB_Beams->addItem(QString::number(i < leser.BeamNumbers.size() ? leser.BeamNumbers[i] : i + 1));
        E_Format->setText(m_inhalt->FormatName);
        if (anzahl > 0) {
            LB_Beams->setCurrentRow(0);
            LoadBeam(1);
        }
    } else {
        m_currentFile = kNone;
    }
    L_FileName->setText(m_currentFile == kNone ? kNone : QFileInfo(m_currentFile).fileName());
    PB->update();
    QApplication::restoreOverrideCursor();
}

void TBPRMainOpenForm::BeamGeklickt(int listenPosition)
{
    if (!m_inhalt || m_currentFile == kNone || listenPosition < 0 || listenPosition >= LB_Beams->count())
        return;
    LB_Beams->setCurrentRow(listenPosition);
    LoadBeam(listenPosition + 1);
}

bool TBPRMainOpenForm::LoadBeam(int n)
{
    if (!m_inhalt || n < 1)
        return false;
    m_beam = BPRBeamLesen(*m_inhalt, n, m_defaultFBA, GewaehlteKonfiguration());
    ShowValues();
    const bool oeffenbar = BPRBeamOeffenbar(*m_beam);
    Image_Leer->setVisible(!m_beam->Gueltig);
    BTN_Open->setEnabled(oeffenbar);
    PB->update();
    return m_beam->Gueltig;
}

void TBPRMainOpenForm::ShowValues()
{
    if (!m_beam)
        return;
    E_Gantry->setText(m_beam->Gantry);
    E_Kollimator->setText(m_beam->Kollimator);
    E_PatientID->setText(m_beam->PatientenID);
    E_Zielvolumen->setText(m_beam->Zielvolumen);
    E_Format->setText(m_inhalt ? m_inhalt->FormatName : QStringLiteral("None"));
    PB->update();
}

void TBPRMainOpenForm::KonfigGewaehlt(int listenPosition)
{
    if (listenPosition < 0 || listenPosition >= m_auswahl.size())
        return;
    CB_Konfig->setCurrentIndex(listenPosition);
    m_lastKonfigID = listenPosition;
    ShowConfiguration(m_auswahl[listenPosition]);
    // The beam shown is read again with the configuration now chosen.
    if (m_currentFile != kNone && m_inhalt && LB_Beams->currentRow() >= 0)
        LoadBeam(LB_Beams->currentRow() + 1);
}

void TBPRMainOpenForm::BTN_KonfigBearbeitenClick()
{
    const int slot = CB_Konfig->currentIndex() >= 0 ? m_auswahl.value(CB_Konfig->currentIndex(), 0) : 0;
    TBPRKonfigForm form(m_konfig, slot, m_messages, this);
    emit hilfeText(QStringLiteral("BPR Konfiguration"), BPRKonfigHilfeText());
    form.exec();
    m_konfig = form.Konfigurationen();
    emit hilfeText(QStringLiteral("BPR Import"), BPRImportHilfeText());
    SaveConfigurations();
    LoadConfigurations();
    KonfigGewaehlt(CB_Konfig->currentIndex());
}

void TBPRMainOpenForm::BTN_VerzeichnisClick()
{
    const QString ordner = m_chooser.folder(QStringLiteral("Verzeichnis"), m_ordner);
    if (ordner.isEmpty())
        return;
    m_ordner = ordner;
    OrdnerZeigen();
}

void TBPRMainOpenForm::BTN_OpenClick()
{
    if (!m_beam || !BPRBeamOeffenbar(*m_beam))
        return;
    m_gewaehlt = m_beam;
    accept();
}

void TBPRMainOpenForm::BTN_DatenbankClick()
{
    if (!m_dm.IstOffen())
        return;
    // A shipped, read-only database is copied into the person's folder before the first edit;
    // from then on that copy is read.
    if (m_dateien.formatDatenbankZumAendern) {
        const Result<QString> zumAendern = m_dateien.formatDatenbankZumAendern();
        if (!zumAendern) {
            m_messages.error(zumAendern.error());
            return;
        }
        if (*zumAendern != m_dateien.formatDatenbank) {
            if (auto ok = m_dm.Open(*zumAendern); !ok) {
                m_messages.error(ok.error());
                static_cast<void>(m_dm.Open(m_dateien.formatDatenbank)); // back to the one read
                return;
            }
            m_dateien.formatDatenbank = *zumAendern;
        }
    }
    TBPRDatenbankForm form(m_dm.datenbank(), this);
    form.exec();
    // Rows may have changed: the shown file is read again with them.
    if (m_currentFile != kNone)
        OpenFile(m_currentFile);
}

void TBPRMainOpenForm::hideEvent(QHideEvent *event)
{
    if (CB_Konfig->currentIndex() >= 0)
        m_lastKonfigID = CB_Konfig->currentIndex();
    QDialog::hideEvent(event);
}

QStringList TBPRMainOpenForm::Dateien() const
{
    QStringList namen;
    for (int i = 0; i < LsFileLB->count(); ++i)
        namen << LsFileLB->item(i)->text();
    return namen;
}

QStringList TBPRMainOpenForm::Beams() const
{
    QStringList namen;
    for (int i = 0; i < LB_Beams->count(); ++i)
        namen << LB_Beams->item(i)->text();
    return namen;
}

QStringList TBPRMainOpenForm::Konfigurationen() const
{
    QStringList namen;
    for (int i = 0; i < CB_Konfig->count(); ++i)
        namen << CB_Konfig->itemText(i);
    return namen;
}

int TBPRMainOpenForm::KonfigAuswahl() const
{
    return CB_Konfig->currentIndex();
}

QString TBPRMainOpenForm::Feld(const QString &name) const
{
    const auto *e = findChild<QLineEdit *>(name);
    return e ? e->text() : QString();
}

QString TBPRMainOpenForm::L_FileNameText() const
{
    return L_FileName->text();
}

bool TBPRMainOpenForm::OeffnenAktiv() const
{
    return BTN_Open->isEnabled();
}

bool TBPRMainOpenForm::LeerBildSichtbar() const
{
    return !Image_Leer->isHidden();
}

bool TBPRMainOpenForm::DatenbankKnopfSichtbar() const
{
    return !BTN_Datenbank->isHidden() && BTN_Datenbank->isEnabled();
}

QImage TBPRMainOpenForm::VorschauBild() const
{
    QImage bild(PB->size(), QImage::Format_RGB32);
    QPainter p(&bild);
    ZeichneBPRVorschau(p, bild.size(), AktuellerBeam());
    return bild;
}

} // namespace qv
