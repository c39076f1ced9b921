#pragma once

#include "order/Auftragsart.h"

#include <QImage>

#include <optional>

namespace qv {

struct TKonfiguration;
class TAuftrag;

/// The largest edge a preview may be asked for.
constexpr int kVorschauMaxGroesse = 4096;

/// The frame the workspace draws around an opened electron order (as the order session chooses
/// it for an opened file); nullopt when none is drawn (see RahmenUeberlagerung).
std::optional<TRahmenUeberlagerung> VorschauRahmen(const TAuftrag &auftrag, const TKonfiguration &konfig);

/// The order as the workspace paints an opened order (every layer shown, the template not
/// inverted, the electron frame when given), in a paint box of the template's aspect ratio as
/// large as fits into groesse × groesse. An order without a template is painted on the ruler
/// image. A null image when the picture cannot be allocated.
QImage AuftragsVorschau(const TAuftrag &auftrag, const std::optional<TRahmenUeberlagerung> &rahmen, int groesse);

} // namespace qv
