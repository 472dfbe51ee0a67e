#include "support/guitestbase.h"

#include "app/widgets/textarea.h"
#include "support/model/windows.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

#include <array>

using namespace spawnsmith;

namespace {

// The input boxes a creator may have, in the order the tables below give their texts.
enum Slot { Code, Ammo, X, Y, Z, Alarm, DoorLock, Angle, SlotCount };

// One creator screen as the user meets it: its list, its boxes by slot (empty where the
// screen has no such box), its button and the result screen it fills; taken from the
// reference window model.
struct Creator {
    QString name;
    QString list;
    QString button;
    QString result;
    QString resultBox;
    std::array<QString, SlotCount> boxes;
};

enum CreatorId {
    Gta3Weapon,
    Gta3Item,
    Gta3Vehicle,
    VcWeapon,
    VcItem,
    VcVehicle,
    SaWeapon,
    SaItem,
    SaVehicle
};

const char* const creatorNames[] = {"frmgta3weapon",  "frmgta3item",  "frmgta3vehicle",
                                    "frmgtavcweapon", "frmgtavcitem", "frmgtavcvehicle",
                                    "frmgtasaweapon", "frmgtasaitem", "frmgtasavehicle"};

Creator creatorOf(int id) {
    const model::WindowModel& w = model::windowModel(QLatin1String(creatorNames[id]));
    Creator creator{w.name, w.list, w.generateButton, w.result, w.resultBox, {}};
    for (const model::Input& input : w.inputs)
        creator.boxes[static_cast<std::size_t>(input.field)] = input.box;
    return creator;
}

const char* const creatorTags[] = {"GTA3 weapon", "GTA3 item", "GTA3 vehicle",
                                   "VC weapon",   "VC item",   "VC vehicle",
                                   "SA weapon",   "SA item",   "SA vehicle"};

// Texts for every slot, in slot order; screens without a box for a slot ignore its text.
QStringList fields(const QString& code, const QString& ammo, const QString& x, const QString& y,
                   const QString& z, const QString& alarm = {}, const QString& doorLock = {},
                   const QString& angle = {}) {
    return {code, ammo, x, y, z, alarm, doorLock, angle};
}

const QStringList allEmpty = fields({}, {}, {}, {}, {});
const QStringList everyBox = fields("k", "77", "1.5", "-2", "3", "40", "60", "90");

const QString secondLine = "\r\n014C: set_parked_car_generator $";
const QString pairEnd = " cars_to_generate_to  101";

} // namespace

class GenerationTest : public GuiTestBase {
    Q_OBJECT

