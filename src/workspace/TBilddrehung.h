#pragma once

#include <QImage>
#include <QSize>

namespace qv {

/// Size of the image that Gedreht returns for a source of this size.
QSize GedrehtGroesse(const QSize &quelle, double winkelGrad);

/// Turns an image by an angle in degrees (positive = counter-clockwise on the screen) onto a
/// white 24-bit image whose size is the bounding box of the turned corners. Nearest pixel,
/// no interpolation; 0 degrees gives an exact copy. The result is Format_BGR888 for a
/// Format_BGR888 source (as a BMP file stores its pixels), Format_RGB888 for any other. A null
/// result means the target image could not be allocated (or the source was empty).
QImage Gedreht(const QImage &quelle, double winkelGrad);

/// A quarter turn clockwise, as a 32-bit image (H wide, W high).
QImage Drehen90(const QImage &bild);

} // namespace qv

#include "base/Result.h"
#include "workspace/FeldPruefung.h"

namespace qv {

/// State of the image-rotation dialog: every turn starts again from the image as loaded.
class TBilddrehung
{
public:
    QImage Ausgangsbild;     // 24-bit copy of the loaded image
    double Gesamtwinkel = 0;  // accepted in earlier runs of the dialog
    double Sitzungswinkel = 0; // this run

    void AusgangsbildSetzen(const QImage &bild);
    void SitzungBeginnen() { Sitzungswinkel = 0; }
    /// Adds to the session angle (positive = counter-clockwise) and returns the image turned by
    /// the whole angle. A result larger than any image the program reads, or one that cannot
    /// be allocated, is an error and leaves the angle as it was.
    Result<QImage> Drehen(double winkel);
    void Uebernehmen();
    /// The image as accepted before this run.
    QImage Abbrechen();
};

/// Angle field of the rotation dialog: '.' becomes ',', a number from 0 to 360.
FeldPruefung WinkelPruefen(const QString &text);

} // namespace qv
