#include "generate/creatorscreen.h"

#include "app/controls.h"
#include "app/frame.h"
#include "app/layout.h"
#include "app/widgets/commandbutton.h"
#include "app/widgets/listbox.h"
#include "app/widgets/textarea.h"
#include "app/widgets/textbox.h"
#include "app/window.h"
#include "generate/resultscreen.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>

#include <algorithm>
#include <map>

namespace spawnsmith {
namespace {

// The creator screens' layout, in twips: a list on the left, the input boxes in a column on
// its right, the generate button across the window and the other buttons in a row below it.
constexpr int buttonHeight = 495;
constexpr int generateHeight = 405;
constexpr int labelHeight = 225;
constexpr int boxHeight = 330;
constexpr int shortBoxWidth = 600;
constexpr int coordinatesHeight = 810;
constexpr int coordinatesTop = marginTwips - 30;
constexpr int axisLabelWidth = 180;
constexpr int axisTop = 360; // inside the frame, below its title

// The controls "Generate My Code" reads, found when the screen is built.
struct CreatorControls {
    QPointer<ListBox> list;
    std::map<Field, QPointer<QLineEdit>> boxes;
};

QStringList listTexts(Catalogue catalogue) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(catalogue.size()));
    for (const CatalogueRow& row : catalogue)
        texts.append(QString::fromUtf8(row.text));
    return texts;
}

// Every field a row of the catalogue reads must have its box on the screen.
void checkBoxesCoverCatalogue(const CreatorScreen& screen, const CreatorControls& controls) {
    if (screen.generation != Generation::Assemble)
        return;
    for (const CatalogueRow& row : screen.catalogue)
        for (const Field field : fieldsRead(row.shape))
            if (!controls.boxes.contains(field))
                qFatal("%s: the row \"%s\" reads a field the screen has no box for",
                       objectNameOf(screen.id).data(), row.text);
}

// The generation protocol: show the result screen, write the selected row's text into its box,
// unload the creator screen.
void generate(Frame& frame, const CreatorScreen& screen, const CreatorControls& controls) {
    frame.show(screen.result);
    if (screen.generation == Generation::Assemble && controls.list) {
        if (const CatalogueRow* row = rowAt(screen.catalogue, controls.list->selectedIndex())) {
            const auto read = [&controls](Field field) {
                const QLineEdit* box = controls.boxes.at(field);
                return box ? box->text() : QString();
            };
            const QString text = assembleLine(row->shape, QString::fromUtf8(row->fragment), read);
            auto* result = qobject_cast<ResultWindow*>(frame.window(screen.result));
            Q_ASSERT_X(result && result->box(), objectNameOf(screen.id).data(),
                       "its result screen has no box");
            if (result && result->box())
                result->box()->setText(text);
        }
    }
    frame.unload(screen.id);
}

