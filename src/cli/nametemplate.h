#pragma once

#include <QList>
#include <QString>

#include <optional>
#include <variant>

namespace spawnsmith::cli {

// A code-name template such as "wpn{n}": {n} is a counter for the whole run from 1, {name} the
// record's own name (a column, or a TOML key) and {table} the TOML table it stands in.
class NameTemplate {
public:
    // The template, or nullopt when it holds a placeholder other than these three.
    static std::optional<NameTemplate> parse(const QString& text);

    // The name for the run's next record; nullopt when it needs a {name} the record lacks.
    std::optional<QString> next(const std::optional<QString>& name, const QString& table);

private:
    enum class Mark { Counter, Name, Table };
    using Piece = std::variant<QString, Mark>;
    QList<Piece> pieces;
    qint64 counter = 0;
};

// A text made into a valid script variable name: letters, digits and '_' kept, every other
// run of characters one '_', none at either end, and a leading '_' before a digit.
QString variableName(const QString& text);

} // namespace spawnsmith::cli
