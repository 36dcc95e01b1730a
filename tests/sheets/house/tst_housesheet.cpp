// The house-property sheet's window: Calculate for a self-occupied house, and the options with
// the boxes they enable.
#include "support/testsupport.h"

using testsupport::press;

class tst_HouseSheet : public testsupport::SheetTest
{
    Q_OBJECT
private slots:
    void selfOccupied();
    void options();
};

void tst_HouseSheet::selfOccupied()
{
    // The options reach the record: the interest up to the ceiling of a loan before 1-4-99,
    // the box as typed. (Let out, and Back: tst_statements, typed. The rules: tst_records.)
    HouseSheet *house = static_cast<HouseSheet *>(openSheet("Form4"));
    QVERIFY(house);
    press(house->optso);
    press(house->optb499);
    testsupport::type(house->txtintt, "30001");
    QTest::keyClick(house->txtintt, Qt::Key_Return);
    QCOMPARE(testsupport::shown(house, "txtghi txtrep txttd txtihp txtintt"), "0 0 30000 -30000 30001");
    QVERIFY(house->cmdbk->isEnabled());
}

void tst_HouseSheet::options()
{
    HouseSheet *house = static_cast<HouseSheet *>(openSheet("Form4"));
    QVERIFY(house);
    testsupport::fill(house, "txtarv txtptax txtintt txtoth", "120000 12000 150000 500");
    press(house->cmdtot);
    press(house->optso); // what was typed for letting out is dropped for good, the rest kept
    QCOMPARE(testsupport::shown(house, "txtarv txtptax txtghi txtrep txtintt txtoth txttd txtihp"),
        "0 0 0 0 150000 0 182900 -74900");
    QVERIFY(!house->txtarv->isEnabled() && !house->txtoth->isEnabled() && house->optb499->isEnabled());
    QVERIFY(!house->cmdbk->isEnabled());
    for (QRadioButton *option : { house->optb499, house->opta499, house->optrent }) {
        press(house->cmdtot);
        QVERIFY(house->cmdbk->isEnabled());
        press(option);
        QVERIFY(!house->cmdbk->isEnabled());
    }
    QVERIFY(house->txtarv->isEnabled() && !house->framintt->isEnabled());
    QCOMPARE(house->txtarv->text(), "0");
}

QTEST_MAIN(tst_HouseSheet)
#include "tst_housesheet.moc"