    // Opens the creator, selects the row (none for -1), types the texts and presses the button.
    // Returns the result box's text; the creator must be gone and the result screen shown.
    QString generateThroughWidgets(const Creator& creator, int row, const QStringList& texts) {
        open(creator.name);
        if (row >= 0)
            select(creator.name, creator.list, row);
        for (int slot = 0; slot < SlotCount; ++slot)
            if (!creator.boxes[slot].isEmpty() && !texts.value(slot).isEmpty())
                type(creator.name, creator.boxes[slot], texts.value(slot));
        click(creator.name, creator.button);
        if (frame().loaded(creator.name))
            QTest::qFail("creator still loaded", __FILE__, __LINE__);
        Window* result = frame().loaded(creator.result);
        if (!result || !result->isVisible())
            QTest::qFail("result screen not shown", __FILE__, __LINE__);
        return text(creator.result, creator.resultBox);
    }

private slots:
    // Whole texts, byte for byte: the worked examples, the empty-field endings, ammo ignored on
    // pickup rows, field texts passed through untouched and the ignored VC door-lock box.
    void exactTexts_data() {
        QTest::addColumn<int>("creator");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("expected");

        const QStringList p123 = fields("p", "", "1", "2", "3");
        QTest::newRow("GTA3 Handgun")
            << int(Gta3Weapon) << 1 << fields("g", "50", "1", "2", "3")
            << "032B: $g = create_weapon_pickup #COLT45  14 ammo  50 at 1 2 3";
        QTest::newRow("GTA3 Health") << int(Gta3Item) << 3 << fields("h", "", "1", "2", "3")
                                     << "0213: $h = create_pickup -28 (HEALTH) type  14 at  1 2 3";
        QTest::newRow("GTA3 Banshee")
            << int(Gta3Vehicle) << 1 << fields("c", "", "1", "2", "3", "0", "50", "90")
            << "014B: $c = init_parked_car_generator #BANSHEE -1 -1  0 alarm 0 door_lock  50  0  "
               "10000 at  1 2 3 angle  90" +
                   secondLine + "c" + pairEnd;
        QTest::newRow("VC Bat") << int(VcWeapon) << 0 << p123
                                << "0213: $p = create_pickup #BAT type  15 at  1 2 3";
        QTest::newRow("VC Colt 45")
            << int(VcWeapon) << 4 << fields("p", "50", "1", "2", "3")
            << "032B: $p = create_weapon_pickup #COLT45  15 ammo  50 at 1 2 3";
        QTest::newRow("VC Health")
            << int(VcItem) << 3 << p123 << "0213: $p = create_pickup #HEALTH type  15 at 1 2 3";
        QTest::newRow("VC Admiral")
            << int(VcVehicle) << 0 << fields("car", "", "1", "2", "3", "50", "", "90")
            << "014B: $car = init_parked_car_generator #ADMIRAL -1 -1  0 alarm  50 door_lock  0  0 "
               " "
               "10000 at  1 2 3 angle  90" +
                   secondLine + "car" + pairEnd;
        const QStringList p30 = fields("p", "30", "1", "2", "3");
        QTest::newRow("SA 9mm") << int(SaWeapon) << 0 << p30
                                << "032B: $p = create_weapon_pickup #COLT45  15 ammo  30 at 1 2 3";
        QTest::newRow("SA Baseball Bat, ammo not read")
            << int(SaWeapon) << 2 << p30 << "0213: $p = create_pickup #BAT type  15 at 1 2 3";
        QTest::newRow("SA Health")
            << int(SaItem) << 3 << p123 << "0213: $p = create_pickup #HEALTH type  15 at  1 2 3";
        QTest::newRow("SA Jetpack")
            << int(SaItem) << 4 << p123
            << "032B: $p = create_weapon_pickup #JETPACK  15 ammo 0 at  1 2 3";

        QTest::newRow("GTA3 Baseball Bat, ammo 100 not read")
            << int(Gta3Weapon) << 0 << fields("b", "100", "1", "2", "3")
            << "0213: $b = create_pickup #BAT type  2 at  1 2 3";
        QTest::newRow("VC Golf Club, ammo 100 not read")
            << int(VcWeapon) << 8 << fields("b", "100", "1", "2", "3")
            << "0213: $b = create_pickup #GOLFCLUB type  2 at  1 2 3";

        // Empty boxes give empty segments; the blank count after "at" shows the separators.
        QTest::newRow("empty GTA3 Baseball Bat: at + 4 blanks")
            << int(Gta3Weapon) << 0 << allEmpty << "0213: $ = create_pickup #BAT type  2 at    ";
        QTest::newRow("empty GTA3 Handgun: at + 3 blanks")
            << int(Gta3Weapon) << 1 << allEmpty
            << "032B: $ = create_weapon_pickup #COLT45  14 ammo   at   ";
        QTest::newRow("empty GTA3 Ambulance")
            << int(Gta3Vehicle) << 0 << allEmpty
            << "014B: $ = init_parked_car_generator #AMBULANCE -1 -1  0 alarm  door_lock    0  "
               "10000 at     angle  " +
                   secondLine + pairEnd;
        QTest::newRow("empty VC Adrenaline: at + 3 blanks")
            << int(VcItem) << 0 << allEmpty << "0213: $ = create_pickup #ADRENALINE type  15 at   ";
        QTest::newRow("empty VC Admiral: alarm + 3 blanks")
            << int(VcVehicle) << 0 << allEmpty
            << "014B: $ = init_parked_car_generator #ADMIRAL -1 -1  0 alarm   door_lock  0  0  "
               "10000 at     angle  " +
                   secondLine + pairEnd;
        QTest::newRow("empty SA Baseball Bat: at + 3 blanks")
            << int(SaWeapon) << 2 << allEmpty << "0213: $ = create_pickup #BAT type  15 at   ";
        QTest::newRow("SA 9mm, empty ammo: ammo + 3 blanks + at")
            << int(SaWeapon) << 0 << p123
            << "032B: $p = create_weapon_pickup #COLT45  15 ammo   at 1 2 3";

        // Nothing is trimmed, checked or escaped, and no range applies to numbers.
        QTest::newRow("blanks, comma and $ pass through")
            << int(Gta3Weapon) << 1 << fields(" my gun ", "1,000", "$x", " 2", "3 ")
            << "032B: $ my gun  = create_weapon_pickup #COLT45  14 ammo  1,000 at $x  2 3 ";
        QTest::newRow("GTA3 Yardie Lobo, out-of-range numbers")
            << int(Gta3Vehicle) << 49 << fields("y", "", "-1", "2", "3", "500", "100", "999")
            << "014B: $y = init_parked_car_generator #YARDIE -1 -1  0 alarm 500 door_lock  100  0  "
               "10000 at  -1 2 3 angle  999" +
                   secondLine + "y" + pairEnd;
        QTest::newRow("VC Zebra Cab, door-lock 100 ignored")
            << int(VcVehicle) << 98 << fields("a b$", "", "1,5", " 2", "3 ", "5 %", "100", "-90")
            << "014B: $a b$ = init_parked_car_generator #ZEBRA -1 -1  0 alarm  5 % door_lock  0  0 "
               " "
               "10000 at  1,5  2 3  angle  -90" +
                   secondLine + "a b$" + pairEnd;
    }
    void exactTexts() {
        QFETCH(int, creator);
        QFETCH(int, row);
        QFETCH(QStringList, texts);
        QFETCH(QString, expected);
        QCOMPARE(generateThroughWidgets(creatorOf(creator), row, texts), expected);
    }

