#pragma once

#include <cstdint>

namespace qv {

/// Bits of the workflow status `AblaufStatus`.
namespace ablauf {
enum Bit : std::uint16_t {
    Bild = 0x01,
    Isozentrum = 0x02,
    Feld = 0x04,
    Kontur = 0x08,
    Massstab = 0x10,
    Auftragsart = 0x20,
    Einschubrichtung = 0x40,
    Auftragsdaten = 0x80,
};
} // namespace ablauf

} // namespace qv
