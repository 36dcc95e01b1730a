// The main sheet's window: Calculate reading every box and showing every result, the Print
// guard, and a result too large to work out.
#include "fields/amountfield.h"
#include "support/testsupport.h"

using testsupport::press;
using testsupport::type;

class tst_MainSheet : public testsupport::SheetTest
{
    Q_OBJECT
private slots:
    void calculate_data();
    void calculate();
    void printGuard_data();
    void printGuard();
};

void tst_MainSheet::calculate_data()
{
    // The age group; typed: gross salary, transport, HRA, other sources, relief 89, tax
    // deducted; written by the sub-sheets: house property and deductions; then every computed
    // field in sheet order, from the exempt allowances through the surcharge to the balance;
    // and what the user is told. (The slabs themselves: tst_records.)
    testsupport::table(R"(
        every box its own      | 60 to 79 | 712345 9600 41234 5678 1234 23456 | -74400 | 123456 | 50834 661511 592789 469330 16933 2000 13699 0 411 14110 -9346
        too large: stops there | Below 60 | 1e308 7 8 9e307 10 11             | -12    | 13     | 15 1E+308 0 0 0 0 0 0 0 0 0 | The gross total income could not be worked out: the amounts are too large. Calculation stopped there.
    )");
}

void tst_MainSheet::calculate()
{
    const auto [age, typed, house, deductions, computed, told] = testsupport::cells<6>();
    press(main->cmdcalc);
    main->cboage->setCurrentText(age);
    QCOMPARE(main->cmdprint->isEnabled(), age == "Below 60"); // other slabs: figures out of date
    testsupport::fill(main, "txtgs txttp txthra txtos txtrel89 txtdedtax", typed);
    fields::writeText(main->txthp, house);
    fields::writeText(main->txtded80, deductions);
    QTest::keyClick(main->txtdedtax, Qt::Key_Return);
    QCOMPARE(testsupport::shown(main, "txtexall txtnsal txtgti txtnti txtgtax txtrel87A txtntax txtsurch txtcess txtttax "
                                      "txtbaltax"), computed);
    QCOMPARE(takeMessages(), told.isEmpty() ? QStringList() : QStringList(told));
    QCOMPARE(main->cmdprint->isEnabled(), told.isEmpty()); // nothing half worked out is printed
}

void tst_MainSheet::printGuard_data()
{
    // After Calculate: boxes typed into, or written as a sub-sheet's Back writes them.
    testsupport::table(R"(
        typed boxes            | txtname txtgs txttp txthra txtos txtrel89 txtdedtax | typed   | 1      | off
        house property written | txthp                                               | written | -74400 | off
        gross salary written   | txtgs                                               | written | 533080 | off
        the same text written  | txtgs                                               | written | 0      | on
        deductions written     | txtded80                                            | written | 100000 | on
        hidden pay total       | txtmgc                                              | written | 43084  | on
    )");
}

void tst_MainSheet::printGuard()
{
    const auto [boxes, how, text, print] = testsupport::cells<4>();
    QVERIFY(!main->cmdprint->isEnabled());
    for (const QString &name : boxes.split(' ')) {
        press(main->cmdcalc);
        auto *box = main->findChild<QLineEdit *>(name);
        how == "typed" ? type(box, text) : fields::writeText(box, text);
        QVERIFY2(main->cmdprint->isEnabled() == (print == "on"), qPrintable(name));
    }
}

QTEST_MAIN(tst_MainSheet)
#include "tst_mainsheet.moc"
