#include "app/widgets/textarea.h"

#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>

namespace spawnsmith {
namespace {

QString withCrLf(QString text) {
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

} // namespace

TextArea::TextArea(const QString& name, const QString& accessibleName, QWidget* parent)
    : QPlainTextEdit(parent) {
    setObjectName(name);
    setAccessibleName(accessibleName);
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

QString TextArea::text() const {
    // The raw text keeps every character as typed (toPlainText() would turn a no-break space
    // into a plain one); its paragraph separators are the line breaks.
    return withCrLf(document()->toRawText());
}

void TextArea::setText(const QString& text) {
    // The document treats CR and LF each as a line break; one CR LF is one break.
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    setPlainText(lines);
}

QMimeData* TextArea::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    data->setText(withCrLf(textCursor().selectedText()));
    return data;
}

} // namespace spawnsmith
