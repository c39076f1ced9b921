#include "cli/CliCommand.h"
#include "cli/CliStruktur.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <charconv>
#include <cmath>

namespace qv::cli {

namespace {

const char *const kAufruf = "Aufruf: quellvantar-cli struktur PLAN.dcm BEAMINDEX STRUKTURSET.dcm ROINAME [--rand MM]\n";

QByteArray text(const QString &s)
{
    // The escaping of Qt's writer, without the brackets around the one-element array.
    const QByteArray a = QJsonDocument(QJsonArray{s}).toJson(QJsonDocument::Compact);
    return a.mid(1, a.size() - 2);
}

// The shortest decimal that reads back to the same double.
QByteArray zahl(double v)
{
    if (!std::isfinite(v))
        return "null";
    char puffer[32];
    const auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, v);
    if (ec != std::errc())
        return "null";
    return QByteArray(puffer, ende - puffer);
}

QByteArray alsJson(const StrukturAufruf &aufruf, const StrukturSchatten &s)
{
    const TStrahlGeometrie &g = s.Strahl;
    QByteArray j = "{\n";
    j += "  \"Plan\": " + text(aufruf.Plan) + ",\n";
    j += "  \"BeamIndex\": " + QByteArray::number(g.BeamIndex) + ",\n";
    j += "  \"BeamNumber\": " + QByteArray::number(g.BeamNumber) + ",\n";
    j += "  \"BeamName\": " + text(g.BeamName) + ",\n";
    j += "  \"Geometrie\": {\n";
    j += "    \"PatientPosition\": " + text(g.PatientPosition) + ",\n";
    j += "    \"GantryAngle\": " + zahl(g.GantryAngle) + ",\n";
    j += "    \"BeamLimitingDeviceAngle\": " + zahl(g.BeamLimitingDeviceAngle) + ",\n";
    j += "    \"PatientSupportAngle\": " + zahl(g.PatientSupportAngle) + ",\n";
    j += "    \"IsocenterPosition\": [" + zahl(g.Isozentrum[0]) + ", " + zahl(g.Isozentrum[1]) + ", " + zahl(g.Isozentrum[2])
         + "],\n";
    j += "    \"SourceAxisDistance\": " + zahl(g.SourceAxisDistance) + "\n";
    j += "  },\n";
    j += "  \"Struktur\": {\n";
    j += "    \"Datei\": " + text(aufruf.Strukturset) + ",\n";
    j += "    \"ROINumber\": " + QByteArray::number(s.ROINumber) + ",\n";
    j += "    \"ROIName\": " + text(s.ROIName) + "\n";
    j += "  },\n";
    j += "  \"Rand\": " + zahl(aufruf.Rand) + ",\n";
    j += "  \"Konturen\": [";
    for (qsizetype k = 0; k < s.Umrisse.Konturen.size(); ++k) {
        j += k == 0 ? "\n    [" : ",\n    [";
        const QList<QPoint> &punkte = s.Umrisse.Konturen[k];
        for (qsizetype i = 0; i < punkte.size(); ++i) {
            if (i > 0)
                j += ", ";
            j += '[' + QByteArray::number(punkte[i].x()) + ", " + QByteArray::number(punkte[i].y()) + ']';
        }
        j += ']';
    }
    j += s.Umrisse.Konturen.isEmpty() ? "]\n" : "\n  ]\n";
    j += "}\n";
    return j;
}

} // namespace

// struktur PLAN.dcm BEAMINDEX STRUKTURSET.dcm ROINAME [--rand MM]: the shadow of an ROI through
// a beam as outlines in the frame of the plan's blocks.
int runStruktur(const QStringList &args, Streams &io)
{
    double rand = 0;
    QStringList positionen;
    StrukturAufruf aufruf;
    if (!RandLesen(args, rand, positionen) || !StrukturAufrufLesen(positionen, rand, aufruf)) {
        io.err << kAufruf;
        return 2;
    }
    const std::optional<StrukturSchatten> schatten = StrukturSchattenBerechnen(aufruf, io);
    if (!schatten)
        return 1;
    io.out << QString::fromUtf8(alsJson(aufruf, *schatten));
    return 0;
}

} // namespace qv::cli
