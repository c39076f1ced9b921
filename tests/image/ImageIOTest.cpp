#include "base/image/ImageIO.h"

#include "image/BmpFixture.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <vector>

using namespace qv;
using qv::test::makeBmp;

namespace {

// 5 × 3 with distinct colours, so row order, column order and padding all show.
QImage paletteImage(int colors)
{
    QImage img(5, 3, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < colors; ++i)
        table.append(qRgb(i * 37 % 256, 255 - i * 11 % 256, i * 5 % 256));
    img.setColorTable(table);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            img.setPixel(x, y, uint((x + 5 * y) % colors));
    return img;
}

QImage colourImage(int w = 5, int h = 3)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(x * 40 % 256, y * 90 % 256, (x * y * 13 + 7) % 256));
    return img;
}

void expectSamePixels(const QImage &actual, const QImage &expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            ASSERT_EQ(actual.pixel(x, y), expected.pixel(x, y)) << "at " << x << "," << y;
}

void put32be(QByteArray &b, quint32 v)
{
    for (int i = 3; i >= 0; --i)
        b.append(char((v >> (8 * i)) & 0xFF));
}

void pngChunk(QByteArray &out, const char *type, const QByteArray &data)
{
    put32be(out, quint32(data.size()));
    QByteArray body = QByteArray(type) + data;
    out.append(body);
    put32be(out, quint32(crc32(0, reinterpret_cast<const Bytef *>(body.data()), uInt(body.size()))));
}

// A PNG written with libpng itself: any colour type and bit depth.
QByteArray writePng(int w, int h, int colorType, int bitDepth, const std::vector<png_byte> &pixels,
                    const std::vector<png_color> &palette = {})
{
    QByteArray out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, size_t n) {
            static_cast<QByteArray *>(png_get_io_ptr(p))->append(reinterpret_cast<const char *>(data), qsizetype(n));
        },
        nullptr);
    png_set_IHDR(png, info, png_uint_32(w), png_uint_32(h), bitDepth, colorType, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!palette.empty())
        png_set_PLTE(png, info, palette.data(), int(palette.size()));
    png_write_info(png, info);
    const size_t rowBytes = pixels.size() / size_t(h);
    for (int y = 0; y < h; ++y)
        png_write_row(png, pixels.data() + size_t(y) * rowBytes);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

// The same bytes through the reader that works on an open file.
Result<QImage> readBmpFromFile(const QByteArray &bytes)
{
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("bild.bmp")));
    if (!f.open(QIODevice::ReadWrite) || f.write(bytes) != bytes.size())
        return Error{QStringLiteral("Testdatei")};
    return readBmp(f);
}

} // namespace

TEST(BmpDecoder, ReadsEveryDepthInBothRowOrders)
{
    struct Case
    {
        int bpp;
        bool topDown;
    };
    for (const Case c : {Case{1, false}, Case{1, true}, Case{4, false}, Case{4, true}, Case{8, false},
                         Case{8, true}, Case{24, false}, Case{24, true}, Case{32, false}, Case{32, true}}) {
        SCOPED_TRACE(testing::Message() << c.bpp << " bpp, top-down " << c.topDown);
        const QImage source = c.bpp <= 8 ? paletteImage(1 << std::min(c.bpp, 4)) : colourImage();
        const QByteArray bmp = makeBmp(source, c.bpp, c.topDown);
        auto decoded = decodeBmp(bmp);
        ASSERT_TRUE(decoded.ok()) << decoded.error().toStdString();
        expectSamePixels(*decoded, source.convertToFormat(QImage::Format_RGB32));
        auto read = readBmpFromFile(bmp);
        ASSERT_TRUE(read.ok()) << read.error().toStdString();
        EXPECT_EQ(read->format(), c.bpp == 24 ? QImage::Format_BGR888 : decoded->format());
        expectSamePixels(*read, *decoded);
    }
}

