// A seeded random walk through the real windows, held step by step against the reference model
// in soak/model/. SPAWNSMITH_WALK_SEED picks one seed (default: a few fixed ones),
// SPAWNSMITH_WALK_STEPS the events per seed, SPAWNSMITH_WALK_TRACE=1 prints every event.

#include "support/model/walker.h"

#include "wizard/wizard.h"

#include <QTest>

#include <cstdio>
#include <memory>

using namespace spawnsmith;
using namespace spawnsmith::model;

Q_DECLARE_METATYPE(spawnsmith::model::Event)

namespace {

// One walk: a frame of its own with every window, on a recording platform.
struct Run {
    RecordingPlatform platform;
    std::unique_ptr<Frame> frame;
    std::unique_ptr<Walker> walker;

    explicit Run(quint64 seed) : frame(std::make_unique<Frame>(platform)) {
        addAllWindows(*frame);
        walker = std::make_unique<Walker>(*frame, platform, seed);
    }
    ~Run() {
        walker.reset();
        frame.reset();
        settle();
    }
};

QString failure(quint64 seed, const Walker& walker, const QString& problem) {
    return QStringLiteral("walk failed at seed %1 step %2: %3\n  last events:\n    %4\n"
                          "  replay: SPAWNSMITH_WALK_SEED=%1 SPAWNSMITH_WALK_STEPS=%2 "
                          "SPAWNSMITH_WALK_TRACE=1 walk_test walk")
        .arg(seed)
        .arg(walker.steps)
        .arg(problem, walker.trace.join(QStringLiteral("\n    ")));
}

Event restart(const char* screen) {
    return {Event::Type::Restart, QLatin1String(screen)};
}
Event clickOn(const char* window, const char* button) {
    return {Event::Type::Click, QLatin1String(window), QLatin1String(button)};
}
Event selectRow(const char* window, const char* list, int row) {
    return {Event::Type::Select, QLatin1String(window), QLatin1String(list), row};
}

} // namespace

// The headless platform says, at every window shown, that it cannot raise windows or grab
// the keyboard; a long walk would drown in those lines.
QtMessageHandler platformMessages = nullptr;
void withoutPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support")))
        return;
    platformMessages(type, context, text);
}

class WalkTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platformMessages = qInstallMessageHandler(withoutPlatformNotes); }
    void walk();
    void directed_data();
    void directed();
    void walkNoticesFaults_data();
    void walkNoticesFaults();
};

void WalkTest::walk() {
    const QByteArray seedVariable = qgetenv("SPAWNSMITH_WALK_SEED");
    const QList<quint64> seeds = seedVariable.isEmpty()
                                     ? QList<quint64>{1, 2, 3}
                                     : QList<quint64>{seedVariable.toULongLong()};
    const int steps = qEnvironmentVariableIsSet("SPAWNSMITH_WALK_STEPS")
                          ? qEnvironmentVariableIntValue("SPAWNSMITH_WALK_STEPS")
                          : 2500;
    const bool tracing = qEnvironmentVariableIntValue("SPAWNSMITH_WALK_TRACE") != 0;

    QSet<QString> covered;
    QStringList registered;
    for (const quint64 seed : seeds) {
        Run run(seed);
        registered = run.frame->registeredWindows();
        Walker& walker = *run.walker;
        QString problem = walker.startUp();
        for (int i = 0; problem.isEmpty() && i < steps; ++i) {
            problem = walker.step();
            if (tracing)
                qInfo("%d: %s", walker.steps, qPrintable(walker.trace.last()));
            if (walker.steps % 10000 == 0)
                qInfo("seed %llu: %d events, all as expected", seed, walker.steps);
        }
        if (!problem.isEmpty()) {
            // The report is longer than a test message may be.
            std::fputs(qPrintable(failure(seed, walker, problem) + '\n'), stderr);
            QFAIL(qPrintable(problem.left(500)));
        }
        covered.unite(walker.covered);
        qInfo("seed %llu: %d events, %d ends, %lld e-mails, %d browser starts", seed, walker.steps,
              walker.model.endProgramCalls, walker.model.mailUrls.size(), walker.model.webLaunches);
    }

    QStringList unknown;
    for (const QString& name : windows().keys())
        if (!registered.contains(name))
            unknown.append(name);
    if (!unknown.isEmpty())
        qWarning("windows not in the program yet: %s", qPrintable(unknown.join(' ')));
    QStringList missed;
    for (const QString& name : registered)
        if (!covered.contains(name))
            missed.append(name);
    if (seedVariable.isEmpty())
        QVERIFY2(missed.isEmpty(), qPrintable("never loaded: " + missed.join(' ')));
}

