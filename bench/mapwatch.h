#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace spawnsmith::bench {

// Times a program's start-up from outside, the way a user sees it: an X client of its own
// starts the program as a fresh process and notes when the program's first top-level window
// becomes viewable on the X server (its MapNotify, or that of the frame a window manager put
// it in). Nothing inside the program is involved, so whatever the program does before its
// first window maps is counted, including loading its libraries.
class MapWatch {
public:
    virtual ~MapWatch() = default;

    // A watch on the X server in DISPLAY; nullptr, with the reason, when there is none to watch
    // or the benchmark was built without the X client library.
    static std::unique_ptr<MapWatch> open(QString* whyNot);

    // The running window manager's name, or an empty string when none runs.
    virtual QString windowManager() = 0;

    struct Start {
        // Seconds from just before the process was started to its first window's map; negative
        // when no window mapped within the time allowed.
        double seconds = -1;
        // True when the window was already viewable by the time the watch heard of it, so the
        // time is an upper bound (the map itself was not seen).
        bool late = false;
    };

    // Starts the program with the arguments (on the same X server, with QT_QPA_PLATFORM=xcb),
    // times its first map, then ends the process and waits until its windows are gone.
    virtual Start timeFirstMap(const QString& program, const QStringList& arguments) = 0;
};

} // namespace spawnsmith::bench
