#include "cli/linesource.h"

#include <cstring>

namespace spawnsmith::cli {

LineSource::Status LineSource::next(QString& line) {
    // One buffer serves every line: a fresh one for each would cost an allocation as large as
    // the longest line, line after line.
    const auto readPiece = [this] { return device.readLine(buffer.data(), qint64(buffer.size())); };
    qint64 got = readPiece();
    if (got <= 0)
        return Status::End;
    ++number;
    const auto endsLine = [this](qint64 size) { return buffer[qsizetype(size) - 1] == '\n'; };
    if (std::memchr(buffer.constData(), 0, std::size_t(got)) != nullptr)
        return Status::NotText;
    if (!endsLine(got) && got >= longestLine) {
        // Skip the rest of the line in pieces, so that no line is ever held whole.
        qint64 rest = 0;
        do
            rest = readPiece();
        while (rest > 0 && !endsLine(rest));
        return Status::TooLong;
    }
    if (endsLine(got))
        --got;
    if (got > 0 && buffer[qsizetype(got) - 1] == '\r')
        --got;
    line = decoder.decode(QByteArrayView(buffer.constData(), got));
    return decoder.hasError() ? Status::NotText : Status::Line;
}

} // namespace spawnsmith::cli