TEST(BmpDecoder, ReadsBitfields16AndCoreHeader)
{
    // 2 × 1, 16 bit 5-6-5 with explicit masks after a 40-byte header.
    QByteArray b = QByteArray::fromHex("424d" "4a000000" "00000000" "42000000"
                                       "28000000" "02000000" "01000000" "0100" "1000" "03000000"
                                       "04000000" "00000000" "00000000" "00000000" "00000000"
                                       "00f80000" "e0070000" "1f000000"
                                       "00f8" "1f00"); // red, blue
    auto img = decodeBmp(b);
    ASSERT_TRUE(img.ok()) << img.error().toStdString();
    EXPECT_EQ(img->pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(img->pixel(1, 0), qRgb(0, 0, 255));

    // OS/2 header (12 bytes), 8 bpp, 3-byte colour entries, 1 × 1 bottom-up.
    QByteArray core = QByteArray::fromHex("424d" "00000000" "00000000" "00000000"
                                          "0c000000" "0100" "0100" "0100" "0800");
    for (int i = 0; i < 256; ++i)
        core.append(char(i)).append(char(0)).append(char(255 - i));
    const int offset = int(core.size());
    core.append(QByteArray::fromHex("02000000"));
    core[10] = char(offset & 0xFF);
    core[11] = char(offset >> 8);
    img = decodeBmp(core);
    ASSERT_TRUE(img.ok()) << img.error().toStdString();
    EXPECT_EQ(img->pixel(0, 0), qRgb(253, 0, 2));
}

TEST(BmpDecoder, RefusesDamagedFilesWithAReason)
{
    const QByteArray good = makeBmp(colourImage(), 24);
    auto patched = [&](int offset, QByteArray bytes) {
        QByteArray b = good;
        b.replace(offset, bytes.size(), bytes);
        return b;
    };
    struct Case
    {
        const char *name;
        QByteArray bytes;
        const char *reason;
    };
    const Case cases[] = {
        {"empty", QByteArray(), "Keine BMP"},
        {"not BM", patched(0, "XX"), "Keine BMP"},
        {"pixels cut", good.left(good.size() - 5), "unvollständig"},
        {"header cut", good.left(30), "Kopf"},
        {"header size odd", patched(14, QByteArray::fromHex("0d000000")), "Kopf"},
        {"RLE8", patched(30, QByteArray::fromHex("01000000")), "RLE"},
        {"JPEG inside", patched(30, QByteArray::fromHex("04000000")), "Kompression"},
        {"planes 2", patched(26, QByteArray::fromHex("0200")), "Farbebenen"},
        {"12 bpp", patched(28, QByteArray::fromHex("0c00")), "Bit je Pixel"},
        {"huge", patched(18, QByteArray::fromHex("a0860100a0860100")), "zu groß"},
        {"zero width", patched(18, QByteArray::fromHex("00000000")), "Bildgröße"},
        {"height INT_MIN", patched(22, QByteArray::fromHex("00000080")), "zu groß"},
        {"offset past end", patched(10, QByteArray::fromHex("ffffff00")), "Pixeldaten"},
        {"colour table past end", makeBmp(paletteImage(256), 8).left(300), "Farbtabelle"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        for (const Result<QImage> &img : {decodeBmp(c.bytes), readBmpFromFile(c.bytes)}) {
            ASSERT_FALSE(img.ok());
            EXPECT_TRUE(img.error().contains(QString::fromUtf8(c.reason))) << img.error().toStdString();
        }
    }
}

TEST(BmpDecoder, FileSizeComesFromTheHeader)
{
    QByteArray b = makeBmp(colourImage(), 24);
    EXPECT_EQ(bmpFileSize(b), b.size());
    EXPECT_EQ(bmpFileSize("BM"), 0);
    EXPECT_EQ(bmpFileSize(QByteArray(20, 'x')), 0);
}

TEST(PngDecoder, KeepsThePaletteOfAPalettePng)
{
    std::vector<png_color> palette{{255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    auto img = decodePng(writePng(3, 1, PNG_COLOR_TYPE_PALETTE, 8, {2, 1, 0}, palette));
    ASSERT_TRUE(img.ok()) << img.error().toStdString();
    EXPECT_EQ(img->format(), QImage::Format_Indexed8);
    EXPECT_EQ(img->color(0), qRgb(255, 0, 0));
    EXPECT_EQ(img->pixelIndex(0, 0), 2);
    EXPECT_EQ(img->pixel(0, 0), qRgb(0, 0, 255));
}

TEST(PngDecoder, ReadsSixteenBitGreyAlphaAndColour)
{
    // 16-bit RGB: high bytes count.
    auto rgb16 = decodePng(writePng(1, 1, PNG_COLOR_TYPE_RGB, 16, {0x12, 0x00, 0x80, 0xFF, 0xFF, 0x00}));
    ASSERT_TRUE(rgb16.ok()) << rgb16.error().toStdString();
    EXPECT_EQ(rgb16->pixel(0, 0), qRgb(0x12, 0x80, 0xFF));

    auto greyAlpha = decodePng(writePng(2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {100, 255, 200, 0}));
    ASSERT_TRUE(greyAlpha.ok()) << greyAlpha.error().toStdString();
    EXPECT_EQ(greyAlpha->pixel(0, 0), qRgba(100, 100, 100, 255));
    EXPECT_EQ(qAlpha(greyAlpha->pixel(1, 0)), 0);

    auto grey1 = decodePng(writePng(3, 1, PNG_COLOR_TYPE_GRAY, 1, {0xA0}));
    ASSERT_TRUE(grey1.ok()) << grey1.error().toStdString();
    EXPECT_EQ(grey1->pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(grey1->pixel(1, 0), qRgb(0, 0, 0));
}

TEST(PngDecoder, RefusesTruncatedAndHugeFiles)
{
    const QByteArray good = writePng(5, 3, PNG_COLOR_TYPE_RGB, 8, std::vector<png_byte>(45, 77));
    ASSERT_TRUE(decodePng(good).ok());
    for (qsizetype cut : {qsizetype(8), qsizetype(30), good.size() / 2, good.size() - 13, good.size() - 1}) {
        SCOPED_TRACE(cut);
        EXPECT_FALSE(decodePng(good.left(cut)).ok());
    }

    // 100 000 × 100 000 declared, a few bytes of data: refused before any pixel memory.
    QByteArray huge = QByteArray::fromHex("89504e470d0a1a0a");
    QByteArray ihdr;
    put32be(ihdr, 100000);
    put32be(ihdr, 100000);
    ihdr.append(QByteArray::fromHex("0802000000"));
    pngChunk(huge, "IHDR", ihdr);
    pngChunk(huge, "IDAT", QByteArray::fromHex("789c030000000001"));
    pngChunk(huge, "IEND", {});
    auto img = decodePng(huge);
    ASSERT_FALSE(img.ok());
    EXPECT_TRUE(img.error().contains(u"zu groß")) << img.error().toStdString();
}

TEST(JpegCodec, EncodesBaselineAndDecodesBack)
{
    const QImage source = colourImage(64, 48);
    const QByteArray jpeg = encodeJpeg(source);
    ASSERT_FALSE(jpeg.isEmpty());
    EXPECT_TRUE(jpeg.startsWith("\xFF\xD8"));
    EXPECT_TRUE(jpeg.contains("\xFF\xC0")); // baseline frame
    EXPECT_FALSE(jpeg.contains("\xFF\xC2"));
    auto back = decodeJpeg(jpeg);
    ASSERT_TRUE(back.ok()) << back.error().toStdString();
    ASSERT_EQ(back->size(), source.size());
    int worst = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) {
            const QRgb a = back->pixel(x, y), b = source.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    EXPECT_LT(worst, 40);
    // Palette and grey images are encoded as colour too.
    EXPECT_TRUE(decodeJpeg(encodeJpeg(paletteImage(16))).ok());
    EXPECT_TRUE(encodeJpeg(QImage()).isEmpty());
}

TEST(JpegCodec, RefusesTruncatedHugeAndForeignData)
{
    const QByteArray jpeg = encodeJpeg(colourImage(64, 48));
    EXPECT_FALSE(decodeJpeg(jpeg.left(jpeg.size() / 2)).ok());
    EXPECT_FALSE(decodeJpeg(QByteArray()).ok());
    EXPECT_FALSE(decodeJpeg("not a jpeg at all").ok());

    QByteArray huge = jpeg;
    const qsizetype sof = huge.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    // 20000 × 20000: within the format, far above the pixel limit.
    huge[sof + 5] = char(0x4E);
    huge[sof + 6] = char(0x20);
    huge[sof + 7] = char(0x4E);
    huge[sof + 8] = char(0x20);
    auto img = decodeJpeg(huge);
    ASSERT_FALSE(img.ok());
    EXPECT_TRUE(img.error().contains(u"zu groß")) << img.error().toStdString();
}

TEST(JpegCodec, RefusesDataThatEndEarlyButLoadsOtherWarnings)
{
    // Noise does not compress, so the scan data make up most of the file.
    QImage noise(400, 300, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, qRgb((x * 97 + y * 31) % 256, (x * y) % 251, (x * 13 ^ y * 7) % 256));
    const QByteArray jpeg = encodeJpeg(noise);
    const qsizetype sof = jpeg.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    QByteArray patched = jpeg.left(jpeg.indexOf("\xFF\xDA") + 300) + "\xFF\xD9";
    patched[sof + 5] = char(0x27); // 10 000 × 10 000 with 300 bytes of data
    patched[sof + 6] = char(0x10);
    patched[sof + 7] = char(0x27);
    patched[sof + 8] = char(0x10);
    const QByteArray cut = jpeg.left(jpeg.size() * 2 / 3) + "\xFF\xD9"; // ends with a proper end marker
    for (const QByteArray &bad : {cut, patched}) {
        const auto r = decodeJpeg(bad);
        ASSERT_FALSE(r.ok());
        EXPECT_TRUE(r.error().contains(u"vorzeitig")) << r.error().toStdString();
    }
    // Stray bytes before the end marker are only a warning: the picture is whole.
    QByteArray stray = jpeg;
    stray.insert(stray.size() - 2, "\x00\x00");
    const auto r = decodeJpeg(stray);
    ASSERT_TRUE(r.ok()) << r.error().toStdString();
    EXPECT_EQ(r->size(), QSize(400, 300));
}

TEST(ReadTemplateImage, TypeComesFromTheLastThreeCharacters)
{
    QTemporaryDir dir;
    auto write = [&](const QString &name, const QByteArray &bytes) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };
    const QByteArray jpeg = encodeJpeg(colourImage());
    EXPECT_TRUE(readTemplateImage(write(QStringLiteral("a.JpG"), jpeg)).ok());
    EXPECT_FALSE(readTemplateImage(write(QStringLiteral("a.jpeg"), jpeg)).ok());
    EXPECT_TRUE(readTemplateImage(write(QStringLiteral("b.bmp"), makeBmp(colourImage(), 24))).ok());
    EXPECT_TRUE(readTemplateImage(write(QStringLiteral("c.png"),
                                        writePng(1, 1, PNG_COLOR_TYPE_RGB, 8, {1, 2, 3})))
                    .ok());
    // The content must match the name: a JPEG called .png is refused.
    EXPECT_FALSE(readTemplateImage(write(QStringLiteral("d.png"), jpeg)).ok());
    auto missing = readTemplateImage(dir.filePath(QStringLiteral("fehlt.jpg")));
    ASSERT_FALSE(missing.ok());
    EXPECT_FALSE(missing.error().isEmpty());
}

TEST(ReadTemplateImage, ComesAs24BitWithBmpRowsInTheirFileOrder)
{
    QTemporaryDir dir;
    auto write = [&](const QString &name, const QByteArray &bytes) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };
    // 2100 x 1500 is large enough for the huge-page memory; odd widths show the row padding.
    struct Case
    {
        QString name;
        QByteArray bytes;
        QImage expected;
        QImage::Format format;
    };
    const QImage gross = colourImage(2100, 1500);
    const Case cases[] = {
        {QStringLiteral("klein.BMP"), makeBmp(colourImage(7, 3), 24, true), colourImage(7, 3), QImage::Format_BGR888},
        {QStringLiteral("gross.bmp"), makeBmp(gross, 24), gross, QImage::Format_BGR888},
        {QStringLiteral("palette.bmp"), makeBmp(paletteImage(16), 4), paletteImage(16), QImage::Format_RGB888},
        {QStringLiteral("farbe.jpg"), encodeJpeg(colourImage()), *decodeJpeg(encodeJpeg(colourImage())),
         QImage::Format_RGB888},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const auto img = readTemplateImage24(write(c.name, c.bytes));
        ASSERT_TRUE(img.ok()) << img.error().toStdString();
        EXPECT_EQ(img->format(), c.format);
        expectSamePixels(*img, c.expected);
    }

    // Errors read as those of readTemplateImage: the file named, then the reason.
    for (const QString &name : {QStringLiteral("kurz.bmp"), QStringLiteral("fehlt.bmp")}) {
        const QString path = name == u"kurz.bmp" ? write(name, makeBmp(colourImage(), 24).left(60)) : dir.filePath(name);
        const auto img = readTemplateImage24(path);
        ASSERT_FALSE(img.ok());
        EXPECT_EQ(img.error(), readTemplateImage(path).error());
    }
}
