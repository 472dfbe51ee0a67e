// Measures the wizard beside a bare Qt window built into the same program, and prints one
// table. The parent starts children of itself for each measurement, so every figure comes
// from a fresh process:
//   spawnsmith_bench                      the whole run and the table
//   spawnsmith_bench map                  only the outside start-up measurement (X server)
//   spawnsmith_bench startup app|bare     one start: splash on screen, game-pick, CPU, RSS
//   spawnsmith_bench handlers app|bare    handler times and memory over navigation cycles
//   spawnsmith_bench window bare          the bare window alone, shown until the process ends

#include "mapwatch.h"

#include "app/frame.h"
#include "app/startup.h"
#include "app/widgets/listbox.h"
#include "app/window.h"
#include "platform/desktopplatform.h"
#include "wizard/wizard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <malloc.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

using namespace spawnsmith;

namespace {

double monotonicNow() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return double(t.tv_sec) + double(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double residentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

// Resident memory and the heap's bytes in use, to tell retained objects from fragmentation.
struct Memory {
    double resident = residentMegabytes();
    double heap = double(mallinfo2().uordblks) / 1048576.0;
    void printGrowthSince(const Memory& before) const {
        std::printf("growth %.3f\nheapgrowth %.3f\n", resident - before.resident,
                    heap - before.heap);
    }
};

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Calls back once when the top-level widget with this object name is first exposed.
class ExposeWatch : public QObject {
public:
    ExposeWatch(QString name, std::function<void()> onExposed)
        : m_name(std::move(name)), m_onExposed(std::move(onExposed)) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (m_done || event->type() != QEvent::Expose)
            return false;
        auto* window = qobject_cast<QWindow*>(watched);
        if (!window || !window->isExposed())
            return false;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->windowHandle() == window && widget->objectName() == m_name) {
                m_done = true;
                m_onExposed();
            }
        return false;
    }

private:
    QString m_name;
    std::function<void()> m_onExposed;
    bool m_done = false;
};

// The event loop the measurement waits in, as the program's main loop would run; an expose
// watch ends it. (A processEvents(WaitForMoreEvents) loop would leave the window system's
// events waiting for some later wake-up.)
QEventLoop* waiting = nullptr;

void runUntil(const double& shown) {
    QEventLoop loop;
    waiting = &loop;
    if (shown == 0)
        loop.exec();
    waiting = nullptr;
}

void stopWaiting() {
    if (waiting)
        waiting->quit();
}

// The desktop platform, noting when the splash wait starts (its first clock reading).
class TimedPlatform final : public Platform {
public:
    double waitStart = 0;
    double lastReading = 0;
    double cpuAtWaitStart = 0;
    double now() override {
        const double t = m_desktop.now();
        lastReading = monotonicNow();
        if (waitStart == 0) {
            waitStart = lastReading;
            cpuAtWaitStart = cpuSeconds();
        }
        return t;
    }
    void endProgram() override { m_desktop.endProgram(); }
    const CodePage& ansiCodePage() override { return m_desktop.ansiCodePage(); }
    bool programExists(const QString& path) override { return m_desktop.programExists(path); }
    void startBrowser(const QString& program, const QString& address) override {
        m_desktop.startBrowser(program, address);
    }
    void clearWindowName(quintptr window) override { m_desktop.clearWindowName(window); }
    void openUrl(const QByteArray& url, quintptr owner) override { m_desktop.openUrl(url, owner); }

private:
    DesktopPlatform m_desktop;
};

// --- one start -------------------------------------------------------------------------------

