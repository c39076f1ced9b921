#pragma once

#include "base/FileChooser.h"

class QWidget;

namespace qv {

class QtFileChooser final : public FileChooser
{
public:
    explicit QtFileChooser(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    QString openFile(const QString &title, const QString &startFolder, const QString &filter) override;
    QString saveFile(const QString &title, const QString &startPath, const QString &filter) override;
    QString folder(const QString &title, const QString &startFolder) override;

private:
    QWidget *m_parent;
};

} // namespace qv
