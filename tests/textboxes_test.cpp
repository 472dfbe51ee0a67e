#include "support/guitestbase.h"

#include "app/widgets/textarea.h"
#include "app/widgets/textbox.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

using namespace spawnsmith;

namespace {

const QString emoji = QStringLiteral("\U0001F600");

} // namespace

// What the boxes hold: every character as typed or pasted, limits counted in characters as a
// user sees them, no limit where there is none, and the composer's line breaks.
class TextBoxesTest : public GuiTestBase {
    Q_OBJECT
private slots:
    void limitCountsCharacters_data();
    void limitCountsCharacters();
    void typedCharacterIsNeverHalved();
    void boxesWithoutLimitTakeAnyLength_data();
    void boxesWithoutLimitTakeAnyLength();
    void everyBodyLineBreakIsCrLf();
    void frameMarkCharactersSurviveTheResultBox();
    void documentStandInsRoundTrip_data();
    void documentStandInsRoundTrip();
};

void TextBoxesTest::limitCountsCharacters_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("cursor"); // where the paste goes in `before`
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("after");
    QTest::newRow("seven with an emoji fit")
        << "" << 0 << "123456" + emoji << 7 << "123456" + emoji;
    QTest::newRow("the eighth is refused, whole") << "" << 0 << "1234567" + emoji << 7 << "1234567";
    QTest::newRow("pairs cut at the limit")
        << "" << 0 << "12345" + emoji + emoji + emoji << 7 << "12345" + emoji + emoji;
    QTest::newRow("inserted in the middle")
        << "12" + emoji + "45" << 2 << "abc" << 7 << "12ab" + emoji + "45";
    QTest::newRow("a full box takes nothing") << "1234567" << 7 << emoji << 7 << "1234567";
    QTest::newRow("three-character box")
        << "" << 0 << "9" + emoji + "9" + emoji << 3 << "9" + emoji + "9";
    QTest::newRow("emoji before an emoji")
        << emoji + emoji << 0 << emoji + emoji << 3 << emoji + emoji + emoji;
}

// Pasting into a limited box keeps what fits of the pasted text, never half a character.
void TextBoxesTest::limitCountsCharacters() {
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(QString, pasted);
    QFETCH(int, limit);
    QFETCH(QString, after);
    TextBox box("txtx", "X", limit, nullptr);
    box.setText(before);
    box.setCursorPosition(cursor);
    QApplication::clipboard()->setText(pasted);
    box.paste();
    QCOMPARE(box.text(), after);
}

// A key that types a character outside the Basic Multilingual Plane types both halves of it at
// once, or nothing when the box is full.
void TextBoxesTest::typedCharacterIsNeverHalved() {
    open("frmgta3weapon");
    auto* box = control<QLineEdit>("frmgta3weapon", "txtgta3weaponx");
    box->setFocus();
    QTest::keyClicks(box, "123456");
    for (int i = 0; i < 2; ++i) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, emoji);
        QApplication::sendEvent(box, &key);
    }
    QCOMPARE(box->text(), "123456" + emoji);
}

void TextBoxesTest::boxesWithoutLimitTakeAnyLength_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::newRow("code name") << "frmgta3weapon"
                               << "txtgta3weaponname";
    QTest::newRow("ammo") << "frmgtavcweapon"
                          << "txtammo";
    QTest::newRow("CC") << "frmsendemail"
                        << "txtCc";
    QTest::newRow("BCC") << "frmsendemail"
                         << "txtBcc";
}

