#pragma once

#include "base/Messages.h"

namespace qv {

/// Messages where no box can be shown (no screen, offscreen platform): the text is only
/// logged, and a question gets the answer that does not proceed.
class LogOnlyMessages final : public Messages
{
protected:
    Answer present(Kind, const QString &, Buttons buttons) override
    {
        return buttons == Buttons::Ok ? Answer::Ok : buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
    }
};

} // namespace qv
