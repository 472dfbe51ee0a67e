#pragma once

#include <QByteArray>
#include <QString>

namespace spawnsmith {

class CodePage;

// Everything the wizard asks of the operating system goes through this interface, so that tests
// can swap in a recorder and nothing else in the program touches processes, URLs, the clock or
// the system's character set.
class Platform {
public:
    virtual ~Platform() = default;

    // Seconds on a monotonic clock with sub-second resolution (never wraps at midnight).
    virtual double now() = 0;

    // Terminates the process at once; no further handler runs.
    virtual void endProgram() = 0;

    // The system's ANSI code page, in which URLs are handed to the desktop.
    virtual const CodePage& ansiCodePage() = 0;

    // True when an executable exists at this path and the path is an absolute one on this
    // system (so nothing is ever looked up in the current folder). Every system answers it from
    // the file system alike; only tests answer otherwise.
    virtual bool programExists(const QString& path);

    // Starts the browser at `program` on the address as a new process, its main window
    // minimized and given the focus, without a shell and without waiting for it.
    virtual void startBrowser(const QString& program, const QString& address) = 0;

    // Leaves a native window without a name in the window system (task bars and window lists
    // show the name): for a window without a caption, which the toolkit would name after the
    // program.
    virtual void clearWindowName(quintptr nativeWindow) = 0;

    // Hands a URL, byte for byte, to the desktop's default handler for its scheme (the shell's
    // "open"), on behalf of the given window (0: none).
    virtual void openUrl(const QByteArray& url, quintptr ownerWindow) = 0;
};

} // namespace spawnsmith
