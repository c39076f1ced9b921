#pragma once

#include "base/Result.h"
#include "dicom/Strukturset.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

class DcmFileFormat;

namespace qv {

/// The geometry of one beam, from its first control point: everything the shadow of a target
/// through it needs. Angles in degrees (IEC 61217), lengths in mm.
struct TStrahlGeometrie
{
    qsizetype BeamIndex = 0;  ///< 0-based item of the Beam Sequence
    qint32 BeamNumber = 0;
    QString BeamName;
    QString PatientPosition;  ///< "HFS", "HFP", "FFS" or "FFP"
    double GantryAngle = 0;
    double BeamLimitingDeviceAngle = 0;
    double PatientSupportAngle = 0;
    TPatientPunkt Isozentrum{}; ///< DICOM patient coordinates
    double SourceAxisDistance = 1000;
};

/// The beam geometry of an RT Plan, read with the DICOM library. A beam the shadow cannot be
/// cast through (an unsupported patient position, a tilted or eccentric table top, a missing
/// angle) is refused when it is asked for, with a message naming the value.
class RtPlanGeometrie
{
public:
    QString Datei; ///< the path as given
    QString FrameOfReferenceUID;

    qsizetype AnzahlStrahlen() const { return m_strahlen.size(); }
    Result<TStrahlGeometrie> Strahl(qsizetype index) const;

    /// Reads the file; an error (a German message naming the file) when it is no RT Plan.
    static Result<RtPlanGeometrie> Lesen(const QString &pfad);
    static Result<RtPlanGeometrie> AusBytes(const QByteArray &bytes, const QString &anzeigeName);

private:
    // What a beam's items state; checked only when the beam is asked for.
    struct StrahlAngaben
    {
        std::optional<qint32> Nummer;
        QString Name;
        std::optional<double> SAD;
        std::optional<qint32> Lagerung; ///< Referenced Patient Setup Number
        bool HatKontrollpunkt = false;
        std::optional<double> Gantry, Kollimator, Tisch, Exzenter, Pitch, Roll;
        std::optional<TPatientPunkt> Isozentrum;
    };
    QList<StrahlAngaben> m_strahlen;
    QHash<qint32, QString> m_lagen; ///< Patient Position by Patient Setup Number

    static Result<RtPlanGeometrie> ausDatei(DcmFileFormat &datei, const QString &pfad);
};

} // namespace qv
