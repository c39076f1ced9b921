#include "export/ExportLAPDatei.h"

#include "base/Numbers.h"
#include "export/ExportBlockDatei.h"
#include "export/ExportPruefung.h"

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

Result<void> LAPExportMoeglich(const ExportQuelle &quelle)
{
    if (const std::optional<QString> grund = NichtMessbar(quelle))
        return Error{*grund + QStringLiteral(" Die LAP-Datei wird nicht geschrieben.")};
    bool punkte = false;
    for (const QList<QPoint> &kontur : quelle.Konturen)
        punkte = punkte || !kontur.isEmpty();
    if (!punkte)
        return Error{QStringLiteral("Der Auftrag enthält keine Kontur. Die LAP-Datei wird nicht geschrieben.")};
    return {};
}

Result<void> ExportLAPDatei(const ExportQuelle &quelle, const QString &fileName)
{
    if (const Result<void> moeglich = LAPExportMoeglich(quelle); !moeglich)
        return moeglich;
    return ProduktionsDateiSchreiben(fileName, LAPDateiInhalt(quelle));
}

} // namespace qv
