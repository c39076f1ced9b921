#pragma once

#include "dicom/DicomUebersicht.h"
#include "dicom/Zielstruktur.h"

#include <QDialog>

#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace qv {

class DcmdumpRunner;
class FileChooser;
class Messages;
class TvelDICOMRTBeamClass;
class ZielstrukturWahl;

/// The DICOM import dialog "Öffnen": every RT Plan with blocks of the import folder as a tree of
/// patients, beams, blocks and compensators, a preview of the chosen beam, deleting a plan file
/// and changing the folder. Each plan is read once when the folder is listed; clicks only show
/// what was read. While the folder is read the dialog is locked.
class TOpenDICOMDialog : public QDialog
{
    Q_OBJECT

public:
    enum NodeType { Patient = 0, Beam = 1, BlockOderKompensator = 2 };

    TOpenDICOMDialog(DcmdumpRunner &runner, Messages &messages, FileChooser &chooser, QString programFolder,
                     QWidget *parent = nullptr);
    ~TOpenDICOMDialog() override;

    void SetImportDir(const QString &dir);
    QString ImportDir() const { return m_importDir; }
    void SetFileType(const QString &text);
    QString GetFileType() const;
    void SetTreeEnabled(bool enabled);

    /// Lists the folder and shows the dialog modally; true if closed with "Öffnen".
    bool Execute();
    QString GetFileName() const { return m_selectedFile; }
    int GetBeamIndex() const { return m_selectedBeam; }
    /// The target chosen instead of the plan's blocks ("Zielstruktur"), if any.
    std::optional<TZielstrukturWahl> GetZielstruktur() const;
    ZielstrukturWahl &Zielstrukturen() const { return *zielWahl; }

    /// Reads the folder again and rebuilds the tree ("Fehler beim Erstellen der Übersicht." on error).
    void UebersichtErstellen();
    bool Busy() const { return m_busy; }

    /// The beam shown in the preview, or none.
    const TvelDICOMRTBeamClass *VorschauBeam() const;
    /// The preview as it is painted on screen.
    QImage VorschauBild() const;

public slots:
    /// A click on a node, as the tree reports it.
    void NodeClicked(QTreeWidgetItem *item, Qt::MouseButton button = Qt::LeftButton);
    void btnOkayClick();
    void acDeleteExecute();
    void btnChangeDirClick();
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    struct NodeData
    {
        int type = Patient;
        QString fileName;
        QString patientName;
        int beamIndex = -1;
        int planIndex = -1;
    };
    static NodeData nodeData(const QTreeWidgetItem *item);
    void selectionChanging(QTreeWidgetItem *item);
    void updateOpenAction();
    void setBusy(bool busy);
    void showDir();
    void zielAnbieten();
    void zielZeigen();

    DcmdumpRunner &m_runner;
    Messages &m_messages;
    FileChooser &m_chooser;
    QString m_programFolder;
    QString m_importDir;
    QString m_selectedFile;
    int m_selectedBeam = -1;
    int m_selectedPlan = -1;
    bool m_busy = false;
    QList<DicomUebersicht::Eintrag> m_plaene;
    // The folder's structure sets, and each plan's geometry when there are any.
    std::shared_ptr<const QList<Strukturset>> m_strukturen;
    QList<std::optional<RtPlanGeometrie>> m_geometrien;

    QLineEdit *edtDir = nullptr;
    QPushButton *btnChangeDir = nullptr;
    QPushButton *btnNext = nullptr;
    QPushButton *btnPrevious = nullptr;
    QTreeWidget *TreeVDICMData = nullptr;
    QLineEdit *edtFileName = nullptr;
    QComboBox *cboxFileType = nullptr;
    QPushButton *btnOkay = nullptr;
    QPushButton *btnCancel = nullptr;
    QWidget *pboxPreview = nullptr;
    ZielstrukturWahl *zielWahl = nullptr;
    QMenu *PopMenueOpenDicom = nullptr;
    QAction *acOpen = nullptr;
    QAction *acDelete = nullptr;
};

} // namespace qv
