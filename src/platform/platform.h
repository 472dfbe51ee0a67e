#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace spawnsmith {

// Everything the wizard asks of the operating system goes through this interface, so that tests
// can swap in a recorder and nothing else in the program touches processes, URLs or the clock.
class Platform {
public:
    virtual ~Platform() = default;

    // Seconds on a monotonic clock with sub-second resolution (never wraps at midnight).
    virtual double now() = 0;

    // Terminates the process at once; no further handler runs.
    virtual void endProgram() = 0;

    // True when an executable exists at this absolute path.
    virtual bool programExists(const QString& path) = 0;

    // Starts a program as a new detached process, without a shell and without waiting for it.
    virtual void startDetached(const QString& program, const QStringList& arguments) = 0;

    // Hands a URL byte for byte to the desktop's default handler for its scheme.
    virtual void openUrl(const QByteArray& url) = 0;
};

} // namespace spawnsmith
