#include "dicom/TvelDICOMControlPointClass.h"

#include "dicom/DumpFields.h"

namespace qv {

std::optional<QPoint> TvelDICOMControlPointClass::jaws(QStringView type, QStringView asymmetricType) const
{
    for (const TvelDICOMLimitingPositionClass &position : LimitingPositions) {
        const QString device = position.DeviceType.trimmed();
        if (device == type || device == asymmetricType)
            return position.Positions.isEmpty() ? std::nullopt : std::optional<QPoint>(position.Positions.first());
    }
    return std::nullopt;
}

std::optional<QPoint> TvelDICOMControlPointClass::FieldCorner1() const
{
    const auto x = jaws(u"X", u"ASYMX");
    const auto y = jaws(u"Y", u"ASYMY");
    if (!x || !y)
        return std::nullopt;
    return QPoint(x->x(), y->y());
}

std::optional<QPoint> TvelDICOMControlPointClass::FieldCorner2() const
{
    const auto x = jaws(u"X", u"ASYMX");
    const auto y = jaws(u"Y", u"ASYMY");
    if (!x || !y)
        return std::nullopt;
    return QPoint(x->y(), y->x());
}

Result<void> TvelDICOMControlPointClass::Read(const DumpLines &lines, qsizetype &index)
{
    auto read = ReadDumpItem(lines, index, [&](qsizetype &i) -> Result<void> {
        const DumpLine &line = lines[i];
        switch (line.tag) {
        case dicomTag(0x300a, 0x0112):
            return StoreField(DumpInt(line), ControlPointIndex);
        case dicomTag(0x300a, 0x0134):
            return StoreField(DumpSingle(line), CumulativeMetersetWeight);
        case dicomTag(0x300a, 0x011a):
            return ReadDumpSequence(lines, i, LimitingPositions);
        case dicomTag(0x300a, 0x011e):
            return StoreField(DumpSingle(line), GantryAngle);
        case dicomTag(0x300a, 0x011f):
            GantryRotationDirection = DumpText(lines, line);
            return {};
        case dicomTag(0x300a, 0x0120):
            return StoreField(DumpSingle(line), BeamLimitingDeviceAngle);
        case dicomTag(0x300a, 0x0121):
            BeamLimitingDeviceRotationDirection = DumpText(lines, line);
            return {};
        case dicomTag(0x300a, 0x0122):
            return StoreField(DumpSingle(line), PatientSupportAngle);
        case dicomTag(0x300a, 0x0123):
            PatientSupportRotationDirection = DumpText(lines, line);
            return {};
        case dicomTag(0x300a, 0x0125):
            return StoreField(DumpSingle(line), TableTopEccentricAngle);
        case dicomTag(0x300a, 0x0126):
            TableTopEccentricRotationDirection = DumpText(lines, line);
            return {};
        case dicomTag(0x300a, 0x0128):
            return StoreField(DumpRoundedMm(line), TableTopVerticalPosition);
        case dicomTag(0x300a, 0x0129):
            return StoreField(DumpRoundedMm(line), TableTopLongitudinalPosition);
        case dicomTag(0x300a, 0x012a):
            return StoreField(DumpRoundedMm(line), TableTopLateralPosition);
        default:
            return {};
        }
    });
    if (!read)
        return Chained(QStringLiteral("Fehler beim laden der ControlPoint Sequence aus Dump.\n\r"), read.error());
    return {};
}

} // namespace qv
