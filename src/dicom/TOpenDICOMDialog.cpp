#include "dicom/TOpenDICOMDialog.h"

#include "base/FileChooser.h"
#include "base/Messages.h"
#include "dicom/DcmdumpRunner.h"
#include "dicom/DicomVorschau.h"
#include "dicom/DicomVorschauWidget.h"
#include "dicom/TProgressFrm.h"
#include "dicom/ZielstrukturWahl.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>
#include <QTreeWidget>

#include <memory>

namespace qv {

namespace {

enum Role { TypeRole = Qt::UserRole, FileRole, PatientRole, BeamRole, PlanRole };

QIcon icon(const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    draw(painter);
    return QIcon(pixmap);
}

QIcon folderIcon()
{
    return icon([](QPainter &p) {
        p.setPen(QColor(128, 96, 0));
        p.setBrush(QColor(240, 200, 80));
        p.drawRect(1, 4, 13, 10);
        p.drawRect(1, 2, 5, 2);
    });
}

QIcon patientIcon()
{
    return icon([](QPainter &p) {
        p.setPen(Qt::darkBlue);
        p.setBrush(QColor(120, 160, 230));
        p.drawEllipse(5, 1, 6, 6);
        p.drawRoundedRect(2, 8, 12, 7, 3, 3);
    });
}

QIcon blockIcon(bool shielding)
{
    return icon([shielding](QPainter &p) {
        p.setPen(kVorschauBlock);
        p.setBrush(kVorschauBlock);
        if (shielding) {
            p.drawPolygon(QPolygon({QPoint(2, 13), QPoint(8, 2), QPoint(14, 13)}));
        } else {
            p.drawRect(1, 1, 14, 14);
            p.setBrush(Qt::white);
            p.drawEllipse(4, 4, 8, 8);
        }
    });
}

} // namespace

TOpenDICOMDialog::TOpenDICOMDialog(DcmdumpRunner &runner, Messages &messages, FileChooser &chooser,
                                   QString programFolder, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_runner(runner), m_messages(messages), m_chooser(chooser), m_programFolder(std::move(programFolder))
{
    setObjectName(QStringLiteral("OpenDICOMDialog"));
    setWindowTitle(QStringLiteral("Öffnen"));
    setMinimumSize(702, 340);

    auto *label1 = new QLabel(QStringLiteral("Suchen in:"), this);
    edtDir = new QLineEdit(this);
    edtDir->setObjectName(QStringLiteral("edtDir"));
    edtDir->setEnabled(false);
    btnChangeDir = new QPushButton(QStringLiteral("..."), this);
    btnChangeDir->setObjectName(QStringLiteral("btnChangeDir"));
    btnNext = new QPushButton(QStringLiteral("-"), this);
    btnNext->hide();
    btnPrevious = new QPushButton(QStringLiteral("+"), this);
    btnPrevious->hide();

    TreeVDICMData = new QTreeWidget(this);
    TreeVDICMData->setObjectName(QStringLiteral("TreeVDICMData"));
    TreeVDICMData->setHeaderHidden(true);
    TreeVDICMData->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeVDICMData->setCursor(Qt::PointingHandCursor);
    TreeVDICMData->setMouseTracking(true);
    TreeVDICMData->setContextMenuPolicy(Qt::PreventContextMenu);

    auto *lblFilename = new QLabel(QStringLiteral("Dateiname:"), this);
    edtFileName = new QLineEdit(this);
    edtFileName->setObjectName(QStringLiteral("edtFileName"));
    edtFileName->setEnabled(false);
    auto *lblFileType = new QLabel(QStringLiteral("Dateityp:"), this);
    cboxFileType = new QComboBox(this);
    cboxFileType->setObjectName(QStringLiteral("cboxFileType"));
    cboxFileType->addItems({QStringLiteral("Alle (*.*)"), QStringLiteral("DICOM-Dateien (*.dcm)"),
                            QStringLiteral("DICOM-Dateien (*.ina)")});
    btnOkay = new QPushButton(QStringLiteral("Ö&ffnen"), this);
    btnOkay->setObjectName(QStringLiteral("btnOkay"));
    btnOkay->setEnabled(false);
    btnCancel = new QPushButton(QStringLiteral("&Abbrechen"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    pboxPreview = new DicomVorschauWidget(this);
    pboxPreview->setMinimumSize(300, 300);
    zielWahl = new ZielstrukturWahl(this);

    PopMenueOpenDicom = new QMenu(this);
    acOpen = PopMenueOpenDicom->addAction(QStringLiteral("Öffnen"));
    acOpen->setObjectName(QStringLiteral("acOpen"));
    acDelete = PopMenueOpenDicom->addAction(QStringLiteral("Löschen"));
    acDelete->setObjectName(QStringLiteral("acDelete"));
    acOpen->setEnabled(false);
    acDelete->setEnabled(false);

    auto *grid = new QGridLayout(this);
    auto *top = new QHBoxLayout;
    top->addWidget(label1);
    top->addWidget(edtDir, 1);
    top->addWidget(btnChangeDir);
    grid->addLayout(top, 0, 0, 1, 3);
    grid->addWidget(TreeVDICMData, 1, 0, 1, 3);
    grid->addWidget(pboxPreview, 0, 3, 4, 1);
    grid->addWidget(lblFilename, 2, 0);
    grid->addWidget(edtFileName, 2, 1);
    grid->addWidget(btnOkay, 2, 2);
    grid->addWidget(lblFileType, 3, 0);
    grid->addWidget(cboxFileType, 3, 1);
    grid->addWidget(btnCancel, 3, 2);
    grid->addWidget(zielWahl, 4, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(1, 1);

    connect(TreeVDICMData, &QTreeWidget::itemPressed, this,
            [this](QTreeWidgetItem *item) {
                NodeClicked(item, (QGuiApplication::mouseButtons() & Qt::RightButton) ? Qt::RightButton : Qt::LeftButton);
            });
    connect(TreeVDICMData, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { selectionChanging(current); });
    connect(btnOkay, &QPushButton::clicked, this, &TOpenDICOMDialog::btnOkayClick);
    connect(btnCancel, &QPushButton::clicked, this, &TOpenDICOMDialog::reject);
    connect(btnChangeDir, &QPushButton::clicked, this, &TOpenDICOMDialog::btnChangeDirClick);
    connect(acOpen, &QAction::triggered, this, [this] {
        if (btnOkay->isEnabled())
            btnOkayClick();
    });
    connect(acDelete, &QAction::triggered, this, &TOpenDICOMDialog::acDeleteExecute);
    connect(zielWahl, &ZielstrukturWahl::geaendert, this, &TOpenDICOMDialog::zielZeigen);
    connect(cboxFileType, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_busy && isVisible())
            UebersichtErstellen();
    });
}

TOpenDICOMDialog::~TOpenDICOMDialog() = default;

void TOpenDICOMDialog::SetImportDir(const QString &dir)
{
    m_importDir = dir;
    showDir();
}

void TOpenDICOMDialog::showDir()
{
    const QString shown = QDir::toNativeSeparators(m_importDir);
    edtDir->setText(edtDir->fontMetrics().elidedText(shown, Qt::ElideMiddle, 250));
    edtDir->setToolTip(shown);
}

void TOpenDICOMDialog::SetFileType(const QString &text)
{
    const QSignalBlocker quiet(cboxFileType);
    cboxFileType->setCurrentIndex(cboxFileType->findText(text));
}

QString TOpenDICOMDialog::GetFileType() const
{
    return cboxFileType->currentText();
}

void TOpenDICOMDialog::SetTreeEnabled(bool enabled)
{
    TreeVDICMData->setEnabled(enabled);
    TreeVDICMData->setVisible(enabled);
}

bool TOpenDICOMDialog::Execute()
{
    UebersichtErstellen();
    if (exec() == QDialog::Accepted)
        return true;
    m_selectedFile.clear();
    m_selectedBeam = -1;
    return false;
}

void TOpenDICOMDialog::setBusy(bool busy)
{
    m_busy = busy;
    for (QWidget *w : {static_cast<QWidget *>(TreeVDICMData), static_cast<QWidget *>(btnChangeDir),
                       static_cast<QWidget *>(cboxFileType), static_cast<QWidget *>(btnCancel)})
        w->setEnabled(!busy);
    if (busy) {
        btnOkay->setEnabled(false);
        acOpen->setEnabled(false);
        acDelete->setEnabled(false);
    } else {
        updateOpenAction();
    }
}

void TOpenDICOMDialog::UebersichtErstellen()
{
    if (m_busy)
        return;
    if (m_importDir.isEmpty())
        SetImportDir(m_programFolder);
    setBusy(true);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    std::unique_ptr<TProgressFrm> progress;
    const auto restore = qScopeGuard([&] {
        progress.reset();
        QGuiApplication::restoreOverrideCursor();
        setBusy(false);
    });

    // Nothing that shows the old plans may outlive them.
    static_cast<DicomVorschauWidget *>(pboxPreview)->setBeam(std::nullopt);
    zielWahl->Anbieten(std::nullopt, -1, nullptr);
    TreeVDICMData->clear();
    m_plaene.clear();
    m_strukturen.reset();
    m_geometrien.clear();
    m_selectedBeam = -1;
    m_selectedPlan = -1;
    auto *root = new QTreeWidgetItem(TreeVDICMData, {QStringLiteral("\\Importverzeichnis")});
    root->setIcon(0, folderIcon());

    const QString maske = DateiMaske(GetFileType().isEmpty() ? QStringLiteral("Alle (*.*)") : GetFileType());
    if (!QDir(m_importDir).entryList(QDir::Files | QDir::Hidden).isEmpty()) {
        progress = std::make_unique<TProgressFrm>(QStringLiteral("Lese DICOM-Plan..."), this);
        progress->show();
    }
    auto uebersicht = ErstelleDicomUebersicht(m_runner, m_importDir, maske, [&](qsizetype done, qsizetype total) {
        if (progress)
            progress->setProgress(done, total);
    });
    if (!uebersicht) {
        progress.reset();
        m_messages.error(QStringLiteral("Fehler beim Erstellen der Übersicht.\n\r") + uebersicht.error());
        root->setExpanded(true);
        return;
    }
    m_plaene = std::move(uebersicht->Plaene);
    // The structure sets of the folder, for the aperture from a target.
    m_strukturen = std::make_shared<const QList<Strukturset>>(Strukturset::Suchen(DicomDateien(m_importDir, maske)));
    if (!m_strukturen->isEmpty()) {
        for (const DicomUebersicht::Eintrag &eintrag : m_plaene) {
            Result<RtPlanGeometrie> geometrie = RtPlanGeometrie::Lesen(eintrag.Datei);
            m_geometrien.append(geometrie ? std::optional<RtPlanGeometrie>(std::move(*geometrie)) : std::nullopt);
        }
    }
    const QIcon patient = patientIcon();
    const QIcon folder = folderIcon();
    const QIcon shielding = blockIcon(true);
    const QIcon aperture = blockIcon(false);
    for (qsizetype p = 0; p < m_plaene.size(); ++p) {
        const DicomUebersicht::Eintrag &eintrag = m_plaene[p];
        const TvelDICOMRTPlanClass &plan = eintrag.Plan;
        auto data = [&](QTreeWidgetItem *item, int type, int beam) {
            item->setData(0, TypeRole, type);
            item->setData(0, FileRole, eintrag.Datei);
            item->setData(0, PatientRole, plan.Patient.PatientName);
            item->setData(0, BeamRole, beam);
            item->setData(0, PlanRole, int(p));
        };
        auto *patientNode = new QTreeWidgetItem(root, {plan.Patient.PatientName + QStringLiteral(", ") + plan.Patient.PatientID});
        patientNode->setIcon(0, patient);
        data(patientNode, Patient, -1);
        for (qsizetype b = 0; b < plan.Plan.Beams.size(); ++b) {
            const TvelDICOMRTBeamClass &beam = plan.Plan.Beams[b];
            auto *beamNode = new QTreeWidgetItem(patientNode, {beam.BeamName});
            beamNode->setIcon(0, folder);
            data(beamNode, Beam, int(b));
            for (const TvelDICOMBlockClass &block : beam.Blocks) {
                auto *node = new QTreeWidgetItem(beamNode, {block.BlockName});
                node->setIcon(0, block.BlockType == u"SHIELDING" ? shielding : aperture);
                data(node, BlockOderKompensator, int(b));
            }
            for (const TvelDICOMCompensatorClass &compensator : beam.Compensators) {
                auto *node = new QTreeWidgetItem(beamNode, {QStringLiteral("Compensator: %1").arg(compensator.CompensatorNumber)});
                data(node, BlockOderKompensator, int(b));
            }
        }
        patientNode->setExpanded(true);
    }
    root->setExpanded(true);
}

TOpenDICOMDialog::NodeData TOpenDICOMDialog::nodeData(const QTreeWidgetItem *item)
{
    NodeData d;
    if (!item || !item->parent())
        return d;
    d.type = item->data(0, TypeRole).toInt();
    d.fileName = item->data(0, FileRole).toString();
    d.patientName = item->data(0, PatientRole).toString();
    d.beamIndex = item->data(0, BeamRole).toInt();
    d.planIndex = item->data(0, PlanRole).toInt();
    return d;
}

void TOpenDICOMDialog::NodeClicked(QTreeWidgetItem *item, Qt::MouseButton button)
{
    if (m_busy || !item || !item->parent())
        return;
    const NodeData d = nodeData(item);
    if (d.type == Patient)
        m_selectedBeam = -1;
    m_selectedFile = d.fileName;
    edtFileName->setText(QFileInfo(d.fileName).fileName());
    if (d.type != Patient) {
        m_selectedBeam = d.beamIndex;
        m_selectedPlan = d.planIndex;
    }
    auto *preview = static_cast<DicomVorschauWidget *>(pboxPreview);
    if (m_selectedBeam >= 0 && m_selectedPlan >= 0 && m_selectedPlan < m_plaene.size() &&
        m_selectedBeam < m_plaene[m_selectedPlan].Plan.Plan.Beams.size())
        preview->setBeam(m_plaene[m_selectedPlan].Plan.Plan.Beams[m_selectedBeam]);
    else
        preview->setBeam(std::nullopt);
    btnOkay->setEnabled(!edtFileName->text().isEmpty() && m_selectedBeam != -1);
    zielAnbieten();
    updateOpenAction();
    TreeVDICMData->setCurrentItem(item);
    if (button == Qt::RightButton) {
        const QPoint at = TreeVDICMData->viewport()->mapToGlobal(TreeVDICMData->visualItemRect(item).bottomLeft());
        PopMenueOpenDicom->popup(at + QPoint(0, 22));
    }
}

void TOpenDICOMDialog::selectionChanging(QTreeWidgetItem *item)
{
    acDelete->setEnabled(!m_busy && item && item->parent() && nodeData(item).type == Patient);
    updateOpenAction();
}

void TOpenDICOMDialog::updateOpenAction()
{
    acOpen->setEnabled(!m_busy && !m_selectedFile.isEmpty() && m_selectedBeam != -1);
}

void TOpenDICOMDialog::zielAnbieten()
{
    const bool mitBeam = m_selectedBeam >= 0 && m_selectedPlan >= 0 && m_selectedPlan < m_geometrien.size();
    zielWahl->Anbieten(mitBeam ? m_geometrien[m_selectedPlan] : std::nullopt, m_selectedBeam, m_strukturen);
    zielZeigen();
}

void TOpenDICOMDialog::zielZeigen()
{
    auto *preview = static_cast<DicomVorschauWidget *>(pboxPreview);
    const std::optional<TZielstrukturWahl> ziel = zielWahl->Wahl();
    btnOkay->setText(ziel ? QStringLiteral("Ü&bernehmen") : QStringLiteral("Ö&ffnen"));
    if (m_selectedPlan < 0 || m_selectedPlan >= m_plaene.size() || m_selectedBeam < 0
        || m_selectedBeam >= m_plaene[m_selectedPlan].Plan.Plan.Beams.size())
        return;
    if (!ziel) {
        preview->setBeam(m_plaene[m_selectedPlan].Plan.Plan.Beams[m_selectedBeam]);
        btnOkay->setEnabled(!edtFileName->text().isEmpty());
        updateOpenAction();
        return;
    }
    // The preview shows the outlines as the beam would hold them.
    const Result<TSchattenUmrisse> umrisse = zielWahl->Umrisse();
    Result<TvelDICOMRTPlanClass> plan =
        umrisse ? MitZielstrukturBloecken(m_plaene[m_selectedPlan].Plan, m_selectedBeam, umrisse->Konturen, ziel->ROIName)
                : Result<TvelDICOMRTPlanClass>(Error{umrisse.error()});
    if (plan && m_selectedBeam < plan->Plan.Beams.size())
        preview->setBeam(plan->Plan.Beams[m_selectedBeam]);
    btnOkay->setEnabled(plan.ok());
    acOpen->setEnabled(!m_busy && plan.ok());
}

std::optional<TZielstrukturWahl> TOpenDICOMDialog::GetZielstruktur() const
{
    return zielWahl->Wahl();
}

const TvelDICOMRTBeamClass *TOpenDICOMDialog::VorschauBeam() const
{
    return static_cast<const DicomVorschauWidget *>(pboxPreview)->beam();
}

QImage TOpenDICOMDialog::VorschauBild() const
{
    return static_cast<const DicomVorschauWidget *>(pboxPreview)->bild();
}

void TOpenDICOMDialog::btnOkayClick()
{
    if (m_busy)
        return;
    if (QFileInfo(m_selectedFile).isFile() && m_selectedBeam != -1)
        accept();
    else
        m_messages.error(QStringLiteral("Die Datei ist nicht vorhanden."));
}

void TOpenDICOMDialog::acDeleteExecute()
{
    QTreeWidgetItem *item = TreeVDICMData->currentItem();
    if (m_busy || !item || !item->parent())
        return;
    const NodeData d = nodeData(item);
    if (d.type != Patient)
        return;
    if (m_messages.question(QStringLiteral("Möchten Sie die Datei des Patienten: ") + d.patientName +
                            QStringLiteral(" unwideruflich löschen?")) != Messages::Answer::Yes)
        return;
    if (!QFile::remove(d.fileName)) {
        m_messages.error(QStringLiteral("Die Datei ") + QDir::toNativeSeparators(d.fileName) +
                         QStringLiteral(" kann nicht gelöscht werden (Schreibgeschützt!?)"));
        return;
    }
    if (m_selectedPlan == d.planIndex) {
        static_cast<DicomVorschauWidget *>(pboxPreview)->setBeam(std::nullopt);
        m_selectedBeam = -1;
    }
    if (m_selectedFile == d.fileName)
        m_selectedFile.clear();
    delete item;
    edtFileName->clear();
    btnOkay->setEnabled(false);
    updateOpenAction();
    if (TreeVDICMData->topLevelItemCount() == 1 && TreeVDICMData->topLevelItem(0)->childCount() == 0) {
        UebersichtErstellen();
        TreeVDICMData->expandAll();
    }
}

void TOpenDICOMDialog::btnChangeDirClick()
{
    if (m_busy)
        return;
    const QString chosen = m_chooser.folder(QStringLiteral("Bitte wählen Sie ein Verzeichnis:"), m_importDir);
    if (chosen.isEmpty())
        return;
    SetImportDir(chosen);
    edtFileName->clear();
    UebersichtErstellen();
}

void TOpenDICOMDialog::reject()
{
    if (m_busy)
        return;
    QDialog::reject();
}

void TOpenDICOMDialog::closeEvent(QCloseEvent *event)
{
    if (m_busy) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace qv
