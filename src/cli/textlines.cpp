#include "cli/textlines.h"

namespace spawnsmith::cli {

bool TextLines::next(QString& line) {
    if (repeat) {
        repeat = false;
        line = last;
        return true;
    }
    for (;;) {
        switch (source.next(last)) {
        case LineSource::Status::End:
            return false;
        case LineSource::Status::NotText:
            diagnostics.error(place(), QStringLiteral("not a UTF-8 text file; reading stops here"));
            return false;
        case LineSource::Status::TooLong:
            diagnostics.error(
                place(),
                QStringLiteral("line longer than %1 bytes skipped").arg(LineSource::longestLine));
            continue;
        case LineSource::Status::Line:
            break;
        }
        qsizetype first = 0;
        while (first < last.size() && last[first].isSpace())
            ++first;
        if (first == last.size() || last[first] == u'#')
            continue;
        line = last;
        return true;
    }
}

} // namespace spawnsmith::cli
