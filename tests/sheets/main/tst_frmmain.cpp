// The main sheet as a user drives it: Calculate from the income heads to the balance tax,
// the Print guard, a result too large to work out, and what the deductions' "Calc." writes.
#include "fields/amountfield.h"
#include "sheets/deductions/frmreb88.h"
#include "sheets/main/frmmain.h"
#include "support/testsupport.h"

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
