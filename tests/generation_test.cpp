#include "support/goldendata.h"
#include "support/guitestbase.h"

#include "app/widgets/textarea.h"
#include "app/widgets/textbox.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>

using namespace spawnsmith;

namespace {

// The input boxes in the order lines.tsv and creators.tsv give them.
const QStringList fieldColumns{"name", "ammo", "x", "y", "z", "alarm", "doorlock", "angle"};

// The creator screen whose rows carry this game and kind.
golden::Row creatorOf(const QString& game, const QString& kind) {
    for (const golden::Row& creator : golden::table("creators.tsv"))
        if (creator["game"] == game && creator["kind"] == kind)
            return creator;
    QTest::qFail(qPrintable("no creator for " + game + " " + kind), __FILE__, __LINE__);
    return {};
}

golden::Row creatorNamed(const QString& name) {
    for (const golden::Row& creator : golden::table("creators.tsv"))
        if (creator["creator"] == name)
            return creator;
    return {};
}

const QString emoji = QStringLiteral("\U0001F600");

} // namespace

Q_DECLARE_METATYPE(golden::Row)

// "Generate My Code" on every creator screen, through its widgets: every catalogue row against
// its expected text, the paths that write nothing, and what the input boxes take.
class GenerationTest : public GuiTestBase {
    Q_OBJECT

    // Opens the creator, selects the row (none for -1), types the texts the creator has boxes
    // for and presses the button. Returns the result box's text; the creator must be gone and
    // the result screen shown.
    QString generate(const golden::Row& creator, int row, const golden::Row& texts) {
        const QString name = creator["creator"];
        open(name);
        if (row >= 0)
            select(name, creator["list"], row);
        for (const QString& field : fieldColumns)
            if (!creator[field].isEmpty() && !texts[field].isEmpty())
                type(name, creator[field], texts[field]);
        click(name, creator["generate"]);
        if (frame().loaded(name))
            QTest::qFail("creator still loaded", __FILE__, __LINE__);
        Window* result = frame().loaded(creator["result"]);
        if (!result || !result->isVisible())
            QTest::qFail("result screen not shown", __FILE__, __LINE__);
        return text(creator["result"], creator["box"]);
    }

private slots:
    // Every generating row: the list shows its text at its index, and the typed inputs give
    // exactly the expected line. Boxes a row must not read hold text all the same.
    void everyRowGivesItsLine_data() {
        QTest::addColumn<golden::Row>("row");
        for (const golden::Row& row : golden::table("lines.tsv"))
            QTest::addRow("%s %s %s %s", qPrintable(row["game"]), qPrintable(row["kind"]),
                          qPrintable(row["index"]), qPrintable(row["row"]))
                << row;
    }
    void everyRowGivesItsLine() {
        QFETCH(golden::Row, row);
        const golden::Row creator = creatorOf(row["game"], row["kind"]);
        const int index = row["index"].toInt();
        open(creator["creator"]);
        QListWidgetItem* item = control<ListBox>(creator["creator"], creator["list"])->item(index);
        QVERIFY(item);
        QCOMPARE(item->text(), row["row"]);
        QCOMPARE(generate(creator, index, row), golden::unescaped(row["line"]));
    }

    // Each list holds exactly its rows, in order: no row missing, added or moved.
    void listsHoldTheirRowsInOrder_data() {
        QTest::addColumn<QString>("creator");
        QTest::addColumn<QStringList>("rows");
        QMap<QString, QStringList> rows;
        for (const golden::Row& row : golden::table("lines.tsv"))
            rows[creatorOf(row["game"], row["kind"])["creator"]] << row["row"];
        rows["frmgtasavehicle"] = golden::lines("sa-vehicles.txt");
        for (auto it = rows.cbegin(); it != rows.cend(); ++it)
            QTest::newRow(qPrintable(it.key())) << it.key() << it.value();
        QCOMPARE(rows.size(), 9);
    }
    void listsHoldTheirRowsInOrder() {
        QFETCH(QString, creator);
        QFETCH(QStringList, rows);
        open(creator);
        auto* list = control<ListBox>(creator, creatorNamed(creator)["list"]);
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->item(i)->text();
        QCOMPARE(shown, rows);
        QCOMPARE(list->selectedIndex(), -1);
    }

