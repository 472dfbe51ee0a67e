#pragma once

#include <QLineEdit>

namespace spawnsmith {

// A single-line text box that takes any text as typed or pasted. Its limit counts characters
// as the user sees them (a surrogate pair is one), and an insertion that would pass it is cut
// to fit without ever keeping part of a character; with no limit it takes any length.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    // `limit`: the most characters the box holds; 0 for no limit.
    TextBox(const QString& name, const QString& accessibleName, int limit, QWidget* parent);

    int limit() const { return m_limit; }

private:
    int m_limit;
};

// The text after an edit turned `before` into `after`, with what the edit inserted cut so that
// the whole holds at most `limit` characters (surrogate pairs counting as one, never split).
// `cursor` is the cursor position in `after`, moved to the end of what was kept.
QString fitToLimit(const QString& before, const QString& after, qsizetype limit, int& cursor);

} // namespace spawnsmith
