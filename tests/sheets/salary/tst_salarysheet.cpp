// The salary sheet: the copy-down of the pay columns, the rules of the year month by month,
// and a pay too large to work out.
#include "fields/amountfield.h"
#include "support/testsupport.h"

using testsupport::shown;
using testsupport::type;

class tst_form1 : public testsupport::SheetTest
{
    Q_OBJECT
private slots:
    void copyDown();
    void rules_data();
    void rules();
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

void tst_form1::copyDown()
{
    QWidget *salary = openSheet("Form1");
    QVERIFY(salary);
    testsupport::fill(salary, "txtbp(0) txtbp(6) txtgp(13) txtoth(2)", "25000 26000 2400 500");
    QCOMPARE(shown(salary, cells("txtbp", 0, 13)), "25000 25000 25000 25000 25000 25000 26000 26000 26000 26000 26000 26000 26000 26000");
    testsupport::fill(salary, "txtbp(3) txtoth(2)", " "); // both emptied
    QCOMPARE(shown(salary, cells("txtbp", 0, 13)), "25000 25000 25000 0 0 0 0 0 0 0 0 0 0 0");
    QCOMPARE(shown(salary, cells("txtgp", 12, 13) + ' ' + cells("txtoth", 0, 5)), "0 2400 0 0 0 0 0 0");
}

void tst_form1::rules_data()
{
    // The classes (HRA, transport, pension scheme), whether the increment is worked out, and
    // the pay typed into Jan 14, which runs down every month (then any later month typed, as
    // "txtbp(3)=15200", which runs down from there). Every computed cell first shows
    // "99", so a cell that a rule leaves alone keeps it. Checked: basic pay of Jul 14, then
    // DA, HRA, transport and MGC of Jan 14 (arrears), Mar 14 and Jul 14, "/" between them.
    testsupport::table(R"(
        worked example            | X A/A-1 N | no  | 15000 2400 | 15000 / 1740 17400 18618 / 5220 5220 / 160 3200 3312 / 0 0 0
        increment 841.5 to 850    | Y Oth. N  | yes | 23450 4600 | 24300 / 2805 28050 30923 / 5610 5780 / 80 1600 1656 / 0 0 0
        increment of June's pay   | Y Oth. N  | yes | 23450 4600 txtbp(5)=23800 | 24660 / 2805 28050 31308 / 5610 5852 / 80 1600 1656 / 0 0 0
        increment exactly 630     | Z A/A-1 N | yes | 15600 5400 | 16230 / 2100 21000 23144 / 2100 2163 / 320 6400 6624 / 0 0 0
        grade pay 5399: tier 2    | NA Oth. N | no  | 20000 5399 | 20000 / 2540 25399 27177 / 0 0 / 80 1600 1656 / 0 0 0
        grade pay 5400: tier 1    | NA Oth. N | no  | 20000 5400 | 20000 / 2540 25400 27178 / 0 0 / 160 3200 3312 / 0 0 0
        months of their own       | X A/A-1 Y | no  | 15000 2400 txtbp(1)=15050 txtgp(1)=2450 txtbp(2)=15100 txtgp(2)=2500 txtbp(3)=15200 txtgp(3)=2600 txtbp(5)=15400 txtgp(5)=2800 txtbp(6)=15600 txtgp(6)=2920 txtbp(7)=15800 txtgp(7)=3000 | 15600 / 1740 17600 19816 / 5280 5556 / 160 3200 3312 / 174 3520 3834
        grade pay 4200: tier 2    | X A/A-1 N | no  | 7000 4200  | 7000 / 1120 11200 11984 / 3360 3360 / 160 3200 3312 / 0 0 0
        basic 7440: tier 3        | X A/A-1 N | no  | 7440 4199  | 7440 / 1164 11639 12454 / 3492 3492 / 160 3200 3312 / 0 0 0
        arrears of 7440 and 2800  | X A/A-1 N | no  | 7440 2800  | 7440 / 1024 10240 10957 / 3072 3072 / 160 3200 3312 / 0 0 0
        basic 7439: tier 4        | X A/A-1 N | no  | 7439 1800  | 7439 / 924 9239 9886 / 2772 2772 / 60 1200 1242 / 0 0 0
        tier 4, other cities      | X Oth. N  | no  | 7439 1800  | 7439 / 924 9239 9886 / 2772 2772 / 40 800 828 / 0 0 0
        0.4 counts in A/A-1       | X A/A-1 N | no  | 0.4 1800   | 0.4 / 180 1800 1926 / 540 540 / 60 1200 1242 / 0 0 0
        0.4 is no pay elsewhere   | X Oth. N  | no  | 0.4 1800   | 0.4 / 180 1800 1926 / 540 540 / 99 99 99 / 0 0 0
        no basic pay: no tier     | X A/A-1 N | no  | 0 1800     | 0 / 180 1800 1926 / 540 540 / 99 99 99 / 0 0 0
        no transport allowance    | X NA N    | no  | 15000 2400 | 15000 / 1740 17400 18618 / 5220 5220 / 0 0 0 / 0 0 0
        classes not in the lists  | x a/a-1 n | no  | 15000 2400 | 15000 / 1740 17400 18618 / 99 99 / 99 99 99 / 99 99 99
    )");
}

void tst_form1::rules()
{
    const auto [classes, increment, pay, expected] = testsupport::cells<4>();
    SalarySheet *salary = static_cast<SalarySheet *>(openSheet("Form1"));
    QVERIFY(salary);
    testsupport::fill(salary, "cboclass1 cboclass3 cbonps txtbp(0) txtgp(0)", classes + ' ' + pay.section(' ', 0, 1));
    for (const QString &month : pay.split(' ').mid(2))
        testsupport::fill(salary, month.section('=', 0, 0), month.section('=', 1));
    salary->chkinc->setChecked(increment == "yes");
    for (QLineEdit *cell : salary->findChildren<QLineEdit *>(QRegularExpression("^txt(hra|tpa2|mgc)\\(")))
        fields::writeText(cell, "99");
    QTest::keyClick(salary->txtgp[0], Qt::Key_Return);
    const QString checked = "txtbp(6) txtda(0) txtda(2) txtda(6) txthra(2) txthra(6) txttpa2(0) txttpa2(2) txttpa2(6) txtmgc(0) txtmgc(2) txtmgc(6)";
    QCOMPARE(shown(salary, checked), QString(expected).remove("/ "));
    QVERIFY(salary->cmdprn->isEnabled() && salary->cmdbak->isEnabled());
}

void tst_form1::overflowLeavesNothingToPrint()
{
    SalarySheet *salary = static_cast<SalarySheet *>(openSheet("Form1"));
    QVERIFY(salary);
    type(salary->txtbp[0], "1e308");
    testsupport::press(salary->cmdcal);
    QCOMPARE(takeMessages().size(), 1);
    QVERIFY(!salary->cmdprn->isEnabled() && !salary->cmdbak->isEnabled());
}

QTEST_MAIN(tst_form1)
#include "tst_form1.moc"