    // Empty boxes give empty segments, and what is typed passes through untouched: the blank
    // count after "at" or "alarm" shows the separators.
    void edgeTexts_data() {
        QTest::addColumn<QString>("creator");
        QTest::addColumn<int>("row");
        QTest::addColumn<golden::Row>("texts");
        QTest::addColumn<QString>("expected");
        const QString secondLine = "\r\n014C: set_parked_car_generator $ cars_to_generate_to  101";
        QTest::newRow("empty GTA3 Handgun: at + 3 blanks")
            << "frmgta3weapon" << 1 << golden::Row{}
            << "032B: $ = create_weapon_pickup #COLT45  14 ammo   at   ";
        QTest::newRow("empty GTA3 Ambulance")
            << "frmgta3vehicle" << 0 << golden::Row{}
            << "014B: $ = init_parked_car_generator #AMBULANCE -1 -1  0 alarm  door_lock    0  "
               "10000 at     angle  " +
                   secondLine;
        QTest::newRow("empty VC Admiral: alarm + 3 blanks")
            << "frmgtavcvehicle" << 0 << golden::Row{}
            << "014B: $ = init_parked_car_generator #ADMIRAL -1 -1  0 alarm   door_lock  0  0  "
               "10000 at     angle  " +
                   secondLine;
        QTest::newRow("blanks, comma and $ pass through")
            << "frmgta3weapon" << 1
            << golden::Row{{"name", " my gun "},
                           {"ammo", "1,000"},
                           {"x", "$x"},
                           {"y", " 2"},
                           {"z", "3 "}}
            << "032B: $ my gun  = create_weapon_pickup #COLT45  14 ammo  1,000 at $x  2 3 ";
    }
    void edgeTexts() {
        QFETCH(QString, creator);
        QFETCH(int, row);
        QFETCH(golden::Row, texts);
        QFETCH(QString, expected);
        QCOMPARE(generate(creatorNamed(creator), row, texts), expected);
    }

    // With no row selected nothing is written; the SA vehicle screen never writes, selection or
    // not. Either way the result screen is loaded before the creator is unloaded.
    void nothingWritten_data() {
        QTest::addColumn<QString>("creator");
        QTest::addColumn<int>("row");
        for (const golden::Row& creator : golden::table("creators.tsv"))
            QTest::addRow("%s, no row", qPrintable(creator["creator"])) << creator["creator"] << -1;
        QTest::newRow("SA vehicle, first row") << "frmgtasavehicle" << 0;
        QTest::newRow("SA vehicle, Jetpack") << "frmgtasavehicle" << 82;
        QTest::newRow("SA vehicle, last row") << "frmgtasavehicle" << 183;
    }
    void nothingWritten() {
        QFETCH(QString, creator);
        QFETCH(int, row);
        const golden::Row screen = creatorNamed(creator);
        QStringList events;
        connect(&frame(), &Frame::windowLoaded, this, [&](const QString& n) { events << "+" + n; });
        connect(&frame(), &Frame::windowUnloaded, this,
                [&](const QString& n) { events << "-" + n; });
        open(creator);
        events.clear();
        const golden::Row everyBox{{"name", "k"},      {"ammo", "77"}, {"x", "1.5"},
                                   {"y", "-2"},        {"z", "3"},     {"alarm", "40"},
                                   {"doorlock", "60"}, {"angle", "90"}};
        QCOMPARE(generate(screen, row, everyBox), QString());
        QCOMPARE(events, QStringList({"+" + screen["result"], "-" + creator}));
    }

    // A result screen that is still loaded has its text replaced by a new result, and keeps it
    // when nothing is selected.
    void resultReplacedNotAppended_data() {
        QTest::addColumn<QString>("creator");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("expected");
        QTest::newRow("pickup replaces")
            << "frmgta3item" << 2 << "0213: $k = create_pickup -30 (BRIBE) type  14 at  1 2 3";
        QTest::newRow("no row keeps") << "frmgtasaweapon" << -1 << "old line\r\nsecond old line";
    }
    void resultReplacedNotAppended() {
        QFETCH(QString, creator);
        QFETCH(int, row);
        QFETCH(QString, expected);
        const golden::Row screen = creatorNamed(creator);
        frame()
            .window(screen["result"])
            ->findChild<TextArea*>(screen["box"])
            ->setText("old line\r\nsecond old line");
        const golden::Row texts{{"name", "k"}, {"x", "1"}, {"y", "2"}, {"z", "3"}};
        QCOMPARE(generate(screen, row, texts), expected);
    }

    // A creator reached again through its result screen starts with no row and empty boxes.
    void creatorStartsEmptyAfterGeneration() {
        open("frmgtavcweapon");
        select("frmgtavcweapon", "lstgtavcweapon", 4);
        type("frmgtavcweapon", "txtcodename", "p");
        type("frmgtavcweapon", "txtx", "1");
        click("frmgtavcweapon", "cmdgencode");
        click("frmgtavcweaponfinished", "cmdbackgtavcweapon");
        QCOMPARE(frame().loadedWindows(), QStringList{"frmgtavcweapon"});
        QCOMPARE(control<ListBox>("frmgtavcweapon", "lstgtavcweapon")->selectedIndex(), -1);
        QCOMPARE(text("frmgtavcweapon", "txtcodename"), QString());
        QCOMPARE(text("frmgtavcweapon", "txtx"), QString());
    }

