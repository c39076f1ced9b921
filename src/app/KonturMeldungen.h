#pragma once

#include "contour/KonturErgebnis.h"

namespace qv {

class Messages;
class TKonturen;

/// Shows what a contour change has to say (most outcomes say nothing) and passes it on.
KonturErgebnis KonturMelden(Messages &messages, KonturErgebnis ergebnis);

/// Deletes contour n; with Nachfragen only after Yes to "Wollen Sie die Kontur Nr. n wirklich
/// löschen?". A number without a contour asks nothing and changes nothing.
KonturErgebnis KonturLoeschen(TKonturen &konturen, int n, bool Nachfragen, Messages &messages);

} // namespace qv
