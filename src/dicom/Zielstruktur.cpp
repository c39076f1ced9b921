#include "dicom/Zielstruktur.h"

namespace qv {

Result<TvelDICOMRTPlanClass> MitZielstrukturBloecken(TvelDICOMRTPlanClass plan, qsizetype beamIndex,
                                                     const QList<QList<QPoint>> &umrisse, const QString &roiName)
{
    const Result<const TvelDICOMRTBeamClass *> gefunden = plan.Plan.Beam(beamIndex);
    if (!gefunden)
        return Error{gefunden.error()};
    TvelDICOMRTBeamClass &beam = plan.Plan.Beams[beamIndex];
    TvelDICOMBlockClass vorlage;
    if (!beam.Blocks.isEmpty())
        vorlage = beam.Blocks.first();
    QList<TvelDICOMBlockClass> bloecke;
    for (qsizetype i = 0; i < umrisse.size(); ++i) {
        TvelDICOMBlockClass b;
        b.SourceToBlockTrayDistance = vorlage.SourceToBlockTrayDistance;
        b.BlockThickness = vorlage.BlockThickness;
        b.BlockTransmission = vorlage.BlockTransmission;
        b.MaterialID = vorlage.MaterialID;
        b.BlockType = QStringLiteral("APERTURE");
        b.BlockDivergence = QStringLiteral("PRESENT");
        b.BlockNumber = qint32(i + 1);
        b.BlockName = umrisse.size() == 1 ? roiName : QStringLiteral("%1 (%2)").arg(roiName).arg(i + 1);
        b.BlockNumberOfPoints = qint32(umrisse[i].size());
        b.BlockData = umrisse[i];
        bloecke.append(std::move(b));
    }
    beam.Blocks = std::move(bloecke);
    beam.NumberOfBlocks = qint32(beam.Blocks.size());
    return plan;
}

} // namespace qv
