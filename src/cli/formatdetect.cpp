#include "cli/formatdetect.h"

#include "cli/record.h"
#include "cli/xyzreader.h"

#include <QRegularExpression>

namespace spawnsmith::cli {
namespace {

constexpr const char* words[] = {"auto", "xyz", "csv", "tsv", "toml"};

// Whether a line split at `separator` names at least two columns: a header, which may also
// hold columns of the user's own.
bool isHeader(const QString& line, QChar separator) {
    int named = 0;
    for (QString cell : line.split(separator)) {
        cell = cell.trimmed();
        if (cell.startsWith(u'"') && cell.endsWith(u'"') && cell.size() >= 2)
            cell = cell.mid(1, cell.size() - 2);
        if (columnNamed(cell))
            ++named;
    }
    return named >= 2;
}

} // namespace

std::optional<Format> formatNamed(const QString& word) {
    for (int i = 0; i < int(std::size(words)); ++i)
        if (word == QLatin1String(words[i]))
            return Format(i);
    return std::nullopt;
}

QString formatWord(Format format) {
    return QLatin1String(words[int(format)]);
}

Format detectFormat(const QString& fileName, const QString& firstLine, bool& guessed) {
    const QString lowered = fileName.toLower();
    guessed = false;
    if (lowered.endsWith(QLatin1String(".csv")))
        return Format::Csv;
    if (lowered.endsWith(QLatin1String(".tsv")))
        return Format::Tsv;
    if (lowered.endsWith(QLatin1String(".toml")))
        return Format::Toml;
    guessed = true;
    if (isHeader(firstLine, u'\t'))
        return Format::Tsv;
    if (isHeader(firstLine, u','))
        return Format::Csv;
    static const QRegularExpression tomlStart(
        QStringLiteral(R"(^\s*(\[|("[^"]*"|'[^']*'|[A-Za-z0-9_.-]+)\s*=))"));
    if (tomlStart.match(firstLine).hasMatch())
        return Format::Toml;
    // Three numbers need no announcement; anything else is read as coordinates too, and the
    // reader says what it found.
    guessed = coordinatePieces(firstLine).size() != 3;
    return Format::Xyz;
}

} // namespace spawnsmith::cli
