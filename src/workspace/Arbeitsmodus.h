#pragma once

namespace qv {

/// Work modes of the main window (Init/ModusIndex stores 0..3; 4 is never stored).
enum Modus : int {
    ModusBildVorlage = 0,
    ModusOhneVorlage = 1,
    ModusBPR = 2,
    ModusDICOM = 3,
    ModusKompensator = 4,
};

} // namespace qv