Window* buildCreator(Frame& frame, const CreatorScreen& screen) {
    auto* window =
        new Window(screen.id, QLatin1String(screen.caption), screen.widthTwips, screen.heightTwips);
    const int width = screen.widthTwips;
    const int navTop = screen.heightTwips - marginTwips - buttonHeight;
    const int generateTop = navTop - gapTwips - generateHeight;
    const int upperBottom = generateTop - 2 * gapTwips;

    CreatorControls controls;
    auto* list = new ListBox(QLatin1String(screen.list), QLatin1String(screen.listAccessibleName),
                             listTexts(screen.catalogue), window->client());
    controls.list = list;
    // Wide enough for the longest row where the window allows, but never more than half of it.
    const int widest =
        twipsOf(list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width() +
                2 * list->frameWidth() + 2);
    const int listWidth = std::clamp(widest, width * 38 / 100, width / 2);
    list->setGeometry(twips(marginTwips, marginTwips, listWidth, upperBottom - marginTwips));

    const int columnLeft = marginTwips + listWidth + 2 * gapTwips;
    const int columnWidth = width - columnLeft - marginTwips;
    auto* coordinates =
        addGroupFrame(window, screen.coordinatesFrame, QStringLiteral("Coordinates"),
                      twips(columnLeft, coordinatesTop, columnWidth, coordinatesHeight));

    std::vector<QWidget*> tabOrder{list};
    std::vector<QWidget*> lastInTabOrder;
    int axis = 0;
    int top = coordinatesTop + coordinatesHeight + gapTwips;
    const int axisWidth = (columnWidth - 2 * marginTwips) / 3;
    for (const InputField& input : screen.inputs) {
        const QString label = QString::fromUtf8(input.label);
        QLabel* caption = nullptr;
        QLineEdit* box = nullptr;
        switch (input.placement) {
        case Placement::Coordinates: {
            const int left = marginTwips + axis * axisWidth;
            caption = addLabel(coordinates, input.labelName, label,
                               twips(left, axisTop, axisLabelWidth, boxHeight));
            box = addTextBox(coordinates, input.box, label, fieldLimit(input.field),
                             twips(left + axisLabelWidth + 15, axisTop,
                                   axisWidth - axisLabelWidth - 75, boxHeight));
            ++axis;
            break;
        }
        case Placement::Column:
            caption = addLabel(window, input.labelName, label,
                               twips(columnLeft, top, columnWidth, labelHeight));
            box = addTextBox(window, input.box, label, fieldLimit(input.field),
                             twips(columnLeft, top + labelHeight, columnWidth, boxHeight));
            top += labelHeight + boxHeight + gapTwips;
            break;
        case Placement::Short:
        case Placement::ShortLast:
            caption = addLabel(
                window, input.labelName, label,
                twips(columnLeft, top, columnWidth - shortBoxWidth - gapTwips, boxHeight + 60));
            caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            box = addTextBox(window, input.box, label, fieldLimit(input.field),
                             twips(columnLeft + columnWidth - shortBoxWidth, top + 30,
                                   shortBoxWidth, boxHeight));
            top += boxHeight + 60 + gapTwips;
            break;
        }
        caption->setBuddy(box); // screen readers name the box by its label
        if (input.toolTip)
            box->setToolTip(QString::fromUtf8(input.toolTip));
        controls.boxes[input.field] = box;
        (input.placement == Placement::ShortLast ? lastInTabOrder : tabOrder).push_back(box);
    }
    checkBoxesCoverCatalogue(screen, controls);

    auto* generateButton =
        addButton(frame, window,
                  {screen.generateButton, "Generate My Code",
                   runRoutine([&screen, controls](Frame& f) { generate(f, screen, controls); })},
                  twips(marginTwips, generateTop, width - 2 * marginTwips, generateHeight));
    tabOrder.push_back(generateButton);

    std::vector<QWidget*> row;
    for (const Button& button : screen.buttons) {
        row.push_back(addButton(frame, window, button, QRect()));
        tabOrder.push_back(row.back());
    }
    layOutRow(row, {44, 32, 24}, navTop, buttonHeight, width);

    tabOrder.insert(tabOrder.end(), lastInTabOrder.begin(), lastInTabOrder.end());
    setTabOrder(window, tabOrder);
    return window;
}

} // namespace

InputField coordinate(const char* box, Field axis) {
    static constexpr const char* names[] = {"lblx", "lbly", "lblz"};
    static constexpr const char* labels[] = {"X", "Y", "Z"};
    const int i = axis == Field::X ? 0 : axis == Field::Y ? 1 : 2;
    return {.labelName = names[i],
            .label = labels[i],
            .box = box,
            .field = axis,
            .placement = Placement::Coordinates};
}

InputField codeName(const char* box) {
    return {.labelName = "lblcodename",
            .label = "Code Name",
            .box = box,
            .field = Field::CodeName,
            .placement = Placement::Column};
}

InputField ammo(const char* box) {
    return {.labelName = "lblammo",
            .label = "Amount Of Ammo",
            .box = box,
            .field = Field::Ammo,
            .placement = Placement::Column};
}

InputField alarm(const char* labelName, const char* box) {
    return {.labelName = labelName,
            .label = "Percentage Alarm Will Go Off",
            .box = box,
            .field = Field::Alarm,
            .placement = Placement::Short};
}

InputField doorLock(const char* labelName, const char* box, const char* toolTip) {
    return {.labelName = labelName,
            .label = "Percentage Door Will Be Locked",
            .box = box,
            .field = Field::DoorLock,
            .placement = Placement::Short,
            .toolTip = toolTip};
}

InputField angle() {
    return {.labelName = "lblangle",
            .label = "Angle Vehicle Will Be Facing From North",
            .box = "txtangle",
            .field = Field::Angle,
            .placement = Placement::ShortLast};
}

void addCreatorScreen(Frame& frame, const CreatorScreen& screen) {
    frame.registerWindow(screen.id, [&screen](Frame& f) { return buildCreator(f, screen); });
}

} // namespace spawnsmith
