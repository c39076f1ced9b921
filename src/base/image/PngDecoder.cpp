#include "base/image/ImageIO.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <vector>

namespace qv {

namespace {

// Everything with a destructor lives here, outside the frame that calls setjmp, so that a
// longjmp out of libpng never skips a destructor.
struct PngState
{
    QByteArrayView data;
    qsizetype pos = 0;
    QString error;
    QImage image;
    QList<QRgb> colorTable;
    std::vector<png_bytep> rows;
};

void pngError(png_structp png, png_const_charp)
{
    // libpng's own texts are English; the person is told that the file is damaged.
    auto *state = static_cast<PngState *>(png_get_error_ptr(png));
    if (state->error.isEmpty())
        state->error = QStringLiteral("Die PNG-Datei ist beschädigt.");
    png_longjmp(png, 1);
}

void pngWarning(png_structp, png_const_charp) {}

void pngRead(png_structp png, png_bytep out, size_t length)
{
    auto *state = static_cast<PngState *>(png_get_io_ptr(png));
    if (length > size_t(state->data.size() - state->pos)) {
        if (state->error.isEmpty())
            state->error = QStringLiteral("Die PNG-Datei ist unvollständig.");
        png_error(png, "truncated");
    }
    std::memcpy(out, state->data.data() + state->pos, length);
    state->pos += qsizetype(length);
}

// Only plain locals here: the error handler returns to the setjmp below.
bool decodeInto(png_structp png, png_infop info, PngState &state)
{
    if (setjmp(png_jmpbuf(png)))
        return false;

    png_set_read_fn(png, &state, pngRead);
    png_set_user_limits(png, 1'000'000, 1'000'000);
    png_set_chunk_malloc_max(png, 64 * 1024 * 1024);
    png_read_info(png, info);

    png_uint_32 width = 0, height = 0;
    int bitDepth = 0, colorType = 0, interlace = 0;
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colorType, &interlace, nullptr, nullptr);
    if (!imageSizeAllowed(width, height)) {
        state.error = imageTooLargeText(width, height);
        return false;
    }

    QImage::Format format;
    if (colorType == PNG_COLOR_TYPE_PALETTE) {
        // Palette images keep their palette: one byte per pixel, colours from PLTE (+ tRNS).
        png_set_packing(png);
        png_colorp palette = nullptr;
        int paletteSize = 0;
        png_get_PLTE(png, info, &palette, &paletteSize);
        png_bytep alpha = nullptr;
        int alphaCount = 0;
        png_get_tRNS(png, info, &alpha, &alphaCount, nullptr);
        // Indexes beyond the palette show black rather than reading past the table.
        state.colorTable.fill(qRgb(0, 0, 0), 256);
        for (int i = 0; i < paletteSize && i < 256; ++i)
            state.colorTable[i] = qRgba(palette[i].red, palette[i].green, palette[i].blue,
                                        i < alphaCount ? alpha[i] : 255);
        format = QImage::Format_Indexed8;
    } else {
        png_set_expand(png);
        png_set_strip_16(png);
        png_set_gray_to_rgb(png);
        png_set_bgr(png);
        const bool hasAlpha = (colorType & PNG_COLOR_MASK_ALPHA) || png_get_valid(png, info, PNG_INFO_tRNS);
        if (!(colorType & PNG_COLOR_MASK_ALPHA))
            png_set_filler(png, 0xff, PNG_FILLER_AFTER);
        format = hasAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, info);

    const size_t rowBytes = png_get_rowbytes(png, info);
    state.image = QImage(int(width), int(height), format);
    if (state.image.isNull()) {
        state.error = QStringLiteral("Nicht genug Speicher für ein Bild von %1 × %2 Pixeln").arg(width).arg(height);
        return false;
    }
    if (rowBytes > size_t(state.image.bytesPerLine())) {
        state.error = QStringLiteral("Unerwartetes Pixelformat der PNG-Datei");
        return false;
    }
    if (format == QImage::Format_Indexed8)
        state.image.setColorTable(state.colorTable);
    state.rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y)
        state.rows[y] = state.image.scanLine(int(y));
    png_read_image(png, state.rows.data());
    // Reads up to IEND, so a file cut after the pixel data is still noticed.
    png_read_end(png, nullptr);
    return true;
}

} // namespace

Result<QImage> decodePng(QByteArrayView bytes)
{
    if (bytes.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0, 8) != 0)
        return Error{QStringLiteral("Keine PNG-Datei")};
    PngState state;
    state.data = bytes;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state, pngError, pngWarning);
    if (!png)
        return Error{QStringLiteral("PNG-Decoder nicht verfügbar")};
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return Error{QStringLiteral("PNG-Decoder nicht verfügbar")};
    }
    const bool ok = decodeInto(png, info, state);
    png_destroy_read_struct(&png, &info, nullptr);
    if (!ok)
        return Error{state.error};
    return std::move(state.image);
}

} // namespace qv
