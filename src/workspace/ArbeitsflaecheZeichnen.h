#pragma once

#include "base/Result.h"
#include "workspace/Arbeitsflaeche.h"

#include <QImage>
#include <QPoint>
#include <QString>

class QPainter;

namespace qv {

/// One frame of the workspace in the paint box: the template already scaled to the box (see
/// VorlageSkaliert; null when the image layer is off), then the overlays.
void ArbeitsflaecheZeichnen(QPainter &p, const Arbeitsflaeche &a, const Abbildung &abb, const QImage &skaliert);

/// Text of the scale label beside the workspace.
QString MassstabText(const Arbeitsflaeche &a);

/// The layers over the template image, in their order: field, contours, isocentre cross,
/// scale bar. The painter is in device coordinates; the mapping is put on it here.
void UeberlagerungZeichnen(QPainter &p, const Arbeitsflaeche &a, const Abbildung &abb);

// Drawing helpers; the painter carries the workspace mapping.
void IsozentrumZeichnen(QPainter &p, const Arbeitsflaeche &a);
/// The field rectangle, tinted by inverting (drawn twice, it vanishes).
void FeldZeichnen(QPainter &p, const QPoint &c1, const QPoint &c2);
/// Scale bar with ticks at both ends and half-way, with the painter's current pen.
void MassstabZeichnen(const QPoint &p1, const QPoint &p2, QPainter &p, int t);

/// The template scaled for the paint box as the workspace shows it: smooth and (when asked)
/// inverted in mode 0, unsmoothed and never inverted in the generated modes.
QImage VorlageSkaliert(const QImage &vorlage, const QSize &geraet, int modus, bool invertiert);

/// The order rendered at image size (one pixel per image pixel): the template or a white
/// image, inverted when asked, with contours, field and isocentre cross. The error "Kein
/// Aufnahmebild vorhanden..." when a template is wanted but there is none; without a template
/// and without wanting one, a null image.
Result<QImage> AuftragsBild(const Arbeitsflaeche &a, bool MitVorlage);

} // namespace qv
