#include "generate/screens.h"

#include "app/frame.h"
#include "app/widgets/commandbutton.h"
#include "app/widgets/listbox.h"
#include "app/widgets/resultbox.h"
#include "app/windowparts.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>

namespace spawnsmith {
namespace {

constexpr int margin = 8;
constexpr int gap = 4;
constexpr int buttonHeight = 33;
constexpr int generateHeight = 27;
constexpr int labelHeight = 15;
constexpr int boxHeight = 22;
constexpr int shortBoxWidth = 40;
constexpr int frameHeight = 54;

QStringList listTexts(Catalogue catalogue) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(catalogue.size()));
    for (const CatalogueRow& row : catalogue)
        texts.append(QString::fromUtf8(row.text));
    return texts;
}

// Lays buttons side by side across `width`, each taking its share of the row.
void layOutRow(const std::vector<QWidget*>& buttons, const std::vector<int>& shares, int top,
               int height, int width) {
    Q_ASSERT(buttons.size() == shares.size());
    int total = 0;
    for (int share : shares)
        total += share;
    if (buttons.empty() || total <= 0)
        return;
    const int usable = width - 2 * margin - gap * static_cast<int>(buttons.size() - 1);
    int left = margin;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const bool last = i + 1 == buttons.size();
        const int w = last ? width - margin - left : usable * shares[i] / total;
        buttons[i]->setGeometry(left, top, w, height);
        left += w + gap;
    }
}

Window* buildCreator(Frame& frame, const CreatorSpec& design) {
    auto* window = new Window(QLatin1String(design.name), QLatin1String(design.caption),
                              design.widthTwips, design.heightTwips);
    const int width = px(design.widthTwips);
    const int height = px(design.heightTwips);

    const int navTop = height - margin - buttonHeight;
    const int generateTop = navTop - gap - generateHeight;
    const int upperBottom = generateTop - 2 * gap;
    auto* list = new ListBox(QLatin1String(design.list), QLatin1String(design.listAccessibleName),
                             listTexts(design.catalogue), window->client());
    // Wide enough for the longest row where the window allows, but never more than half of it.
    const int widest = list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width() +
                       2 * list->frameWidth() + 2;
    const int listWidth = std::clamp(widest, width * 38 / 100, width / 2);
    list->setGeometry(margin, margin, listWidth, upperBottom - margin);

    const int columnLeft = margin + listWidth + 2 * gap;
    const int columnWidth = width - columnLeft - margin;
    auto* coordinates = addFrame(window, design.frame, QStringLiteral("Coordinates"),
                                 QRect(columnLeft, margin - 2, columnWidth, frameHeight));

    std::vector<QWidget*> tabOrder{list};
    std::vector<QWidget*> lastInTabOrder;
    int axis = 0;
    int top = margin - 2 + frameHeight + gap;
    const int axisWidth = (columnWidth - 2 * margin) / 3;
    for (const InputSpec& input : design.inputs) {
        const QString label = QString::fromUtf8(input.label);
        QLineEdit* box = nullptr;
        switch (input.place) {
        case Place::Coordinates: {
            const int left = margin + axis * axisWidth;
            addLabel(coordinates, input.labelName, label, QRect(left, 24, 12, boxHeight));
            box = addInputBox(coordinates, input.box, label, input.maxLength,
                              QRect(left + 13, 24, axisWidth - 17, boxHeight));
            ++axis;
            break;
        }
        case Place::Column:
            addLabel(window, input.labelName, label,
                     QRect(columnLeft, top, columnWidth, labelHeight));
            box = addInputBox(window, input.box, label, input.maxLength,
                              QRect(columnLeft, top + labelHeight, columnWidth, boxHeight));
            top += labelHeight + boxHeight + gap;
            break;
        case Place::Short:
        case Place::ShortLast:
            addLabel(window, input.labelName, label,
                     QRect(columnLeft, top, columnWidth - shortBoxWidth - gap, boxHeight + 4))
                ->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            box = addInputBox(
                window, input.box, label, input.maxLength,
                QRect(columnLeft + columnWidth - shortBoxWidth, top + 2, shortBoxWidth, boxHeight));
            top += boxHeight + 4 + gap;
            break;
        }
        if (input.toolTip)
            box->setToolTip(QString::fromUtf8(input.toolTip));
        (input.place == Place::ShortLast ? lastInTabOrder : tabOrder).push_back(box);
    }

    auto* generateButton =
        addButton(frame, window,
                  {design.generateButton, "Generate My Code",
                   runRoutine([&design](Frame& f, const QString&) { generate(f, design); })},
                  QRect(margin, generateTop, width - 2 * margin, generateHeight));
    tabOrder.push_back(generateButton);

    std::vector<QWidget*> row;
    for (const ButtonSpec& button : design.buttons) {
        CommandButton* created = addButton(frame, window, button, QRect());
        row.push_back(created);
        tabOrder.push_back(created);
        if (qstrcmp(button.name, "cmdexit") == 0)
            window->setCloseBoxButton(created);
    }
    layOutRow(row, {44, 32, 24}, navTop, buttonHeight, width);

    tabOrder.insert(tabOrder.end(), lastInTabOrder.begin(), lastInTabOrder.end());
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    window->setFirstFocus(list);
    return window;
}

