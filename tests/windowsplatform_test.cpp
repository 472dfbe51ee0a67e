#include "app/frame.h"
#include "app/widgets/textarea.h"
#include "app/window.h"
#include "core/codepage.h"
#include "info/builtins.h"
#include "platform/windowsplatform.h"
#include "support/settle.h"
#include "wizard/wizard.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>

using namespace spawnsmith;

namespace {

// Stands in for the shell: records each call's arguments instead of opening or starting
// anything.
class RecordingShell final : public WindowsShell {
public:
    struct Open {
        quintptr owner;
        QByteArray verb;
        QByteArray file;
        bool parameters;
        bool directory;
        int show;
    };
    struct Start {
        QString application;
        QString commandLine;
        int show;
    };

    void shellExecute(quintptr owner, const char* verb, const char* file, const char* parameters,
                      const char* directory, int showCommand) override {
        opened.append(
            {owner, verb, file, parameters != nullptr, directory != nullptr, showCommand});
    }
    void createProcess(const std::wstring& application, const std::wstring& commandLine,
                       int showCommand) override {
        started.append({QString::fromStdWString(application), QString::fromStdWString(commandLine),
                        showCommand});
    }

    QList<Open> opened;
    QList<Start> started;
};

} // namespace

// The Windows platform's calls into the shell, recorded: the mail URL goes to ShellExecuteA's
// "open" once, in the ANSI code page, on behalf of the composer's window; a web-site entry
// starts the browser minimized and focused, or opens the address where there is no browser.
class WindowsPlatformTest : public QObject {
    Q_OBJECT
private slots:
    void launchHandsTheUrlToTheShellOnce_data();
    void launchHandsTheUrlToTheShellOnce();
    void browserStartsMinimizedWithTheAddress();
    void addressOpensWhereThereIsNoBrowser();
    void programExistsOnlyAtAnAbsolutePath();
    void everyCharacterGetsACodeInTheSystemPage();
};

void WindowsPlatformTest::launchHandsTheUrlToTheShellOnce_data() {
    QTest::addColumn<QString>("cc");
    QTest::addColumn<QByteArray>("query");
    // The body is emptied: the hand-over, not the composer's texts, is what differs here.
    QTest::newRow("CC") << "me@x.org" << QByteArray("?CC=me@x.org&Subject=Spawnsmith");
    // Code 233 in Western European ANSI code pages; other pages give other codes.
    if (GetACP() == 1252)
        QTest::newRow("CC with an accent")
            << "\u00E9 & x" << QByteArray("?CC=%E9 %26 x&Subject=Spawnsmith");
}

void WindowsPlatformTest::launchHandsTheUrlToTheShellOnce() {
    QFETCH(QString, cc);
    QFETCH(QByteArray, query);
    auto shell = std::make_unique<RecordingShell>();
    RecordingShell& recorded = *shell;
    WindowsPlatform platform(std::move(shell));
    Frame frame(platform);
    addAllWindows(frame);
    frame.show(WindowId::frmgtapick);
    frame.loaded("frmgtapick")->findChild<QAction*>("mnuemail")->trigger();
    Window* composer = frame.loaded("frmsendemail");
    composer->findChild<QLineEdit*>("txtCc")->setText(cc);
    composer->findChild<TextArea*>("txtBody")->setText(QString());
    composer->findChild<QAbstractButton*>("cmdSend")->click();
    settle();

    QCOMPARE(recorded.opened.size(), 1);
    const RecordingShell::Open& open = recorded.opened.first();
    QCOMPARE(open.owner, composer->winId());
    QCOMPARE(open.verb, QByteArray("open"));
    QCOMPARE(open.file, "mailto:tarvik@spawnsmith.app" + query);
    QVERIFY(!open.parameters && !open.directory);
    QCOMPARE(open.show, SW_SHOWNORMAL);
    QVERIFY(recorded.started.isEmpty());
}

void WindowsPlatformTest::browserStartsMinimizedWithTheAddress() {
    auto shell = std::make_unique<RecordingShell>();
    RecordingShell& recorded = *shell;
    WindowsPlatform platform(std::move(shell));
    const QString browser = QString::fromUtf8(builtin::browserPath);
    platform.startBrowser(browser, "https://gtaforums.com/");
    QCOMPARE(recorded.started.size(), 1);
    QCOMPARE(recorded.started.first().application, browser);
    QCOMPARE(recorded.started.first().commandLine, '"' + browser + "\" https://gtaforums.com/");
    QCOMPARE(recorded.started.first().show, SW_SHOWMINIMIZED);
    QVERIFY(recorded.opened.isEmpty());
}

// Where no browser is at the built-in path, the entry hands the address to the shell's "open",
// which starts the default browser.
void WindowsPlatformTest::addressOpensWhereThereIsNoBrowser() {
    auto shell = std::make_unique<RecordingShell>();
    RecordingShell& recorded = *shell;
    WindowsPlatform platform(std::move(shell));
    if (platform.programExists(QString::fromUtf8(builtin::browserPath)))
        QSKIP("this system has a browser at the built-in path");
    Frame frame(platform);
    addAllWindows(frame);
    frame.show(WindowId::frmgtapick);
    frame.loaded("frmgtapick")->findChild<QAction*>("mnugtau")->trigger();
    QCOMPARE(recorded.opened.size(), 1);
    QCOMPARE(recorded.opened.first().file, QByteArray("https://www.gtauniverse.com/"));
    QCOMPARE(recorded.opened.first().verb, QByteArray("open"));
    QVERIFY(recorded.started.isEmpty());
}

void WindowsPlatformTest::programExistsOnlyAtAnAbsolutePath() {
    QTemporaryDir folder;
    QFile program(folder.filePath("browser.exe"));
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.write("MZ");
    program.close();
    WindowsPlatform platform;
    QVERIFY(platform.programExists(program.fileName()));
    QVERIFY(!platform.programExists("browser.exe"));
    QVERIFY(!platform.programExists(folder.filePath("missing.exe")));
}

// The system's ANSI code page gives every character at least one byte: "?" for one it lacks
// (the tag characters of a flag emoji among them), never nothing.
void WindowsPlatformTest::everyCharacterGetsACodeInTheSystemPage() {
    WindowsPlatform platform;
    const CodePage& page = platform.ansiCodePage();
    QCOMPARE(page.bytesOf(U'A'), QByteArray("A"));
    for (char32_t c = 0; c <= 0x10FFFF; c += c < 0x10000 ? 1 : 61)
        if (c < 0xD800 || c > 0xDFFF)
            QVERIFY2(!page.bytesOf(c).isEmpty(), qPrintable(QString::number(c, 16)));
    for (char32_t c = 0xE0000; c <= 0xE007F; ++c)
        QVERIFY(!page.bytesOf(c).isEmpty());
    if (GetACP() == 1252) {
        QCOMPARE(page.bytesOf(U'\u00E9'), QByteArray("\xE9"));
        QCOMPARE(page.bytesOf(U'\u20AC'), QByteArray("\x80"));
        QCOMPARE(page.bytesOf(U'\U000E0067'), QByteArray("?"));
    }
}

QTEST_MAIN(WindowsPlatformTest)
#include "windowsplatform_test.moc"
