#pragma once

#include <QString>

namespace qv {

/// The FFA as the FFA panel shows it; `hervorgehoben` when Round(FFA) is not 100.
struct FFAAnzeige
{
    QString text;
    bool hervorgehoben;
};
FFAAnzeige FFAAnzeigeFuer(double ffa);

} // namespace qv
