#pragma once

#include "app/Ablauf.h"

namespace qv {

class TAblaufPanel;
class THauptMenue;

/// Puts the result of the workflow update on the lamps, bulbs, buttons and menu items.
/// `modus` picks which contour button the table's "Konturen" row means.
void ablaufAnwenden(const AblaufErgebnis &e, TAblaufPanel &panel, THauptMenue &menue);

/// The input lock: while an input runs, everything but that input is disabled.
void bedienungAnwenden(bool freigegeben, TAblaufPanel &panel, THauptMenue &menue);

/// The view lock of an order opened from a file.
void bearbeitungAnwenden(bool erlaubt, TAblaufPanel &panel, THauptMenue &menue);

} // namespace qv
