#pragma once

#include <QtGlobal>

namespace qv {

/// The order kind as the order file stores it (one byte). A byte the program does not know
/// is kept as it is and written back unchanged.
enum class TAuftragsart : quint8 {
    Elektronen = 0,    ///< electron order: an aperture cut out of a frame
    Photonen = 1,      ///< photon order: blocks on a tray
    NichtGewaehlt = 2, ///< not chosen yet
};

/// Only kind 0 is an electron order; every other byte (also "not chosen") counts as photons.
inline bool istElektronenAuftrag(TAuftragsart art) { return art == TAuftragsart::Elektronen; }
inline bool istPhotonenAuftrag(TAuftragsart art) { return !istElektronenAuftrag(art); }

} // namespace qv
