#include "platform/windowsplatform.h"

#include "core/codepage.h"
#include "platform/steadyclock.h"
#include "platform/systemplatform.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

namespace spawnsmith {
namespace {

// The system's ANSI code page, one character at a time. A character the page lacks becomes
// "?" (no best-fit substitutes); a UTF-8 code page holds every character.
class SystemAnsiCodePage final : public CodePage {
public:
    QByteArray bytesOf(char32_t character) const override {
        const QString text = QString::fromUcs4(&character, 1); // UTF-16, as Windows takes it
        const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
        char bytes[8];
        const bool utf8 = GetACP() == CP_UTF8;
        BOOL usedDefault = FALSE;
        const int size =
            WideCharToMultiByte(CP_ACP, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, wide, int(text.size()),
                                bytes, int(sizeof bytes), nullptr, utf8 ? nullptr : &usedDefault);
        if (size <= 0 || usedDefault)
            return QByteArrayLiteral("?");
        return QByteArray(bytes, size);
    }
};

class Win32Shell final : public WindowsShell {
public:
    void shellExecute(quintptr owner, const char* verb, const char* file, const char* parameters,
                      const char* directory, int showCommand) override {
        ShellExecuteA(reinterpret_cast<HWND>(owner), verb, file, parameters, directory,
                      showCommand);
    }

    void createProcess(const std::wstring& application, const std::wstring& commandLine,
                       int showCommand) override {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = static_cast<WORD>(showCommand);
        PROCESS_INFORMATION process{};
        std::wstring line = commandLine; // CreateProcessW may write into its command line
        if (CreateProcessW(application.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &process)) {
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
    }
};

} // namespace

WindowsPlatform::WindowsPlatform() : m_shell(std::make_unique<Win32Shell>()) {}

WindowsPlatform::WindowsPlatform(std::unique_ptr<WindowsShell> shell) : m_shell(std::move(shell)) {}

WindowsPlatform::~WindowsPlatform() = default;

double WindowsPlatform::now() {
    return steadyClockSeconds();
}

void WindowsPlatform::endProgram() {
    ExitProcess(0);
}

const CodePage& WindowsPlatform::ansiCodePage() {
    static const SystemAnsiCodePage page;
    return page;
}

void WindowsPlatform::startBrowser(const QString& program, const QString& address) {
    // The command line is the program's quoted path, one blank and the address.
    const QString commandLine = QLatin1Char('"') + program + QLatin1String("\" ") + address;
    m_shell->createProcess(program.toStdWString(), commandLine.toStdWString(), SW_SHOWMINIMIZED);
}

void WindowsPlatform::clearWindowName(quintptr nativeWindow) {
    if (nativeWindow != 0)
        SetWindowTextW(reinterpret_cast<HWND>(nativeWindow), L"");
}

void WindowsPlatform::openUrl(const QByteArray& url, quintptr ownerWindow) {
    m_shell->shellExecute(ownerWindow, "open", url.constData(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::unique_ptr<Platform> makeSystemPlatform() {
    return std::make_unique<WindowsPlatform>();
}

} // namespace spawnsmith
