#include "base/Logging.h"

Q_LOGGING_CATEGORY(lcMeldung, "quellvantar.meldung")
Q_LOGGING_CATEGORY(lcDatei, "quellvantar.datei")