// Sequences the random walk found wrong once, or reaches too rarely to be sure of.
void WalkTest::directed_data() {
    QTest::addColumn<QList<Event>>("events");
    auto shortcut = [](const char* window, const char* entry, Qt::Key key) {
        Event event{Event::Type::Shortcut, QLatin1String(window), QLatin1String(entry)};
        event.key = key;
        return event;
    };
    QTest::newRow("menu keys of a locked game-pick screen open nothing")
        << QList<Event>{restart("frmgtapick"), shortcut("frmgtapick", "mnuversion", Qt::Key_V),
                        shortcut("frmgtapick", "mnuprogram", Qt::Key_P),
                        shortcut("frmgtapick", "mnuemail", Qt::Key_E),
                        shortcut("frmgtapick", "mnugtaf", Qt::Key_F)};
    // Line breaks pasted into a single-line box stay in the field and reach the result box,
    // which shows each as one break; a CR just before a CR LF is a break of its own.
    QTest::newRow("line breaks in a field") << QList<Event>{
        restart("frmgtasaweapon"),
        selectRow("frmgtasaweapon", "lstgtasaweapon", 7),
        {Event::Type::Paste, "frmgtasaweapon", "txty", 0, "\r\r\n\U0001F600"},
        {Event::Type::Paste, "frmgtasaweapon", "txtcodename", 0, "a\nb\rc"},
        clickOn("frmgtasaweapon", "cmdgencode"),
        {Event::Type::Paste, "frmgtasaweaponfinished", "txtfinishedcode", 0, "\r\r\n"}};
    // A menu entry chosen with the mouse works, and a disabled menu title does not open.
    const Event thanks{Event::Type::MenuClick, "frmgtapick", "mnuthanks2"};
    QTest::newRow("menus by mouse")
        << QList<Event>{restart("frmgtapick"), thanks, clickOn("frmthanks", "cmdclosewindow"),
                        clickOn("frmgtapick", "cmdexit"), thanks};
}

void WalkTest::directed() {
    QFETCH(QList<Event>, events);
    Run run(0);
    for (const Event& event : events) {
        const QString problem = run.walker->perform(event);
        QVERIFY2(problem.isEmpty(), qPrintable(event.describe() + ": " + problem));
    }
}

// The walk is only worth its events if a difference between program and model shows up.
// Each row brings the program into a state the model does not expect and checks that the
// comparison names it.
enum class Fault { ResultText, FieldText, Selection, LockedButNotDisabled, ExtraWindow, EndCall };
Q_DECLARE_METATYPE(Fault)

void WalkTest::walkNoticesFaults_data() {
    QTest::addColumn<QList<Event>>("events");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("expected");
    const QList<Event> generated = {restart("frmgta3weapon"),
                                    selectRow("frmgta3weapon", "lstgta3weapon", 3),
                                    clickOn("frmgta3weapon", "cmdgta3weapongeneratecode")};
    QTest::newRow("result text") << generated << Fault::ResultText
                                 << "frmgta3weaponcode: txtgta3weaponfinishedcode holds";
    QTest::newRow("field text") << QList<Event>{restart("frmgtavcvehicle")} << Fault::FieldText
                                << "frmgtavcvehicle: txtangle holds";
    QTest::newRow("selection") << QList<Event>{restart("frmgtasaitem")} << Fault::Selection
                               << "frmgtasaitem: lstgtasaitem selects row 2, expected -1";
    QTest::newRow("lock-out") << QList<Event>{restart("frmgtavcitem"),
                                              clickOn("frmgtavcitem", "cmdexit")}
                              << Fault::LockedButNotDisabled
                              << "frmgtavcitem: cmdgencode is enabled";
    QTest::newRow("extra window") << QList<Event>{restart("frmgta3codepick")} << Fault::ExtraWindow
                                  << "loaded windows are";
    QTest::newRow("end program") << QList<Event>{restart("frmgtapick")} << Fault::EndCall
                                 << "end program called 1 times, expected 0";
}

void WalkTest::walkNoticesFaults() {
    QFETCH(QList<Event>, events);
    QFETCH(Fault, fault);
    QFETCH(QString, expected);
    Run run(0);
    Walker& walker = *run.walker;
    for (const Event& event : events) {
        const QString problem = walker.perform(event);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }
    Window* screen = run.frame->loaded(events.last().window == "frmgtavcitem"
                                           ? QStringLiteral("frmgtavcitem")
                                           : run.frame->loadedWindows().constFirst());
    switch (fault) {
    case Fault::ResultText:
        screen->findChild<TextArea*>()->setText(QStringLiteral("032B"));
        break;
    case Fault::FieldText:
        screen->findChild<QLineEdit*>(QStringLiteral("txtangle"))->setText(QStringLiteral("90"));
        break;
    case Fault::Selection:
        screen->findChild<ListBox*>()->setCurrentRow(2);
        break;
    case Fault::LockedButNotDisabled:
        screen->findChild<QWidget*>(QStringLiteral("cmdgencode"))->setEnabled(true);
        break;
    case Fault::ExtraWindow:
        run.frame->show(QStringLiteral("frmgta3cpexit"));
        break;
    case Fault::EndCall:
        run.platform.endProgram();
        break;
    }
    const QString problem = walker.compare();
    QVERIFY2(problem.startsWith(expected), qPrintable(problem));
}

QTEST_MAIN(WalkTest)
#include "walk_test.moc"
