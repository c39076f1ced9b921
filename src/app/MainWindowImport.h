#pragma once

#include "app/ImportBefehle.h"

namespace qv {

class Application;
class TMainForm;

/// The imports of the main window: "DICOM einlesen" (the DICOM dialog, then the chosen beam
/// read once more and taken into the order) and "BPR einlesen" (the planning-system dialog,
/// then its beam taken into the order), with their settings and help texts.
class MainWindowImport final : public ImportFenster
{
public:
    MainWindowImport(TMainForm &fenster, Application &app);

    void DicomEinlesen();
    void BPREinlesen();

    // ImportFenster
    TAuftrag &auftrag() override;
    void ImportUebernommen(bool feldGesetzt) override;

private:
    /// What the order data of an import start from, as of now.
    ImportKontext Kontext();

    TMainForm &m_fenster;
    Application &m_app;
};

} // namespace qv
