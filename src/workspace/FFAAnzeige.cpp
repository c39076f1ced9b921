#include "workspace/FFAAnzeige.h"

#include "base/Numbers.h"

namespace qv {

FFAAnzeige FFAAnzeigeFuer(double ffa)
{
    return {formatDecimal(ffa), roundHalfEven(ffa) != 100};
}

} // namespace qv
