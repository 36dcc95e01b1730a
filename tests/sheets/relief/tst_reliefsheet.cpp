// The relief sheet: Annexure I worked out from what was typed and from the main sheet, the
// refusals, and the hand-back of the relief.
#include "support/testsupport.h"

using testsupport::press;
using testsupport::type;

class tst_frmrel89 : public testsupport::SheetTest
{
    Q_OBJECT
private slots:
    void calculate_data();
    void calculate();
    void handBack();

private:
    // The main sheet calculated with its age group and gross salary (its net taxable income),
    // then the relief sheet opened from it.
    ReliefSheet *open(const QString &age, const QString &grossSalary);
};

ReliefSheet *tst_frmrel89::open(const QString &age, const QString &grossSalary)
{
    main->cboage->setCurrentText(age);
    type(main->txtname, "R. K. Sharma");
    type(main->txtgs, grossSalary);
    press(main->cmdcalc);
    return qobject_cast<ReliefSheet *>(openSheet("frmrel89"));
}

void tst_frmrel89::calculate_data()
{
    // The main sheet's age group and gross salary; the boxes typed ("chkwoman 1": ticked) and
    // their texts; the boxes then shown and their texts, or "!" and the box refused with what
    // its message says.
    testsupport::table(R"(
        worked example        | Below 60 | 900000 | txtdob txtti(7) txtarr(7) | 15/08/1970 400000 100000 | txtexcl txtarrtot txtnti txttaxincl txttaxexcl txtcurdiff txtinc(7) txttax1(7) txttax2(7) txtdiff(7) txttablea txtrelief | 800000 100000 900000 105000 85000 20000 500000 20000 30000 10000 10000 10000
        three years           | Below 60 | 730000 | txtdob txtti(0) txtarr(0) txtti(4) txtarr(4) txtti(8) txtarr(8) | 02/11/1968 240000 20000 310000 30000 480000 40000 | txtarrtot txtcurdiff txtdiff(0) txtdiff(4) txtdiff(8) txttablea txtrelief txtinc(1) | 90000 18000 5000 6000 8000 19000 0 0
        a woman in 2009-10    | Below 60 | 640000 | txtdob chkwoman txtti(4) txtarr(4) | 10/10/1975 1 150000 40000 | txttax1(4) txttax2(4) txtrelief | 0 0 8000
        a man in 2009-10      | Below 60 | 640000 | txtdob txtti(4) txtarr(4) | 10/10/1975 150000 40000 | txttax1(4) txttax2(4) txtrelief | 0 3000 5000
        senior, 87A           | 60 to 79 | 330000 | txtdob txtti(5) txtarr(5) | 01/04/1955 100000 60000 | txttaxincl txttaxexcl txtrelief | 1000 0 1000
        born a day later      | Below 60 | 330000 | txtdob txtti(5) txtarr(5) | 02/04/1955 100000 60000 | txttaxincl txttaxexcl txtrelief | 6000 0 6000
        born on the last day  | Below 60 | 900000 | txtdob txtti(2) | 31/03/2015 50000 | txtexcl txtarrtot txtrelief | 900000 0 0
        no arrears, no date   | Below 60 | 900000 | txtti(2) txtpan | 50000 ABCDE1234F | txtexcl txttaxincl txtrelief | 900000 105000 0
        all of it arrears     | Below 60 | 900000 | txtdob txtti(6) txtarr(6) | 15/08/1970 0 900000 | txtexcl txttaxexcl txtdiff(6) txtrelief | 0 0 122000 0
        total income a word   | Below 60 | 900000 | txtdob txtti(3) txtarr(3) | 15/08/1970 12a 5000 | ! txtti(3) | The box "Total Income 2008-09" holds "12a", which is not a number.
        arrears below 0       | Below 60 | 900000 | txtdob txtti(2) txtarr(2) | 15/08/1970 300000 -5 | ! txtarr(2) | The box "Arrears 2007-08" holds "-5", which is below 0.
        no such day           | Below 60 | 900000 | txtdob txtti(7) txtarr(7) | 31/02/2000 400000 100000 | ! txtdob | holds "31/02/2000", which is not a date (dd/mm/yyyy)
        born after the year   | Below 60 | 900000 | txtdob | 01/04/2015 | ! txtdob | holds "01/04/2015", which is after 31/03/2015
        arrears, no date      | Below 60 | 900000 | txtti(1) txtarr(1) | 200000 5000 | ! txtdob | The box "Date of Birth" is empty
        PAN of 11, small      | Below 60 | 900000 | txtdob txtpan | 15/08/1970 abcde1234fg | txtpan txtrelief | ABCDE1234F 0
        PAN without letter    | Below 60 | 900000 | txtdob txtpan | 15/08/1970 ABCDE1234 | ! txtpan | holds "ABCDE1234", which is not a PAN
        arrears over income   | Below 60 | 900000 | txtdob txtti(6) txtarr(6) txtarr(8) | 15/08/1970 100000 900000 10 | ! txtarr(6) | The arrears, 900010 in all, are more than the net taxable income of 2014-15 that includes them, 900000. Please correct the box "Arrears 2011-12"
        another age group     | Below 60 | 900000 | txtdob txtti(7) txtarr(7) | 01/04/1955 400000 100000 | ! txtdob | puts the employee in the age group "60 to 79" for 2014-15, but the main sheet says "Below 60"
    )");
}

