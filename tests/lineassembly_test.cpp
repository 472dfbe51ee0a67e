#include "core/lineassembly.h"

#include <QMap>
#include <QTest>

using namespace spawnsmith;

Q_DECLARE_METATYPE(spawnsmith::Shape)
Q_DECLARE_METATYPE(spawnsmith::Field)

namespace {

using enum Field;

// A field source that answers with a marker per field and records every request, so a test
// sees which boxes a shape reads, how often and in which order.
struct RecordingSource {
    QList<Field> asked;
    QMap<Field, QString> texts{{CodeName, "<code>"}, {Ammo, "<ammo>"},  {X, "<x>"},
                               {Y, "<y>"},           {Z, "<z>"},        {Alarm, "<alarm>"},
                               {DoorLock, "<lock>"}, {Angle, "<angle>"}};
    FieldSource source() {
        return [this](Field field) {
            asked.append(field);
            return texts.value(field);
        };
    }
};

} // namespace

class LineAssemblyTest : public QObject {
    Q_OBJECT
private slots:
    // Each shape reads its boxes in the documented order, each once per segment: the code name
    // first, ammo only for weapon pickups, the door-lock never on the fixed variant, the code
    // name again for the pair's second line. The markers show where every text lands.
    void readsAndPlacesFields_data() {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<QList<Field>>("order");
        QTest::addColumn<QString>("assembled");

        QTest::newRow("pickup") << Shape::Pickup << QList<Field>{CodeName, X, Y, Z}
                                << "0213: $<code><F><x> <y> <z>";
        QTest::newRow("weapon pickup")
            << Shape::WeaponPickup << QList<Field>{CodeName, Ammo, X, Y, Z}
            << "032B: $<code><F><ammo> at <x> <y> <z>";
        QTest::newRow("jetpack") << Shape::Jetpack << QList<Field>{CodeName, X, Y, Z}
                                 << "032B: $<code><F><x> <y> <z>";
        QTest::newRow("car generator")
            << Shape::CarGenerator
            << QList<Field>{CodeName, Alarm, DoorLock, X, Y, Z, Angle, CodeName}
            << "014B: $<code><F><alarm> door_lock  <lock>  0  10000 at  <x> <y> <z> angle  <angle>"
               "\r\n014C: set_parked_car_generator $<code> cars_to_generate_to  101";
        QTest::newRow("car generator, door-lock fixed")
            << Shape::CarGeneratorFixedDoorLock
            << QList<Field>{CodeName, Alarm, X, Y, Z, Angle, CodeName}
            << "014B: $<code><F><alarm> door_lock  0  0  10000 at  <x> <y> <z> angle  <angle>"
               "\r\n014C: set_parked_car_generator $<code> cars_to_generate_to  101";
    }
    void readsAndPlacesFields() {
        QFETCH(Shape, shape);
        QFETCH(QList<Field>, order);
        QFETCH(QString, assembled);

        RecordingSource recording;
        QCOMPARE(assembleLine(shape, "<F>", recording.source()), assembled);
        QCOMPARE(recording.asked, order);
        QCOMPARE(fieldsRead(shape), order);
    }

    // The fixed variant is exactly the plain pair with a door-lock text of "0".
    void fixedDoorLockEqualsPairWithZero() {
        RecordingSource plain;
        plain.texts[DoorLock] = "0";
        RecordingSource fixed;
        fixed.texts[DoorLock] = "must not appear";
        const QString fragment = " = init_parked_car_generator #M -1 -1  0 alarm  ";
        QCOMPARE(assembleLine(Shape::CarGeneratorFixedDoorLock, fragment, fixed.source()),
                 assembleLine(Shape::CarGenerator, fragment, plain.source()));
    }
};

QTEST_APPLESS_MAIN(LineAssemblyTest)
#include "lineassembly_test.moc"
