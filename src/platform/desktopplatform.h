#pragma once

#include "platform/platform.h"

namespace spawnsmith {

// The real platform: the steady clock, _Exit, QProcess::startDetached and the desktop's URL opener.
class DesktopPlatform final : public Platform {
public:
    double now() override;
    void endProgram() override;
    bool programExists(const QString& path) override;
    void startDetached(const QString& program, const QStringList& arguments) override;
    void openUrl(const QByteArray& url) override;
};

} // namespace spawnsmith
