#include "cli/linesource.h"

namespace spawnsmith::cli {

LineSource::Status LineSource::next(QString& line) {
    QByteArray bytes = device.readLine(longestLine + 1);
    if (bytes.isEmpty())
        return Status::End;
    ++number;
    if (bytes.contains('\0'))
        return Status::NotText;
    if (!bytes.endsWith('\n') && bytes.size() >= longestLine) {
        // Skip the rest of the line in pieces, so that no line is ever held whole.
        QByteArray rest;
        do
            rest = device.readLine(longestLine + 1);
        while (!rest.isEmpty() && !rest.endsWith('\n'));
        return Status::TooLong;
    }
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    line = decoder.decode(bytes);
    return decoder.hasError() ? Status::NotText : Status::Line;
}

} // namespace spawnsmith::cli
