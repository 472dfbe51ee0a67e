#include "mapwatch.h"

#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

extern char** environ;

namespace spawnsmith::bench {
namespace {

double monotonicNow() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// xcb hands out replies and events allocated with malloc.
template <typename T> using Owned = std::unique_ptr<T, decltype(&std::free)>;
template <typename T> Owned<T> own(T* pointer) {
    return Owned<T>(pointer, &std::free);
}

constexpr double allowedSeconds = 10.0;

class XcbMapWatch final : public MapWatch {
public:
    XcbMapWatch(xcb_connection_t* connection, xcb_window_t root)
        : m_connection(connection), m_root(root) {
        // SubstructureNotify on the root reports every top-level window created or mapped
        // (and reparented away by a window manager). Any number of clients may select it.
        select(m_root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY);
        m_pidAtom = atom("_NET_WM_PID");
    }
    ~XcbMapWatch() override { xcb_disconnect(m_connection); }

    QString windowManager() override {
        const xcb_atom_t check = atom("_NET_SUPPORTING_WM_CHECK");
        const QByteArray window = property(m_root, check, XCB_ATOM_WINDOW);
        if (window.size() < 4)
            return {};
        xcb_window_t wm = 0;
        std::memcpy(&wm, window.constData(), sizeof wm);
        const QString name =
            QString::fromUtf8(property(wm, atom("_NET_WM_NAME"), atom("UTF8_STRING")));
        return name.isEmpty() ? QStringLiteral("unnamed") : name;
    }

    Start timeFirstMap(const QString& program, const QStringList& arguments) override {
        discardEventsFor(0);
        Start result;
        const double start = monotonicNow();
        const pid_t pid = spawn(program, arguments);
        if (pid <= 0)
            return result;

        // The top-level windows created since the start, each watched for its own map
        // (StructureNotify): once a window manager reparents a window into its frame, the
        // root no longer hears of that window's map, only of the frame's.
        std::vector<xcb_window_t> created;
        bool selectedLate = false;
        const double deadline = start + allowedSeconds;
        while (result.seconds < 0 && monotonicNow() < deadline) {
            // Once a map has been missed, look every millisecond as well as at every event.
            const Owned<xcb_generic_event_t> event =
                nextEvent(selectedLate ? std::min(deadline, monotonicNow() + 0.001) : deadline);
            const double now = monotonicNow();
            bool look = false;
            const int type = event ? event->response_type & 0x7f : 0;
            if (event && m_trace)
                trace(now - start, *event);
            if (type == XCB_CREATE_NOTIFY) {
                const auto* create = reinterpret_cast<xcb_create_notify_event_t*>(event.get());
                if (create->parent == m_root) {
                    select(create->window, XCB_EVENT_MASK_STRUCTURE_NOTIFY);
                    created.push_back(create->window);
                    // Mapped inside a window manager's frame before the selection took
                    // effect: that map was missed, and only a later look can tell when the
                    // window became viewable. (A map while it is the root's child reaches the
                    // watch through the root and waits in the queue.)
                    selectedLate |= mapState(create->window) != XCB_MAP_STATE_UNMAPPED &&
                                    parentOf(create->window) != m_root;
                }
            } else if (type == XCB_MAP_NOTIFY) {
                // A map anywhere may have made one of the process's windows viewable: its own
                // map without a window manager, its frame's (usually the later) with one.
                look = true;
            }
            if (!look && !selectedLate)
                continue;
            for (const xcb_window_t window : created)
                if (mapState(window) == XCB_MAP_STATE_VIEWABLE && pidOf(window) == pid) {
                    result = {now - start, selectedLate};
                    if (m_trace)
                        std::fprintf(stderr, "map watch: window 0x%x of process %d viewable\n",
                                     window, int(pid));
                    break;
                }
        }

        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        // Let the server and any window manager finish with the ended process's windows, so
        // the next start finds the screen as this one did.
        discardEventsFor(0.15);
        return result;
    }

private:
    xcb_connection_t* m_connection;
    xcb_window_t m_root;
    xcb_atom_t m_pidAtom = XCB_ATOM_NONE;
    // SPAWNSMITH_BENCH_TRACE=1 prints every event the watch reads, to check what it saw under
    // a particular window manager.
    const bool m_trace = qEnvironmentVariableIntValue("SPAWNSMITH_BENCH_TRACE") != 0;

