// The main sheet as a user drives it: Calculate from the income heads to the balance tax,
// the Print guard, a result too large to work out, and what the deductions' "Calc." writes.
#include "fields/amountfield.h"
#include "sheets/deductions/frmreb88.h"
#include "sheets/main/frmmain.h"
#include "support/testsupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using testsupport::press;
using testsupport::texts;
using testsupport::type;

class tst_frmmain : public testsupport::SheetTest
{
    Q_OBJECT
private slots:
    void calculate_data();
    void calculate();
    void ageGroupsAndSurcharge_data();
    void ageGroupsAndSurcharge();
    void printGuard_data();
    void printGuard();
    void overflowStopsAtTheFailingStep();
    void deductionsButtonOverwritesPensionFields();

private:
    QStringList results() const
    {
        return texts({ main->txtexall, main->txtnsal, main->txtgti, main->txtnti, main->txtgtax,
            main->txtrel87A, main->txtntax, main->txtcess, main->txtttax, main->txtbaltax });
    }
};

void tst_frmmain::calculate_data()
{
    // Typed: gross salary, transport, HRA, other sources, relief 89, tax deducted. Written by
    // the sub-sheets: house property and deductions. Then the computed fields in sheet order,
    // from the exempt allowances to the balance tax.
    testsupport::table({ "typed", "house", "deductions", "computed" }, R"(
        fresh sheet                | 0 0 0 0 0 0                | 0       | 0      | 0 0 0 0 0 0 0 0 0 0
        income heads               | 600000 9600 0 5000 0 0     | -150000 | 100000 | 9600 590400 445400 345400 9540 2000 7540 226 7766 7766
        250000 is nil              | 250000 0 0 0 0 0           | 0       | 0      | 0 250000 250000 250000 0 0 0 0 0 0
        250010                     | 250010 0 0 0 0 0           | 0       | 0      | 0 250010 250010 250010 1 1 0 0 0 0
        270000                     | 270000 0 0 0 0 0           | 0       | 0      | 0 270000 270000 270000 2000 2000 0 0 0 0
        280000                     | 280000 0 0 0 0 0           | 0       | 0      | 0 280000 280000 280000 3000 2000 1000 30 1030 1030
        500000 has 87A             | 500000 0 0 0 0 0           | 0       | 0      | 0 500000 500000 500000 25000 2000 23000 690 23690 23690
        500010 has none            | 500010 0 0 0 0 0           | 0       | 0      | 0 500010 500010 500010 25002 0 25002 750 25752 25752
        1000010                    | 1000010 0 0 0 0 0          | 0       | 0      | 0 1000010 1000010 1000010 125003 0 125003 3750 128753 128753
        1250000, a refund          | 1250000 0 0 0 0 210000     | 0       | 0      | 0 1250000 1250000 1250000 200000 0 200000 6000 206000 -4000
        relief 89 and tax deducted | 480000 0 0 0 1500 20000    | 0       | 0      | 0 480000 480000 480000 23000 2000 19500 585 20085 85
        relief 89 beyond the tax   | 480000 0 0 0 30000 0       | 0       | 0      | 0 480000 480000 480000 23000 2000 0 0 0 0
        cess 1.5 to 2              | 480000 0 0 0 20950 0       | 0       | 0      | 0 480000 480000 480000 23000 2000 50 2 52 52
        cess 4.5 to 4              | 480000 0 0 0 20850 0       | 0       | 0      | 0 480000 480000 480000 23000 2000 150 4 154 154
        tens: 5 to even            | 480005 0 0 0 0 0           | 0       | 0      | 0 480005 480005 480000 23000 2000 21000 630 21630 21630
        tens: 15 to even           | 480015 0 0 0 0 0           | 0       | 0      | 0 480015 480015 480020 23002 2000 21002 630 21632 21632
        tens: 25 to even           | 480025 0 0 0 0 0           | 0       | 0      | 0 480025 480025 480020 23002 2000 21002 630 21632 21632
        tens: paise count          | 480005.5 0 0 0 0 0         | 0       | 0      | 0 480005.5 480005.5 480010 23001 2000 21001 630 21631 21631
        negative income            | -20000 0 0 0 0 0           | 0       | 0      | 0 -20000 -20000 -20000 0 0 0 0 0 0
        grouping ends the number   | 1,50,000 0 0 0 abc 0       | 0       | 0      | 0 1 1 0 0 0 0 0 0 0
    )");
}

void tst_frmmain::calculate()
{
    QFETCH(QString, typed);
    QFETCH(QString, house);
    QFETCH(QString, deductions);
    QFETCH(QString, computed);
    const QStringList values = typed.split(' ');
    QLineEdit *boxes[]
        = { main->txtgs, main->txttp, main->txthra, main->txtos, main->txtrel89, main->txtdedtax };
    for (int i = 0; i < 6; ++i) {
        if (values[i] != "0")
            type(boxes[i], values[i]);
    }
    fields::writeText(main->txthp, house);
    fields::writeText(main->txtded80, deductions);
    QTest::keyClick(main->txtdedtax, Qt::Key_Return);
    QCOMPARE(results().join(' '), computed);
    QVERIFY(main->cmdprint->isEnabled());
}

