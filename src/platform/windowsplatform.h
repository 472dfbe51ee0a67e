#pragma once

#include "platform/platform.h"

#include <memory>

namespace spawnsmith {

class CodePage;

// The calls into the Windows API that leave the process: the shell's "open" and starting a
// program. Tests replace them with a recorder and check the arguments.
class WindowsShell {
public:
    virtual ~WindowsShell() = default;
    // ShellExecuteA(owner, "open", file, parameters, directory, showCommand).
    virtual void shellExecute(quintptr owner, const char* verb, const char* file,
                              const char* parameters, const char* directory, int showCommand) = 0;
    // CreateProcessW with this application and command line, STARTF_USESHOWWINDOW and the
    // show command in the start-up information, not waiting for the process.
    virtual void createProcess(const std::wstring& application, const std::wstring& commandLine,
                               int showCommand) = 0;
};

// Windows: the steady clock, ExitProcess, the system's ANSI code page, CreateProcessW and
// ShellExecuteA.
class WindowsPlatform final : public Platform {
public:
    WindowsPlatform();
    explicit WindowsPlatform(std::unique_ptr<WindowsShell> shell);
    ~WindowsPlatform() override;

    double now() override;
    void endProgram() override;
    const CodePage& ansiCodePage() override;
    void startBrowser(const QString& program, const QString& address) override;
    void clearWindowName(quintptr nativeWindow) override;
    void openUrl(const QByteArray& url, quintptr ownerWindow) override;

private:
    std::unique_ptr<WindowsShell> m_shell;
};

} // namespace spawnsmith
