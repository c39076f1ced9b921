#include "dicom/RtPlanGeometrie.h"

#include "base/FileNames.h"
#include "base/Numbers.h"
#include "dicom/DicomLesen.h"

#include <dcmtk/config/osconfig.h>
#include <dcmtk/dcmdata/dcdeftag.h>
#include <dcmtk/dcmdata/dcfilefo.h>
#include <dcmtk/dcmrt/drtplan.h>

#include <cmath>

namespace qv {

namespace {

const char *const kPlanKlasse = "1.2.840.10008.5.1.4.1.1.481.5";

QByteArray alsBytes(const OFString &s)
{
    return QByteArray(s.c_str(), qsizetype(s.length()));
}

template <typename F>
std::optional<double> wert(F &&lesen)
{
    Float64 v = 0;
    if (lesen(v).good() && std::isfinite(v))
        return double(v);
    return std::nullopt;
}

template <typename F>
std::optional<double> wert32(F &&lesen)
{
    Float32 v = 0;
    if (lesen(v).good() && std::isfinite(v))
        return double(v);
    return std::nullopt;
}

// An angle of a whole turn is the same as none.
bool istNull(double winkel)
{
    return std::fmod(std::abs(winkel), 360.0) == 0.0;
}

QString zahl(double v)
{
    return formatDecimal(v);
}

} // namespace

Result<RtPlanGeometrie> RtPlanGeometrie::Lesen(const QString &pfad)
{
    auto datei = DicomDateiLaden(pfad);
    if (!datei)
        return Error{datei.error()};
    return ausDatei(**datei, pfad);
}

Result<RtPlanGeometrie> RtPlanGeometrie::AusBytes(const QByteArray &bytes, const QString &anzeigeName)
{
    auto datei = DicomBytesLaden(bytes, anzeigeName);
    if (!datei)
        return Error{datei.error()};
    return ausDatei(**datei, anzeigeName);
}

Result<RtPlanGeometrie> RtPlanGeometrie::ausDatei(DcmFileFormat &datei, const QString &pfad)
{
    const QString name = fileNameForDisplay(pfad);
    DcmDataset &daten = *datei.getDataset();
    OFString klasse;
    daten.findAndGetOFString(DCM_SOPClassUID, klasse);
    if (klasse.empty())
        datei.getMetaInfo()->findAndGetOFString(DCM_MediaStorageSOPClassUID, klasse);
    if (klasse != kPlanKlasse)
        return Error{QStringLiteral("Die Datei %1 ist kein RT-Plan.").arg(name)};

    DRTPlanIOD iod;
    if (iod.read(daten).bad())
        return Error{QStringLiteral("Der RT-Plan %1 kann nicht gelesen werden.").arg(name)};
    OFString text;
    iod.getSpecificCharacterSet(text, -1);
    const QByteArray zeichensatz = alsBytes(text);

    RtPlanGeometrie plan;
    plan.Datei = pfad;
    iod.getFrameOfReferenceUID(text);
    plan.FrameOfReferenceUID = QString::fromLatin1(alsBytes(text)).trimmed();

    DRTPatientSetupSequence &lagen = iod.getPatientSetupSequence();
    for (size_t i = 0; i < lagen.getNumberOfItems(); ++i) {
        DRTPatientSetupSequence::Item &item = lagen.getItem(i);
        Sint32 nummer = 0;
        if (item.getPatientSetupNumber(nummer).bad())
            continue;
        item.getPatientPosition(text);
        plan.m_lagen.insert(nummer, QString::fromLatin1(alsBytes(text)).trimmed());
    }

    DRTBeamSequence &strahlen = iod.getBeamSequence();
    for (size_t i = 0; i < strahlen.getNumberOfItems(); ++i) {
        DRTBeamSequence::Item &item = strahlen.getItem(i);
        StrahlAngaben s;
        Sint32 n = 0;
        if (item.getBeamNumber(n).good())
            s.Nummer = n;
        item.getBeamName(text);
        const Result<QString> strahlName = DicomTextDekodieren(alsBytes(text), zeichensatz);
        if (!strahlName)
            return Error{QStringLiteral("Der RT-Plan %1: %2").arg(name, strahlName.error())};
        s.Name = *strahlName;
        s.SAD = wert([&](Float64 &v) { return item.getSourceAxisDistance(v); });
        if (item.getReferencedPatientSetupNumber(n).good())
            s.Lagerung = n;
        DRTControlPointSequence &punkte = item.getControlPointSequence();
        if (punkte.getNumberOfItems() > 0) {
            DRTControlPointSequence::Item &cp = punkte.getItem(0);
            s.HatKontrollpunkt = true;
            s.Gantry = wert([&](Float64 &v) { return cp.getGantryAngle(v); });
            s.Kollimator = wert([&](Float64 &v) { return cp.getBeamLimitingDeviceAngle(v); });
            s.Tisch = wert([&](Float64 &v) { return cp.getPatientSupportAngle(v); });
            s.Exzenter = wert([&](Float64 &v) { return cp.getTableTopEccentricAngle(v); });
            s.Pitch = wert32([&](Float32 &v) { return cp.getTableTopPitchAngle(v); });
            s.Roll = wert32([&](Float32 &v) { return cp.getTableTopRollAngle(v); });
            OFVector<Float64> iso;
            if (cp.getIsocenterPosition(iso).good() && iso.size() == 3 && std::isfinite(iso[0]) && std::isfinite(iso[1])
                && std::isfinite(iso[2]))
                s.Isozentrum = TPatientPunkt{iso[0], iso[1], iso[2]};
        }
        plan.m_strahlen.append(std::move(s));
    }
    return plan;
}

Result<TStrahlGeometrie> RtPlanGeometrie::Strahl(qsizetype index) const
{
    const QString name = fileNameForDisplay(Datei);
    if (m_strahlen.isEmpty())
        return Error{QStringLiteral("Der RT-Plan %1 enthält keine Strahlen.").arg(name)};
    if (index < 0 || index >= m_strahlen.size())
        return Error{QStringLiteral("Der RT-Plan %1 hat keinen Strahl mit dem Index %2 (Bereich: 0..%3).")
                         .arg(name)
                         .arg(index)
                         .arg(m_strahlen.size() - 1)};
    const StrahlAngaben &s = m_strahlen[index];
    const QString strahl = QStringLiteral("\"%1\"").arg(s.Name);
    if (!s.Nummer)
        return Error{QStringLiteral("Der Strahl %1 hat keine Strahlnummer (300A,00C0).").arg(strahl)};
    if (!s.HatKontrollpunkt)
        return Error{QStringLiteral("Der Strahl %1 hat keinen Kontrollpunkt.").arg(strahl)};
    const auto fehlt = [&](const char *was) {
        return Error{QStringLiteral("Im ersten Kontrollpunkt des Strahls %1 fehlt %2.").arg(strahl, QString::fromUtf8(was))};
    };
    if (!s.Gantry)
        return fehlt("der Gantrywinkel (300A,011E)");
    if (!s.Kollimator)
        return fehlt("der Kollimatorwinkel (300A,0120)");
    if (!s.Tisch)
        return fehlt("der Tischwinkel (300A,0122)");
    if (!s.Isozentrum)
        return fehlt("die Isozentrumsposition (300A,012C)");
    const auto tischplatte = [&](const std::optional<double> &winkel, const char *was) -> std::optional<Error> {
        if (winkel && !istNull(*winkel))
            return Error{QStringLiteral("Der %1 der Tischplatte von %2° im Strahl %3 wird nicht unterstützt; nur 0° ist möglich.")
                             .arg(QString::fromUtf8(was), zahl(*winkel), strahl)};
        return std::nullopt;
    };
    if (auto e = tischplatte(s.Exzenter, "Exzenterwinkel"))
        return *e;
    if (auto e = tischplatte(s.Pitch, "Kippwinkel (Pitch)"))
        return *e;
    if (auto e = tischplatte(s.Roll, "Rollwinkel (Roll)"))
        return *e;

    QString lage;
    if (s.Lagerung) {
        if (!m_lagen.contains(*s.Lagerung))
            return Error{QStringLiteral("Die Patientenlagerung %1, auf die sich der Strahl %2 bezieht, fehlt im Plan.")
                             .arg(*s.Lagerung)
                             .arg(strahl)};
        lage = m_lagen.value(*s.Lagerung);
    } else if (m_lagen.size() == 1) {
        lage = m_lagen.cbegin().value();
    } else {
        return Error{QStringLiteral("Für den Strahl %1 ist keine Patientenlagerung angegeben.").arg(strahl)};
    }
    if (lage != u"HFS" && lage != u"HFP" && lage != u"FFS" && lage != u"FFP")
        return Error{QStringLiteral("Die Patientenlage \"%1\" des Strahls %2 wird nicht unterstützt (nur HFS, HFP, FFS und FFP).")
                         .arg(lage, strahl)};
    const double sad = s.SAD.value_or(1000.0);
    if (!(sad > 0))
        return Error{QStringLiteral("Der Quelle-Achse-Abstand %1 mm des Strahls %2 ist unmöglich.").arg(zahl(sad), strahl)};

    TStrahlGeometrie g;
    g.BeamIndex = index;
    g.BeamNumber = *s.Nummer;
    g.BeamName = s.Name;
    g.PatientPosition = lage;
    g.GantryAngle = *s.Gantry;
    g.BeamLimitingDeviceAngle = *s.Kollimator;
    g.PatientSupportAngle = *s.Tisch;
    g.Isozentrum = *s.Isozentrum;
    g.SourceAxisDistance = sad;
    return g;
}

} // namespace qv
