#pragma once

#include "base/FileChooser.h"

class QWidget;

namespace qv {

/// Open dialog for template images with a preview pane beside the file list.
class BildVorschauChooser final : public FileChooser
{
public:
    explicit BildVorschauChooser(QWidget *parent = nullptr) : m_parent(parent) {}

    QString openFile(const QString &title, const QString &startFolder, const QString &filter) override;
    QString saveFile(const QString &, const QString &, const QString &) override { return {}; }
    QString folder(const QString &, const QString &) override { return {}; }

private:
    QWidget *m_parent;
};

} // namespace qv
