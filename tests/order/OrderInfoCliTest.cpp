#include "base/image/ImageIO.h"
#include "image/BmpFixture.h"
#include "order/OrderFixture.h"
#include "support/CliRun.h"
#include "support/TempProgramFolder.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace qv::test;
using namespace Qt::StringLiterals;

namespace {

CliRun info(const QString &file)
{
    return runCli({u"info"_s, file});
}

} // namespace

TEST(OrderInfoCli, PrintsEveryVersionAsJson)
{
    TempProgramFolder dir;
    const QStringList allKeys{u"Auftragsart"_s, u"Auftragsdaten"_s, u"Bild"_s, u"Einschubrichtung"_s, u"FeldEcke1"_s, u"FeldEcke2"_s,
                              u"GeladeneVersion"_s, u"Isozentrum"_s, u"Konturen"_s, u"Kundendaten"_s, u"MassstabAbstand"_s,
                              u"MassstabPunkt1"_s, u"MassstabPunkt2"_s, u"PixelProMM"_s, u"Version"_s};
    for (int version = 1; version <= 6; ++version) {
        SCOPED_TRACE(testing::Message() << "version " << version);
        FixtureOrder o;
        QImage picture(31, 17, QImage::Format_RGB32);
        picture.fill(qRgb(10, 200, 30));
        o.image = version <= 4 ? makeBmp(picture, 24) : qv::encodeJpeg(picture);
        const CliRun run = info(dir.write(QStringLiteral("v%1.ORv").arg(version), compressed(orderBody(version, o))));
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        QJsonParseError error;
        const QJsonObject json = QJsonDocument::fromJson(run.out, &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError);
        EXPECT_EQ(json.keys(), allKeys);
        EXPECT_EQ(json[u"Version"].toInt(), version);
        EXPECT_EQ(json[u"GeladeneVersion"].toString(), version == 1 ? u"< V1_10" : u"V1.45");
        EXPECT_EQ(json[u"Isozentrum"].toArray(), (QJsonArray{12, -34}));
        const QJsonArray konturen = json[u"Konturen"].toArray();
        ASSERT_EQ(konturen.size(), 2);
        EXPECT_EQ(konturen[0].toObject(),
                  (QJsonObject{{u"Nummer"_s, 1},
                               {u"Geschlossen"_s, true},
                               {u"Punkte"_s, QJsonArray{QJsonArray{0, 0}, QJsonArray{100, 0}, QJsonArray{100, 100},
                                                     QJsonArray{0, 100}, QJsonArray{0, 0}}}}));
        EXPECT_EQ(konturen[1].toObject()[u"Geschlossen"].toBool(), false);
        EXPECT_EQ(json[u"MassstabAbstand"].toInt(), 200);
        EXPECT_DOUBLE_EQ(json[u"PixelProMM"].toDouble(), 3.0);
        EXPECT_EQ(json[u"FeldEcke1"].toArray(), (QJsonArray{-50, -60}));
        EXPECT_EQ(json[u"Einschubrichtung"].toInt(), 3);
        const QJsonObject a = json[u"Auftragsdaten"].toObject();
        EXPECT_EQ(a.size(), 20); // every field of the record
        EXPECT_EQ(a[u"Gueltig"], QJsonValue(true));
        EXPECT_DOUBLE_EQ(a[u"Datum"].toDouble(), 45123.75);
        EXPECT_EQ(a[u"Modus"].toString(), u"Photonen (Blöcke)");
        EXPECT_EQ(a[u"Legierung"].toString(), version == 1 ? u"Leihgabe von Zarn e.K." : u"zurück an Kunden");
        EXPECT_TRUE(json[u"Kundendaten"].isObject());
        EXPECT_EQ(json[u"Auftragsart"], version >= 3 ? QJsonValue(1) : QJsonValue());
        EXPECT_EQ(json[u"Bild"].toObject(), (QJsonObject{{u"Breite"_s, 31}, {u"Hoehe"_s, 17}}));
    }

}

TEST(OrderInfoCli, UnreadableFilesExitWithOneAndTheReason)
{
    TempProgramFolder dir;
    const QByteArray body = orderBody(6, FixtureOrder{});
    const QString cut = dir.write(QStringLiteral("kaputt.ORv"), compressed(body.left(body.size() / 2)));
    const QString foreign = dir.write(QStringLiteral("fremd.ORv"), "kein Auftrag");
    const QString missing = dir.file(QStringLiteral("fehlt.ORv"));
    for (const QString &file : {cut, foreign, missing}) {
        SCOPED_TRACE(file.toStdString());
        const CliRun run = info(file);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.out.isEmpty());
        const QString err = run.errText();
        EXPECT_TRUE(err.startsWith(QStringLiteral("Die Datei %1 konnte nicht geladen werden\n").arg(file)))
            << err.toStdString();
        EXPECT_GT(err.split(u'\n', Qt::SkipEmptyParts).size(), 1); // the reason follows
    }
    EXPECT_TRUE(info(missing).errText().contains(u"Die Datei existiert nicht."));
    // Named once, in the first line, whatever the reason.
    const QString ordner = info(dir.path()).errText();
    EXPECT_EQ(ordner, QStringLiteral("Die Datei %1 konnte nicht geladen werden\nSie ist keine normale Datei, sondern ein Ordner.\n")
                          .arg(dir.path()));
}

// Files that decompress but are no orders: an unknown version, a block of zeros.
TEST(OrderInfoCli, BodiesThatCannotBeAnOrderAreRefused)
{
    TempProgramFolder dir;
    QByteArray minusSieben = orderBody(6, FixtureOrder{});
    minusSieben.replace(0, 4, QByteArray::fromHex("f9ffffff"));
    const struct
    {
        const char *name;
        QByteArray datei;
        const char *grund;
    } faelle[] = {
        {"v-7.ORv", compressed(minusSieben), "unbekannte Version -7"},
        {"nullen.ORv", compressed(QByteArray(4096, '\0')), "unbekannte Version 0"},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.name);
        const QString datei = dir.write(QString::fromLatin1(f.name), f.datei);
        for (const QStringList &args : {QStringList{u"info"_s, datei}, QStringList{u"export-cif"_s, datei, dir.file(u"a.cif"_s)},
                                        QStringList{u"export-ply"_s, datei, dir.file(u"a.ply"_s)},
                                        QStringList{u"drucken"_s, u"auftrag"_s, datei, dir.file(u"a.pdf"_s)},
                                        QStringList{u"rahmen"_s, datei}}) {
            const CliRun run = runCli(args);
            EXPECT_EQ(run.exitCode, 1) << args.first().toStdString();
            EXPECT_TRUE(run.out.isEmpty());
            EXPECT_TRUE(run.errText().contains(QString::fromUtf8(f.grund))) << run.err.toStdString();
        }
        EXPECT_EQ(QDir(dir.path()).entryList({u"a.*"_s}), QStringList());
    }
}