// Prints: splash <monotonic time on screen>, pick <seconds after the wait began>,
// cpu <share of the wait>, rss <MB at the game-pick screen>.
int startupApp(int argc, char** argv) {
    QApplication app(argc, argv);
    TimedPlatform platform;
    Frame frame(platform);
    registerAllWindows(frame); // as the program does: start-up sets the icon
    double pickShown = 0, cpuAtPick = 0, pickBuilt = 0;
    QObject::connect(&frame, &Frame::windowLoaded, [&](const QString& name) {
        if (name == QLatin1String("frmgtapick"))
            pickBuilt = monotonicNow();
    });
    ExposeWatch splash(QStringLiteral("frmgtaccload"),
                       [] { std::printf("splash %.6f\n", monotonicNow()); });
    ExposeWatch pick(QStringLiteral("frmgtapick"), [&] {
        pickShown = monotonicNow();
        cpuAtPick = cpuSeconds();
        stopWaiting();
    });
    startUp(frame);
    runUntil(pickShown);
    settle();
    std::printf("waitend %.6f\nbuilt %.6f\n", platform.lastReading - platform.waitStart,
                pickBuilt - platform.waitStart);
    std::printf("pick %.6f\ncpu %.6f\nrss %.3f\n", pickShown - platform.waitStart,
                (cpuAtPick - platform.cpuAtWaitStart) / (pickShown - platform.waitStart),
                residentMegabytes());
    return 0;
}

// The bare counterpart: a frameless window of the splash's size, a two-second timer, then a
// window of the game-pick screen's size with four buttons.
int startupBare(int argc, char** argv) {
    QApplication app(argc, argv);
    auto* first = new QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint);
    first->setObjectName(QStringLiteral("first"));
    first->resize(333, 227);
    auto* second = new QWidget;
    second->setObjectName(QStringLiteral("second"));
    second->resize(673, 273);
    for (int i = 0; i < 4; ++i)
        (new QPushButton(QStringLiteral("Button"), second))->move(10 + 160 * i, 10);
    double waitStart = 0, cpuAtWaitStart = 0, secondShown = 0, cpuAtSecond = 0, timerFired = 0;
    ExposeWatch watchFirst(QStringLiteral("first"),
                           [] { std::printf("splash %.6f\n", monotonicNow()); });
    ExposeWatch watchSecond(QStringLiteral("second"), [&] {
        secondShown = monotonicNow();
        cpuAtSecond = cpuSeconds();
        stopWaiting();
    });
    first->show();
    waitStart = monotonicNow();
    cpuAtWaitStart = cpuSeconds();
    QTimer::singleShot(2000, Qt::PreciseTimer, [&] {
        timerFired = monotonicNow();
        second->show();
        first->deleteLater();
    });
    runUntil(secondShown);
    settle();
    std::printf("waitend %.6f\nbuilt %.6f\n", timerFired - waitStart, timerFired - waitStart);
    std::printf("pick %.6f\ncpu %.6f\nrss %.3f\n", secondShown - waitStart,
                (cpuAtSecond - cpuAtWaitStart) / (secondShown - waitStart), residentMegabytes());
    delete second;
    return 0;
}

// The bare side of the outside measurement: a frameless window of the splash's size and
// nothing else, shown until the parent ends the process.
int windowBare(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget first(nullptr, Qt::Window | Qt::FramelessWindowHint);
    first.resize(333, 227);
    first.show();
    return QApplication::exec();
}

// --- handlers --------------------------------------------------------------------------------

struct Timings {
    std::vector<double> ms;
    void time(const std::function<void()>& handler) {
        const double start = monotonicNow();
        handler();
        ms.push_back((monotonicNow() - start) * 1000.0);
        settle(); // deferred deletions happen outside the handler
    }
    double percentile(double p) {
        std::sort(ms.begin(), ms.end());
        return ms[std::min(ms.size() - 1, static_cast<std::size_t>(p * double(ms.size())))];
    }
};

constexpr int runs = 10000;

void report(const char* name, Timings& t) {
    std::printf("%s %.4f %.4f\n", name, t.percentile(0.5), t.percentile(0.99));
}

