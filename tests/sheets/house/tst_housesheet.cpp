// The house-property sheet's window: Calculate reading every box for a let-out and a
// self-occupied house, its Back, and the options with the boxes they enable.
#include "support/testsupport.h"

using testsupport::press;

class tst_HouseSheet : public testsupport::SheetTest
{
    Q_OBJECT
private slots:
    void income_data();
    void income();
    void options();
};

void tst_HouseSheet::income_data()
{
    // Rented out, or self occupied with the loan before 1-4-99; rental value, property taxes,
    // interest and others typed (for a self-occupied house only the interest); gross income,
    // repairs, total deductions and income shown. (The rules and ceilings: tst_records.)
    testsupport::table(R"(
        let out                      | rented | 120000 12000 150000 3000 | 108000 32400 185400 -77400
        self occupied, before 1-4-99 | self   | 30001                    | 0 0 30000 -30000
    )");
}

void tst_HouseSheet::income()
{
    const auto [option, figures, results] = testsupport::cells<3>();
    HouseSheet *house = static_cast<HouseSheet *>(openSheet("Form4"));
    QVERIFY(house);
    const bool rented = option == "rented";
    if (!rented) {
        press(house->optso);
        press(house->optb499);
    }
    testsupport::fill(house, rented ? "txtarv txtptax txtintt txtoth" : "txtintt", figures);
    QTest::keyClick(house->txtintt, Qt::Key_Return);
    QCOMPARE(testsupport::shown(house, "txtghi txtrep txttd txtihp"), results);
    QVERIFY(house->cmdbk->isEnabled());
    const QString interest = figures.section(' ', rented ? 2 : 0).section(' ', 0, 0);
    QCOMPARE(house->txtintt->text(), interest); // as typed, not as limited
    QTest::keyClick(house->txtintt, Qt::Key_B, Qt::AltModifier);
    QVERIFY(QTest::qWaitForWindowActive(main) && !house->isVisible());
    QCOMPARE(main->txthp->text(), results.section(' ', 3));
    QVERIFY(main->cmdcalded80->hasFocus());
}

void tst_HouseSheet::options()
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

QTEST_MAIN(tst_HouseSheet)
#include "tst_housesheet.moc"
