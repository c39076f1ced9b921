#pragma once

#include "base/FileChooser.h"

#include <QList>
#include <QString>

namespace qv::test {

/// File chooser double: returns prepared paths, records each call. A cancel is scripted too
/// (expectCancel); a chooser opened with nothing prepared, and paths still prepared when the
/// double is destroyed, fail the running test.
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

    FakeFileChooser() = default;
    FakeFileChooser(const FakeFileChooser &) = delete;
    FakeFileChooser &operator=(const FakeFileChooser &) = delete;
    ~FakeFileChooser() override;

    void expectPath(const QString &path) { m_paths.append(path); }
    /// The person closes the next chooser without choosing.
    void expectCancel() { m_paths.append(QString()); }
    const QList<Call> &calls() const { return m_calls; }

    QString openFile(const QString &title, const QString &start, const QString &filter) override;
    QString saveFile(const QString &title, const QString &start, const QString &filter) override;
    QString folder(const QString &title, const QString &start) override;

private:
    QString next(Call call);

    QList<QString> m_paths;
    QList<Call> m_calls;
};

} // namespace qv::test