int handlersApp(int argc, char** argv) {
    QApplication app(argc, argv);
    DesktopPlatform platform;
    Frame frame(platform);
    addAllWindows(frame);
    const auto press = [&](const char* window, const char* button) {
        frame.loaded(QLatin1String(window))
            ->findChild<QAbstractButton*>(QLatin1String(button))
            ->click();
    };
    frame.show(WindowId::frmgtapick);
    settle();

    Timings navigate, dialog, generate;
    for (int i = 0; i < runs / 2; ++i) {
        navigate.time([&] { press("frmgtapick", "cmdgta3"); });
        navigate.time([&] { press("frmgta3codepick", "cmdgta3cpback"); });
    }
    for (int i = 0; i < runs / 2; ++i) {
        dialog.time([&] { press("frmgtapick", "cmdexit"); });
        dialog.time([&] { press("frmgtagpexit", "cmdno"); });
    }
    frame.navigate(WindowId::frmgtapick, WindowId::frmgtavcweapon);
    settle();
    for (int i = 0; i < runs; ++i) {
        Window* creator = frame.loaded(QStringLiteral("frmgtavcweapon"));
        creator->findChild<ListBox*>()->setCurrentRow(i % 32);
        for (QLineEdit* box : creator->findChildren<QLineEdit*>())
            box->setText(QStringLiteral("-1234.5"));
        generate.time([&] { press("frmgtavcweapon", "cmdgencode"); });
        press("frmgtavcweaponfinished", "cmdbackgtavcweapon");
        settle();
    }
    report("navigate", navigate);
    report("dialog", dialog);
    report("generate", generate);

    frame.navigate(WindowId::frmgtavcweapon, WindowId::frmgtapick);
    settle();
    const Memory before;
    for (int i = 0; i < runs; ++i) {
        press("frmgtapick", "cmdgtasa");
        settle();
        press("frmgtasacodepick", "cmdbacktogtapick");
        settle();
    }
    Memory().printGrowthSince(before);
    return 0;
}

// The bare counterparts: a new window replaces the old one, a small window opens and closes,
// a window with a text box is filled while the old one goes.
int handlersBare(int argc, char** argv) {
    QApplication app(argc, argv);
    const auto screen = [](int buttons) {
        auto* w = new QWidget;
        w->resize(400, 300);
        for (int i = 0; i < buttons; ++i)
            (new QPushButton(QStringLiteral("Button"), w))->move(10, 10 + 40 * i);
        w->show();
        return w;
    };
    const auto unload = [](QWidget* w) {
        w->hide();
        w->deleteLater();
    };
    QWidget* current = screen(4);
    settle();
    Timings navigate, dialog, generate;
    for (int i = 0; i < runs; ++i)
        navigate.time([&] {
            QWidget* next = screen(i % 2 ? 4 : 5);
            unload(current);
            current = next;
        });
    QWidget* box = nullptr;
    for (int i = 0; i < runs; ++i)
        dialog.time([&] {
            if (box) {
                unload(box);
                box = nullptr;
                return;
            }
            box = screen(2);
            new QLabel(QStringLiteral("Are You Sure You Want To Exit?"), box);
        });
    for (int i = 0; i < runs; ++i) {
        QWidget* creator = screen(4);
        settle();
        generate.time([&] {
            QWidget* result = screen(4);
            (new QPlainTextEdit(result))->setPlainText(QStringLiteral("032B: $p = line"));
            unload(creator);
            unload(result);
        });
    }
    report("navigate", navigate);
    report("dialog", dialog);
    report("generate", generate);

    const Memory before;
    for (int i = 0; i < runs; ++i) {
        QWidget* next = screen(5);
        unload(current);
        settle();
        current = screen(4);
        unload(next);
        settle();
    }
    Memory().printGrowthSince(before);
    delete current;
    return 0;
}

// --- the parent: runs the children and prints the table ----------------------------------

using Figures = std::map<QString, std::vector<double>>;

