#pragma once

#include "order/TAuftrag.h"
#include "order/TAuftragsdatenFelder.h"

#include <QDateTime>
#include <QPoint>
#include <QString>
#include <QStringList>

namespace qv {
struct TKonfiguration;

/// What the order data of an imported beam start from: the product configuration, the
/// order-data settings, the program mode and the time of the import.
struct ImportKontext
{
    const TKonfiguration &Konfiguration;
    TAuftragsdatenEinstellungen Einstellungen;
    bool KundenModus = true;
    QDateTime Jetzt;
};

/// The outcome of taking one beam of a plan into the order. The whole result is computed on a
/// copy of the order; the caller replaces its order by `Auftrag` only when `Uebernommen`.
struct ImportErgebnis
{
    bool Uebernommen = false;
    /// Why nothing was taken over (when not Uebernommen).
    QString Fehler;
    /// Notices for the person, each once, in the order they arose (also on success).
    QStringList Hinweise;
    TAuftrag Auftrag;
    /// The order-data fields as the import filled them.
    TAuftragsdatenFelder Felder;
    /// The field corners were set by the import.
    bool FeldGesetzt = false;
};

/// A length in tenths of a millimetre (isocentre plane) in workspace pixels:
/// Round(pixel per mm × value / 10), 0 without a scale.
qint32 ZehntelMMInPixel(double pixelProMM, qint32 zehntelMM);
QPoint ZehntelMMInPixel(double pixelProMM, QPoint zehntelMM);

/// Text as the order file can hold it: what Windows-1252 cannot show becomes "?".
QString AlsAuftragstext(const QString &text);

/// The notice when an outline has more points than a contour can hold.
QString ZuVielePunkteText(const QString &name, qint64 punkte);

/// Adds one outline as a new closed contour of the set: the points in tenths of a millimetre,
/// converted to pixels and added without checks. False (with a notice) when the set is full or
/// the outline has too many points; the limit notice is given only once per import. A contour
/// of fewer than three points stays open with the closing notice.
bool UmrissAlsKontur(TKonturen &konturen, const QList<QPoint> &zehntelMM, double pixelProMM, const QString &name,
                     QStringList &hinweise);

/// The import fills the FBA only with a value in 30 < FBA < 90 cm.
QString FBANichtUebernommenText(bool ausPlan);

/// The question of the frame-fit check after an import of an electron order.
QString RahmenPasstNichtFrage();

} // namespace qv
