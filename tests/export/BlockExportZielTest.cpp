#include "export/BlockExportZiel.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qv;

TEST(BlockExportZiel, FirstFreeNumberInTheDatedFolder)
{
    QSet<QString> vorhanden;
    auto existiert = [&](const QString &p) { return vorhanden.contains(p); };
    const QDate tag(2026, 3, 7);
    const auto erstes = AutomatischesBlockZiel(QStringLiteral("/archiv/Kunden"), QStringLiteral("UKF"), QStringLiteral("PAT 7"),
                                               tag, existiert);
    ASSERT_TRUE(erstes);
    EXPECT_EQ(*erstes, u"/archiv/Kunden/UKF/Offline/2026/03/07/PAT 7_1.cif");
    vorhanden.insert(*erstes);
    EXPECT_EQ(AutomatischesBlockZiel(QStringLiteral("/archiv/Kunden/"), QStringLiteral("UKF"), QStringLiteral("PAT 7"), tag,
                                     existiert),
              u"/archiv/Kunden/UKF/Offline/2026/03/07/PAT 7_2.cif");
}

TEST(BlockExportZiel, NamesThatCannotNameTheTarget)
{
    auto nie = [](const QString &) { return false; };
    for (const QString &id : {QString(), QStringLiteral("."), QStringLiteral(".."), QStringLiteral("../x"),
                              QStringLiteral("a\\b"), QStringLiteral("a/b"), QStringLiteral("a\nb"), QStringLiteral("a\tb"),
                              QString(QChar(0x85))}) {
        EXPECT_FALSE(AutomatischesBlockZiel(QStringLiteral("/k"), QStringLiteral("UKF"), id, QDate(2026, 1, 1), nie))
            << id.toStdString();
        EXPECT_FALSE(AutomatischesBlockZiel(QStringLiteral("/k"), id, QStringLiteral("P1"), QDate(2026, 1, 1), nie))
            << id.toStdString();
    }
    EXPECT_TRUE(AutomatischesBlockZiel(QStringLiteral("/k"), QStringLiteral("U.K"), QStringLiteral("..P1"), QDate(2026, 1, 1), nie));

    EXPECT_TRUE(KundeErkannt(QStringLiteral("UKF12")));
    EXPECT_FALSE(KundeErkannt(QStringLiteral("UKF123")));
    EXPECT_FALSE(KundeErkannt(QStringLiteral("Keinen Kunden für die PLZ 79106 gefunden.")));
}

TEST(BlockExportZiel, MarkingAsExported)
{
    QTemporaryDir dir;
    auto anlegen = [&](const QString &name) {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        return f.fileName();
    };
    const QString auftrag = anlegen(QStringLiteral("20260307_101500.ORv"));
    const Result<QString> neu = AlsExportiertMarkieren(auftrag);
    ASSERT_TRUE(neu.ok()) << neu.error().toStdString();
    EXPECT_EQ(*neu, dir.filePath(QStringLiteral("_b_20260307_101500.ORv")));
    EXPECT_TRUE(QFile::exists(*neu));
    EXPECT_FALSE(QFile::exists(auftrag));

    // Never twice, whatever the case of the marker.
    for (const QString &name : {QStringLiteral("_b_a.ORv"), QStringLiteral("_B_b.ORv")}) {
        const QString pfad = anlegen(name);
        EXPECT_EQ(AlsExportiertMarkieren(pfad).value(), pfad);
        EXPECT_TRUE(QFile::exists(pfad));
    }
    EXPECT_EQ(AlsExportiertMarkieren(QString()).value(), QString());
    const QString fehlt = dir.filePath(QStringLiteral("fehlt.ORv"));
    const Result<QString> nichtDa = AlsExportiertMarkieren(fehlt);
    ASSERT_FALSE(nichtDa.ok());
    EXPECT_EQ(nichtDa.error(), QStringLiteral("Die Datei \"%1\" konnte nicht umbenannt werden: Die Datei oder der Ordner "
                                              "wurde nicht gefunden.")
                                   .arg(fehlt));
    EXPECT_FALSE(IstAlsExportiertMarkiert(QStringLiteral("/a/_b_/x.ORv")));
    EXPECT_TRUE(IstAlsExportiertMarkiert(QStringLiteral("/a/x/_b_y.orv")));
}
