#pragma once

#include "order/TAuftragsart.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>

namespace qv {
struct TKonfiguration;
class TKundenDaten;

class TAuftrag;

/// The four origins of a tray or frame, in this order.
QStringList HerkunftTexte();

/// The maker prefix: the maker text up to its first blank (the whole text without a blank).
QString Hersteller(const QString &herstellerText);
/// The prefix of the current accelerator; empty when the department or accelerator index
/// does not point at one (an empty prefix lists every entry).
QString Hersteller(const TKundenDaten &kunde);

/// The frames of one maker with their largest aperture extent (1/10 mm in the isocentre
/// plane), parallel lists in configuration order. Removed entries are never listed.
struct TRahmenListe
{
    QStringList Rahmen;
    QList<QPoint> BlendenGroessen;
    /// One message per frame whose size could not be read; such a frame is listed with (0, 0).
    QStringList Meldungen;
};

/// Frames that begin with the prefix (case-sensitive).
TRahmenListe RahmenListeFuellen(const TKonfiguration &konfig, const QString &hersteller);
/// Trays that begin with the prefix, and "Keine Tragplatte" whatever the maker.
QStringList TragplattenListe(const TKonfiguration &konfig, const QString &hersteller);
/// A frame size text "X,Y" in 1/10 mm; an empty text is the default "10,10".
std::optional<QPoint> BlendenGroesseLesen(const QString &text);
/// The configured size of a frame named exactly so (default "10,10"); nullopt when the frame
/// is not configured or its size cannot be read.
std::optional<QPoint> BlendenGroesseVon(const TKonfiguration &konfig, const QString &rahmen);

/// The aperture's farthest points from the isocentre: X of the farthest point in X and Y of
/// the farthest point in Y, in whole millimetres of the image plane ((0, 0) without a scale).
QPoint AperturAusdehnung(const TAuftrag &auftrag);
/// Whether an aperture of this extent (mm) fits a frame of this size (1/10 mm at the
/// isocentre) projected to the image plane at FFA (cm).
bool PasstInRahmen(QPoint ausdehnungMM, QPoint blendenGroesse, double ffa);
/// The fit check: true for every kind but an electron order; an electron order without a
/// frame (none listed for the maker) never fits.
bool RahmenPasst(const TAuftrag &auftrag, const std::optional<QPoint> &blendenGroesse);
/// The best fit: the first frame that passes the same check, −1 when none does.
int RahmenSuchen(const TAuftrag &auftrag, const QList<QPoint> &blendenGroessen);

/// Text of the fit label.
inline QString PasstText(bool passt) { return passt ? QStringLiteral("paßt") : QStringLiteral("paßt nicht"); }
inline const QString kRahmenPasstNicht = QStringLiteral(" Der Rahmen paßt nicht! ");
/// Why an electron order whose aperture does not fit its frame cannot be saved.
QString RahmenPasstNichtGrund();

/// The frame drawn around the aperture: geometry in workspace coordinates (y up), the label
/// and whether the fit check fails.
struct TRahmenUeberlagerung
{
    bool Rund = false;
    /// Corners (−(X div 2) − c, −(Y div 2) − c) and ((X div 2) + c, (Y div 2) + c), c = half the pen.
    QPoint Ecke1;
    QPoint Ecke2;
    int StiftBreite = 0;
    QString Beschriftung;
    bool Passt = true;
};

/// The overlay of the chosen frame, or nullopt when none is drawn: no order-type choice yet,
/// not an electron order, no scale, or the frame is not configured.
std::optional<TRahmenUeberlagerung> RahmenUeberlagerung(const TAuftrag &auftrag, const TKonfiguration &konfig,
                                                         const QString &rahmen, int modus, bool auftragsartGewaehlt);

/// The origin page of an origin text: first → 0, second → 2, third → 1, fourth → 3; −1 otherwise.
int HerkunftSeite(const QString &herkunft);
/// The origin text of a page (trimmed caption).
QString HerkunftDerSeite(int seite);
/// A frame that is one of "SIEMENS…" is kept in the customer's stock at the maker.
bool IstSiemensRahmen(const QString &rahmen);

/// The index of the text in the list; −1 when it is not there.
int ListenIndex(const QStringList &liste, const QString &text);

// Settings of the order-type choice (section "Beschleuniger").
inline const QString kTragplattenAuftrag = QStringLiteral("TragplattenAuftrag");
inline const QString kRahmenAuftrag = QStringLiteral("RahmenAuftrag");
/// The kind proposed for "LetzteAuftragsArt": photons for "TragplattenAuftrag" (also when
/// missing), electrons for any other text.
TAuftragsart LetzteAuftragsart(const QString &einstellung);

} // namespace qv
