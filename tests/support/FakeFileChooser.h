#pragma once

#include "base/FileChooser.h"

#include <QList>
#include <QString>

namespace qv::test {

/// File chooser double: returns prepared paths (empty = cancelled), records each call.
class FakeFileChooser final : public FileChooser
{
public:
    struct Call
    {
        QString kind; // "open", "save", "folder"
        QString title;
        QString start;
        QString filter;
    };

    void expectPath(const QString &path) { m_paths.append(path); }
    const QList<Call> &calls() const { return m_calls; }

    QString openFile(const QString &title, const QString &start, const QString &filter) override
    {
        return next({QStringLiteral("open"), title, start, filter});
    }
    QString saveFile(const QString &title, const QString &start, const QString &filter) override
    {
        return next({QStringLiteral("save"), title, start, filter});
    }
    QString folder(const QString &title, const QString &start) override
    {
        return next({QStringLiteral("folder"), title, start, {}});
    }

private:
    QString next(Call call)
    {
        m_calls.append(std::move(call));
        return m_paths.isEmpty() ? QString() : m_paths.takeFirst();
    }

    QList<QString> m_paths;
    QList<Call> m_calls;
};

} // namespace qv::test
