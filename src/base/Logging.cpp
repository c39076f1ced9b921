#include "base/Logging.h"

namespace qv {

Q_LOGGING_CATEGORY(lcMeldung, "quellvantar.meldung")
Q_LOGGING_CATEGORY(lcDatei, "quellvantar.datei")

} // namespace qv
