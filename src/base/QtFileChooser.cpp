#include "base/QtFileChooser.h"

#include <QFileDialog>

namespace qv {

QString QtFileChooser::openFile(const QString &title, const QString &startFolder, const QString &filter)
{
    return QFileDialog::getOpenFileName(m_parent, title, startFolder, filter);
}

QString QtFileChooser::saveFile(const QString &title, const QString &startPath, const QString &filter)
{
    // The program asks its own overwrite question where one is wanted.
    return QFileDialog::getSaveFileName(m_parent, title, startPath, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString QtFileChooser::folder(const QString &title, const QString &startFolder)
{
    return QFileDialog::getExistingDirectory(m_parent, title, startFolder);
}

} // namespace qv
