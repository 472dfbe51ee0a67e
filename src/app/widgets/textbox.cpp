#include "app/widgets/textbox.h"

#include <QValidator>

#include <limits>

namespace spawnsmith {
namespace {

qsizetype characters(QStringView text) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++count)
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    return count;
}

// The longest start of `text` that holds at most `count` characters.
QStringView firstCharacters(QStringView text, qsizetype count) {
    qsizetype i = 0;
    for (; i < text.size() && count > 0; ++i, --count)
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    return text.first(i);
}

// Keeps the box's text within its limit. Qt's own maximum length counts UTF-16 units and would
// cut a character in half; this counts characters. Every edit, typed, pasted or set, passes
// here with the whole new text, and the previous text tells what the edit inserted.
class CharacterLimit : public QValidator {
public:
    CharacterLimit(qsizetype limit, QObject* parent) : QValidator(parent), m_limit(limit) {}

    State validate(QString& input, int& cursor) const override {
        input = fitToLimit(m_accepted, input, m_limit, cursor);
        m_accepted = input;
        return Acceptable;
    }

private:
    qsizetype m_limit;
    mutable QString m_accepted;
};

} // namespace

QString fitToLimit(const QString& before, const QString& after, qsizetype limit, int& cursor) {
    if (characters(after) <= limit)
        return after;
    // What the edit left of the old text: a common start and a common end, neither of them
    // splitting a surrogate pair; the rest of `after` is what it inserted.
    qsizetype start = 0;
    while (start < before.size() && start < after.size() && before[start] == after[start])
        ++start;
    if (start > 0 && after[start - 1].isHighSurrogate())
        --start;
    qsizetype end = 0;
    while (end < before.size() - start && end < after.size() - start &&
           before[before.size() - 1 - end] == after[after.size() - 1 - end])
        ++end;
    if (end > 0 && after[after.size() - end].isLowSurrogate())
        --end;
    const QStringView kept = QStringView(after).first(start);
    const QStringView keptEnd = QStringView(after).last(end);
    const QStringView inserted = QStringView(after).sliced(start, after.size() - start - end);
    const qsizetype room = std::max<qsizetype>(0, limit - characters(kept) - characters(keptEnd));
    const QStringView fitted = firstCharacters(inserted, room);
    cursor = static_cast<int>(kept.size() + fitted.size());
    QString fittedText = kept.toString();
    fittedText.append(fitted).append(keptEnd);
    return fittedText;
}

TextBox::TextBox(const QString& name, const QString& accessibleName, int limit, QWidget* parent)
    : QLineEdit(parent), m_limit(limit) {
    setObjectName(name);
    setAccessibleName(accessibleName);
    // Qt's own limit would keep only the first 32,767 UTF-16 units of a longer paste.
    setMaxLength(std::numeric_limits<int>::max());
    if (limit > 0)
        setValidator(new CharacterLimit(limit, this));
}

} // namespace spawnsmith
