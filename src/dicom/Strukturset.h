#pragma once

#include "base/Result.h"

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>

class DcmFileFormat;

namespace qv {

/// A point in DICOM patient coordinates, mm.
using TPatientPunkt = std::array<double, 3>;

/// One contour of an ROI (item of the Contour Sequence), as the file states it.
struct TStrukturKontur
{
    QString Typ; ///< Contour Geometric Type: "CLOSED_PLANAR", "POINT", ...
    QList<TPatientPunkt> Punkte;
};

/// One ROI of a structure set: its entry of the Structure Set ROI Sequence and the contours of
/// its item in the ROI Contour Sequence.
struct TStrukturROI
{
    qint32 Nummer = 0;
    QString Name;
    QColor Farbe; ///< invalid when the file gives none
    QString FrameOfReferenceUID;
    QList<TStrukturKontur> Konturen;
    QString Fehler; ///< why its contours cannot be used (a damaged item), empty when they can
};

/// What the aperture from the target takes from an RT Structure Set, read with the DICOM
/// library. Names are decoded by the file's character set.
class Strukturset
{
public:
    QString Datei; ///< the path as given
    QList<TStrukturROI> ROIs;

    /// The ROI of exactly this name, or nullptr.
    const TStrukturROI *ROI(const QString &name) const;
    /// How many ROIs have exactly this name.
    qsizetype AnzahlMitNamen(const QString &name) const;
    /// Whether any ROI lies in this frame of reference.
    bool HatBezugssystem(const QString &frameOfReferenceUID) const;

    /// Reads the file; an error (a German message naming the file) when it is no RT Structure Set.
    static Result<Strukturset> Lesen(const QString &pfad);
    /// The same from bytes in memory.
    static Result<Strukturset> AusBytes(const QByteArray &bytes, const QString &anzeigeName);
    /// The RT Structure Sets among these files, in their order; any other file, or one that
    /// cannot be read, is left out. Of the others only the head is read.
    static QList<Strukturset> Suchen(const QStringList &dateien);

private:
    static Result<Strukturset> ausDatei(DcmFileFormat &datei, const QString &pfad);
};

} // namespace qv
