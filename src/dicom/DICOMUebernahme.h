#pragma once

#include "order/ImportUebernahme.h"

namespace qv {

class TvelDICOMRTPlanClass;

/// Takes beam `beamIndex` of a plan into (a copy of) the order: its blocks as closed contours
/// (tenths of a millimetre in the isocentre plane to workspace pixels, not mirrored), the field
/// corners of control point 0, and the order data (patient ID, beam name and description, the
/// angles of control point 0, the casting height from the block thickness, and for photon
/// orders the tray distance when it lies between 30 and 90 cm). Marks the order as changed and
/// as a DICOM import. A beam that cannot be read whole, or has no block, is not taken over.
ImportErgebnis DICOMBeamUebernehmen(const TAuftrag &auftrag, const TvelDICOMRTPlanClass &plan, qsizetype beamIndex,
                                    const ImportKontext &kontext);

} // namespace qv
