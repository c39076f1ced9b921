#pragma once

#include "planimport/TBPRKonfig.h"

#include <QString>

#include <optional>

namespace qv {

/// The detail fields of the configuration dialog as typed.
struct BPRKonfigEingabe
{
    QString Beschreibung;
    QString Drehung;
    bool XSpiegelung = false;
    bool YSpiegelung = false;
    bool DatenInFBA = false;
    QString KolliDreh;
    QString BlendeDreh;
};

/// The fields of a record as the dialog shows them.
BPRKonfigEingabe BPRKonfigAnzeige(const TBPRKonfig &konfig);

/// "speichern": takes the fields into the record (description cut to 32 characters, angles of
/// 360 or more modulo 360, negative ones as they are). Returns the message to show when an
/// angle is not a whole number (the fields before it stay taken), else nullopt.
std::optional<QString> BPRKonfigSpeichern(TBPRKonfig &konfig, const BPRKonfigEingabe &eingabe);

/// How many records are in use (they are kept at the front).
int BPRKonfigAnzahl(const TBPRKonfigurationen &konfig);

/// "neu": the slot after the used ones is named "Linac X" and returned; nullopt when all six
/// are in use (show BPRKonfigVollText()).
std::optional<int> BPRKonfigNeu(TBPRKonfigurationen &konfig);
QString BPRKonfigVollText();

/// "löschen": the record becomes unused and the first unused of the first five slots is
/// closed up. False when fewer than two are in use (show BPRKonfigLetzteText()).
bool BPRKonfigLoeschen(TBPRKonfigurationen &konfig, int slot);
QString BPRKonfigLetzteText();
QString BPRKonfigLoeschenFrage(const QString &beschreibung);

} // namespace qv
