// Build tool: makes the sample order's input from its description. Writes the order JSON with
// the demonstration customer's data in it, and draws the screenshot it was traced on (a planning
// view: field, target volume, the block outlines, a scale bar), all from the same coordinates.
//
//   qv_beispiel_zeichnen AUFTRAG.json DemoKunde.json AUS.json AUS.png
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

constexpr int kBreite = 800;
constexpr int kHoehe = 600;

QJsonObject lesen(const QString &pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(f.readAll()).object();
}

// Workspace coordinates (origin at the isocentre in the image centre, y upward) to image pixels.
QPointF bildPunkt(const QJsonValue &p)
{
    const QJsonArray a = p.toArray();
    return {kBreite / 2.0 + a.at(0).toDouble(), kHoehe / 2.0 - a.at(1).toDouble()};
}

QImage zeichnen(const QJsonObject &auftrag)
{
    QImage bild(kBreite, kHoehe, QImage::Format_RGB32);
    bild.fill(QColor(24, 28, 36));
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);

    // A faint body outline and the target volume.
    p.setPen(QPen(QColor(90, 110, 130), 2));
    p.drawEllipse(QPointF(kBreite / 2.0, kHoehe / 2.0), 300, 230);
    p.setPen(QPen(QColor(230, 70, 70), 2));
    p.drawEllipse(QPointF(kBreite / 2.0 + 10, kHoehe / 2.0 + 5), 55, 42);

    // The field.
    p.setPen(QPen(QColor(90, 180, 255), 2, Qt::DashLine));
    p.drawRect(QRectF(bildPunkt(auftrag[u"FeldEcke1"].toArray()), bildPunkt(auftrag[u"FeldEcke2"].toArray())));

    // The block outlines as the planning system shows them.
    p.setPen(QPen(QColor(240, 210, 90), 2));
    for (const QJsonValue &k : auftrag[u"Konturen"].toArray()) {
        QPainterPath pfad;
        const QJsonArray punkte = k.toObject()[u"Punkte"].toArray();
        for (qsizetype i = 0; i < punkte.size(); ++i) {
            if (i == 0)
                pfad.moveTo(bildPunkt(punkte.at(i)));
            else
                pfad.lineTo(bildPunkt(punkte.at(i)));
        }
        p.drawPath(pfad);
    }

    // Crosshair on the isocentre.
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(QPointF(kBreite / 2.0 - 12, kHoehe / 2.0), QPointF(kBreite / 2.0 + 12, kHoehe / 2.0));
    p.drawLine(QPointF(kBreite / 2.0, kHoehe / 2.0 - 12), QPointF(kBreite / 2.0, kHoehe / 2.0 + 12));

    // Scale bar between the two scale points, with its length.
    const QPointF a = bildPunkt(auftrag[u"MassstabPunkt1"]);
    const QPointF b = bildPunkt(auftrag[u"MassstabPunkt2"]);
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(a, b);
    p.drawLine(a - QPointF(0, 8), a + QPointF(0, 8));
    p.drawLine(b - QPointF(0, 8), b + QPointF(0, 8));
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setPixelSize(14);
    p.setFont(schrift);
    const int mm = auftrag[u"MassstabAbstand"].toInt();
    p.drawText(QRectF(a.x(), a.y() + 10, b.x() - a.x(), 20), Qt::AlignCenter, QStringLiteral("%1 cm").arg(mm / 10));
    p.setPen(QColor(200, 200, 200));
    p.drawText(QPointF(12, 22), QStringLiteral("Beispiel - keine Patientendaten"));
    p.drawText(QPointF(12, 42), QStringLiteral("Feld 1   Gantry 0   Kollimator 0"));
    return bild;
}

} // namespace

int main(int argc, char *argv[])
{
    // Text needs the font database of a GUI application; nothing is shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 5) {
        std::fputs("Aufruf: qv_beispiel_zeichnen AUFTRAG.json DemoKunde.json AUS.json AUS.png\n", stderr);
        return 2;
    }
    QJsonObject auftrag = lesen(QString::fromLocal8Bit(argv[1]));
    const QJsonObject kunde = lesen(QString::fromLocal8Bit(argv[2]));
    if (auftrag.isEmpty() || kunde.isEmpty()) {
        std::fputs("Die Beschreibung des Beispielauftrags oder des Demokunden fehlt.\n", stderr);
        return 1;
    }
    auftrag[u"Kundendaten"] = kunde;
    QFile aus(QString::fromLocal8Bit(argv[3]));
    if (!aus.open(QIODevice::WriteOnly) || aus.write(QJsonDocument(auftrag).toJson()) < 0 || !aus.flush()) {
        std::fputs("Die Auftragsbeschreibung konnte nicht geschrieben werden.\n", stderr);
        return 1;
    }
    if (!zeichnen(auftrag).save(QString::fromLocal8Bit(argv[4]), "PNG")) {
        std::fputs("Das Beispielbild konnte nicht geschrieben werden.\n", stderr);
        return 1;
    }
    return 0;
}
