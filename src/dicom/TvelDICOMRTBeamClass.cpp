#include "dicom/TvelDICOMRTBeamClass.h"

#include "dicom/DumpFields.h"

namespace qv {

namespace {

const QString kBlockAccess = QStringLiteral("Zugriff (Index: %1) auf ein nicht vorhandenen Block.\n\rBereich: %2..%3");

template <typename T>
Result<const T *> element(const QList<T> &list, qsizetype index, const QString &message)
{
    if (index < 0 || index >= list.size())
        return AccessError(message, index, list.size());
    return &list[index];
}

} // namespace

Result<const TvelDICOMBlockClass *> TvelDICOMRTBeamClass::Block(qsizetype index) const
{
    return element(Blocks, index, kBlockAccess);
}

Result<const TvelDICOMCompensatorClass *> TvelDICOMRTBeamClass::Compensator(qsizetype index) const
{
    return element(Compensators, index, kBlockAccess);
}

Result<const TvelDICOMControlPointClass *> TvelDICOMRTBeamClass::ControlPoint(qsizetype index) const
{
    return element(ControlPoints, index,
                   QStringLiteral("Zugriff (Index: %1) auf eine nicht vorhandene Maschinenkonfiguration.\n\rBereich: %2..%3"));
}

Result<void> TvelDICOMRTBeamClass::Read(const DumpLines &lines, qsizetype &index)
{
    auto read = ReadDumpItem(lines, index, [&](qsizetype &i) -> Result<void> {
        const DumpLine &line = lines[i];
        switch (line.tag) {
        case dicomTag(0x300a, 0x00c0):
            return StoreField(DumpInt(line), BeamNumber);
        case dicomTag(0x300a, 0x00c2):
            BeamName = DumpText(lines, line);
            return {};
        case dicomTag(0x300a, 0x00c3):
            BeamDescription = DumpText(lines, line);
            return {};
        case dicomTag(0x300a, 0x00c4):
            BeamType = DumpText(lines, line);
            return {};
        case dicomTag(0x300a, 0x00c6):
            RadiationType = DumpText(lines, line);
            return {};
        case dicomTag(0x300a, 0x00c7):
            HighDoseTechniqueType = DumpText(lines, line);
            return {};
        case dicomTag(0x300a, 0x00b2):
            TreatmentMachineName = DumpText(lines, line);
            return {};
        case dicomTag(0x300a, 0x00b4):
            return StoreField(DumpSingle(line), SourceAxisDistance);
        case dicomTag(0x300a, 0x00b6):
            return ReadDumpSequence(lines, i, LimitingDevices);
        case dicomTag(0x300a, 0x00e0):
            return StoreField(DumpInt(line), NumberOfCompensators);
        case dicomTag(0x300a, 0x00e3):
            return ReadDumpSequence(lines, i, Compensators);
        case dicomTag(0x300a, 0x00ed):
            return StoreField(DumpInt(line), NumberOfBoli);
        case dicomTag(0x300a, 0x00f0):
            return StoreField(DumpInt(line), NumberOfBlocks);
        case dicomTag(0x300a, 0x00f4):
            return ReadDumpSequence(lines, i, Blocks);
        case dicomTag(0x300a, 0x0110):
            return StoreField(DumpInt(line), NumberOfControlPoints);
        case dicomTag(0x300a, 0x0111):
            return ReadDumpSequence(lines, i, ControlPoints);
        default:
            // Items of every other sequence are skipped by the item walk.
            return {};
        }
    });
    if (!read)
        return Chained(QStringLiteral("Fehler beim laden der BeamSequence aus Dump.\n\r"), read.error());
    // Checked once the whole item is read: the beam's number and name may follow its blocks.
    QList<TvelDICOMBlockClass> brauchbar;
    for (TvelDICOMBlockClass &block : Blocks) {
        if (const std::optional<QString> grund = block.Unbrauchbar())
            AusgelasseneBloecke << QStringLiteral("Beam %1 \"%2\", Block %3 \"%4\": %5; der Block wird nicht übernommen.")
                                       .arg(QString::number(BeamNumber), BeamName, QString::number(block.BlockNumber),
                                            block.BlockName, *grund);
        else
            brauchbar.append(std::move(block));
    }
    Blocks = std::move(brauchbar);
    return {};
}

} // namespace qv
