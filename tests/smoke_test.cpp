#include "guitestbase.h"

using namespace spawnsmith;

class SmokeTest : public GuiTestBase {
    Q_OBJECT
private slots:
    void gta3WeaponWorkedExample() {
        open("frmgta3weapon");
        select("frmgta3weapon", "lstgta3weapon", 1);
        type("frmgta3weapon", "txtgta3weaponname", "g");
        type("frmgta3weapon", "txtgta3weaponammo", "50");
        type("frmgta3weapon", "txtgta3weaponx", "1");
        type("frmgta3weapon", "txtgta3weapony", "2");
        type("frmgta3weapon", "txtgta3weaponz", "3");
        click("frmgta3weapon", "cmdgta3weapongeneratecode");
        QCOMPARE(text("frmgta3weaponcode", "txtgta3weaponfinishedcode"),
                 QString("032B: $g = create_weapon_pickup #COLT45  14 ammo  50 at 1 2 3"));
        QVERIFY(!frame().loaded("frmgta3weapon"));
    }
};

QTEST_MAIN(SmokeTest)
#include "smoke_test.moc"
