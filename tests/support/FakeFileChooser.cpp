#include "support/FakeFileChooser.h"

#include "support/TestFailure.h"

#include <QStringList>

namespace qv::test {

FakeFileChooser::~FakeFileChooser()
{
    if (!m_paths.isEmpty() && !currentTestFailed()) {
        QStringList shown;
        for (const QString &p : m_paths)
            shown.append(p.isEmpty() ? QStringLiteral("(cancel)") : p);
        failCurrentTest(QStringLiteral("FakeFileChooser: %1 prepared choice(s) never asked for: %2")
                            .arg(m_paths.size())
                            .arg(shown.join(QStringLiteral(", "))));
    }
}

QString FakeFileChooser::openFile(const QString &title, const QString &start, const QString &filter)
{
    return next({QStringLiteral("open"), title, start, filter});
}

QString FakeFileChooser::saveFile(const QString &title, const QString &start, const QString &filter)
{
    return next({QStringLiteral("save"), title, start, filter});
}

QString FakeFileChooser::folder(const QString &title, const QString &start)
{
    return next({QStringLiteral("folder"), title, start, {}});
}

QString FakeFileChooser::next(Call call)
{
    const QString title = call.title;
    m_calls.append(std::move(call));
    if (m_paths.isEmpty()) {
        failCurrentTest(QStringLiteral("FakeFileChooser: chooser \"%1\" opened with nothing prepared").arg(title));
        return {};
    }
    return m_paths.takeFirst();
}

} // namespace qv::test