    // With no row selected nothing is written; the SA vehicle screen never writes, selection or
    // not. Either way the result screen is loaded before the creator is unloaded.
    void nothingWritten_data() {
        QTest::addColumn<int>("creator");
        QTest::addColumn<int>("row");
        for (int id = Gta3Weapon; id <= SaVehicle; ++id)
            QTest::newRow(qPrintable(QString(creatorTags[id]) + ", no row")) << id << -1;
        QTest::newRow("SA vehicle, first row") << int(SaVehicle) << 0;
        QTest::newRow("SA vehicle, Jetpack") << int(SaVehicle) << 82;
        QTest::newRow("SA vehicle, last row") << int(SaVehicle) << 183;
    }
    void nothingWritten() {
        QFETCH(int, creator);
        QFETCH(int, row);
        const Creator screen = creatorOf(creator);
        QStringList events;
        connect(&frame(), &Frame::windowLoaded, this, [&](const QString& n) { events << "+" + n; });
        connect(&frame(), &Frame::windowUnloaded, this,
                [&](const QString& n) { events << "-" + n; });
        open(screen.name);
        events.clear();
        QCOMPARE(generateThroughWidgets(screen, row, everyBox), QString());
        QCOMPARE(events, QStringList({"+" + QString(screen.result), "-" + QString(screen.name)}));
    }

    // A result screen that is still loaded has its text replaced by a new result, and keeps it
    // when nothing is selected.
    void resultReplacedNotAppended_data() {
        QTest::addColumn<int>("creator");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("expected");
        const QString old = "old line\r\nsecond old line";
        QTest::newRow("pickup replaces")
            << int(Gta3Item) << 2 << "0213: $k = create_pickup -30 (BRIBE) type  14 at  1.5 -2 3";
        QTest::newRow("pair replaces")
            << int(VcVehicle) << 4
            << "014B: $k = init_parked_car_generator #BANSHEE -1 -1  0 alarm  40 door_lock  0  0  "
               "10000 at  1.5 -2 3 angle  90" +
                   secondLine + "k" + pairEnd;
        QTest::newRow("no row keeps") << int(SaWeapon) << -1 << old;
    }
    void resultReplacedNotAppended() {
        QFETCH(int, creator);
        QFETCH(int, row);
        QFETCH(QString, expected);
        const Creator screen = creatorOf(creator);
        frame()
            .window(screen.result)
            ->findChild<TextArea*>(screen.resultBox)
            ->setText("old line\r\nsecond old line");
        QCOMPARE(generateThroughWidgets(screen, row, everyBox), expected);
    }

    // Coordinates take 7 characters, angle and percentages 3, code name and ammo any number,
    // whether typed or pasted.
    void lengthLimits_data() {
        QTest::addColumn<int>("creator");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("limit");
        static constexpr int limits[SlotCount] = {0, 0, 7, 7, 7, 3, 3, 3};
        for (int id = Gta3Weapon; id <= SaVehicle; ++id)
            for (int slot = 0; slot < SlotCount; ++slot)
                if (const QString box = creatorOf(id).boxes[slot]; !box.isEmpty())
                    QTest::addRow("%s %s", creatorTags[id], qPrintable(box))
                        << id << box << limits[slot];
    }
    void lengthLimits() {
        QFETCH(int, creator);
        QFETCH(QString, box);
        QFETCH(int, limit);
        const QString name = creatorOf(creator).name;
        open(name);
        const QString typed = "-1234567.89,0 $abc";
        type(name, box, typed);
        QCOMPARE(text(name, box), limit ? typed.left(limit) : typed);

        control<QLineEdit>(name, box)->clear();
        const QString pasted = QString("x").repeated(500);
        paste(name, box, pasted);
        QCOMPARE(text(name, box), limit ? pasted.left(limit) : pasted);
    }

    // What the user copies out of the box is the generated text itself: CR LF between the
    // pair's lines, and a pasted non-breaking space or tab left as it was.
    void copiedTextIsExact() {
        const Creator screen = creatorOf(VcVehicle);
        const QString code = QString::fromUtf8("car\u00a0one\t2");
        open(screen.name);
        select(screen.name, screen.list, 1);
        paste(screen.name, screen.boxes[Code], code);
        type(screen.name, screen.boxes[Alarm], "7");
        click(screen.name, screen.button);
        auto* box = control<TextArea>(screen.result, screen.resultBox);
        box->selectAll();
        box->copy();
        QCOMPARE(QApplication::clipboard()->text(),
                 "014B: $" + code +
                     " = init_parked_car_generator #AMBULAN -1 -1  0 alarm  7 door_lock  0  0  "
                     "10000 at     angle  " +
                     secondLine + code + pairEnd);
    }

    // The VC door-lock box stays on screen and says that it is not read.
    void vcDoorLockBoxExplainsItself() {
        open("frmgtavcvehicle");
        QVERIFY(!control<QLineEdit>("frmgtavcvehicle", "txtdoorlock")->toolTip().isEmpty());
    }
};

QTEST_MAIN(GenerationTest)
#include "generation_test.moc"
