#pragma once

#include <QPlainTextEdit>

namespace spawnsmith {

// A multi-line text box: the result screens' box for the generated text, the composer's body
// and the information windows' read-only boxes. Its text uses CR LF between lines, as the
// generated script text does, both when read and when copied to the clipboard.
class TextArea : public QPlainTextEdit {
    Q_OBJECT
public:
    TextArea(const QString& name, const QString& accessibleName, QWidget* parent);

    QString text() const;
    void setText(const QString& text);

protected:
    QMimeData* createMimeDataFromSelection() const override;
};

} // namespace spawnsmith
