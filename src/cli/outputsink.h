#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryFile>

#include <memory>

namespace spawnsmith::cli {

// Standard output for results, each followed by "\n". Held back, a run's results reach
// standard output only on commit(), so that a run with errors writes nothing; what does not
// fit a small buffer waits in a temporary file, so memory stays flat however long the run.
class OutputSink {
public:
    enum class Mode { Direct, HeldBack };
    explicit OutputSink(Mode mode);

    bool write(const QString& result);
    // Sends what was held back (or is still buffered) to standard output.
    bool commit();

private:
    bool spill();

    Mode mode;
    QFile standardOutput;
    QByteArray buffer;
    std::unique_ptr<QTemporaryFile> held;
    bool failed = false;
};

} // namespace spawnsmith::cli