void tst_frmrel89::calculate()
{
    const auto [age, gross, boxes, typed, shown, expected] = testsupport::cells<6>();
    ReliefSheet *sheet = open(age, gross);
    QVERIFY(sheet);
    const QStringList names = boxes.split(' '), texts = typed.split(' ');
    for (qsizetype i = 0; i < names.size(); ++i)
        names[i] == "chkwoman" ? press(sheet->chkwoman) : type(sheet->findChild<QLineEdit *>(names[i]), texts[i]);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    if (shown.startsWith('!')) { // refused: the box holds the focus, and nothing can go back
        const QStringList told = takeMessages();
        QVERIFY2(told.size() == 1 && told[0].contains(expected), qPrintable(told.join('|')));
        QVERIFY(sheet->findChild<QWidget *>(shown.mid(1).trimmed())->hasFocus());
        QVERIFY(!sheet->cmdback->isEnabled() && !sheet->cmdprint->isEnabled());
    } else {
        QCOMPARE(testsupport::shown(sheet, shown), expected);
        QVERIFY(sheet->cmdback->isEnabled() && sheet->cmdprint->isEnabled());
    }
}

void tst_frmrel89::handBack()
{
    ReliefSheet *sheet = open("Below 60", "900000");
    QVERIFY(sheet && sheet->txtdob->hasFocus());
    QCOMPARE(testsupport::shown(sheet, "txtnti txtname txtage"), "900000 R. K. Sharma Below 60");
    testsupport::fill(sheet, "txtdob txtti(7) txtarr(7)", "15/08/1970 400000 100000");
    QTest::keyClick(sheet->txtarr[7], Qt::Key_C, Qt::AltModifier);
    QVERIFY(sheet->cmdback->isEnabled());
    type(sheet->txtaddr, "12 Rajpath, New Delhi"); // an edit: nothing goes back until Calculate
    QVERIFY(!sheet->cmdback->isEnabled() && !sheet->cmdprint->isEnabled());
    QTest::keyClick(sheet->txtaddr, Qt::Key_C, Qt::AltModifier);
    QTest::keyClick(sheet->txtaddr, Qt::Key_B, Qt::AltModifier);
    QVERIFY(QTest::qWaitForWindowActive(main) && !sheet->isVisible());
    QCOMPARE(main->txtrel89->text(), "10000");
    QVERIFY(main->txtdedtax->hasFocus() && !main->cmdprint->isEnabled());
    QTest::keyClick(main->txtdedtax, Qt::Key_Return);
    QCOMPARE(testsupport::shown(main, "txtgtax txtntax txtcess txtttax"), "105000 95000 2850 97850");

    // Opened again after the main sheet changed: its new figures, and Back off until Calculate.
    type(main->txtgs, "910000");
    press(main->cmdcalc);
    press(main->cmdcalrel89);
    QVERIFY(QTest::qWaitForWindowActive(sheet));
    QCOMPARE(testsupport::shown(sheet, "txtnti txtdob txtarr(7)"), "910000 15/08/1970 100000");
    QVERIFY(!sheet->cmdback->isEnabled());
}

QTEST_MAIN(tst_frmrel89)
#include "tst_frmrel89.moc"
