#pragma once

#include <QPlainTextEdit>

namespace spawnsmith {

// A multi-line text box: the result screens' box for the generated text, the composer's body
// and the information windows' read-only boxes. Its text uses CR LF between lines, as the
// generated script text does, both when read and when copied to the clipboard, and it gives
// back every character it was given.
class TextArea : public QPlainTextEdit {
    Q_OBJECT
public:
    TextArea(const QString& name, const QString& accessibleName, QWidget* parent);

    QString text() const;
    void setText(const QString& text);

    // Whether a line separator (U+2028, which Shift+Enter types) is a line break too, read as
    // CR LF like the paragraph breaks Enter makes. Off: it is kept as the character it is.
    void setLineSeparatorIsBreak(bool isBreak) { m_lineSeparatorIsBreak = isBreak; }

protected:
    QMimeData* createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    QString fromDocument(QString text) const;

    bool m_lineSeparatorIsBreak = false;
};

// Qt's text document takes U+FDD0 and U+FDD1 as the marks of a frame and turns them into line
// breaks. So that they survive, the document holds them as two private-use characters, and
// those (and the escape itself) as the escape followed by the character.
QString toDocumentText(QStringView text);
QString fromDocumentText(QStringView text);

} // namespace spawnsmith
