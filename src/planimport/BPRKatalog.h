#pragma once

#include <QString>

namespace qv {

/// Format codes of the planning-system files (column ID_BPRFormat of the format database).
namespace BPRFormat {
inline constexpr int Plato = 1;
inline constexpr int HEK = 2;
inline constexpr int Parcientific = 3;
inline constexpr int Multidata = 4;
inline constexpr int Huestis = 5;
inline constexpr int Target = 6;
/// Anything else: the file cannot be imported.
inline constexpr int Keins = 10;

/// The display name of a format code ("Plato", "HEK", ...); empty for any other code.
QString Name(int formatCode);
} // namespace BPRFormat

/// Value codes (column ID_Value): what the reader looks for.
namespace BPRWert {
inline constexpr int FBA = 1;
inline constexpr int FIA = 2;
inline constexpr int Gantry = 3;
inline constexpr int Kollimator = 4;
inline constexpr int PatientenName = 5;
inline constexpr int PatientenID = 6;
inline constexpr int Zielvolumen = 7;
inline constexpr int Dezimaltrenner = 8;
inline constexpr int KonturAnzahl = 9;
inline constexpr int PunktAnzahl = 10;
inline constexpr int X = 11;
inline constexpr int Y = 12;
inline constexpr int FeldX = 18;        // symmetric jaws: X field size
inline constexpr int FeldY = 19;        // symmetric jaws: Y field size
inline constexpr int BeamAnzahl = 20;
inline constexpr int BeamMarke = 21;
inline constexpr int Vorname = 22;
inline constexpr int Nachname = 23;
inline constexpr int Feld2X = 24;       // x of the second field corner
inline constexpr int Feld1X = 25;       // x of the first field corner (block file: the whole jaw line)
inline constexpr int Feld2Y = 26;
inline constexpr int Feld1Y = 27;
inline constexpr int VerschiebungX = 28;
inline constexpr int VerschiebungY = 29;
inline constexpr int Drehung = 30;
inline constexpr int AsymY1 = 31;
inline constexpr int AsymY2 = 32;
inline constexpr int AsymX1 = 33;
inline constexpr int AsymX2 = 34;
inline constexpr int BlendenModus = 35;
inline constexpr int Kommentar = 36;
inline constexpr int BeamNummer = 37;
inline constexpr int Gelesen38 = 38;    // read, not used further
inline constexpr int OhneBlockMarke = 39;
inline constexpr int EinzelKonturMarke = 40;
} // namespace BPRWert

} // namespace qv
