#include "generate/resultscreen.h"

#include "app/controls.h"
#include "app/frame.h"
#include "app/layout.h"
#include "app/widgets/commandbutton.h"
#include "app/widgets/textarea.h"

#include <algorithm>

namespace spawnsmith {
namespace {

// The buttons stand in one row at this height from the top, below the box.
constexpr int buttonsTop = 1440;

Window* buildResult(Frame& frame, const ResultScreen& screen) {
    auto* window = new ResultWindow(screen);
    auto* box =
        new TextArea(QLatin1String(screen.box), QStringLiteral("Generated code"), window->client());
    box->setGeometry(twips(marginTwips, marginTwips, screen.widthTwips - 2 * marginTwips,
                           buttonsTop - marginTwips - gapTwips));
    window->setBox(box);

    std::vector<QWidget*> row;
    for (const Button& button : screen.buttons)
        row.push_back(addButton(frame, window, button, QRect()));
    layOutRow(row, {38, 26, 22, 14}, buttonsTop, screen.heightTwips - buttonsTop - gapTwips,
              screen.widthTwips);

    std::vector<QWidget*> tabOrder{box};
    tabOrder.insert(tabOrder.end(), row.begin(), row.end());
    if (screen.buttonsFirstInTabOrder)
        std::reverse(tabOrder.begin(), tabOrder.end());
    setTabOrder(window, tabOrder);
    return window;
}

} // namespace

ResultWindow::ResultWindow(const ResultScreen& screen)
    : Window(screen.id, QLatin1String(screen.caption), screen.widthTwips, screen.heightTwips) {}

void addResultScreen(Frame& frame, const ResultScreen& screen) {
    frame.registerWindow(screen.id, [&screen](Frame& f) { return buildResult(f, screen); });
}

} // namespace spawnsmith
