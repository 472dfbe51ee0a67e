#include "support/cuttexts.h"
#include "support/guitestbase.h"

#include "app/widgets/textarea.h"

#include <QPushButton>
#include <QScrollBar>

using namespace spawnsmith;

// Every window uses one font size for its labels, buttons and frames, at which every caption
// shows whole; and the composer's body shows its whole message without scrolling sideways.
class FontsTest : public GuiTestBase {
    Q_OBJECT
private slots:
    void everyCaptionFitsInOneFontPerWindow();
    void composerBodyShowsItsMessageWhole();
};

void FontsTest::everyCaptionFitsInOneFontPerWindow() {
    for (const WindowId id : frame().registeredWindows()) {
        const QString name = objectNameOf(id);
        Window* window = open(name);
        const QStringList cut = cutTexts(window);
        QVERIFY2(cut.isEmpty(), qPrintable(name + " cuts " + cut.join(", ")));
        // A button paints its caption (it draws the text itself, apart from its frame).
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            const QString caption = button->text();
            if (caption.isEmpty())
                continue; // a picture button
            const QImage drawn = button->grab().toImage();
            button->setText({});
            QVERIFY2(button->grab().toImage() != drawn, qPrintable(name + "." + caption));
            button->setText(caption);
        }
        frame().unload(id);
        settle();
    }
}

void FontsTest::composerBodyShowsItsMessageWhole() {
    open("frmsendemail");
    auto* body = control<TextArea>("frmsendemail", "txtBody");
    QVERIFY(body);
    settle();
    QCOMPARE(body->horizontalScrollBar()->maximum(), 0);
    QCOMPARE(body->verticalScrollBar()->maximum(), 0);
    QVERIFY(body->lineWrapMode() != QPlainTextEdit::NoWrap);
}

QTEST_MAIN(FontsTest)
#include "fonts_test.moc"
