#pragma once

// RT Structure Sets and RT Plans written with the DICOM library, for the aperture from a target
// (the tests and the benchmark).

#include <dcmtk/config/osconfig.h>
#include <dcmtk/dcmdata/dcdeftag.h>
#include <dcmtk/dcmdata/dcfilefo.h>
#include <dcmtk/dcmdata/dcitem.h>

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <QtDebug>

#include <array>
#include <cmath>
#include <numbers>
#include <optional>

namespace qv::test {

using Punkt3 = std::array<double, 3>;
using Kontur3 = QList<Punkt3>;

/// One ROI to write: its contours (patient coordinates, mm).
struct RoiBau
{
    int nummer = 1;
    QByteArray name = "PTV";           ///< the bytes as the file holds them
    std::array<int, 3> farbe{255, 0, 0};
    QByteArray bezug = "1.2.3.4";      ///< Referenced Frame of Reference UID
    QList<Kontur3> konturen;
    QByteArray typ = "CLOSED_PLANAR";
};

/// A regular polygon of n points around (cx, cy) in the plane z.
inline Kontur3 kreis(double cx, double cy, double z, double r, int n = 72)
{
    Kontur3 k;
    for (int i = 0; i < n; ++i) {
        const double w = 2 * std::numbers::pi * i / n;
        k.append({cx + r * std::cos(w), cy + r * std::sin(w), z});
    }
    return k;
}

/// An axis-aligned rectangle around (cx, cy) in the plane z.
inline Kontur3 rechteck(double cx, double cy, double z, double halbX, double halbY)
{
    return {{cx - halbX, cy - halbY, z}, {cx + halbX, cy - halbY, z}, {cx + halbX, cy + halbY, z}, {cx - halbX, cy + halbY, z}};
}

/// A box: the rectangle on every plane from z0 to z1 in steps.
inline QList<Kontur3> quader(double cx, double cy, double cz, double halbX, double halbY, double halbZ, double schritt)
{
    QList<Kontur3> k;
    for (double z = cz - halbZ; z <= cz + halbZ + 1e-9; z += schritt)
        k.append(rechteck(cx, cy, z, halbX, halbY));
    return k;
}

/// A sphere of axial circles, `schritt` apart.
inline QList<Kontur3> kugel(double cx, double cy, double cz, double r, double schritt, int n = 72)
{
    QList<Kontur3> k;
    for (double dz = -r + schritt / 2; dz < r; dz += schritt)
        k.append(kreis(cx, cy, cz + dz, std::sqrt(r * r - dz * dz), n));
    return k;
}

inline QByteArray zahlen(const QList<double> &werte)
{
    QByteArray t;
    for (double w : werte) {
        if (!t.isEmpty())
            t += '\\';
        t += QByteArray::number(w, 'g', 12);
    }
    return t;
}

inline bool speichern(DcmFileFormat &datei, const QString &pfad)
{
    const OFCondition ok = datei.saveFile(QFile::encodeName(pfad).constData(), EXS_LittleEndianExplicit);
    if (ok.bad())
        qWarning() << "DICOM-Datei nicht geschrieben:" << ok.text();
    return ok.good();
}

inline bool strukturSetSchreiben(const QString &pfad, const QList<RoiBau> &rois, const QByteArray &zeichensatz = "ISO_IR 100")
{
    DcmFileFormat datei;
    DcmDataset *d = datei.getDataset();
    if (!zeichensatz.isEmpty())
        d->putAndInsertString(DCM_SpecificCharacterSet, zeichensatz.constData());
    d->putAndInsertString(DCM_SOPClassUID, "1.2.840.10008.5.1.4.1.1.481.3");
    d->putAndInsertString(DCM_SOPInstanceUID, "1.2.826.0.1.3680043.2.1143.77.1");
    d->putAndInsertString(DCM_Modality, "RTSTRUCT");
    d->putAndInsertString(DCM_StructureSetLabel, "Test");
    for (qsizetype i = 0; i < rois.size(); ++i) {
        const RoiBau &r = rois[i];
        DcmItem *roi = nullptr;
        d->findOrCreateSequenceItem(DCM_StructureSetROISequence, roi, -2);
        roi->putAndInsertString(DCM_ROINumber, QByteArray::number(r.nummer).constData());
        roi->putAndInsertOFStringArray(DCM_ROIName, OFString(r.name.constData(), size_t(r.name.size())));
        roi->putAndInsertString(DCM_ReferencedFrameOfReferenceUID, r.bezug.constData());
        DcmItem *rc = nullptr;
        d->findOrCreateSequenceItem(DCM_ROIContourSequence, rc, -2);
        rc->putAndInsertString(DCM_ReferencedROINumber, QByteArray::number(r.nummer).constData());
        rc->putAndInsertString(DCM_ROIDisplayColor,
                               (QByteArray::number(r.farbe[0]) + '\\' + QByteArray::number(r.farbe[1]) + '\\'
                                + QByteArray::number(r.farbe[2]))
                                   .constData());
        for (const Kontur3 &k : r.konturen) {
            DcmItem *c = nullptr;
            rc->findOrCreateSequenceItem(DCM_ContourSequence, c, -2);
            c->putAndInsertString(DCM_ContourGeometricType, r.typ.constData());
            c->putAndInsertString(DCM_NumberOfContourPoints, QByteArray::number(k.size()).constData());
            QList<double> werte;
            for (const Punkt3 &p : k)
                werte << p[0] << p[1] << p[2];
            c->putAndInsertOFStringArray(DCM_ContourData, zahlen(werte).constData());
        }
    }
    return speichern(datei, pfad);
}

/// One beam to write; its first control point holds the geometry.
struct StrahlBau
{
    int nummer = 1;
    QByteArray name = "Feld 1";
    double gantry = 0, kollimator = 0, tisch = 0;
    Punkt3 iso{0, 0, 0};
    std::optional<double> sad = 1000.0;
    std::optional<int> lagerung = 1;
    std::optional<double> exzenter, pitch, roll;
    bool ohneGantry = false;
    /// Blocks (tenths of a millimetre) with a tray at 650 mm and 75 mm thick; none: no Block Sequence.
    QList<QList<std::array<int, 2>>> bloecke;
    QByteArray blockTyp = "APERTURE";
};

inline bool planSchreiben(const QString &pfad, const QList<StrahlBau> &strahlen, const QByteArray &lage = "HFS",
                          const QByteArray &bezug = "1.2.3.4", const QByteArray &zeichensatz = "ISO_IR 100")
{
    DcmFileFormat datei;
    DcmDataset *d = datei.getDataset();
    if (!zeichensatz.isEmpty())
        d->putAndInsertString(DCM_SpecificCharacterSet, zeichensatz.constData());
    d->putAndInsertString(DCM_SOPClassUID, "1.2.840.10008.5.1.4.1.1.481.5");
    d->putAndInsertString(DCM_SOPInstanceUID, "1.2.826.0.1.3680043.2.1143.77.2");
    d->putAndInsertString(DCM_Modality, "RTPLAN");
    d->putAndInsertString(DCM_PatientName, "Muster^Max");
    d->putAndInsertString(DCM_PatientID, "PAT-30");
    if (!bezug.isEmpty())
        d->putAndInsertString(DCM_FrameOfReferenceUID, bezug.constData());
    d->putAndInsertString(DCM_RTPlanLabel, "Ziel");
    DcmItem *setup = nullptr;
    d->findOrCreateSequenceItem(DCM_PatientSetupSequence, setup, -2);
    setup->putAndInsertString(DCM_PatientSetupNumber, "1");
    setup->putAndInsertString(DCM_PatientPosition, lage.constData());
    for (const StrahlBau &s : strahlen) {
        DcmItem *b = nullptr;
        d->findOrCreateSequenceItem(DCM_BeamSequence, b, -2);
        b->putAndInsertString(DCM_BeamNumber, QByteArray::number(s.nummer).constData());
        b->putAndInsertOFStringArray(DCM_BeamName, OFString(s.name.constData(), size_t(s.name.size())));
        b->putAndInsertString(DCM_BeamType, "STATIC");
        b->putAndInsertString(DCM_RadiationType, "PHOTON");
        if (s.sad)
            b->putAndInsertString(DCM_SourceAxisDistance, QByteArray::number(*s.sad, 'g', 12).constData());
        if (s.lagerung)
            b->putAndInsertString(DCM_ReferencedPatientSetupNumber, QByteArray::number(*s.lagerung).constData());
        if (!s.bloecke.isEmpty()) {
            b->putAndInsertString(DCM_NumberOfBlocks, QByteArray::number(s.bloecke.size()).constData());
            for (qsizetype i = 0; i < s.bloecke.size(); ++i) {
                DcmItem *block = nullptr;
                b->findOrCreateSequenceItem(DCM_BlockSequence, block, -2);
                block->putAndInsertString(DCM_SourceToBlockTrayDistance, "650");
                block->putAndInsertString(DCM_BlockType, s.blockTyp.constData());
                block->putAndInsertString(DCM_BlockDivergence, "PRESENT");
                block->putAndInsertString(DCM_BlockNumber, QByteArray::number(i + 1).constData());
                block->putAndInsertString(DCM_BlockName, "Block");
                block->putAndInsertString(DCM_BlockThickness, "75");
                block->putAndInsertString(DCM_BlockNumberOfPoints, QByteArray::number(s.bloecke[i].size()).constData());
                QList<double> werte;
                for (const auto &p : s.bloecke[i])
                    werte << p[0] / 10.0 << p[1] / 10.0;
                block->putAndInsertOFStringArray(DCM_BlockData, zahlen(werte).constData());
            }
        } else {
            b->putAndInsertString(DCM_NumberOfBlocks, "0");
        }
        b->putAndInsertString(DCM_NumberOfControlPoints, "1");
        DcmItem *cp = nullptr;
        b->findOrCreateSequenceItem(DCM_ControlPointSequence, cp, -2);
        cp->putAndInsertString(DCM_ControlPointIndex, "0");
        if (!s.ohneGantry)
            cp->putAndInsertString(DCM_GantryAngle, QByteArray::number(s.gantry, 'g', 12).constData());
        cp->putAndInsertString(DCM_BeamLimitingDeviceAngle, QByteArray::number(s.kollimator, 'g', 12).constData());
        cp->putAndInsertString(DCM_PatientSupportAngle, QByteArray::number(s.tisch, 'g', 12).constData());
        if (s.exzenter)
            cp->putAndInsertString(DCM_TableTopEccentricAngle, QByteArray::number(*s.exzenter, 'g', 12).constData());
        if (s.pitch)
            cp->putAndInsertFloat32(DCM_TableTopPitchAngle, Float32(*s.pitch));
        if (s.roll)
            cp->putAndInsertFloat32(DCM_TableTopRollAngle, Float32(*s.roll));
        cp->putAndInsertOFStringArray(DCM_IsocenterPosition, zahlen({s.iso[0], s.iso[1], s.iso[2]}).constData());
    }
    return speichern(datei, pfad);
}

} // namespace qv::test