Window* buildResult(Frame& frame, const ResultSpec& design) {
    auto* window = new Window(QLatin1String(design.name), QLatin1String(design.caption),
                              design.widthTwips, design.heightTwips);
    const int width = px(design.widthTwips);
    const int height = px(design.heightTwips);
    const int buttonsTop = px(1440);

    auto* box = new ResultBox(QLatin1String(design.box), QStringLiteral("Generated code"),
                              window->client());
    box->setGeometry(margin, margin, width - 2 * margin, buttonsTop - margin - gap);

    std::vector<QWidget*> row;
    for (const ButtonSpec& button : design.buttons) {
        CommandButton* created = addButton(frame, window, button, QRect());
        row.push_back(created);
        if (qstrcmp(button.name, "cmdexit") == 0)
            window->setCloseBoxButton(created);
    }
    layOutRow(row, {38, 26, 22, 14}, buttonsTop, height - buttonsTop - gap, width);

    std::vector<QWidget*> tabOrder{box};
    tabOrder.insert(tabOrder.end(), row.begin(), row.end());
    if (design.buttonsFirstInTabOrder)
        std::reverse(tabOrder.begin(), tabOrder.end());
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    window->setFirstFocus(tabOrder.front());
    return window;
}

const char* boxFor(const CreatorSpec& design, Field field) {
    for (const InputSpec& input : design.inputs)
        if (input.field == field)
            return input.box;
    return nullptr;
}

} // namespace

InputSpec coordinate(const char* box, Field axis) {
    static constexpr const char* names[] = {"lblx", "lbly", "lblz"};
    static constexpr const char* labels[] = {"X", "Y", "Z"};
    const int i = axis == Field::X ? 0 : axis == Field::Y ? 1 : 2;
    return {names[i], labels[i], box, axis, 7, Place::Coordinates};
}

InputSpec codeName(const char* box) {
    return {"lblcodename", "Code Name", box, Field::CodeName, 0, Place::Column};
}

InputSpec ammo(const char* box) {
    return {"lblammo", "Amount Of Ammo", box, Field::Ammo, 0, Place::Column};
}

InputSpec alarm(const char* labelName, const char* box) {
    return {labelName, "Percentage Alarm Will Go Off", box, Field::Alarm, 3, Place::Short};
}

InputSpec doorLock(const char* labelName, const char* box, const char* toolTip) {
    return {labelName, "Percentage Door Will Be Locked", box, Field::DoorLock, 3, Place::Short,
            toolTip};
}

InputSpec angle() {
    return {"lblangle",      "Angle Vehicle Will Be Facing From North", "txtangle", Field::Angle, 3,
            Place::ShortLast};
}

void addCreatorScreen(Frame& frame, const CreatorSpec& design) {
    frame.registerWindow(QLatin1String(design.name),
                         [&design](Frame& f) { return buildCreator(f, design); });
}

void addResultScreen(Frame& frame, const ResultSpec& design) {
    frame.registerWindow(QLatin1String(design.name),
                         [&design](Frame& f) { return buildResult(f, design); });
}

void generate(Frame& frame, const CreatorSpec& design) {
    const QString creatorName = QLatin1String(design.name);
    frame.show(QLatin1String(design.result));
    Window* creator = frame.loaded(creatorName);
    if (creator && design.generation == Generation::Assemble) {
        const auto* list = creator->findChild<ListBox*>(QLatin1String(design.list));
        if (const CatalogueRow* row = rowAt(design.catalogue, list->selectedIndex())) {
            const auto read = [&](Field field) {
                return creator->findChild<QLineEdit*>(QLatin1String(boxFor(design, field)))->text();
            };
            const QString text = assembleLine(row->shape, QString::fromUtf8(row->fragment), read);
            frame.window(QLatin1String(design.result))
                ->findChild<ResultBox*>(QLatin1String(design.resultBox))
                ->setText(text);
        }
    }
    frame.unload(creatorName);
}

} // namespace spawnsmith
