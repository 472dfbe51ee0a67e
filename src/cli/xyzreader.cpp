#include "cli/xyzreader.h"

namespace spawnsmith::cli {

QStringList coordinatePieces(const QString& text) {
    QStringList pieces;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool separator = i == text.size() || text[i] == u',' || text[i].isSpace();
        if (!separator && start < 0)
            start = i;
        else if (separator && start >= 0) {
            pieces.append(text.mid(start, i - start));
            start = -1;
        }
    }
    return pieces;
}

bool XyzReader::next(Record& record) {
    QString line;
    while (lines.next(line)) {
        const QStringList pieces = coordinatePieces(line);
        if (pieces.size() != 3) {
            lines.report().error(lines.place(),
                                 QStringLiteral("expected three coordinates \"x y z\", found %1")
                                     .arg(pieces.size()));
            continue;
        }
        record = Record{};
        record.line = lines.place().line;
        record[Column::X] = pieces[0];
        record[Column::Y] = pieces[1];
        record[Column::Z] = pieces[2];
        return true;
    }
    return false;
}

} // namespace spawnsmith::cli
