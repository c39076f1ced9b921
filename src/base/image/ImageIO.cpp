#include "base/image/ImageIO.h"

// Placeholder until the decoders land.
namespace qv {

Result<QImage> readTemplateImage(const QString &) { return Error{QStringLiteral("noch nicht verfügbar")}; }
Result<QImage> decodeBmp(QByteArrayView) { return Error{QStringLiteral("noch nicht verfügbar")}; }
Result<QImage> decodeJpeg(QByteArrayView) { return Error{QStringLiteral("noch nicht verfügbar")}; }
Result<QImage> decodePng(QByteArrayView) { return Error{QStringLiteral("noch nicht verfügbar")}; }
QByteArray encodeJpeg(const QImage &, int) { return {}; }

} // namespace qv
