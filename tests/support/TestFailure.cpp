#include "support/TestFailure.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace qv::test {

namespace {

bool inGoogleTest()
{
    return ::testing::UnitTest::GetInstance()->current_test_info() != nullptr;
}

bool inQtTest()
{
    return QTest::currentTestFunction() != nullptr;
}

} // namespace

void failCurrentTest(const QString &what)
{
    const QByteArray text = what.toUtf8();
    if (inGoogleTest()) {
        ADD_FAILURE() << text.constData();
    } else if (inQtTest()) {
        QTest::qFail(text.constData(), __FILE__, __LINE__);
    } else {
        std::fprintf(stderr, "test double outside a running test: %s\n", text.constData());
        std::fflush(stderr);
        std::abort();
    }
}

bool currentTestFailed()
{
    if (inGoogleTest())
        return ::testing::Test::HasFailure();
    if (inQtTest())
        return QTest::currentTestFailed();
    return false;
}

} // namespace qv::test