    // The event's name and the two windows every event this watch selects starts with (the
    // window it was reported to, then the window it is about).
    static void trace(double seconds, const xcb_generic_event_t& event) {
        static const std::map<int, const char*> names = {{0, "error"},
                                                         {XCB_CREATE_NOTIFY, "create"},
                                                         {XCB_DESTROY_NOTIFY, "destroy"},
                                                         {XCB_UNMAP_NOTIFY, "unmap"},
                                                         {XCB_MAP_NOTIFY, "map"},
                                                         {XCB_REPARENT_NOTIFY, "reparent"},
                                                         {XCB_CONFIGURE_NOTIFY, "configure"}};
        const int type = event.response_type & 0x7f;
        const auto name = names.find(type);
        uint32_t words[3] = {};
        std::memcpy(words, reinterpret_cast<const char*>(&event) + 4, sizeof words);
        std::fprintf(stderr, "map watch: %8.3f ms %-9s event 0x%x window 0x%x (%d)\n",
                     seconds * 1000, name != names.end() ? name->second : "other", words[0],
                     words[1], type);
    }

    xcb_atom_t atom(const char* name) {
        const auto reply = own(xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, uint16_t(std::strlen(name)), name),
            nullptr));
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    void select(xcb_window_t window, uint32_t mask) {
        xcb_change_window_attributes(m_connection, window, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
    }

    // XCB_MAP_STATE_VIEWABLE only when the window and every ancestor are mapped.
    int mapState(xcb_window_t window) {
        const auto reply = own(xcb_get_window_attributes_reply(
            m_connection, xcb_get_window_attributes(m_connection, window), nullptr));
        return reply ? int(reply->map_state) : int(XCB_MAP_STATE_UNMAPPED);
    }

    xcb_window_t parentOf(xcb_window_t window) {
        const auto reply =
            own(xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, window), nullptr));
        return reply ? reply->parent : xcb_window_t(XCB_WINDOW_NONE);
    }

    QByteArray property(xcb_window_t window, xcb_atom_t name, xcb_atom_t type) {
        const auto reply = own(xcb_get_property_reply(
            m_connection, xcb_get_property(m_connection, 0, window, name, type, 0, 1024), nullptr));
        if (!reply)
            return {};
        return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                          xcb_get_property_value_length(reply.get()));
    }

    // The process id a client wrote on its window (Qt writes it on every top-level), or -1.
    pid_t pidOf(xcb_window_t window) {
        const QByteArray value = property(window, m_pidAtom, XCB_ATOM_CARDINAL);
        if (value.size() < 4)
            return -1;
        uint32_t pid = 0;
        std::memcpy(&pid, value.constData(), sizeof pid);
        return pid_t(pid);
    }

    // The next event, or nullptr once the deadline passes (errors of requests made on windows
    // that have gone arrive as events too, and are returned like any other).
    Owned<xcb_generic_event_t> nextEvent(double deadline) {
        while (true) {
            if (xcb_generic_event_t* event = xcb_poll_for_event(m_connection))
                return own(event);
            const double left = deadline - monotonicNow();
            if (left <= 0 || xcb_connection_has_error(m_connection))
                return own<xcb_generic_event_t>(nullptr);
            pollfd watched{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            poll(&watched, 1, int(std::ceil(left * 1000)));
        }
    }

    // Reads and drops events until none has come for the given time (at most two seconds).
    void discardEventsFor(double quiet) {
        const double limit = monotonicNow() + 2.0;
        while (nextEvent(std::min(limit, monotonicNow() + quiet))) {
        }
    }

    // Starts the program with its standard output dropped and Qt told to use the X server.
    pid_t spawn(const QString& program, const QStringList& arguments) {
        std::vector<QByteArray> argumentBytes{program.toLocal8Bit()};
        for (const QString& argument : arguments)
            argumentBytes.push_back(argument.toLocal8Bit());
        std::vector<char*> argv;
        for (QByteArray& argument : argumentBytes)
            argv.push_back(argument.data());
        argv.push_back(nullptr);

        std::vector<QByteArray> environmentBytes{"QT_QPA_PLATFORM=xcb"};
        for (char** entry = environ; *entry; ++entry)
            if (std::strncmp(*entry, "QT_QPA_PLATFORM=", 16) != 0)
                environmentBytes.emplace_back(*entry);
        std::vector<char*> envp;
        for (QByteArray& entry : environmentBytes)
            envp.push_back(entry.data());
        envp.push_back(nullptr);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        pid_t pid = 0;
        const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
        return failed ? -1 : pid;
    }
};

} // namespace

std::unique_ptr<MapWatch> MapWatch::open(QString* whyNot) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        *whyNot = QStringLiteral("no X server (DISPLAY is not set)");
        return nullptr;
    }
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        *whyNot = QStringLiteral("cannot connect to the X server in DISPLAY");
        return nullptr;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    return std::make_unique<XcbMapWatch>(connection, screens.data->root);
}

} // namespace spawnsmith::bench
