#include "app/fontfit.h"

#include "app/widgets/textarea.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QStyleOptionButton>
#include <QTextDocument>

#include <limits>

namespace spawnsmith {
namespace {

constexpr qreal smallestPointSize = 6.0;

// The room a text needs in `width` pixels, wrapped at word boundaries.
QRect wrapped(const QFontMetrics& metrics, int width, int flags, const QString& text) {
    return metrics.boundingRect(QRect(0, 0, width, std::numeric_limits<int>::max() / 2),
                                flags | Qt::TextWordWrap, text);
}

bool labelFits(const QLabel& label) {
    if (label.text().isEmpty())
        return true;
    const QFontMetrics metrics = label.fontMetrics();
    const QRect area = label.contentsRect();
    if (!label.wordWrap())
        return metrics.horizontalAdvance(label.text()) <= area.width() &&
               metrics.height() <= area.height();
    const QRect needed = wrapped(metrics, area.width(), int(label.alignment()), label.text());
    return needed.width() <= area.width() && needed.height() <= area.height();
}

// A command button draws its caption centred and wrapped in its contents area.
bool buttonFits(const QAbstractButton& button) {
    if (button.text().isEmpty())
        return true;
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QRect area = button.style()
                           ->subElementRect(QStyle::SE_PushButtonContents, &option, &button)
                           .adjusted(2, 0, -2, 0);
    const QRect needed = wrapped(button.fontMetrics(), area.width(),
                                 Qt::AlignCenter | Qt::TextShowMnemonic, button.text());
    return needed.width() <= area.width() && needed.height() <= area.height();
}

bool frameTitleFits(const QGroupBox& frame) {
    // The title sits in the frame's top edge, after an indent and before the frame's end.
    return frame.fontMetrics().horizontalAdvance(frame.title()) + 16 <= frame.width();
}

// A multi-line box shows all of its text at once, with no scroll bar: its lines, wrapped to the
// box's width, fit its height (the empty line after a final line break included).
bool textAreaFits(const TextArea& area) {
    const QStringList lines = area.text().split(QStringLiteral("\r\n"));
    const QFontMetrics metrics = area.fontMetrics();
    const int margin = qRound(area.document()->documentMargin());
    // The box's inside, from its geometry: its viewport gets its size only once it is shown.
    const QRect inside = area.contentsRect();
    const int width = inside.width() - 2 * margin;
    int height = 2 * margin;
    for (const QString& line : lines)
        height += line.isEmpty() ? metrics.lineSpacing()
                                 : wrapped(metrics, width, Qt::AlignLeft, line).height();
    return area.text().isEmpty() || height <= inside.height();
}

bool everythingFits(QWidget* window) {
    // The layouts place the controls for the font at hand first.
    for (QLayout* layout : window->findChildren<QLayout*>())
        layout->activate();
    if (window->layout())
        window->layout()->activate();
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (!labelFits(*label))
            return false;
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (!buttonFits(*button))
            return false;
    for (const QGroupBox* frame : window->findChildren<QGroupBox*>())
        if (!frameTitleFits(*frame))
            return false;
    for (const TextArea* area : window->findChildren<TextArea*>())
        if (!textAreaFits(*area))
            return false;
    return true;
}

} // namespace

void fitFont(QWidget* window) {
    QFont font = window->font();
    while (font.pointSizeF() > smallestPointSize && !everythingFits(window)) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        window->setFont(font);
    }
}

} // namespace spawnsmith
