#include "app/widgets/textarea.h"

#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>

namespace spawnsmith {
namespace {

// The stand-ins, from the last private-use plane (each a surrogate pair in UTF-16).
constexpr char32_t frameStart = 0xFDD0;
constexpr char32_t frameEnd = 0xFDD1;
constexpr char32_t frameStartStandIn = 0x10FFF0;
constexpr char32_t frameEndStandIn = 0x10FFF1;
constexpr char32_t escape = 0x10FFF2;

void append(QString& text, char32_t character) {
    text += QStringView(QChar::fromUcs4(character));
}

} // namespace

QString toDocumentText(QStringView text) {
    if (!text.contains(QChar(frameStart)) && !text.contains(QChar(frameEnd)) &&
        !text.contains(QChar(QChar::highSurrogate(escape))))
        return text.toString();
    QString document;
    for (const char32_t character : text.toUcs4()) {
        if (character == frameStart) {
            append(document, frameStartStandIn);
        } else if (character == frameEnd) {
            append(document, frameEndStandIn);
        } else if (character == frameStartStandIn || character == frameEndStandIn ||
                   character == escape) {
            append(document, escape);
            append(document, character);
        } else {
            append(document, character);
        }
    }
    return document;
}

QString fromDocumentText(QStringView text) {
    if (!text.contains(QChar(QChar::highSurrogate(escape))))
        return text.toString();
    QString plain;
    const QList<uint> characters = text.toUcs4();
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const char32_t character = characters[i];
        if (character == escape && i + 1 < characters.size())
            append(plain, characters[++i]);
        else if (character == frameStartStandIn)
            append(plain, frameStart);
        else if (character == frameEndStandIn)
            append(plain, frameEnd);
        else
            append(plain, character);
    }
    return plain;
}

TextArea::TextArea(const QString& name, const QString& accessibleName, QWidget* parent)
    : QPlainTextEdit(parent) {
    setObjectName(name);
    setAccessibleName(accessibleName);
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

// The document's paragraph separators are the line breaks; each becomes CR LF.
QString TextArea::fromDocument(QString text) const {
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    if (m_lineSeparatorIsBreak)
        text.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return fromDocumentText(text);
}

QString TextArea::text() const {
    // The raw text keeps every character as typed (toPlainText() would turn a no-break space
    // into a plain one).
    return fromDocument(document()->toRawText());
}

void TextArea::setText(const QString& text) {
    // The document treats CR and LF each as a line break; one CR LF is one break.
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    setPlainText(toDocumentText(lines));
}

QMimeData* TextArea::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    data->setText(fromDocument(textCursor().selectedText()));
    return data;
}

void TextArea::insertFromMimeData(const QMimeData* source) {
    if (isReadOnly() || !source->hasText())
        return;
    // The cursor takes CR LF, a lone CR and a lone LF each as one line break.
    textCursor().insertText(toDocumentText(source->text()));
    ensureCursorVisible();
}

} // namespace spawnsmith
