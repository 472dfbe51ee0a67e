#pragma once

#include "cli/recordreader.h"

#include <optional>

namespace spawnsmith::cli {

// Spreadsheet lists: a header line naming the columns (any of game, kind, row, name, x, y, z,
// ammo, alarm, doorlock, angle; others are ignored with a warning), then one record a line.
// CSV cells may be quoted ("a, b" with "" for a quote) and keep their text exactly; unquoted
// CSV cells lose surrounding blanks, as spreadsheets write "1, 2". TSV cells are kept exactly.
class DelimitedReader : public RecordReader {
public:
    DelimitedReader(TextLines& lines, QChar separator);
    bool next(Record& record) override;

private:
    // The cells of a line, or nullopt (reported) when a quote is left open.
    std::optional<QStringList> cells(const QString& line);
    bool readHeader();

    QChar separator;
    QList<std::optional<Column>> columns;
    bool headerRead = false;
};

} // namespace spawnsmith::cli