// Runs one child and adds its "name value [value]" lines to the figures. A start also notes
// how long after its launch the splash (or the bare window) was on screen.
void runChild(const QStringList& arguments, Figures& figures) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const double launched = monotonicNow();
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(-1);
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() < 2)
            continue;
        const QString name = QString::fromLatin1(words[0]);
        if (name == "splash") {
            figures[name].push_back(words[1].toDouble() - launched);
            continue;
        }
        figures[name].push_back(words[1].toDouble());
        if (words.size() > 2)
            figures[name + "99"].push_back(words[2].toDouble());
    }
}

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double smallest(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

double largest(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

int startsFromEnvironment(const char* variable, int otherwise) {
    return qEnvironmentVariableIsSet(variable) ? qEnvironmentVariableIntValue(variable) : otherwise;
}

struct Row {
    QString what;
    double ours;
    double bare;
    const char* unit;
    QString target;
    bool met;
};

void printTable(const std::vector<Row>& rows) {
    std::printf("| measure | unit | Spawnsmith | bare Qt | target | met |\n");
    std::printf("|---|---|---:|---:|---|---|\n");
    for (const Row& row : rows)
        std::printf("| %s | %s | %.3f | %.3f | %s | %s |\n", qPrintable(row.what), row.unit,
                    row.ours, row.bare, qPrintable(row.target),
                    row.target == "-" ? ""
                    : row.met         ? "yes"
                                      : "NO");
}

// --- outside: the first window's map on the X server, seen by an X client of the benchmark --

// The real program, as built beside the benchmark, unless SPAWNSMITH_BENCH_WIZARD names another.
QString wizardProgram() {
    const QString configured = qEnvironmentVariable("SPAWNSMITH_BENCH_WIZARD");
    return configured.isEmpty() ? QStringLiteral(SPAWNSMITH_BENCH_WIZARD) : configured;
}

// Starts the real program and the bare window alternately, each as a fresh process, and adds
// the seconds from each start to its first window's map as "mapped". Returns a line that says
// how the figures were taken, or why they were not.
QString measureOutside(int starts, Figures& ours, Figures& bare) {
    QString whyNot;
    const std::unique_ptr<bench::MapWatch> watch = bench::MapWatch::open(&whyNot);
    const QString wizard = wizardProgram();
    if (watch && !QFileInfo(wizard).isExecutable())
        whyNot = wizard + QStringLiteral(" is not a program");
    if (!whyNot.isEmpty())
        return QStringLiteral("outside measurement left out: ") + whyNot;

    int late = 0, unseen = 0;
    const auto add = [&](const bench::MapWatch::Start& start, Figures& figures) {
        if (start.seconds < 0) {
            ++unseen;
            return;
        }
        late += start.late ? 1 : 0;
        figures[QStringLiteral("mapped")].push_back(start.seconds);
    };
    const auto startBare = [&] {
        return watch->timeFirstMap(QCoreApplication::applicationFilePath(), {"window", "bare"});
    };
    // One start of each goes uncounted: it brings both programs into the page cache and lets a
    // window manager that has only just started settle.
    startBare();
    watch->timeFirstMap(wizard, {});
    for (int i = 0; i < starts; ++i) {
        add(startBare(), bare);
        add(watch->timeFirstMap(wizard, {}), ours);
    }
    const QString manager = watch->windowManager();
    return QStringLiteral("outside: %1 starts each of %2 and of the bare window, alternately; "
                          "window manager: %3; maps seen late: %4; starts with no map: %5")
        .arg(starts)
        .arg(wizard, manager.isEmpty() ? QStringLiteral("none") : manager)
        .arg(late)
        .arg(unseen);
}

void addOutsideRows(Figures& ours, Figures& bare, std::vector<Row>& rows) {
    const std::vector<double>& wizard = ours[QStringLiteral("mapped")];
    const std::vector<double>& window = bare[QStringLiteral("mapped")];
    if (wizard.empty() || window.empty())
        return;
    const QString what = QStringLiteral("process start to splash mapped on the X server, outside");
    const double ratio = median(wizard) / median(window);
    rows.push_back({what, median(wizard) * 1000, median(window) * 1000, "ms median",
                    QStringLiteral("<= 1.2 x bare"), ratio <= 1.2});
    rows.push_back({what, smallest(wizard) * 1000, smallest(window) * 1000, "ms min",
                    QStringLiteral("-"), true});
    rows.push_back({what, largest(wizard) * 1000, largest(window) * 1000, "ms max",
                    QStringLiteral("-"), true});
    rows.push_back({what + QStringLiteral(", ratio of the medians"), ratio, 1.0, "x bare",
                    QStringLiteral("<= 1.2"), ratio <= 1.2});
}

// spawnsmith_bench map: the outside rows alone, a quick look at start-up as a user sees it.
int outsideOnly(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Figures ours, bare;
    const QString note =
        measureOutside(startsFromEnvironment("SPAWNSMITH_BENCH_MAP_STARTS", 15), ours, bare);
    std::vector<Row> rows;
    addOutsideRows(ours, bare, rows);
    if (!rows.empty())
        printTable(rows);
    std::printf("\n%s\n", qPrintable(note));
    return rows.empty() ? 1 : 0;
}

int parent(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int starts = startsFromEnvironment("SPAWNSMITH_BENCH_STARTS", 7);
    Figures ours, bare;
    for (int i = 0; i < starts; ++i) {
        runChild({"startup", "bare"}, bare);
        runChild({"startup", "app"}, ours);
    }
    const QString outside =
        measureOutside(startsFromEnvironment("SPAWNSMITH_BENCH_MAP_STARTS", 15), ours, bare);
    runChild({"handlers", "bare"}, bare);
    runChild({"handlers", "app"}, ours);

    const auto m = [](Figures& f, const char* name) { return median(f[QLatin1String(name)]); };
    const double splash = m(ours, "splash"), bareSplash = m(bare, "splash");
    const double pick = m(ours, "pick"), cpu = m(ours, "cpu");
    const double rss = m(ours, "rss"), bareRss = m(bare, "rss");
    const double growth = m(ours, "growth");
    std::vector<Row> rows = {
        {"process start to splash on screen, inside (first expose)", splash * 1000,
         bareSplash * 1000, "ms", "<= 1.2 x bare", splash <= 1.2 * bareSplash},
    };
    addOutsideRows(ours, bare, rows);
    rows.insert(
        rows.end(),
        {
            {"splash wait start to its last clock reading (bare: timer)", m(ours, "waitend") * 1000,
             m(bare, "waitend") * 1000, "ms", "-", true},
            {"splash wait start to game-pick built (bare: timer)", m(ours, "built") * 1000,
             m(bare, "built") * 1000, "ms", "-", true},
            {"splash wait start to game-pick on screen", pick * 1000, m(bare, "pick") * 1000, "ms",
             "2000 .. 2020", pick >= 2.0 && pick <= 2.020},
            {"CPU during the splash wait", cpu * 100, m(bare, "cpu") * 100, "%", "< 5", cpu < 0.05},
        });
    for (const char* handler : {"navigate", "dialog", "generate"}) {
        const QString name = QLatin1String(handler);
        const double p99 = m(ours, qPrintable(name + "99"));
        rows.push_back({handler, m(ours, handler), m(bare, handler), "ms median", "-", true});
        rows.push_back(
            {handler, p99, m(bare, qPrintable(name + "99")), "ms p99", "< 2", p99 < 2.0});
    }
    rows.push_back(
        {"resident memory at game-pick", rss, bareRss, "MB", "<= bare + 10", rss <= bareRss + 10});
    rows.push_back({"memory growth over 10,000 navigation cycles", growth, m(bare, "growth"), "MB",
                    "<= 1", growth <= 1.0});
    rows.push_back({"heap in use, growth over the same cycles", m(ours, "heapgrowth"),
                    m(bare, "heapgrowth"), "MB", "-", true});

    std::printf("platform: %s, %d starts each (medians)\n\n",
                qgetenv("QT_QPA_PLATFORM").isEmpty() ? "default"
                                                     : qgetenv("QT_QPA_PLATFORM").constData(),
                starts);
    printTable(rows);
    std::printf("\n%s\n", qPrintable(outside));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    const bool bare = argc > 2 && QByteArray(argv[2]) == "bare";
    if (mode == "startup")
        return bare ? startupBare(argc, argv) : startupApp(argc, argv);
    if (mode == "handlers")
        return bare ? handlersBare(argc, argv) : handlersApp(argc, argv);
    if (mode == "window")
        return windowBare(argc, argv);
    if (mode == "map")
        return outsideOnly(argc, argv);
    return parent(argc, argv);
}
