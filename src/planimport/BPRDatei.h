#pragma once

#include "base/Result.h"
#include "planimport/BPRTools.h"
#include "planimport/T_Werte.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>

namespace qv {

class TBPRDM;
struct TBPRKonfig;

/// A planning-system file read from disk and prepared, with the rows of its format: what each
/// read of one of its beams starts from.
struct BPRDateiInhalt
{
    QString Pfad;
    BPRVorbereitung Vorbereitung;
    BPRFormatZeilen Zeilen;
    QString FormatName;
};

/// Reads a regular file (at most BPRMaxDateiGroesse), prepares it in memory and fetches the
/// rows of its format. An error when the file cannot be read or the rows are damaged.
Result<BPRDateiInhalt> BPRDateiLaden(const QString &pfad, const TBPRDM &dm);

/// One beam as the import takes it: the values read, and the contours and jaws after the
/// accelerator configuration, in tenths of a millimetre in the isocentre plane.
struct BPRBeam
{
    int Position = 0;
    qint32 Nummer = 0;
    bool Gueltig = false;
    QString FBA;
    QString FIA;
    QString Gantry;
    QString Kollimator;
    std::optional<BPRFeld> Blende; // none when all four values are 0
    QList<QList<QPoint>> Konturen;
    QString PatientenName;
    QString PatientenID;
    QString Kommentar;
    QString Zielvolumen;
    QStringList Meldungen;
};

/// How many beams of the file can be chosen.
int BPRBeamAnzahl(const BPRDateiInhalt &datei);

/// Reads the beam at a position (1-based) with a fresh reader, as the import dialog does:
/// FBA from the customer's accelerator, FIA 100 cm, the configuration applied when one is given.
BPRBeam BPRBeamLesen(const BPRDateiInhalt &datei, int position, double defaultFBA, const TBPRKonfig *konfig);

} // namespace qv
