#pragma once

namespace qv {

class ArbeitsflaecheSteuerung;
class Messages;

/// "Bild einlesen" from the main window: loads the chosen template and says why a file was
/// refused. True when an image was loaded.
bool BildEinlesen(ArbeitsflaecheSteuerung &steuerung, Messages &meldungen);

/// "Bild drehen" from the main window: asks before isocentre, field, contours and scale are
/// lost, then runs the rotation dialog.
void BildDrehen(ArbeitsflaecheSteuerung &steuerung, Messages &meldungen);

} // namespace qv
