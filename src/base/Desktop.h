#pragma once

#include <QString>
#include <QStringList>

class QUrl;

namespace qv {

/// What became of a desktop helper program.
struct ProgrammLauf
{
    bool ok = true;
    /// Why it failed (its own words where it said any).
    QString grund;
};

/// The seam to the person's desktop: its helper programs (xdg-email) and the programs it opens
/// files and folders with. One real implementation, recording doubles in tests.
class Desktop
{
public:
    virtual ~Desktop() = default;

    /// Runs a helper program found on PATH with an argument list (no shell). Success when it
    /// ended with exit code 0 within a few seconds, or is still running then (a mail program it
    /// started may stay open until the person sends); otherwise the reason.
    virtual ProgrammLauf programmStarten(const QString &programm, const QStringList &argumente) = 0;

    /// Opens a URL with the desktop's program for it (a folder: the file manager). False when
    /// nothing could open it.
    virtual bool urlOeffnen(const QUrl &url) = 0;
};

} // namespace qv
