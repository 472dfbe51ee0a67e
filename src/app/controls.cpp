#include "app/controls.h"

#include "app/frame.h"
#include "app/layout.h"
#include "app/widgets/commandbutton.h"
#include "app/widgets/textbox.h"
#include "app/window.h"

#include <QGroupBox>
#include <QLabel>

namespace spawnsmith {

QWidget* clientOf(QWidget* parent) {
    if (auto* window = qobject_cast<Window*>(parent))
        return window->client();
    return parent;
}

CommandButton* addButton(Frame& frame, Window* window, const Button& button, const QRect& where,
                         QWidget* parent) {
    auto* created = new CommandButton(QLatin1String(button.name), QString::fromUtf8(button.caption),
                                      clientOf(parent ? parent : window));
    created->setGeometry(where);
    QObject::connect(created, &QPushButton::clicked, &frame,
                     [&frame, id = window->id(), created, action = button.action] {
                         frame.perform(id, action, created);
                     });
    if (button.role == ButtonRole::CloseBox)
        window->setCloseBoxButton(created);
    return created;
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QRect& where) {
    auto* label = new QLabel(text, clientOf(parent));
    label->setObjectName(QLatin1String(name));
    label->setGeometry(where);
    // A label with room for one line keeps its text on that line; taller labels, and labels
    // placed later by a layout, wrap. The window's one font is chosen so that all of them fit.
    label->setWordWrap(!where.isValid() || where.height() >= 2 * label->fontMetrics().height());
    return label;
}

TextBox* addTextBox(QWidget* parent, const char* name, const QString& accessibleName, int limit,
                    const QRect& where) {
    auto* box = new TextBox(QLatin1String(name), accessibleName, limit, clientOf(parent));
    box->setGeometry(where);
    return box;
}

void layOutRow(const std::vector<QWidget*>& widgets, const std::vector<int>& shares, int topTwips,
               int heightTwips, int widthTwips) {
    Q_ASSERT(widgets.size() == shares.size());
    int total = 0;
    for (int share : shares)
        total += share;
    if (widgets.empty() || total <= 0)
        return;
    const int gaps = gapTwips * static_cast<int>(widgets.size() - 1);
    const int usable = widthTwips - 2 * marginTwips - gaps;
    int left = marginTwips;
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        const bool last = i + 1 == widgets.size();
        const int width = last ? widthTwips - marginTwips - left : usable * shares[i] / total;
        widgets[i]->setGeometry(twips(left, topTwips, width, heightTwips));
        left += width + gapTwips;
    }
}

void setTabOrder(Window* window, const std::vector<QWidget*>& order) {
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    if (!order.empty())
        window->setFirstFocus(order.front());
}

QGroupBox* addGroupFrame(QWidget* parent, const char* name, const QString& title,
                         const QRect& where) {
    auto* group = new QGroupBox(title, clientOf(parent));
    group->setObjectName(QLatin1String(name));
    group->setAccessibleName(title);
    group->setGeometry(where);
    return group;
}

} // namespace spawnsmith
