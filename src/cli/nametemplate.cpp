#include "cli/nametemplate.h"

namespace spawnsmith::cli {
namespace {

const QLatin1String counterMark("{n}");
const QLatin1String nameMark("{name}");
const QLatin1String tableMark("{table}");

bool isNameCharacter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'_';
}

} // namespace

std::optional<NameTemplate> NameTemplate::parse(const QString& text) {
    NameTemplate made;
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype open = text.indexOf(u'{', at);
        const qsizetype close = text.indexOf(u'}', at);
        if (open < 0 && close < 0) {
            made.pieces.append(text.mid(at));
            break;
        }
        if (close < open || open < 0)
            return std::nullopt;
        if (open > at)
            made.pieces.append(text.mid(at, open - at));
        const QStringView mark = QStringView(text).mid(open, close - open + 1);
        if (mark == counterMark)
            made.pieces.append(Mark::Counter);
        else if (mark == nameMark)
            made.pieces.append(Mark::Name);
        else if (mark == tableMark)
            made.pieces.append(Mark::Table);
        else
            return std::nullopt;
        at = close + 1;
    }
    return made;
}

std::optional<QString> NameTemplate::next(const std::optional<QString>& name,
                                          const QString& table) {
    ++counter;
    QString made;
    for (const Piece& piece : pieces) {
        if (const auto* literal = std::get_if<QString>(&piece))
            made += *literal;
        else if (std::get<Mark>(piece) == Mark::Counter)
            made += QString::number(counter);
        else if (std::get<Mark>(piece) == Mark::Table)
            made += table;
        else if (name)
            made += *name;
        else
            return std::nullopt;
    }
    return made;
}

QString variableName(const QString& text) {
    QString name;
    for (const QChar c : text) {
        if (isNameCharacter(c))
            name += c;
        else if (!name.isEmpty() && !name.endsWith(u'_'))
            name += u'_';
    }
    while (name.endsWith(u'_'))
        name.chop(1);
    if (!name.isEmpty() && name[0].isDigit())
        name.prepend(u'_');
    return name;
}

} // namespace spawnsmith::cli
