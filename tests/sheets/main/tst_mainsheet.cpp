// The main sheet as a user drives it: Calculate from the income heads to the balance tax by
// the slabs of each age group, the Print guard, a result too large to work out, and what the
// deductions' "Calc." writes.
#include "fields/amountfield.h"
#include "support/testsupport.h"

using testsupport::press;
using testsupport::type;

class tst_frmmain : public testsupport::SheetTest
{
    Q_OBJECT
private slots:
    void calculate_data();
    void calculate();
    void printGuard_data();
    void printGuard();
    void deductionsButtonOverwritesPensionFields();
};

void tst_frmmain::calculate_data()
{
    // The age group; typed: gross salary, transport, HRA, other sources, relief 89, tax
    // deducted; written by the sub-sheets: house property and deductions; then every computed
    // field in sheet order, from the exempt allowances through the surcharge to the balance;
    // and what the user is told (only when a figure is too large to work out).
    testsupport::table(R"(
        fresh sheet                | Below 60     | 0 0 0 0 0 0             | 0       | 0      | 0 0 0 0 0 0 0 0 0 0 0
        every box its own          | Below 60     | 712345 9600 41234 5678 1234 23456 | -74400 | 123456 | 50834 661511 592789 469330 21933 2000 18699 0 561 19260 -4196
        income heads               | Below 60     | 600000 9600 0 5000 0 0  | -150000 | 100000 | 9600 590400 445400 345400 9540 2000 7540 0 226 7766 7766
        250000 is nil              | Below 60     | 250000 0 0 0 0 0        | 0       | 0      | 0 250000 250000 250000 0 0 0 0 0 0 0
        250010                     | Below 60     | 250010 0 0 0 0 0        | 0       | 0      | 0 250010 250010 250010 1 1 0 0 0 0 0
        270000                     | Below 60     | 270000 0 0 0 0 0        | 0       | 0      | 0 270000 270000 270000 2000 2000 0 0 0 0 0
        280000                     | Below 60     | 280000 0 0 0 0 0        | 0       | 0      | 0 280000 280000 280000 3000 2000 1000 0 30 1030 1030
        500000 has 87A             | Below 60     | 500000 0 0 0 0 0        | 0       | 0      | 0 500000 500000 500000 25000 2000 23000 0 690 23690 23690
        500010 has none            | Below 60     | 500010 0 0 0 0 0        | 0       | 0      | 0 500010 500010 500010 25002 0 25002 0 750 25752 25752
        1000010                    | Below 60     | 1000010 0 0 0 0 0       | 0       | 0      | 0 1000010 1000010 1000010 125003 0 125003 0 3750 128753 128753
        1250000, a refund          | Below 60     | 1250000 0 0 0 0 210000  | 0       | 0      | 0 1250000 1250000 1250000 200000 0 200000 0 6000 206000 -4000
        relief 89 and tax deducted | Below 60     | 480000 0 0 0 1500 20000 | 0       | 0      | 0 480000 480000 480000 23000 2000 19500 0 585 20085 85
        relief 89 beyond the tax   | Below 60     | 480000 0 0 0 30000 0    | 0       | 0      | 0 480000 480000 480000 23000 2000 0 0 0 0 0
        cess 1.5 to 2              | Below 60     | 480000 0 0 0 20950 0    | 0       | 0      | 0 480000 480000 480000 23000 2000 50 0 2 52 52
        cess 4.5 to 4              | Below 60     | 480000 0 0 0 20850 0    | 0       | 0      | 0 480000 480000 480000 23000 2000 150 0 4 154 154
        tens: 5 to even            | Below 60     | 480005 0 0 0 0 0        | 0       | 0      | 0 480005 480005 480000 23000 2000 21000 0 630 21630 21630
        tens: 15 to even           | Below 60     | 480015 0 0 0 0 0        | 0       | 0      | 0 480015 480015 480020 23002 2000 21002 0 630 21632 21632
        tens: paise count          | Below 60     | 480005.5 0 0 0 0 0      | 0       | 0      | 0 480005.5 480005.5 480010 23001 2000 21001 0 630 21631 21631
        negative income            | Below 60     | -20000 0 0 0 0 0        | 0       | 0      | 0 -20000 -20000 -20000 0 0 0 0 0 0 0
        grouping ends the number   | Below 60     | 1,50,000 0 0 0 abc 0    | 0       | 0      | 0 1 1 0 0 0 0 0 0 0 0
        too large: stops there     | Below 60     | 1e308 0 0 1e308 0 0       | 0       | 0      | 0 1E+308 0 0 0 0 0 0 0 0 0 | The gross total income could not be worked out: the amounts are too large. Calculation stopped there.
        below 60: 1000000          | Below 60     | 1000000 0 0 0 0 0       | 0       | 0      | 0 1000000 1000000 1000000 125000 0 125000 0 3750 128750 128750
        below 60: 1 crore          | Below 60     | 10000000 0 0 0 0 0      | 0       | 0      | 0 10000000 10000000 10000000 2825000 0 2825000 0 84750 2909750 2909750
        below 60: marginal         | Below 60     | 10010000 0 0 0 0 0      | 0       | 0      | 0 10010000 10010000 10010000 2828000 0 2828000 7000 85050 2920050 2920050
        below 60: full 10%         | Below 60     | 11000000 0 0 0 0 0      | 0       | 0      | 0 11000000 11000000 11000000 3125000 0 3125000 312500 103125 3540625 3540625
        60 to 79: 300000           | 60 to 79     | 300000 0 0 0 0 0        | 0       | 0      | 0 300000 300000 300000 0 0 0 0 0 0 0
        60 to 79: 500000           | 60 to 79     | 500000 0 0 0 0 0        | 0       | 0      | 0 500000 500000 500000 20000 2000 18000 0 540 18540 18540
        60 to 79: 500010           | 60 to 79     | 500010 0 0 0 0 0        | 0       | 0      | 0 500010 500010 500010 20002 0 20002 0 600 20602 20602
        60 to 79: 1000000          | 60 to 79     | 1000000 0 0 0 0 0       | 0       | 0      | 0 1000000 1000000 1000000 120000 0 120000 0 3600 123600 123600
        60 to 79: marginal         | 60 to 79     | 10010000 0 0 0 0 0      | 0       | 0      | 0 10010000 10010000 10010000 2823000 0 2823000 7000 84900 2914900 2914900
        80 and above: 500000       | 80 and above | 500000 0 0 0 0 0        | 0       | 0      | 0 500000 500000 500000 0 0 0 0 0 0 0
        80 and above: 500010       | 80 and above | 500010 0 0 0 0 0        | 0       | 0      | 0 500010 500010 500010 2 0 2 0 0 2 2
        80 and above: 1000000      | 80 and above | 1000000 0 0 0 0 0       | 0       | 0      | 0 1000000 1000000 1000000 100000 0 100000 0 3000 103000 103000
        80 and above: marginal     | 80 and above | 10010000 0 0 0 0 0      | 0       | 0      | 0 10010000 10010000 10010000 2803000 0 2803000 7000 84300 2894300 2894300
    )");
}

void tst_frmmain::calculate()
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

void tst_frmmain::printGuard_data()
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

void tst_frmmain::printGuard()
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

void tst_frmmain::deductionsButtonOverwritesPensionFields()
{
    fields::writeText(main->txtmgc, "43084");
    press(main->cmdcalded80);
    type(sheet<DeductionsSheet>()->txt80ccdec, "5");
    type(sheet<DeductionsSheet>()->txt80ccdgc, "6");
    press(main->cmdcalded80);
    QCOMPARE(testsupport::shown(sheet<DeductionsSheet>(), "txt80ccdec txt80ccdgc"), "43084 43084");
}

QTEST_MAIN(tst_frmmain)
#include "tst_frmmain.moc"
