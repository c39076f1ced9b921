#include "dicom/DicomUebersichtJson.h"

#include <QFileInfo>

#include <charconv>
#include <cmath>

namespace qv {

QByteArray JsonFloat(float value)
{
    if (!std::isfinite(value))
        return "null";
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec != std::errc())
        return "null";
    return QByteArray(buffer, end - buffer);
}

namespace {

class JsonText
{
public:
    QByteArray bytes;

    void string(const QString &text)
    {
        bytes += '"';
        for (const char c : text.toUtf8()) {
            const auto u = static_cast<unsigned char>(c);
            switch (c) {
            case '"':
                bytes += "\\\"";
                break;
            case '\\':
                bytes += "\\\\";
                break;
            case '\n':
                bytes += "\\n";
                break;
            case '\r':
                bytes += "\\r";
                break;
            case '\t':
                bytes += "\\t";
                break;
            default:
                if (u < 0x20) {
                    static const char hex[] = "0123456789abcdef";
                    bytes += "\\u00";
                    bytes += hex[u >> 4];
                    bytes += hex[u & 15];
                } else {
                    bytes += c;
                }
            }
        }
        bytes += '"';
    }
    void key(const char *name)
    {
        bytes += '"';
        bytes += name;
        bytes += "\": ";
    }
    void number(qint64 v) { bytes += QByteArray::number(v); }
    void point(QPoint p)
    {
        bytes += '[';
        number(p.x());
        bytes += ", ";
        number(p.y());
        bytes += ']';
    }
    void optionalPoint(const std::optional<QPoint> &p)
    {
        if (p)
            point(*p);
        else
            bytes += "null";
    }
    void indent(int level)
    {
        bytes += '\n';
        bytes += QByteArray(2 * level, ' ');
    }
};

void beam(JsonText &j, int level, qsizetype index, const TvelDICOMRTBeamClass &b)
{
    const TvelDICOMControlPointClass *first = b.ControlPoints.isEmpty() ? nullptr : &b.ControlPoints.first();
    j.bytes += '{';
    j.indent(level + 1);
    j.key("Index");
    j.number(index);
    j.bytes += ',';
    j.indent(level + 1);
    j.key("BeamNumber");
    j.number(b.BeamNumber);
    j.bytes += ',';
    j.indent(level + 1);
    j.key("BeamName");
    j.string(b.BeamName);
    j.bytes += ',';
    j.indent(level + 1);
    j.key("BeamDescription");
    j.string(b.BeamDescription);
    j.bytes += ',';
    j.indent(level + 1);
    j.key("GantryAngle");
    j.bytes += first ? JsonFloat(first->GantryAngle) : QByteArray("null");
    j.bytes += ',';
    j.indent(level + 1);
    j.key("BeamLimitingDeviceAngle");
    j.bytes += first ? JsonFloat(first->BeamLimitingDeviceAngle) : QByteArray("null");
    j.bytes += ',';
    j.indent(level + 1);
    j.key("FieldCorner1");
    j.optionalPoint(first ? first->FieldCorner1() : std::nullopt);
    j.bytes += ',';
    j.indent(level + 1);
    j.key("FieldCorner2");
    j.optionalPoint(first ? first->FieldCorner2() : std::nullopt);
    j.bytes += ',';
    j.indent(level + 1);
    j.key("Bloecke");
    j.bytes += '[';
    for (qsizetype k = 0; k < b.Blocks.size(); ++k) {
        const TvelDICOMBlockClass &block = b.Blocks[k];
        j.bytes += k ? "," : "";
        j.indent(level + 2);
        j.bytes += '{';
        j.indent(level + 3);
        j.key("BlockName");
        j.string(block.BlockName);
        j.bytes += ',';
        j.indent(level + 3);
        j.key("BlockType");
        j.string(block.BlockType);
        j.bytes += ',';
        j.indent(level + 3);
        j.key("SourceToBlockTrayDistance");
        j.bytes += JsonFloat(block.SourceToBlockTrayDistance);
        j.bytes += ',';
        j.indent(level + 3);
        j.key("BlockThickness");
        j.bytes += JsonFloat(block.BlockThickness);
        j.bytes += ',';
        j.indent(level + 3);
        j.key("Punkte");
        j.bytes += '[';
        for (qsizetype p = 0; p < block.BlockData.size(); ++p) {
            j.bytes += p ? ", " : "";
            j.point(block.BlockData[p]);
        }
        j.bytes += ']';
        j.indent(level + 2);
        j.bytes += '}';
    }
    if (!b.Blocks.isEmpty())
        j.indent(level + 1);
    j.bytes += "],";
    j.indent(level + 1);
    j.key("Kompensatoren");
    j.bytes += '[';
    for (qsizetype k = 0; k < b.Compensators.size(); ++k) {
        j.bytes += k ? ", " : "";
        j.number(b.Compensators[k].CompensatorNumber);
    }
    j.bytes += ']';
    j.indent(level);
    j.bytes += '}';
}

} // namespace

QByteArray DicomUebersichtAlsJson(const DicomUebersicht &uebersicht)
{
    JsonText j;
    j.bytes += '{';
    j.indent(1);
    j.key("Verzeichnis");
    j.string(uebersicht.Verzeichnis);
    j.bytes += ',';
    j.indent(1);
    j.key("Plaene");
    j.bytes += '[';
    for (qsizetype i = 0; i < uebersicht.Plaene.size(); ++i) {
        const DicomUebersicht::Eintrag &eintrag = uebersicht.Plaene[i];
        const TvelDICOMRTPlanClass &plan = eintrag.Plan;
        j.bytes += i ? "," : "";
        j.indent(2);
        j.bytes += '{';
        j.indent(3);
        j.key("Datei");
        j.string(QFileInfo(eintrag.Datei).fileName());
        j.bytes += ',';
        j.indent(3);
        j.key("PatientName");
        j.string(plan.Patient.PatientName);
        j.bytes += ',';
        j.indent(3);
        j.key("PatientID");
        j.string(plan.Patient.PatientID);
        j.bytes += ',';
        j.indent(3);
        j.key("Beams");
        j.bytes += '[';
        for (qsizetype b = 0; b < plan.Plan.Beams.size(); ++b) {
            j.bytes += b ? "," : "";
            j.indent(4);
            beam(j, 4, b, plan.Plan.Beams[b]);
        }
        if (!plan.Plan.Beams.isEmpty())
            j.indent(3);
        j.bytes += ']';
        j.indent(2);
        j.bytes += '}';
    }
    if (!uebersicht.Plaene.isEmpty())
        j.indent(1);
    j.bytes += ']';
    j.indent(0);
    j.bytes += "}\n";
    return j.bytes;
}

} // namespace qv