    // Coordinates take 7 characters, angle and percentages 3, code name and ammo any number,
    // whether typed or pasted.
    void lengthLimits_data() {
        QTest::addColumn<QString>("creator");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("limit");
        const QHash<QString, int> limits{{"x", 7},     {"y", 7},        {"z", 7},
                                         {"alarm", 3}, {"doorlock", 3}, {"angle", 3}};
        for (const golden::Row& creator : golden::table("creators.tsv"))
            for (const QString& field : fieldColumns)
                if (!creator[field].isEmpty())
                    QTest::addRow("%s.%s", qPrintable(creator["creator"]),
                                  qPrintable(creator[field]))
                        << creator["creator"] << creator[field] << limits.value(field);
    }
    void lengthLimits() {
        QFETCH(QString, creator);
        QFETCH(QString, box);
        QFETCH(int, limit);
        open(creator);
        const QString typed = "-1234567.89,0 $abc";
        type(creator, box, typed);
        QCOMPARE(text(creator, box), limit ? typed.left(limit) : typed);

        control<QLineEdit>(creator, box)->clear();
        const QString pasted = QString("x").repeated(500);
        paste(creator, box, pasted);
        QCOMPARE(text(creator, box), limit ? pasted.left(limit) : pasted);
    }

    // Pasting into a limited box keeps what fits of the pasted text, never half a character.
    void limitCountsCharacters_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("cursor"); // where the paste goes in `before`
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("after");
        QTest::newRow("seven with an emoji fit")
            << "" << 0 << "123456" + emoji << 7 << "123456" + emoji;
        QTest::newRow("the eighth is refused, whole")
            << "" << 0 << "1234567" + emoji << 7 << "1234567";
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
    void limitCountsCharacters() {
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

    // A key that types a character outside the Basic Multilingual Plane types both halves of it
    // at once, or nothing when the box is full.
    void typedCharacterIsNeverHalved() {
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

    // 100,000 characters pasted into a box without a limit reach the generated line, or the
    // mail URL, whole (Qt's own limit kept 32,767 of them).
    void boxesWithoutLimitTakeAnyLength_data() {
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
    void boxesWithoutLimitTakeAnyLength() {
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
        const golden::Row creator = creatorNamed(window);
        select(window, creator["list"], 4);
        click(window, creator["generate"]);
        QVERIFY(text(creator["result"], creator["box"]).contains(many));
    }

    // What the user copies out of the box is the generated text itself: CR LF between the
    // pair's lines, and a pasted non-breaking space or tab left as it was.
    void copiedTextIsExact() {
        const QString code = QString::fromUtf8("car\u00a0one\t2");
        open("frmgtavcvehicle");
        select("frmgtavcvehicle", "lstvehicle", 1);
        paste("frmgtavcvehicle", "txtcodename", code);
        type("frmgtavcvehicle", "txtalarmpercent", "7");
        click("frmgtavcvehicle", "cmdgencode");
        auto* box = control<TextArea>("frmgtavcvehiclefinished", "txtfinishedcode");
        box->selectAll();
        box->copy();
        QCOMPARE(QApplication::clipboard()->text(),
                 "014B: $" + code +
                     " = init_parked_car_generator #AMBULAN -1 -1  0 alarm  7 door_lock  0  0  "
                     "10000 at     angle  \r\n014C: set_parked_car_generator $" +
                     code + " cars_to_generate_to  101");
    }

    // U+FDD0 and U+FDD1 are frame marks inside Qt's text document; pasted into a box, they must
    // still reach the result box, and its copy, as themselves.
    void frameMarkCharactersSurviveTheResultBox() {
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

    void documentStandInsRoundTrip_data() {
        QTest::addColumn<QString>("text");
        const QString standIn = QStringView(QChar::fromUcs4(0x10FFF0)).toString();
        const QString escape = QStringView(QChar::fromUcs4(0x10FFF2)).toString();
        QTest::newRow("plain") << "plain text";
        QTest::newRow("frame marks") << "a\uFDD0b\uFDD1c";
        QTest::newRow("a stand-in of its own") << "x" + standIn + "y";
        QTest::newRow("the escape of its own, last") << "x" + escape;
        QTest::newRow("all of them") << escape + "\uFDD0" + standIn + escape + "\uFDD1";
    }
    void documentStandInsRoundTrip() {
        QFETCH(QString, text);
        const QString document = toDocumentText(text);
        QVERIFY(!document.contains(QChar(0xFDD0)) && !document.contains(QChar(0xFDD1)));
        QCOMPARE(fromDocumentText(document), text);
    }

    // However a line break is made in the composer's body (Enter, Shift+Enter, pasted CR LF,
    // lone LF, lone CR, U+2028 or U+2029), the mail carries it as CR LF.
    void everyBodyLineBreakIsCrLf() {
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

    // The VC door-lock box stays on screen and says that it is not read.
    void vcDoorLockBoxExplainsItself() {
        open("frmgtavcvehicle");
        QVERIFY(!control<QLineEdit>("frmgtavcvehicle", "txtdoorlock")->toolTip().isEmpty());
    }
};

QTEST_MAIN(GenerationTest)
#include "generation_test.moc"
