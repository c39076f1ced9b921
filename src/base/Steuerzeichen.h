#pragma once

#include <QString>

namespace qv {

/// The text with every control character (line breaks, NUL, ESC, ...) as a blank: for texts
/// that go into one line of a production file or a printout, where a control character could
/// start another line or section.
QString OhneSteuerzeichen(QString text);

} // namespace qv
