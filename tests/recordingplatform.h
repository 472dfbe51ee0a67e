#pragma once

#include "platform/platform.h"

#include <QList>
#include <QPair>

#include <functional>

namespace spawnsmith {

// A platform that records what the wizard asks of it instead of doing it.
class RecordingPlatform final : public Platform {
public:
    double now() override {
        ++clockReadings;
        return clock ? clock() : realClock.now();
    }
    void endProgram() override { ++endProgramCalls; }
    bool programExists(const QString& path) override { return existingPrograms.contains(path); }
    void startDetached(const QString& program, const QStringList& arguments) override {
        started.append({program, arguments});
    }
    void openUrl(const QByteArray& url) override { openedUrls.append(url); }

    std::function<double()> clock; // replaces the real clock when set
    int clockReadings = 0;
    int endProgramCalls = 0;
    QStringList existingPrograms;
    QList<QPair<QString, QStringList>> started;
    QList<QByteArray> openedUrls;

private:
    struct RealClock {
        double now();
    } realClock;
};

} // namespace spawnsmith
