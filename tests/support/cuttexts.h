#pragma once

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

namespace spawnsmith {

// The labels, buttons and frame captions of a shown window whose text does not fit whole in
// the control, each as "name: text"; and a font size other than the window's first, as
// "name: size". Measured the way Qt's widgets measure themselves (size hints, height for a
// width), independently of how the program chose its font.
inline QStringList cutTexts(const QWidget* window) {
    QStringList problems;
    qreal size = 0;
    const auto sameSize = [&](const QWidget* control) {
        const qreal own = control->font().pointSizeF();
        if (size == 0)
            size = own;
        else if (own != size)
            problems << control->objectName() + ": " + QString::number(own) + " pt";
    };
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        sameSize(label);
        const QRect area = label->contentsRect();
        const bool fits = label->wordWrap()
                              ? label->heightForWidth(label->width()) <= label->height()
                              : label->sizeHint().width() <= label->width() &&
                                    label->fontMetrics().height() <= area.height();
        if (!fits)
            problems << label->objectName() + ": " + label->text();
    }
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->text().isEmpty())
            continue;
        sameSize(button);
        // The face inside the button's bevel, as the style draws it.
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect area =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        QString caption = button->text();
        caption.remove(QLatin1Char('&'));
        const QRect needed = button->fontMetrics().boundingRect(
            QRect(0, 0, area.width(), 10000), Qt::TextWordWrap | Qt::AlignHCenter, caption);
        if (needed.width() > area.width() || needed.height() > area.height())
            problems << button->objectName() + ": " + button->text();
    }
    for (const QGroupBox* frame : window->findChildren<QGroupBox*>()) {
        sameSize(frame);
        if (frame->minimumSizeHint().width() > frame->width())
            problems << frame->objectName() + ": " + frame->title();
    }
    return problems;
}

} // namespace spawnsmith
