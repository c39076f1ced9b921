#include "dicom/Zielstruktur.h"

#include "base/FileNames.h"

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
    // The plan's own blocks are not taken, so neither are the notes on those it left out.
    beam.AusgelasseneBloecke.clear();
    beam.NumberOfBlocks = qint32(beam.Blocks.size());
    return plan;
}

Result<TZielstruktur> ZielstrukturWerfen(const RtPlanGeometrie &plan, qsizetype beamIndex, const Strukturset &set,
                                         const QString &roiName)
{
    const Result<TStrahlGeometrie> strahl = plan.Strahl(beamIndex);
    if (!strahl)
        return Error{strahl.error()};
    const QString setName = fileNameForDisplay(set.Datei);
    const TStrukturROI *roi = set.ROI(roiName);
    if (!roi)
        return Error{QStringLiteral("Die Struktur \"%1\" ist im RT-Strukturset %2 nicht vorhanden.").arg(roiName, setName)};
    if (const qsizetype n = set.AnzahlMitNamen(roiName); n > 1)
        return Error{QStringLiteral("Den Namen \"%1\" tragen im RT-Strukturset %2 %3 Strukturen; welche gemeint ist, bleibt offen.")
                         .arg(roiName, setName)
                         .arg(n)};
    if (plan.FrameOfReferenceUID.isEmpty())
        return Error{QStringLiteral("Der RT-Plan %1 nennt kein Bezugssystem (Frame of Reference UID); die Struktur kann ihm "
                                    "nicht zugeordnet werden.")
                         .arg(fileNameForDisplay(plan.Datei))};
    if (roi->FrameOfReferenceUID != plan.FrameOfReferenceUID)
        return Error{QStringLiteral("Die Struktur \"%1\" liegt in einem anderen Bezugssystem (Frame of Reference \"%2\") als der "
                                    "RT-Plan (\"%3\").")
                         .arg(roi->Name, roi->FrameOfReferenceUID, plan.FrameOfReferenceUID)};
    Result<Schattenwurf> schatten = Schattenwurf::Berechnen(*strahl, *roi);
    if (!schatten)
        return Error{schatten.error()};
    return TZielstruktur{*strahl, roi->Nummer, roi->Name, std::move(*schatten)};
}

Result<TZielstruktur> ZielstrukturLesen(const QString &plan, qsizetype beamIndex, const QString &strukturset,
                                        const QString &roiName)
{
    const Result<RtPlanGeometrie> geometrie = RtPlanGeometrie::Lesen(plan);
    if (!geometrie)
        return Error{geometrie.error()};
    // A beam that cannot be used is said before the structure set is read.
    if (const Result<TStrahlGeometrie> strahl = geometrie->Strahl(beamIndex); !strahl)
        return Error{strahl.error()};
    const Result<Strukturset> set = Strukturset::Lesen(strukturset);
    if (!set)
        return Error{set.error()};
    return ZielstrukturWerfen(*geometrie, beamIndex, *set, roiName);
}

} // namespace qv
