#include "cli/tomlreader.h"

#include "cli/nametemplate.h"
#include "cli/xyzreader.h"

namespace spawnsmith::cli {
namespace {

bool isBareKeyCharacter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'_' || c == u'-';
}

// The character a basic string's escape stands for ("\n" and so on), or nullopt.
std::optional<QChar> escaped(QChar c) {
    switch (c.unicode()) {
    case u'n':
        return u'\n';
    case u't':
        return u'\t';
    case u'r':
        return u'\r';
    case u'"':
        return u'"';
    case u'\\':
        return u'\\';
    default:
        return std::nullopt;
    }
}

} // namespace

void TomlReader::Cursor::skipBlanks() {
    while (at < text.size() && (text[at] == u' ' || text[at] == u'\t'))
        ++at;
}

bool TomlReader::Cursor::atEnd() {
    skipBlanks();
    return at >= text.size() || text[at] == u'#';
}

std::optional<QString> TomlReader::Cursor::string() {
    const QChar quote = text[at];
    if (text.mid(at, 3) == QString(3, quote)) {
        problem = QStringLiteral("multi-line strings are not read");
        return std::nullopt;
    }
    QString made;
    for (++at; at < text.size(); ++at) {
        if (text[at] == quote) {
            ++at;
            return made;
        }
        if (quote == u'"' && text[at] == u'\\' && at + 1 < text.size()) {
            const std::optional<QChar> c = escaped(text[++at]);
            if (!c) {
                problem = QStringLiteral("unknown escape \"\\%1\"").arg(text[at]);
                return std::nullopt;
            }
            made += *c;
        } else {
            made += text[at];
        }
    }
    problem = QStringLiteral("quote left open");
    return std::nullopt;
}

std::optional<QString> TomlReader::Cursor::key() {
    skipBlanks();
    if (at < text.size() && (text[at] == u'"' || text[at] == u'\''))
        return string();
    const qsizetype start = at;
    while (at < text.size() && isBareKeyCharacter(text[at]))
        ++at;
    if (at == start) {
        problem = QStringLiteral("expected a key");
        return std::nullopt;
    }
    return text.mid(start, at - start);
}

std::optional<QString> TomlReader::Cursor::dottedKey() {
    QStringList parts;
    for (;;) {
        const std::optional<QString> part = key();
        if (!part)
            return std::nullopt;
        parts.append(*part);
        skipBlanks();
        if (at >= text.size() || text[at] != u'.')
            return parts.join(u'.');
        ++at;
    }
}

std::optional<QStringList> TomlReader::value(Cursor& cursor) {
    cursor.skipBlanks();
    QString listed;
    if (cursor.at < cursor.text.size() &&
        (cursor.text[cursor.at] == u'"' || cursor.text[cursor.at] == u'\'')) {
        const std::optional<QString> text = cursor.string();
        if (!text)
            return std::nullopt;
        listed = *text;
    } else if (cursor.at < cursor.text.size() && cursor.text[cursor.at] == u'[') {
        const qsizetype end = cursor.text.indexOf(u']', cursor.at);
        if (end < 0) {
            cursor.problem = QStringLiteral("arrays that span lines are not read");
            return std::nullopt;
        }
        listed = cursor.text.mid(cursor.at + 1, end - cursor.at - 1);
        cursor.at = end + 1;
    } else {
        cursor.problem = QStringLiteral("expected a string or an array of numbers");
        return std::nullopt;
    }
    if (!cursor.atEnd()) {
        cursor.problem = QStringLiteral("unexpected text after the value");
        return std::nullopt;
    }
    QStringList pieces = coordinatePieces(listed);
    if (pieces.size() == 4)
        pieces.removeFirst(); // the interior
    if (pieces.size() != 3) {
        cursor.problem = QStringLiteral("expected \"interior, x, y, z\" or \"x, y, z\"");
        return std::nullopt;
    }
    return pieces;
}

bool TomlReader::next(Record& record) {
    QString line;
    while (lines.next(line)) {
        Cursor cursor{line, 0, {}};
        cursor.skipBlanks();
        if (line[cursor.at] == u'[') {
            const bool arrayOfTables = line.mid(cursor.at, 2) == QLatin1String("[[");
            cursor.at += arrayOfTables ? 2 : 1;
            const std::optional<QString> name = cursor.dottedKey();
            const QLatin1String close(arrayOfTables ? "]]" : "]");
            if (name && line.mid(cursor.at, close.size()) == close) {
                cursor.at += close.size();
                if (cursor.atEnd()) {
                    table = variableName(*name);
                    continue;
                }
            }
            lines.report().error(lines.place(), cursor.problem.isEmpty()
                                                    ? QStringLiteral("malformed table header")
                                                    : cursor.problem);
            continue;
        }
        const std::optional<QString> key = cursor.dottedKey();
        cursor.skipBlanks();
        if (key && (cursor.at >= line.size() || line[cursor.at] != u'='))
            cursor.problem = QStringLiteral("expected \"=\" after the key");
        std::optional<QStringList> coordinates;
        if (cursor.problem.isEmpty()) {
            ++cursor.at;
            coordinates = value(cursor);
        }
        if (!coordinates) {
            lines.report().error(lines.place(), cursor.problem);
            continue;
        }
        record = Record{};
        record.line = lines.place().line;
        record.table = table;
        record[Column::Name] = variableName(*key);
        record[Column::X] = (*coordinates)[0];
        record[Column::Y] = (*coordinates)[1];
        record[Column::Z] = (*coordinates)[2];
        return true;
    }
    return false;
}

} // namespace spawnsmith::cli
