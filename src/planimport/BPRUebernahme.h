#pragma once

#include "order/ImportUebernahme.h"

namespace qv {

struct BPRBeam;

/// Takes a beam read from a planning-system file into (a copy of) the order: its contours
/// (already in the isocentre plane, tenths of a millimetre) as closed contours in workspace
/// pixels, the jaws as the field, and the order data (patient ID, target volume, comment, the
/// angles, and the file's FBA when it lies between 30 and 90 cm). Marks the order as changed
/// and as a planning-system import. A beam that is not valid or has no contour of at least
/// three points is not taken over.
ImportErgebnis BPRBeamUebernehmen(const TAuftrag &auftrag, const BPRBeam &beam, const ImportKontext &kontext);

/// Whether the beam can be opened: valid, with at least one contour of three or more points.
bool BPRBeamOeffenbar(const BPRBeam &beam);

} // namespace qv
