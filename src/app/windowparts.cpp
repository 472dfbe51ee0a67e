#include "app/windowparts.h"

#include "app/frame.h"
#include "app/widgets/commandbutton.h"
#include "app/window.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace spawnsmith {

QWidget* clientOf(QWidget* parent) {
    if (auto* window = qobject_cast<Window*>(parent))
        return window->client();
    return parent;
}

CommandButton* addButton(Frame& frame, Window* window, const ButtonSpec& design, const QRect& where,
                         QWidget* parent) {
    auto* button = new CommandButton(QLatin1String(design.name), QString::fromUtf8(design.caption),
                                     clientOf(parent ? parent : window));
    button->setGeometry(where);
    const QString windowName = window->objectName();
    QObject::connect(
        button, &QPushButton::clicked, &frame,
        [&frame, windowName, action = design.action] { frame.perform(windowName, action); });
    return button;
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QRect& where) {
    auto* label = new QLabel(text, clientOf(parent));
    label->setObjectName(QLatin1String(name));
    label->setGeometry(where);
    // A label with room for one line keeps its text on that line, narrowing the font as far
    // as needed; taller labels, and labels placed later by a layout, wrap.
    if (where.isValid() && where.height() < 2 * label->fontMetrics().height()) {
        QFont font = label->font();
        while (font.pointSize() > 6 && QFontMetrics(font).horizontalAdvance(text) > where.width())
            font.setPointSize(font.pointSize() - 1);
        label->setFont(font);
    } else {
        label->setWordWrap(true);
    }
    return label;
}

QLineEdit* addInputBox(QWidget* parent, const char* name, const QString& accessibleName,
                       int maxLength, const QRect& where) {
    auto* box = new QLineEdit(clientOf(parent));
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(accessibleName);
    if (maxLength > 0)
        box->setMaxLength(maxLength);
    box->setGeometry(where);
    return box;
}

QGroupBox* addFrame(QWidget* parent, const char* name, const QString& title, const QRect& where) {
    auto* frame = new QGroupBox(title, clientOf(parent));
    frame->setObjectName(QLatin1String(name));
    frame->setAccessibleName(title);
    frame->setGeometry(where);
    return frame;
}

} // namespace spawnsmith
