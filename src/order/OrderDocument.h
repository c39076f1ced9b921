#pragma once

#include "base/KeinPunkt.h"
#include "config/TKundenDaten.h"
#include "contour/TKonturen.h"
#include "order/TAuftragsdatenRec.h"

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>

/// The version the writer produces.
constexpr qint32 AuftragsdateiVersion = 6;

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
    qint32 Version = AuftragsdateiVersion; // as read; the writer always writes the current one
    QString GeladeneVersion;               // program version of the file read last
    QImage Vorlage;
    QPoint Isozentrum;
    qv::TKonturen Konturen;
    QPoint MassstabPunkt1 = qv::KeinPunkt;
    QPoint MassstabPunkt2 = qv::KeinPunkt;
    qint32 MassstabAbstand = 10;
    QPoint FeldEcke1 = qv::KeinPunkt;
    QPoint FeldEcke2 = qv::KeinPunkt;
    quint8 Einschubrichtung = 0;
    TAuftragsdatenRec Auftragsdaten;
    TKundenDaten Kundendaten;
    quint8 Auftragsart = 2;

    OrderItemsRead Gelesen;
    /// What the last read had to say without failing (a contour too short to close), in order.
    QStringList Hinweise;

    /// The stored JPEG of the template image as read, reused on saving while the image is
    /// unchanged, so opening and saving again does not degrade the picture.
    QByteArray VorlageJpeg;
    qint64 VorlageJpegSchluessel = 0;

    /// Scale as the scale dialog recomputes it: pixels per millimetre, 0 while not set.
    double PixelProMM() const;
};
