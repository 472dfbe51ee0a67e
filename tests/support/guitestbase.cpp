#include "support/guitestbase.h"

#include "app/widgets/listbox.h"
#include "app/widgets/textarea.h"
#include "wizard/wizard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

namespace spawnsmith {

WindowId windowId(QAnyStringView name) {
    const std::optional<WindowId> id = windowIdFromName(name);
    if (!id)
        qFatal("no window is named %s", qPrintable(name.toString()));
    return *id;
}

void GuiTestBase::init() {
    m_platform = RecordingPlatform();
    m_frame = std::make_unique<Frame>(m_platform);
    addAllWindows(*m_frame);
}

void GuiTestBase::cleanup() {
    m_frame.reset();
    settle();
}

Window* GuiTestBase::open(const QString& window) {
    frame().show(windowId(window));
    Window* shown = frame().loaded(window);
    if (shown && !QTest::qWaitForWindowExposed(shown))
        QTest::qFail(qPrintable("not exposed: " + window), __FILE__, __LINE__);
    return shown;
}

void GuiTestBase::click(const QString& window, const QString& button) {
    auto* target = control<QAbstractButton>(window, button);
    if (!target)
        return;
    QTest::mouseClick(target, Qt::LeftButton);
    settle();
}

void GuiTestBase::type(const QString& window, const QString& box, const QString& text) {
    if (auto* target = control<QLineEdit>(window, box)) {
        target->setFocus();
        QTest::keyClicks(target, text);
    }
}

void GuiTestBase::paste(const QString& window, const QString& box, const QString& text) {
    if (auto* target = control<QLineEdit>(window, box)) {
        QApplication::clipboard()->setText(text);
        target->setFocus();
        target->paste();
    }
}

void GuiTestBase::select(const QString& window, const QString& list, int row) {
    auto* target = control<ListBox>(window, list);
    if (!target)
        return;
    QListWidgetItem* item = target->item(row);
    target->scrollToItem(item);
    QTest::mouseClick(target->viewport(), Qt::LeftButton, {},
                      target->visualItemRect(item).center());
}

QString GuiTestBase::text(const QString& window, const QString& box) {
    Window* w = frame().loaded(window);
    if (!w)
        return QStringLiteral("<not loaded>");
    if (auto* result = w->findChild<TextArea*>(box))
        return result->text();
    if (auto* line = w->findChild<QLineEdit*>(box))
        return line->text();
    return QStringLiteral("<no box>");
}

} // namespace spawnsmith
