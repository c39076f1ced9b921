// quellvantar-cli vorschau: the order's picture for the file manager, from outside.
#include "base/FileNames.h"
#include "order/OrderDocument.h"
#include "order/OrderFile.h"
#include "order/OrderFixture.h"
#include "support/CliRun.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <unistd.h>
#include <sys/stat.h>

using namespace qv;
using namespace Qt::StringLiterals;
using test::CliRun;
using test::runCli;

namespace {

QString sampleOrder()
{
    return test::buildDir() + u"/Beispielauftrag.ORv"_s;
}

QSize templateSize(const QString &order)
{
    OrderDocument doc;
    EXPECT_EQ(AuftragsdateiLesen(order, doc).status, OrderLoadResult::Geladen);
    return doc.Auftrag.Vorlage.size();
}

int count(const QImage &image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

// The sample order made an electron order with a frame of the shipped configuration.
QString electronOrder(const test::TempProgramFolder &dir)
{
    const CliRun info = runCli({u"info"_s, sampleOrder()});
    EXPECT_EQ(info.exitCode, 0);
    QJsonObject json = info.json();
    json[u"Auftragsart"] = 0;
    QJsonObject daten = json[u"Auftragsdaten"].toObject();
    daten[u"TragplatteRahmen"] = u"Varian_T10"_s;
    daten[u"Modus"] = u"Elektronen"_s;
    json[u"Auftragsdaten"] = daten;
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(QColor(230, 230, 230));
    const QString bild = dir.file(u"bild.png"_s);
    image.save(bild);
    const QString aus = dir.file(u"elektronen.ORv"_s);
    const CliRun r = runCli({u"auftrag-schreiben"_s, dir.write(u"e.json"_s, QJsonDocument(json).toJson()), bild, aus});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return aus;
}

constexpr QRgb kRahmenFarbe = qRgb(207, 218, 255);
constexpr QRgb kLinealGrau = qRgb(128, 128, 128);

} // namespace

TEST(VorschauCli, FitsTheOrderIntoTheSquareWithItsAspect)
{
    test::TempProgramFolder dir;
    const QSize vorlage = templateSize(sampleOrder());
    ASSERT_FALSE(vorlage.isEmpty());
    ASSERT_NE(vorlage.width(), vorlage.height());
    const struct
    {
        QStringList extra;
        int groesse;
    } faelle[] = {{{}, 256}, {{u"64"_s}, 64}, {{u"1000"_s}, 1000}, {{u"1"_s}, 1}};
    for (const auto &fall : faelle) {
        SCOPED_TRACE(fall.groesse);
        const QString aus = dir.file(u"v%1.png"_s.arg(fall.groesse));
        const CliRun r = runCli(QStringList{u"vorschau"_s, sampleOrder(), aus} + fall.extra);
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
        const QImage bild(aus, "PNG");
        ASSERT_FALSE(bild.isNull());
        EXPECT_EQ(std::max(bild.width(), bild.height()), fall.groesse);
        // The aspect of the template, up to the rounding of the shorter edge.
        const double erwartet = double(vorlage.height()) / vorlage.width() * bild.width();
        EXPECT_LE(std::abs(bild.height() - erwartet), 0.5 + 1e-9) << bild.width() << " x " << bild.height();
    }
}

TEST(VorschauCli, ElectronOrdersShowTheirFrameOrdersWithoutTemplateTheRuler)
{
    test::TempProgramFolder dir;
    const QString photonen = dir.file(u"p.png"_s);
    ASSERT_EQ(runCli({u"vorschau"_s, sampleOrder(), photonen}).exitCode, 0);
    EXPECT_EQ(count(QImage(photonen), kRahmenFarbe), 0);

    const QString elektronen = dir.file(u"e.png"_s);
    const CliRun e = runCli({u"vorschau"_s, electronOrder(dir), elektronen, u"512"_s});
    ASSERT_EQ(e.exitCode, 0) << e.err.toStdString();
    EXPECT_GT(count(QImage(elektronen), kRahmenFarbe), 100);

    // No template: the contours on the 40 x 40 cm ruler image, square like it.
    test::FixtureOrder o;
    const QString ohne = dir.write(u"ohne.ORv"_s, test::compressed(test::orderBody(6, o)));
    const QString lineal = dir.file(u"l.png"_s);
    const CliRun l = runCli({u"vorschau"_s, ohne, lineal});
    ASSERT_EQ(l.exitCode, 0) << l.err.toStdString();
    const QImage bild(lineal);
    EXPECT_EQ(bild.size(), QSize(256, 256));
    EXPECT_GT(count(bild, kLinealGrau), 256 * 256 / 2);
}

TEST(VorschauCli, RefusesWhatItCannotReadOrMustNotWrite)
{
    test::TempProgramFolder dir;
    const QByteArray auftrag = [] {
        QFile f(sampleOrder());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    ASSERT_FALSE(auftrag.isEmpty());
    const QString ein = dir.write(u"a.ORv"_s, auftrag);
    const QString aus = dir.file(u"aus.png"_s);

    for (const QStringList &args : QList<QStringList>{{},
                                                      {ein},
                                                      {ein, aus, u"256"_s, u"x"_s},
                                                      {ein, aus, u"0"_s},
                                                      {ein, aus, u"-5"_s},
                                                      {ein, aus, u"zwei"_s},
                                                      {ein, aus, u"4097"_s},
                                                      {ein, aus, u"--gross"_s}}) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        const CliRun r = runCli(QStringList{u"vorschau"_s} + args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.errText().contains(u"Aufruf: quellvantar-cli vorschau AUFTRAG.ORv AUS.png [GROESSE]"))
            << r.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(aus));
    }

