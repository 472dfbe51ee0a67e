#pragma once

#include <QString>

#include <array>
#include <optional>

namespace spawnsmith::cli {

// The values a record can carry, one per column of a CSV header or option of the same name.
enum class Column { Game, Kind, Row, Name, Ammo, X, Y, Z, Alarm, DoorLock, Angle };
inline constexpr int columnCount = 11;

// The column's name in headers, options and messages ("doorlock" for the door-lock box).
QString columnName(Column column);
// The column a header cell names, ignoring case, blanks, '-' and '_' ("Door_Lock" = doorlock).
std::optional<Column> columnNamed(const QString& header);

// One input record: the values its source gave (absent = the source has no such column),
// where it stands and, for TOML, the table it came from.
struct Record {
    std::array<std::optional<QString>, columnCount> values;
    qint64 line = 0;
    QString table;

    std::optional<QString>& operator[](Column column) { return values[std::size_t(column)]; }
    const std::optional<QString>& operator[](Column column) const {
        return values[std::size_t(column)];
    }
};

} // namespace spawnsmith::cli
