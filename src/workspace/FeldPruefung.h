#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace qv {

/// Outcome of checking one edit field of the scale dialog.
struct FeldPruefung
{
    QString feldText;               // text to write back into the field
    std::optional<double> wert;     // set when the check passed
    QString meldung;                // message to show when it failed
};

/// FFA field: a '.' becomes ',', the value must be a number between 20 and 200 cm.
FeldPruefung FFAPruefen(const QString &text);

/// Distance field (cm). `abstandMM` receives Round(value * 10) as soon as the text is a
/// number, also when the value is then refused as too small.
FeldPruefung AbstandPruefen(const QString &text, qint32 &abstandMM);

} // namespace qv
