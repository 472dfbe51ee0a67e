#include "cli/delimitedreader.h"

namespace spawnsmith::cli {

DelimitedReader::DelimitedReader(TextLines& lines, QChar separator)
    : RecordReader(lines), separator(separator) {}

std::optional<QStringList> DelimitedReader::cells(const QString& line) {
    if (separator != u',')
        return line.split(separator);
    QStringList cells;
    qsizetype i = 0;
    for (;;) {
        while (i < line.size() && line[i].isSpace())
            ++i;
        QString cell;
        if (i < line.size() && line[i] == u'"') {
            for (++i;; ++i) {
                if (i >= line.size()) {
                    lines.report().error(lines.place(), QStringLiteral("quote left open"));
                    return std::nullopt;
                }
                if (line[i] == u'"') {
                    if (i + 1 < line.size() && line[i + 1] == u'"')
                        ++i;
                    else
                        break;
                }
                cell += line[i];
            }
            ++i;
            while (i < line.size() && line[i] != u',')
                ++i;
        } else {
            const qsizetype end = line.indexOf(u',', i);
            cell = line.mid(i, (end < 0 ? line.size() : end) - i).trimmed();
            i = end < 0 ? line.size() : end;
        }
        cells.append(cell);
        if (i >= line.size())
            return cells;
        ++i; // the comma
    }
}

bool DelimitedReader::readHeader() {
    QString line;
    if (!lines.next(line))
        return false;
    const std::optional<QStringList> names = cells(line);
    if (!names)
        return false;
    for (const QString& name : *names) {
        const std::optional<Column> column = columnNamed(name);
        if (!column)
            lines.report().warning(lines.place(),
                                   QStringLiteral("unknown column \"%1\" ignored").arg(name));
        else if (columns.contains(column)) {
            lines.report().error(lines.place(),
                                 QStringLiteral("column \"%1\" given twice").arg(name));
            return false;
        }
        columns.append(column);
    }
    return true;
}

bool DelimitedReader::next(Record& record) {
    if (!headerRead) {
        headerRead = true;
        if (!readHeader()) {
            columns.clear();
            return false;
        }
    }
    if (columns.isEmpty())
        return false;
    QString line;
    while (lines.next(line)) {
        const std::optional<QStringList> values = cells(line);
        if (!values)
            continue;
        if (values->size() != columns.size()) {
            lines.report().error(lines.place(), QStringLiteral("%1 cells where the header names %2")
                                                    .arg(values->size())
                                                    .arg(columns.size()));
            continue;
        }
        record = Record{};
        record.line = lines.place().line;
        for (qsizetype i = 0; i < columns.size(); ++i)
            if (columns[i])
                record[*columns[i]] = (*values)[i];
        return true;
    }
    return false;
}

} // namespace spawnsmith::cli
