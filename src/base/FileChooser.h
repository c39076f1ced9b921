#pragma once

#include <QString>

namespace qv {

/// The seam for open, save and folder choosers. An empty result means the person cancelled.
class FileChooser
{
public:
    virtual ~FileChooser() = default;
    virtual QString openFile(const QString &title, const QString &startFolder, const QString &filter) = 0;
    virtual QString saveFile(const QString &title, const QString &startPath, const QString &filter) = 0;
    virtual QString folder(const QString &title, const QString &startFolder) = 0;
};

} // namespace qv
