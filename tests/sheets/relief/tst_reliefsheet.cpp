// The relief sheet's window: Calculate reading every box and showing Annexure I, refusals
// with the keyboard in the box they name, and what it takes on opening and hands back.
#include "support/testsupport.h"

using testsupport::press;
using testsupport::type;

class tst_ReliefSheet : public testsupport::SheetTest
{
    Q_OBJECT
private slots:
    void calculate_data();
    void calculate();
    void handBack();

private:
    // The main sheet calculated with a gross salary of 900000 (its net taxable income), then
    // the relief sheet opened from it.
    ReliefSheet *open()
    {
        type(main->txtname, "R. K. Sharma");
        type(main->txtpan, "abcde1234fg"); // in capitals, and cut to ten as typed
        type(main->txtgs, "900000");
        press(main->cmdcalc);
        return qobject_cast<ReliefSheet *>(openSheet("frmrel89"));
    }
};

void tst_ReliefSheet::calculate_data()
{
    // The boxes typed ("chkwoman 1": ticked) and their texts; the boxes then shown and their
    // texts, or "!" and the box refused with what its message says. (The rules of each year and
    // every refusal: tst_records.)
    testsupport::table(R"(
        every year its own    | txtdob chkwoman txtti(0) txtarr(0) txtti(1) txtarr(1) txtti(2) txtarr(2) txtti(3) txtarr(3) txtti(4) txtarr(4) txtti(5) txtarr(5) txtti(6) txtarr(6) txtti(7) txtarr(7) txtti(8) txtarr(8) | 15/08/1970 1 10000 1 20000 2 30000 3 40000 4 150000 40000 60000 6 70000 7 80000 8 90000 9 | txtpan txtinc(0) txtinc(1) txtinc(2) txtinc(3) txtinc(4) txtinc(5) txtinc(6) txtinc(7) txtinc(8) txttax2(4) txtexcl txtarrtot txttaxexcl txtcurdiff txttablea txtrelief | ABCDE1234F 10001 20002 30003 40004 190000 60006 70007 80008 90009 0 859960 40040 96992 8008 0 8008
        no such day           | txtdob txtti(7) txtarr(7) | 31/02/2000 400000 100000 | ! txtdob | holds "31/02/2000", which is not a date (dd/mm/yyyy)
        arrears over income   | txtdob txtti(6) txtarr(6) txtarr(8) | 15/08/1970 100000 900000 10 | ! txtarr(6) | The arrears, 900010 in all, are more than the net taxable income of 2014-15 that includes them, 900000. Please correct the box "Arrears 2011-12"
    )");
}

void tst_ReliefSheet::calculate()
{
    const auto [boxes, typed, shown, expected] = testsupport::cells<4>();
    ReliefSheet *sheet = open();
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

void tst_ReliefSheet::handBack()
{
    ReliefSheet *sheet = open();
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

    // Opened again after the main sheet changed: its new figures, and Back off until Calculate.
    type(main->txtgs, "910000");
    press(main->cmdcalc);
    press(main->cmdcalrel89);
    QVERIFY(QTest::qWaitForWindowActive(sheet));
    QCOMPARE(testsupport::shown(sheet, "txtnti txtdob txtarr(7)"), "910000 15/08/1970 100000");
    QVERIFY(!sheet->cmdback->isEnabled());
}

QTEST_MAIN(tst_ReliefSheet)
#include "tst_reliefsheet.moc"
