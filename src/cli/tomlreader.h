#pragma once

#include "cli/recordreader.h"

#include <optional>

namespace spawnsmith::cli {

// Location lists kept as TOML: `"Grove Street" = "0, 2495.09, -1687.39, 13.52"` (interior,
// x, y, z; the interior is ignored) or the same as an array, or with x, y, z alone. Tables in
// brackets, bare and quoted keys (both quote styles, dotted keys) and comments are read as TOML
// reads them. The key, made a valid variable name, is the record's name; the table's name
// (made one too) is its table. Values that span lines are not read.
class TomlReader : public RecordReader {
public:
    using RecordReader::RecordReader;
    bool next(Record& record) override;

private:
    // A line read with `at` past what was read; a message on the first thing that is not TOML.
    struct Cursor {
        const QString& text;
        qsizetype at = 0;
        QString problem;
        void skipBlanks();
        bool atEnd();
        std::optional<QString> string();
        std::optional<QString> key();
        std::optional<QString> dottedKey();
    };
    std::optional<QStringList> value(Cursor& cursor);

    QString table;
};

} // namespace spawnsmith::cli
