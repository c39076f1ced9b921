#include "export/ExportLAPDatei.h"

#include "base/Numbers.h"
#include "export/ExportBlockDatei.h"

namespace qv {

namespace {

// Whole millimetres of the picture plane, written as "12.00".
QString mmText(qint32 v, double pixelProMM)
{
    const qint64 mm = pixelProMM == 0.0 ? 0 : roundHalfEven(double(v) / pixelProMM);
    return QString::number(mm) + QStringLiteral(".00");
}

} // namespace

QByteArray LAPDateiInhalt(const ExportQuelle &quelle)
{
    QByteArray text = "LAYER START\r\nSTART PLY A9988770\r\nC 1\r\n";
    for (const QList<QPoint> &kontur : quelle.Konturen) {
        text += "P " + QByteArray::number(kontur.size() - 1) + "\r\n";
        for (QPoint p : kontur)
            text += (mmText(p.x(), quelle.PixelProMM) + u' ' + mmText(p.y(), quelle.PixelProMM) + QStringLiteral(" 0\r\n"))
                        .toLatin1();
    }
    text += "END PLY A9988770\r\nLAYER END\r\n";
    return text;
}

Result<void> ExportLAPDatei(const ExportQuelle &quelle, const QString &fileName)
{
    return ProduktionsDateiSchreiben(fileName, LAPDateiInhalt(quelle));
}

} // namespace qv
