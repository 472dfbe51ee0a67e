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
    QString rest = text;
    rest.remove(counterMark).remove(nameMark).remove(tableMark);
    if (rest.contains(u'{') || rest.contains(u'}'))
        return std::nullopt;
    NameTemplate made;
    made.text = text;
    return made;
}

std::optional<QString> NameTemplate::next(const std::optional<QString>& name,
                                          const QString& table) {
    ++counter;
    if (text.contains(nameMark) && !name)
        return std::nullopt;
    QString made = text;
    made.replace(counterMark, QString::number(counter));
    made.replace(nameMark, name.value_or(QString()));
    made.replace(tableMark, table);
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
