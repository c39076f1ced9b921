#pragma once

#include <QLoggingCategory>

namespace qv {

// Every message box text also goes here, so a person or a script can follow what was asked.
Q_DECLARE_LOGGING_CATEGORY(lcMeldung)
// File and settings problems that do not stop the program.
Q_DECLARE_LOGGING_CATEGORY(lcDatei)

} // namespace qv
