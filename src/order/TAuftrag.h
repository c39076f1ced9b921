#pragma once

#include "base/KeinPunkt.h"
#include "config/TKundenDaten.h"
#include "contour/TKonturen.h"
#include "order/TAuftragsart.h"
#include "order/TAuftragsdatenRec.h"
#include "order/TEinschubrichtung.h"
#include "order/TMassstab.h"

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QPoint>
#include <QString>

namespace qv {

/// One order: what the order file carries (template image, isocentre, scale, field,
/// contours, insertion direction, order kind, order data, customer data) and the state of the
/// document (changed, opened from a file, imports done). Points are workspace coordinates
/// (image pixels, origin at the isocentre, y up); the isocentre itself is relative to the
/// image centre.
///
/// A value: copying it copies everything, so a read can start from a copy and replace the
/// order only when it succeeded.
class TAuftrag
{
public:
    QImage Vorlage; // null: no template yet
    /// The stored JPEG of the template, reused on saving while Vorlage is the picture it was
    /// made from (same cache key), so opening and saving again does not degrade the picture.
    QByteArray VorlageJpeg;
    qint64 VorlageJpegSchluessel = 0;

    QPoint Isozentrum{0, 0};
    bool IsozentrumGesetzt = false;
    TMassstab Massstab;
    QPoint FeldEcke1 = KeinPunkt;
    QPoint FeldEcke2 = KeinPunkt;
    TKonturen Konturen;
    // 0 until a new order takes the direction of the installation
    TEinschubrichtung Einschubrichtung{};
    /// The direction was confirmed for this order (in the direction dialog, or by opening it).
    bool EinschubGesetzt = false;
    TAuftragsart Auftragsart = TAuftragsart::NichtGewaehlt;
    TAuftragsdatenRec Auftragsdaten;
    /// The order time; it names the saved files.
    QDateTime Auftragszeitpunkt;
    /// The customer data of this order: a fresh copy of the customer files for a new order,
    /// the file's own for an opened one. The only copy any window edits.
    TKundenDaten Kundendaten;

    bool Geaendert = false;
    bool AusDatei = false;
    /// The customer data were converted from an order file before version 6, whose customer
    /// record holds no pick-up address (the printouts leave that block out).
    bool OhneAbholadresse = false;
    QString LetzteAuftragsdatei;
    bool BPRGeladen = false;
    bool DICOMGeladen = false;

    bool hatVorlage() const { return !Vorlage.isNull(); }
    bool MassstabGesetzt() const { return Massstab.MassstabGesetzt(); }
    /// Pixels per millimetre of the scale; 0 unless both scale points are set.
    double PixelProMM() const { return MassstabGesetzt() ? Massstab.PixelProMM : 0.0; }
    /// Sets a scale point; the second one also hands the minimum point distance to the contours.
    void MassstabPunktSetzen(int index, const QPoint &p);
    /// Isocentre, scale points, field and contours gone, as before a rotation of the image.
    void UeberlagerungenLoeschen();
};

} // namespace qv