// 100,000 characters pasted into a box without a limit reach the generated line, or the mail
// URL, whole (Qt's own limit kept 32,767 of them).
void TextBoxesTest::boxesWithoutLimitTakeAnyLength() {
    QFETCH(QString, window);
    QFETCH(QString, box);
    const QString many = QString(99999, QLatin1Char('n')) + QLatin1Char('!');
    open(window);
    paste(window, box, many);
    QCOMPARE(text(window, box), many);
    if (window == "frmsendemail") {
        click(window, "cmdSend");
        QCOMPARE(platform().openedUrls.size(), 1);
        QVERIFY(platform().openedUrls.first().contains(many.toLatin1() + "&"));
        return;
    }
    // Row 4 is a weapon pickup in both catalogues, so the line carries the ammo too.
    select(window, frame().loaded(window)->findChild<ListBox*>()->objectName(), 4);
    click(window, window == "frmgta3weapon" ? "cmdgta3weapongeneratecode" : "cmdgencode");
    const QString result = frame().loadedWindows().first();
    QVERIFY(frame().loaded(result)->findChild<TextArea*>()->text().contains(many));
}

// However a line break is made in the composer's body (Enter, Shift+Enter, pasted CR LF, lone
// LF, lone CR, U+2028 or U+2029), the mail carries it as CR LF.
void TextBoxesTest::everyBodyLineBreakIsCrLf() {
    open("frmgtapick");
    frame().openDialog(WindowId::frmgtapick, WindowId::frmsendemail);
    auto* body = control<TextArea>("frmsendemail", "txtBody");
    body->clear();
    body->setFocus();
    QTest::keyClicks(body, "a");
    QTest::keyClick(body, Qt::Key_Return);
    QTest::keyClicks(body, "b");
    QTest::keyClick(body, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(body, "c");
    QApplication::clipboard()->setText(QString("\r\nd\ne\rf\u2028g\u2029h"));
    body->paste();
    click("frmsendemail", "cmdSend");
    QCOMPARE(platform().openedUrls.size(), 1);
    QVERIFY2(platform().openedUrls.first().endsWith(
                 "&Body=a%0D%0Ab%0D%0Ac%0D%0Ad%0D%0Ae%0D%0Af%0D%0Ag%0D%0Ah"),
             platform().openedUrls.first());
}

// U+FDD0 and U+FDD1 are frame marks inside Qt's text document; pasted into a box, they must
// still reach the result box, and its copy, as themselves.
void TextBoxesTest::frameMarkCharactersSurviveTheResultBox() {
    const QString marks = QStringLiteral("\uFDD0\uFDD1");
    open("frmgta3weapon");
    select("frmgta3weapon", "lstgta3weapon", 1);
    paste("frmgta3weapon", "txtgta3weaponammo", marks);
    click("frmgta3weapon", "cmdgta3weapongeneratecode");
    auto* result = control<TextArea>("frmgta3weaponcode", "txtgta3weaponfinishedcode");
    QVERIFY(result);
    QCOMPARE(result->text(),
             "032B: $ = create_weapon_pickup #COLT45  14 ammo  " + marks + " at   ");
    result->selectAll();
    result->copy();
    QCOMPARE(QApplication::clipboard()->text(), result->text());
}

void TextBoxesTest::documentStandInsRoundTrip_data() {
    QTest::addColumn<QString>("text");
    const QString standIn = QStringView(QChar::fromUcs4(0x10FFF0)).toString();
    const QString escape = QStringView(QChar::fromUcs4(0x10FFF2)).toString();
    QTest::newRow("plain") << "plain text";
    QTest::newRow("frame marks") << "a\uFDD0b\uFDD1c";
    QTest::newRow("a stand-in of its own") << "x" + standIn + "y";
    QTest::newRow("the escape of its own, last") << "x" + escape;
    QTest::newRow("all of them") << escape + "\uFDD0" + standIn + escape + "\uFDD1";
}

void TextBoxesTest::documentStandInsRoundTrip() {
    QFETCH(QString, text);
    const QString document = toDocumentText(text);
    QVERIFY(!document.contains(QChar(0xFDD0)) && !document.contains(QChar(0xFDD1)));
    QCOMPARE(fromDocumentText(document), text);
}

QTEST_MAIN(TextBoxesTest)
#include "textboxes_test.moc"
