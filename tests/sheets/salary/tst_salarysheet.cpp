// The salary sheet's window: the copy-down of the pay columns as typed, Calculate reading
// every box and showing every column, its Back, and a pay too large to work out.
#include "support/testsupport.h"

using testsupport::press;
using testsupport::shown;
using testsupport::type;

class tst_SalarySheet : public testsupport::SheetTest
{
    Q_OBJECT
private slots:
    void copyDown();
    void calculateAndBack();
    void overflowLeavesNothingToPrint();

private:
    static QString cells(const char *column, int from, int to)
    {
        QStringList names;
        for (int i = from; i <= to; ++i)
            names << QStringLiteral("%1(%2)").arg(column).arg(i);
        return names.join(' ');
    }
};

void tst_SalarySheet::copyDown()
{
    QWidget *salary = openSheet("Form1");
    QVERIFY(salary);
    testsupport::fill(salary, "txtbp(0) txtbp(6) txtgp(13) txtoth(2)", "25000 26000 2400 500");
    QCOMPARE(shown(salary, cells("txtbp", 0, 13)), "25000 25000 25000 25000 25000 25000 26000 26000 26000 26000 26000 26000 26000 26000");
    testsupport::fill(salary, "txtbp(3) txtoth(2)", " "); // both emptied
    QCOMPARE(shown(salary, cells("txtbp", 0, 13)), "25000 25000 25000 0 0 0 0 0 0 0 0 0 0 0");
    QCOMPARE(shown(salary, cells("txtgp", 12, 13) + ' ' + cells("txtoth", 0, 5)), "0 2400 0 0 0 0 0 0");
}

void tst_SalarySheet::calculateAndBack()
{
    auto *salary = static_cast<SalarySheet *>(openSheet("Form1"));
    QVERIFY(salary && salary->cbonps->lineEdit()->hasFocus());
    // Every list and the tick away from how the sheet starts; the pay of Jan 14 runs down.
    testsupport::fill(salary, "cbonps cboclass1 cboclass3 txtbp(0) txtgp(0) " + cells("txtoth", 0, 5),
        "Y Y Oth. 15000 2400 1 2 4 8 16 32");
    press(salary->chkinc);
    QTest::keyClick(salary->txtoth[5], Qt::Key_Return);
    // Jan 14 (DA arrears), Mar 14 and Jul 14 of each column, then the column totals.
    QCOMPARE(shown(salary, "txtbp(6) txtda(0) txtda(2) txtda(6) txthra(2) txthra(6) txttpa2(0) txttpa2(2) txttpa2(6) "
                           "txtmgc(0) txtmgc(2) txtmgc(6) txtttl(0) txtttl(2) txtttl(6)"),
        "15000 1740 17400 18618 3480 3480 80 1600 1656 174 3480 3602 1994 43360 44756");
    QCOMPARE(shown(salary, "txtbpt txtgpt txtdat txthrat txttpat txtmgct txtttlt txtgtotal"),
        "180000 28800 222024 41760 19808 43084 535476 535539");
    QVERIFY(salary->cmdprn->isEnabled());
    type(salary->cboclass1, "Z"); // a class typed: the figures are out of date
    QVERIFY(!salary->cmdprn->isEnabled() && !salary->cmdbak->isEnabled());
    press(salary->cmdcal);

    // Back: it stays open behind. (What goes back, and the keyboard then: tst_statements, typed.)
    QTest::keyClick(salary->cmdcal, Qt::Key_B, Qt::AltModifier);
    QVERIFY(QTest::qWaitForWindowActive(main) && salary->isVisible());
}

void tst_SalarySheet::overflowLeavesNothingToPrint()
{
    SalarySheet *salary = static_cast<SalarySheet *>(openSheet("Form1"));
    QVERIFY(salary);
    type(salary->txtbp[0], "1e308");
    press(salary->cmdcal);
    QCOMPARE(takeMessages().size(), 1);
    QVERIFY(!salary->cmdprn->isEnabled() && !salary->cmdbak->isEnabled());
}

QTEST_MAIN(tst_SalarySheet)
#include "tst_salarysheet.moc"
