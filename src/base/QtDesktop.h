#pragma once

#include "base/Desktop.h"

namespace qv {

/// The desktop through QProcess and QDesktopServices.
class QtDesktop : public Desktop
{
public:
    ProgrammLauf programmStarten(const QString &programm, const QStringList &argumente) override;
    bool urlOeffnen(const QUrl &url) override;
};

} // namespace qv