    // The same file under other names.
    ASSERT_EQ(::symlink(encodeFileName(ein).constData(), encodeFileName(dir.file(u"verweis.png"_s)).constData()), 0);
    ASSERT_EQ(::link(encodeFileName(ein).constData(), encodeFileName(dir.file(u"hart.png"_s)).constData()), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"ordner"_s));
    const QString fifo = dir.file(u"fifo.png"_s);
    ASSERT_EQ(::mkfifo(encodeFileName(fifo).constData(), 0600), 0);
    const QString vorhanden = dir.write(u"alt.png"_s, "alter Inhalt");
    const QString kaputt = dir.write(u"kaputt.ORv"_s, auftrag.left(auftrag.size() / 2));
    const struct
    {
        QString ein, aus, meldung;
    } fehler[] = {
        {ein, dir.file(u"verweis.png"_s), u"in die Auftragsdatei"_s},
        {ein, dir.file(u"hart.png"_s), u"in die Auftragsdatei"_s},
        {ein, dir.file(u"ordner/../a.ORv"_s), u"in die Auftragsdatei"_s},
        {ein, dir.file(u"ordner"_s), u"konnte nicht geschrieben werden"_s},
        {ein, fifo, u"keine normale Datei"_s},
        {dir.file(u"fehlt.ORv"_s), aus, u"existiert nicht"_s},
        {kaputt, vorhanden, u"konnte nicht geladen werden"_s},
        {dir.file(u"ordner"_s), vorhanden, u"Ordner"_s},
    };
    for (const auto &f : fehler) {
        SCOPED_TRACE((f.ein + u" -> "_s + f.aus).toStdString());
        const CliRun r = runCli({u"vorschau"_s, f.ein, f.aus});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.errText().contains(f.meldung)) << r.err.toStdString();
        EXPECT_EQ(dir.read(u"a.ORv"_s), auftrag);
        EXPECT_EQ(dir.read(u"alt.png"_s), QByteArray("alter Inhalt"));
        EXPECT_FALSE(QFileInfo::exists(aus));
        EXPECT_EQ(QDir(dir.path()).entryList({u"*.tmp"_s, u".*"_s}, QDir::Files | QDir::Hidden).size(), 0);
    }
}
