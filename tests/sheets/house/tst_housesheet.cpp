// The house-property sheet: income or loss for a let-out and a self-occupied house, the
// interest ceilings and the options.
#include "support/testsupport.h"

using testsupport::press;

class tst_form4 : public testsupport::SheetTest
{
    Q_OBJECT
private slots:
    void income_data();
    void income();
    void options();
};

void tst_form4::income_data()
{
    // Rented out, or self occupied with its loan date; rental value, property taxes, interest
    // and others typed; gross income, repairs, total deductions and income shown.
    testsupport::table(R"(
        let out                      | rented | 120000 12000 150000 3000 | 108000 32400 185400 -77400
        repairs 10.5 to 10           | rented | 45 10 7 3                | 35 10 20 15
        repairs 7.5 to 8             | rented | 40 15 6 2                | 25 8 16 9
        no ceiling when let out      | rented | 300 100 250000 50        | 200 60 250110 -249910
        taxes above the rent         | rented | 1000 2000 40 500         | -1000 -300 240 -1240
        after 1-4-99, a rupee over   | after  | 0 0 200001 0             | 0 0 200000 -200000
        after 1-4-99, at the ceiling | after  | 0 0 200000 0             | 0 0 200000 -200000
        after 1-4-99, a rupee under  | after  | 0 0 199999 0             | 0 0 199999 -199999
        before 1-4-99, 30001         | before | 0 0 30001 0              | 0 0 30000 -30000
        before 1-4-99, at the ceiling| before | 0 0 30000 0              | 0 0 30000 -30000
        before 1-4-99, 29999         | before | 0 0 29999 0              | 0 0 29999 -29999
    )");
}

void tst_form4::income()
{
    const auto [option, figures, results] = testsupport::cells<3>();
    HouseSheet *house = static_cast<HouseSheet *>(openSheet("Form4"));
    QVERIFY(house);
    if (option != "rented")
        press(house->optso);
    if (option == "before")
        press(house->optb499);
    testsupport::fill(house, option == "rented" ? "txtarv txtptax txtintt txtoth" : "- - txtintt", figures);
    QTest::keyClick(house->txtintt, Qt::Key_Return);
    QCOMPARE(testsupport::shown(house, "txtghi txtrep txttd txtihp"), results);
    QVERIFY(house->cmdbk->isEnabled());
    QCOMPARE(house->txtintt->text(), figures.section(' ', 2, 2)); // the interest as typed, not as limited
}

void tst_form4::options()
{
    HouseSheet *house = static_cast<HouseSheet *>(openSheet("Form4"));
    QVERIFY(house);
    testsupport::fill(house, "txtarv txtptax txtoth", "120000 12000 500");
    press(house->cmdtot);
    press(house->optso); // what was typed for letting out is dropped for good
    QCOMPARE(testsupport::shown(house, "txtarv txtptax txtoth"), "0 0 0");
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

QTEST_MAIN(tst_form4)
#include "tst_form4.moc"
