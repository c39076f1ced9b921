#pragma once

#include "config/TKundenDaten.h"
#include "contour/TKonturen.h"
#include "order/TAuftragsdatenRec.h"

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>

namespace qv {
class Messages;
}

/// The version the writer produces.
constexpr qint32 AuftragsdateiVersion = 6;
/// The X (and Y) of a point that is not set.
constexpr qint32 KeinPunktWert = 999999;

/// Which parts of the document the last read replaced; a file that ends early replaces the
/// parts before the damage only.
struct OrderItemsRead
{
    bool Vorlage = false;
    bool Isozentrum = false;
    bool Konturen = false;
    bool Massstab = false;
    bool Feld = false;
    bool Einschubrichtung = false;
    bool Auftragsdaten = false;
    bool Kundendaten = false;
    bool Auftragsart = false;
};

/// Everything an order file carries: gathered from the windows that own the parts before
/// saving, handed back to them after opening.
struct OrderDocument
{
    explicit OrderDocument(qv::Messages &messages);

    qint32 Version = AuftragsdateiVersion; // as read; the writer always writes the current one
    QString GeladeneVersion;               // program version of the file read last
    QImage Vorlage;
    QPoint Isozentrum;
    qv::TKonturen Konturen;
    QPoint MassstabPunkt1{KeinPunktWert, KeinPunktWert};
    QPoint MassstabPunkt2{KeinPunktWert, KeinPunktWert};
    qint32 MassstabAbstand = 10;
    QPoint FeldEcke1{KeinPunktWert, KeinPunktWert};
    QPoint FeldEcke2{KeinPunktWert, KeinPunktWert};
    quint8 Einschubrichtung = 0;
    TAuftragsdatenRec Auftragsdaten;
    TKundenDaten Kundendaten;
    quint8 Auftragsart = 2;

    OrderItemsRead Gelesen;

    /// The stored JPEG of the template image as read, reused on saving while the image is
    /// unchanged, so opening and saving again does not degrade the picture.
    QByteArray VorlageJpeg;
    qint64 VorlageJpegSchluessel = 0;

    /// Scale as the scale dialog recomputes it: pixels per millimetre, 0 while not set.
    double PixelProMM() const;
};
