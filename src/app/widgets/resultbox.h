#pragma once

#include <QPlainTextEdit>

namespace spawnsmith {

// The multi-line, editable text box of a result screen. Its text uses CR LF between lines, as
// the generated script text does, both when read and when copied to the clipboard.
class ResultBox : public QPlainTextEdit {
    Q_OBJECT
public:
    ResultBox(const QString& name, const QString& accessibleName, QWidget* parent);

    QString text() const;
    void setText(const QString& text);

protected:
    QMimeData* createMimeDataFromSelection() const override;
};

} // namespace spawnsmith
