#pragma once

#include "platform/platform.h"

namespace spawnsmith {

// A Unix-like desktop: the steady clock, _Exit, QProcess and the desktop's URL opener
// (xdg-open; open on macOS). Its ANSI code page is Windows-1252.
class DesktopPlatform final : public Platform {
public:
    double now() override;
    void endProgram() override;
    const CodePage& ansiCodePage() override;
    void startBrowser(const QString& program, const QString& address) override;
    void clearWindowName(quintptr nativeWindow) override;
    void openUrl(const QByteArray& url, quintptr ownerWindow) override;
};

} // namespace spawnsmith
