#include "cli/outputsink.h"

#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

namespace spawnsmith::cli {
namespace {

constexpr qsizetype bufferSize = 1 << 16;

bool copyAll(QIODevice& from, QIODevice& to) {
    QByteArray chunk(bufferSize, Qt::Uninitialized);
    for (;;) {
        const qint64 got = from.read(chunk.data(), bufferSize);
        if (got <= 0)
            return got == 0;
        if (to.write(chunk.constData(), got) != got)
            return false;
    }
}

} // namespace

OutputSink::OutputSink(Mode mode) : mode(mode) {
#ifdef Q_OS_WIN
    // The car pairs carry their own CR LF: no line break may be translated on the way out.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    // Results are written in blocks already, so Qt's own buffer would only copy them again.
    failed = !standardOutput.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    buffer.reserve(bufferSize);
}

bool OutputSink::spill() {
    QIODevice* target = &standardOutput;
    if (mode == Mode::HeldBack) {
        if (!held) {
            held = std::make_unique<QTemporaryFile>();
            failed = failed || !held->open();
        }
        target = held.get();
    }
    failed = failed || target->write(buffer) != buffer.size();
    buffer.resize(0); // keeps the buffer's memory for the next results
    return !failed;
}

bool OutputSink::write(const QString& result) {
    buffer += result.toUtf8();
    buffer += '\n';
    return buffer.size() < bufferSize || spill();
}

bool OutputSink::commit() {
    if (held) {
        spill();
        failed = failed || !held->seek(0) || !copyAll(*held, standardOutput);
    } else {
        failed = failed || standardOutput.write(buffer) != buffer.size();
        buffer.clear();
    }
    failed = failed || !standardOutput.flush();
    return !failed;
}

} // namespace spawnsmith::cli
