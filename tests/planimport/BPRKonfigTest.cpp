#include "planimport/TBPRKonfig.h"

#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <QtEndian>

using namespace qv;

namespace {

// One 52-byte record from the documented offsets.
QByteArray record(const QByteArray &name, qint32 drehung, bool x, bool y, bool fba, qint32 kolli, qint32 blende)
{
    QByteArray r(52, '\0');
    r[0] = char(name.size());
    std::copy(name.begin(), name.end(), r.begin() + 1);
    qToLittleEndian<qint32>(drehung, r.data() + 36);
    r[40] = x;
    r[41] = y;
    r[42] = fba;
    qToLittleEndian<qint32>(kolli, r.data() + 44);
    qToLittleEndian<qint32>(blende, r.data() + 48);
    return r;
}

} // namespace

TEST(BPRKonfig, SixRecordsOf52Bytes)
{
    const QByteArray bytes = record("Linac 1", 90, true, false, false, -5, 0) + record("none", 0, false, false, false, 0, 0) +
                             record("K\xf6ln 2", -180, false, true, true, 0, 270) + record("none", 0, false, false, false, 0, 0) +
                             record("Linac 4", 0, false, false, false, 0, 0) + record("none", 7, true, true, true, 1, 1);
    ASSERT_EQ(bytes.size(), 312);
    qv::test::TempProgramFolder ordner;
    const auto k = BPRKonfigLesen(ordner.write(QStringLiteral("BPRKonfig.cfg"), bytes));
    ASSERT_TRUE(k.ok()) << k.error().toStdString();
    EXPECT_EQ((*k)[0], (TBPRKonfig{QStringLiteral("Linac 1"), 90, true, false, false, -5, 0}));
    EXPECT_EQ((*k)[2], (TBPRKonfig{QStringLiteral("Köln 2"), -180, false, true, true, 0, 270}));
    EXPECT_TRUE((*k)[5].Unbenutzt());
    // List positions map to the records that are in use, gaps skipped.
    EXPECT_EQ(BPRKonfigAuswahl(*k), (QList<int>{0, 2, 4}));
    EXPECT_EQ(BPRKonfigBytes(*k), bytes);

    const TBPRKonfigurationen standard = BPRKonfigStandard();
    EXPECT_EQ(standard[0].Beschreibung, QStringLiteral("Linac 1"));
    EXPECT_EQ(BPRKonfigAuswahl(standard), QList<int>{0});
    EXPECT_EQ(BPRKonfigBytes(standard).size(), 312);

    for (const QByteArray &falsch : {bytes.left(311), bytes + '\0', QByteArray()}) {
        const QString pfad = ordner.write(QStringLiteral("kurz.cfg"), falsch);
        const auto r = BPRKonfigLesen(pfad);
        ASSERT_FALSE(r.ok());
        EXPECT_TRUE(r.error().startsWith(QStringLiteral("Das BPR-Konfigfile (%1) kann nicht gelesen werden.").arg(pfad)));
    }
    EXPECT_FALSE(BPRKonfigLesen(ordner.path()).ok());
}
