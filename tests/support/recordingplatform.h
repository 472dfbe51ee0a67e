#pragma once

#include "core/codepage.h"
#include "platform/platform.h"
#include "platform/steadyclock.h"

#include <QList>
#include <QPair>
#include <QStringList>

#include <functional>

namespace spawnsmith {

// A platform that records what the wizard asks of it instead of doing it. Its code page is
// Windows-1252 and its clock the real steady clock unless a test sets one.
class RecordingPlatform final : public Platform {
public:
    double now() override {
        ++clockReadings;
        return clock ? clock() : steadyClockSeconds();
    }
    void endProgram() override { ++endProgramCalls; }
    const CodePage& ansiCodePage() override { return windows1252(); }
    bool programExists(const QString& path) override { return existingPrograms.contains(path); }
    void startBrowser(const QString& program, const QString& address) override {
        started.append({program, {address}});
    }
    void clearWindowName(quintptr nativeWindow) override { unnamedWindows.append(nativeWindow); }
    void openUrl(const QByteArray& url, quintptr ownerWindow) override {
        openedUrls.append(url);
        urlOwners.append(ownerWindow);
    }

    std::function<double()> clock; // replaces the real clock when set
    int clockReadings = 0;
    int endProgramCalls = 0;
    QStringList existingPrograms;
    QList<QPair<QString, QStringList>> started;
    QList<QByteArray> openedUrls;
    QList<quintptr> urlOwners;
    QList<quintptr> unnamedWindows;
};

} // namespace spawnsmith
