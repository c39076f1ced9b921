#include "base/image/BmpEncoder.h"
#include "base/image/ImageIO.h"
#include "workspace/TBilddrehung.h"

#include "support/CliRun.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <QtEndian>

using namespace qv;
using test::CliRun;

namespace {

QImage pattern(int w, int h)
{
    QImage b(w, h, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.setPixel(x, y, qRgb((x * 7) & 255, (y * 13) & 255, (x + y) & 255));
    return b;
}

CliRun turnImage(const QStringList &args)
{
    return test::runCli(QStringList{QStringLiteral("bild-drehen")} + args);
}

} // namespace

TEST(BmpEncoder, BottomUpRowsPaddedToFourBytes)
{
    QImage b(3, 2, QImage::Format_RGB888);
    b.setPixel(0, 0, qRgb(1, 2, 3));
    b.setPixel(2, 1, qRgb(4, 5, 6));
    const QByteArray bmp = encodeBmp24(b);
    const auto *p = reinterpret_cast<const uchar *>(bmp.constData());
    ASSERT_EQ(bmp.size(), 54 + 2 * 12); // 9 bytes of pixels padded to 12 per row
    EXPECT_EQ(bmp.left(2), QByteArray("BM"));
    EXPECT_EQ(qFromLittleEndian<quint32>(p + 2), 78u);
    EXPECT_EQ(qFromLittleEndian<quint32>(p + 10), 54u);
    EXPECT_EQ(qFromLittleEndian<qint32>(p + 18), 3);
    EXPECT_EQ(qFromLittleEndian<qint32>(p + 22), 2);
    EXPECT_EQ(qFromLittleEndian<quint16>(p + 28), 24);
    // First stored row is the bottom one; pixels are blue, green, red.
    EXPECT_EQ(bmp.mid(54 + 6, 3), QByteArray("\x06\x05\x04", 3));
    EXPECT_EQ(bmp.mid(54 + 12, 3), QByteArray("\x03\x02\x01", 3));
    EXPECT_EQ(bmp.mid(54 + 9, 3), QByteArray(3, '\0'));
    EXPECT_EQ(QImage::fromData(bmp, "BMP").convertToFormat(QImage::Format_RGB888), b);
    // and back through the program's own reader
    const Result<QImage> gelesen = decodeBmp(bmp);
    ASSERT_TRUE(gelesen.ok());
    EXPECT_EQ(gelesen.value().convertToFormat(QImage::Format_RGB888), b);
}

TEST(BmpEncoder, FileWrittenInPiecesHoldsTheEncodedBytesInEitherByteOrder)
{
    // 1001 x 700: rows need padding, and the file spans several pieces.
    const QImage b = pattern(1001, 700);
    const QByteArray erwartet = encodeBmp24(b);
    test::TempProgramFolder dir;
    for (const QImage &bild : {b, b.convertToFormat(QImage::Format_BGR888), b.convertToFormat(QImage::Format_RGB32)}) {
        SCOPED_TRACE(int(bild.format()));
        EXPECT_EQ(encodeBmp24(bild), erwartet);
        const QString pfad = dir.file(QStringLiteral("aus.bmp"));
        ASSERT_TRUE(writeBmp24(bild, pfad).ok());
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_TRUE(f.readAll() == erwartet);
    }
    EXPECT_FALSE(writeBmp24(QImage(), dir.file(QStringLiteral("leer.bmp"))).ok());
}

TEST(BildDrehenCli, TurnsBmpIntoBmpAndPng)
{
    test::TempProgramFolder dir;
    const QImage quelle = pattern(41, 29);
    const QString ein = dir.write(QStringLiteral("ein.bmp"), encodeBmp24(quelle));

    const QImage erwartet = Gedreht(quelle, 17);
    ASSERT_EQ(turnImage({ein, dir.file(QStringLiteral("aus.bmp")), QStringLiteral("17")}).exitCode, 0);
    EXPECT_EQ(QImage(dir.file(QStringLiteral("aus.bmp"))).convertToFormat(QImage::Format_RGB888), erwartet);

    ASSERT_EQ(turnImage({ein, dir.file(QStringLiteral("aus.png")), QStringLiteral("-12.5")}).exitCode, 0);
    EXPECT_EQ(QImage(dir.file(QStringLiteral("aus.png"))).convertToFormat(QImage::Format_RGB888), Gedreht(quelle, -12.5));
}

TEST(BildDrehenCli, RefusesBadArgumentsAndUnreadableImages)
{
    test::TempProgramFolder dir;
    EXPECT_EQ(turnImage({QStringLiteral("a.bmp"), QStringLiteral("b.bmp")}).exitCode, 2);
    EXPECT_EQ(turnImage({QStringLiteral("a.bmp"), QStringLiteral("b.bmp"), QStringLiteral("zehn")}).exitCode, 2);

    const QString kaputt = dir.write(QStringLiteral("kaputt.bmp"), QByteArray("BM\x10\x00", 4));
    const CliRun l = turnImage({kaputt, dir.file(QStringLiteral("aus.bmp")), QStringLiteral("10")});
    EXPECT_EQ(l.exitCode, 1);
    EXPECT_TRUE(l.errText().contains(u"Das Bild konnte nicht einlgelesen werden.")) << l.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("aus.bmp"))));
}
