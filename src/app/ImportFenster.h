#pragma once

namespace qv {

class TAuftrag;

/// What the import flows need from the main window.
class ImportFenster
{
public:
    virtual ~ImportFenster() = default;
    virtual TAuftrag &auftrag() = 0;
    /// A beam was taken over: the workflow status (with the field when it was set), the
    /// workflow, the frame-fit check and a repaint.
    virtual void ImportUebernommen(bool feldGesetzt) = 0;
};

} // namespace qv
