#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringDecoder>

namespace spawnsmith::cli {

// Reads a text file line by line without holding more than one line: UTF-8 with or without a
// byte order mark, LF or CR LF. A line of `longestLine` bytes or more is skipped and reported;
// a NUL byte or a byte sequence that is not UTF-8 ends the reading (a binary file).
class LineSource {
public:
    static constexpr qint64 longestLine = 65536;

    enum class Status { Line, TooLong, End, NotText };

    explicit LineSource(QIODevice& device) : device(device) {}

    // Reads the next line into `line`, without its line break.
    Status next(QString& line);
    // The 1-based number of the line last read.
    qint64 lineNumber() const { return number; }

private:
    QIODevice& device;
    QStringDecoder decoder{QStringConverter::Utf8};
    QByteArray buffer{longestLine + 1, Qt::Uninitialized}; // a line and QIODevice's final NUL
    qint64 number = 0;
};

} // namespace spawnsmith::cli
