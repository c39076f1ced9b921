#pragma once

#include <QString>

namespace qv::test {

/// Fails the running test, whichever framework runs it: a GoogleTest case gets a non-fatal
/// failure, a Qt Test function is marked failed. Outside any running test (a double destroyed
/// after the last test) the message goes to stderr and the process aborts, so the run still fails.
void failCurrentTest(const QString &what);

/// Whether the running test has already failed; a double then keeps quiet about what is
/// merely a consequence (answers left because an earlier check ended the test).
bool currentTestFailed();

} // namespace qv::test
