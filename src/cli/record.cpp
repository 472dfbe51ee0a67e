#include "cli/record.h"

namespace spawnsmith::cli {
namespace {

constexpr const char* names[columnCount] = {"game", "kind", "row",   "name",     "ammo", "x",
                                            "y",    "z",    "alarm", "doorlock", "angle"};

} // namespace

QString columnName(Column column) {
    return QLatin1String(names[int(column)]);
}

std::optional<Column> columnNamed(const QString& header) {
    QString key;
    for (const QChar c : header)
        if (!c.isSpace() && c != u'-' && c != u'_')
            key += c.toLower();
    for (int i = 0; i < columnCount; ++i)
        if (key == QLatin1String(names[i]))
            return Column(i);
    return std::nullopt;
}

} // namespace spawnsmith::cli
