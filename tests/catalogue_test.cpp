#include "core/catalogues.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <functional>

using namespace spawnsmith;

namespace {

using CatalogueFn = Catalogue (*)();

QSet<int> indicesWhere(Catalogue catalogue, const std::function<bool(const CatalogueRow&)>& test) {
    QSet<int> found;
    for (std::size_t i = 0; i < catalogue.size(); ++i)
        if (test(catalogue[i]))
            found.insert(static_cast<int>(i));
    return found;
}

QSet<int> range(int from, int to) {
    QSet<int> all;
    for (int i = from; i <= to; ++i)
        all.insert(i);
    return all;
}

// The fixed form of every fragment, per catalogue and shape: the opcode's words, the number
// and the exact blank counts after "type", "ammo" and "alarm" and before the number.
struct Form {
    Shape shape;
    const char* pattern;
};

} // namespace

Q_DECLARE_METATYPE(CatalogueFn)
Q_DECLARE_METATYPE(QSet<int>)
Q_DECLARE_METATYPE(QList<Form>)

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    // Row counts, which rows carry which shape, and the fragment form of each shape. A slipped
    // blank, a wrong number or a row moved to the wrong shape fails here.
    void rowsHaveTheirShapeAndForm_data() {
        QTest::addColumn<CatalogueFn>("catalogue");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QSet<int>>("pickupRows");
        QTest::addColumn<QList<Form>>("forms");

        const char* gta3Pair = R"(^ = init_parked_car_generator #\w+ -1 -1  0 alarm $)";
        const char* vcPair = R"(^ = init_parked_car_generator #\w+ -1 -1  0 alarm  $)";
        QTest::newRow("GTA3 weapons")
            << &gta3WeaponCatalogue << 11 << QSet<int>{0}
            << QList<Form>{{Shape::Pickup, R"(^ = create_pickup #BAT type  2 at  $)"},
                           {Shape::WeaponPickup, R"(^ = create_weapon_pickup #\w+  14 ammo  $)"}};
        QTest::newRow("GTA3 items")
            << &gta3ItemCatalogue << 4 << range(0, 3)
            << QList<Form>{{Shape::Pickup, R"(^ = create_pickup -\d+ \(\w+\) type  14 at  $)"}};
        QTest::newRow("GTA3 vehicles") << &gta3VehicleCatalogue << 50 << QSet<int>{}
                                       << QList<Form>{{Shape::CarGenerator, gta3Pair}};
        QTest::newRow("VC weapons")
            << &vcWeaponCatalogue << 32 << QSet<int>{0, 1, 2, 3, 8, 10, 11, 12, 16, 20, 25}
            << QList<Form>{{Shape::Pickup, R"(^ = create_pickup #\w+ type  (15|2) at  $)"},
                           {Shape::WeaponPickup, R"(^ = create_weapon_pickup #\w+  15 ammo  $)"}};
        QTest::newRow("VC items") << &vcItemCatalogue << 4 << range(0, 3)
                                  << QList<Form>{{Shape::Pickup,
                                                  R"(^ = create_pickup #\w+ type  15 at $)"}};
        QTest::newRow("VC vehicles") << &vcVehicleCatalogue << 99 << QSet<int>{}
                                     << QList<Form>{{Shape::CarGeneratorFixedDoorLock, vcPair}};
        QTest::newRow("SA weapons")
            << &saWeaponCatalogue << 41
            << QSet<int>{2, 3, 5, 6, 8, 9, 12, 13, 17, 18, 23, 25, 26, 32, 39, 40}
            << QList<Form>{{Shape::Pickup, R"(^ = create_pickup #\w+ type  15 at $)"},
                           {Shape::WeaponPickup, R"(^ = create_weapon_pickup #\w+  15 ammo  $)"}};
        QTest::newRow("SA items")
            << &saItemCatalogue << 5 << range(0, 3)
            << QList<Form>{
                   {Shape::Pickup, R"(^ = create_pickup #\w+ type  15 at  $)"},
                   {Shape::Jetpack, R"(^ = create_weapon_pickup #JETPACK  15 ammo 0 at  $)"}};
    }
    void rowsHaveTheirShapeAndForm() {
        QFETCH(CatalogueFn, catalogue);
        QFETCH(int, rows);
        QFETCH(QSet<int>, pickupRows);
        QFETCH(QList<Form>, forms);

        const Catalogue rowsOf = catalogue();
        QCOMPARE(static_cast<int>(rowsOf.size()), rows);
        QCOMPARE(
            indicesWhere(rowsOf, [](const CatalogueRow& r) { return r.shape == Shape::Pickup; }),
            pickupRows);
        for (std::size_t i = 0; i < rowsOf.size(); ++i) {
            const CatalogueRow& row = rowsOf[i];
            const auto form = std::find_if(forms.cbegin(), forms.cend(),
                                           [&](const Form& f) { return f.shape == row.shape; });
            QVERIFY2(form != forms.cend(), qPrintable(QString("row %1 has a stray shape").arg(i)));
            const QString fragment = QString::fromUtf8(row.fragment);
            QVERIFY2(
                QRegularExpression(QString::fromUtf8(form->pattern)).match(fragment).hasMatch(),
                qPrintable(QString("row %1: \"%2\"").arg(i).arg(fragment)));
        }
    }

    // Every row carries its own object: no fragment, and so no model name, appears twice.
    void fragmentsAreDistinct_data() {
        QTest::addColumn<CatalogueFn>("catalogue");
        QTest::newRow("GTA3 weapons") << &gta3WeaponCatalogue;
        QTest::newRow("GTA3 items") << &gta3ItemCatalogue;
        QTest::newRow("GTA3 vehicles") << &gta3VehicleCatalogue;
        QTest::newRow("VC weapons") << &vcWeaponCatalogue;
        QTest::newRow("VC items") << &vcItemCatalogue;
        QTest::newRow("VC vehicles") << &vcVehicleCatalogue;
        QTest::newRow("SA weapons") << &saWeaponCatalogue;
        QTest::newRow("SA items") << &saItemCatalogue;
    }
    void fragmentsAreDistinct() {
        QFETCH(CatalogueFn, catalogue);
        static const QRegularExpression objectName(R"(#\w+|\(\w+\))");
        QSet<QString> fragments;
        QSet<QString> objects;
        for (const CatalogueRow& row : catalogue()) {
            const QString fragment = QString::fromUtf8(row.fragment);
            QVERIFY2(!fragments.contains(fragment), row.text);
            fragments.insert(fragment);
            const QString object = objectName.match(fragment).captured();
            QVERIFY2(!object.isEmpty() && !objects.contains(object), row.text);
            objects.insert(object);
        }
    }

    // Among the VC pickup rows only the first four carry 15 after "type"; the rest carry 2.
    void vcMeleeTypeNumbers() {
        QCOMPARE(indicesWhere(vcWeaponCatalogue(),
                              [](const CatalogueRow& r) {
                                  return QByteArray(r.fragment).contains("type  15");
                              }),
                 range(0, 3));
    }

    // The VC vehicle list texts keep their trailing blanks (27 of them) and the double blank of
    // "FBI  Rancher"; no other list text starts or ends with a blank.
    void listTextBlanks() {
        int trailing = 0;
        for (const CatalogueRow& row : vcVehicleCatalogue())
            trailing += QByteArray(row.text).endsWith(' ') ? 1 : 0;
        QCOMPARE(trailing, 27);
        QCOMPARE(QByteArray(rowAt(vcVehicleCatalogue(), 28)->text), QByteArray("FBI  Rancher"));

        for (CatalogueFn catalogue :
             {&gta3WeaponCatalogue, &gta3ItemCatalogue, &gta3VehicleCatalogue, &vcWeaponCatalogue,
              &vcItemCatalogue, &saWeaponCatalogue, &saItemCatalogue, &saVehicleList})
            for (const CatalogueRow& row : catalogue()) {
                const QByteArray text(row.text);
                QVERIFY2(!text.isEmpty() && text.trimmed() == text, row.text);
            }
    }

    // The SA vehicle list is names only: 184 distinct entries and no fragment anywhere.
    void saVehicleListIsNamesOnly() {
        const Catalogue list = saVehicleList();
        QCOMPARE(static_cast<int>(list.size()), 184);
        QSet<QByteArray> names;
        for (const CatalogueRow& row : list) {
            QCOMPARE(QByteArray(row.fragment), QByteArray());
            names.insert(row.text);
        }
        QCOMPARE(names.size(), 184);
    }
};

QTEST_APPLESS_MAIN(CatalogueTest)
#include "catalogue_test.moc"