void tst_frmmain::ageGroupsAndSurcharge_data()
{
    // The slabs of each age group at the boundaries, and the surcharge above 1,00,00,000 with
    // its marginal relief. Net taxable income typed as gross salary; then gross tax, relief
    // u/s 87A, net tax, surcharge, cess and total tax.
    testsupport::table({ "group", "income", "computed" }, R"(
        below 60: 250000       | Below 60     | 250000   | 0 0 0 0 0 0
        below 60: 300000       | Below 60     | 300000   | 5000 2000 3000 0 90 3090
        below 60: 400000       | Below 60     | 400000   | 15000 2000 13000 0 390 13390
        below 60: 500010       | Below 60     | 500010   | 25002 0 25002 0 750 25752
        below 60: 1000000      | Below 60     | 1000000  | 125000 0 125000 0 3750 128750
        below 60: 1 crore      | Below 60     | 10000000 | 2825000 0 2825000 0 84750 2909750
        below 60: marginal     | Below 60     | 10010000 | 2828000 0 2828000 7000 85050 2920050
        below 60: marginal too | Below 60     | 10100000 | 2855000 0 2855000 70000 87750 3012750
        below 60: full 10%     | Below 60     | 11000000 | 3125000 0 3125000 312500 103125 3540625
        60 to 79: 250000       | 60 to 79     | 250000   | 0 0 0 0 0 0
        60 to 79: 300000       | 60 to 79     | 300000   | 0 0 0 0 0 0
        60 to 79: 400000       | 60 to 79     | 400000   | 10000 2000 8000 0 240 8240
        60 to 79: 500000       | 60 to 79     | 500000   | 20000 2000 18000 0 540 18540
        60 to 79: 500010       | 60 to 79     | 500010   | 20002 0 20002 0 600 20602
        60 to 79: 1000000      | 60 to 79     | 1000000  | 120000 0 120000 0 3600 123600
        60 to 79: 1 crore      | 60 to 79     | 10000000 | 2820000 0 2820000 0 84600 2904600
        60 to 79: marginal     | 60 to 79     | 10010000 | 2823000 0 2823000 7000 84900 2914900
        80 and above: 250000   | 80 and above | 250000   | 0 0 0 0 0 0
        80 and above: 300000   | 80 and above | 300000   | 0 0 0 0 0 0
        80 and above: 400000   | 80 and above | 400000   | 0 0 0 0 0 0
        80 and above: 500000   | 80 and above | 500000   | 0 0 0 0 0 0
        80 and above: 500010   | 80 and above | 500010   | 2 0 2 0 0 2
        80 and above: 1000000  | 80 and above | 1000000  | 100000 0 100000 0 3000 103000
        80 and above: 1 crore  | 80 and above | 10000000 | 2800000 0 2800000 0 84000 2884000
        80 and above: marginal | 80 and above | 10010000 | 2803000 0 2803000 7000 84300 2894300
    )");
}

void tst_frmmain::ageGroupsAndSurcharge()
{
    QFETCH(QString, group);
    QFETCH(QString, income);
    QFETCH(QString, computed);
    press(main->cmdcalc);
    main->cboage->setCurrentText(group);
    QCOMPARE(main->cmdprint->isEnabled(), group == "Below 60"); // another group: out of date
    type(main->txtgs, income);
    press(main->cmdcalc);
    QCOMPARE(texts({ main->txtgtax, main->txtrel87A, main->txtntax, main->txtsurch, main->txtcess,
                 main->txtttax }).join(' '), computed);
}

void tst_frmmain::printGuard_data()
{
    // After Calculate: boxes typed into, or written as a sub-sheet's Back writes them.
    testsupport::table({ "boxes", "how", "text", "print" }, R"(
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
    QFETCH(QString, boxes);
    QFETCH(QString, how);
    QFETCH(QString, text);
    QFETCH(QString, print);
    QVERIFY(!main->cmdprint->isEnabled());
    for (const QString &name : boxes.split(' ')) {
        press(main->cmdcalc);
        auto *box = main->findChild<QLineEdit *>(name);
        how == "typed" ? type(box, text) : fields::writeText(box, text);
        QVERIFY2(main->cmdprint->isEnabled() == (print == "on"), qPrintable(name));
    }
}

void tst_frmmain::overflowStopsAtTheFailingStep()
{
    type(main->txtgs, "1e308");
    type(main->txtos, "1e308");
    press(main->cmdcalc);
    QCOMPARE(takeMessages(),
        QStringList("The gross total income could not be worked out: the amounts are too large. "
                    "Calculation stopped there."));
    QCOMPARE(results().join(' '), "0 1E+308 0 0 0 0 0 0 0 0");
}

void tst_frmmain::deductionsButtonOverwritesPensionFields()
{
    fields::writeText(main->txtmgc, "43084");
    press(main->cmdcalded80);
    type(forms->deductionsSheet()->txt80ccdec, "5");
    type(forms->deductionsSheet()->txt80ccdgc, "6");
    press(main->cmdcalded80);
    QCOMPARE(texts({ forms->deductionsSheet()->txt80ccdec, forms->deductionsSheet()->txt80ccdgc }).join(' '),
        "43084 43084");
}

QTEST_MAIN(tst_frmmain)
#include "tst_frmmain.moc"
