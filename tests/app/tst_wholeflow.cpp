// One employee's whole run through the windows, by keyboard and buttons as a user goes:
// salary sheet, HRA, other sources, house property, deductions, reliefs, then the main
// sheet's Calculate, checked against figures worked out by hand below.
#include "app/forms.h"
#include "sheets/deductions/frmreb88.h"
#include "sheets/hra/form2.h"
#include "sheets/house/form4.h"
#include "sheets/main/frmmain.h"
#include "sheets/salary/form1.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using testsupport::retype;

class tst_WholeFlow : public QObject
{
    Q_OBJECT
private slots:
    void typicalRun();
};

// Choose `text` from an editable combo's list, as a user picking it from the popup.
static void pick(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY(index >= 0);
    combo->setCurrentIndex(index);
}

void tst_WholeFlow::typicalRun()
{
    Forms forms;
    forms.programEnder = [] {};
    testsupport::MessageRecorder messages;
    frmmain *main = forms.mainSheet();
    Forms::present(main);
    QVERIFY(QTest::qWaitForWindowActive(main));

    QTest::keyClicks(main->txtname, "S. Kumar");
    QTest::mouseClick(main->cmdcalgs, Qt::LeftButton);

    // Salary: 15000 + 2400 every month, HRA class X, transport A/A-1, pension scheme Y, no
    // increment. Per month: DA 17400 (Mar-Jun) and 18618 (Jul-Feb), HRA 5220, TPA 3200 and
    // 3312, MGC 3480 and 3602; arrears rows DA 1740, TPA 160, MGC 174.
    // MGC total 2 x 174 + 4 x 3480 + 8 x 3602 = 43084; gross 533080 + 43084 = 576164.
    Form1 *salary = forms.salarySheet();
    QVERIFY(QTest::qWaitForWindowActive(salary));
    QCOMPARE(salary->txtnam->text(), QString("S. Kumar"));
    pick(salary->cbonps, "Y");
    pick(salary->cboclass1, "X");
    pick(salary->cboclass3, "A/A-1");
    salary->chkinc->setChecked(false);
    retype(salary->txtbp[0], "15000");
    retype(salary->txtgp[0], "2400");
    QCOMPARE(salary->txtbp[13]->text(), QString("15000"));
    QTest::keyClick(salary->txtgp[0], Qt::Key_Return); // Enter presses Calculate
    QCOMPARE(salary->txtgtotal->text(), QString("576164"));
    QTest::mouseClick(salary->cmdbak, Qt::LeftButton);
    QCOMPARE(main->txtgs->text(), QString("576164"));
    QCOMPARE(main->txttp->text(), QString("9600"));
    QCOMPARE(main->txtmgc->text(), QString("43084"));
    QTRY_VERIFY(main->cmdcalhr->hasFocus());
    QVERIFY(salary->isVisible()); // stays open behind

    // HRA: salary 180000 + 222024 + 28800 = 430824; a tenth is 43082.4, counted 43082;
    // rent 100000 exceeds it by 56918, less than the 62640 drawn: exempt 56918.
    QTest::keyClick(main->cmdcalhr, Qt::Key_Space);
    Form2 *hra = forms.hraSheet();
    QVERIFY(QTest::qWaitForWindowActive(hra));
    QVERIFY(hra->txtRP->hasFocus());
    QTest::keyClicks(hra->txtRP, "100000");
    QTest::keyClick(hra->txtRP, Qt::Key_Return);
    QCOMPARE(hra->txthrx->text(), QString("56918"));
    QTest::mouseClick(hra->cmdback, Qt::LeftButton);
    QVERIFY(!hra->isVisible());
    QCOMPARE(main->txthra->text(), QString("56918"));
    QTRY_VERIFY(main->txtos->hasFocus());

    QTest::keyClicks(main->txtos, "5000");

    // House let out: 120000 - 12000 = 108000; repairs 32400; interest 150000: -74400.
    QTest::mouseClick(main->cmdcalhp, Qt::LeftButton);
    Form4 *house = forms.houseSheet();
    QVERIFY(QTest::qWaitForWindowActive(house));
    QVERIFY(house->optrent->isChecked());
    retype(house->txtarv, "120000");
    retype(house->txtptax, "12000");
    retype(house->txtintt, "150000");
    QTest::mouseClick(house->cmdtot, Qt::LeftButton);
    QCOMPARE(house->txtihp->text(), QString("-74400"));
    QTest::mouseClick(house->cmdbk, Qt::LeftButton);
    QCOMPARE(main->txthp->text(), QString("-74400"));
    QTRY_VERIFY(main->cmdcalded80->hasFocus());

    // Deductions: GPF 20000 + employee's pension 43084 = 63084, under the ceiling, plus the
    // government's 43084 = 106168.
    QTest::keyClick(main->cmdcalded80, Qt::Key_Space);
    frmreb88 *deductions = forms.deductionsSheet();
    QVERIFY(QTest::qWaitForWindowActive(deductions));
    QCOMPARE(deductions->txt80ccdec->text(), QString("43084"));
    QCOMPARE(deductions->txt80ccdgc->text(), QString("43084"));
    retype(deductions->txtgpf, "20000");
    QTest::mouseClick(deductions->cmdtot, Qt::LeftButton);
    QCOMPARE(deductions->txtgt80->text(), QString("106168"));
    QTest::mouseClick(deductions->cmdbk, Qt::LeftButton);
    QCOMPARE(main->txtded80->text(), QString("106168"));
    QTRY_VERIFY(main->txtrel89->hasFocus());

    QTest::keyClicks(main->txtrel89, "200");
    QTest::keyClick(main->txtrel89, Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "3000");
    QCOMPARE(main->txtdedtax->text(), QString("3000"));
    QVERIFY(!main->cmdprint->isEnabled());
    QTest::keyClick(main->txtdedtax, Qt::Key_Return);

    // Exempt 9600 + 56918 = 66518; salary 576164 - 66518 = 509646; gross total
    // 509646 - 74400 + 5000 = 440246; taxable (440246 - 106168) = 334078 -> 334080;
    // tax (334080 - 250000) x 0.1 = 8408; 87A 2000; net 8408 - 2200 = 6208;
    // cess 186.24 -> 186; total 6394; balance 6394 - 3000 = 3394.
    QCOMPARE(main->txtexall->text(), QString("66518"));
    QCOMPARE(main->txtnsal->text(), QString("509646"));
    QCOMPARE(main->txtgti->text(), QString("440246"));
    QCOMPARE(main->txtnti->text(), QString("334080"));
    QCOMPARE(main->txtgtax->text(), QString("8408"));
    QCOMPARE(main->txtrel87A->text(), QString("2000"));
    QCOMPARE(main->txtntax->text(), QString("6208"));
    QCOMPARE(main->txtcess->text(), QString("186"));
    QCOMPARE(main->txtttax->text(), QString("6394"));
    QCOMPARE(main->txtbaltax->text(), QString("3394"));
    QVERIFY(main->cmdprint->isEnabled());
    QVERIFY(messages.messages.isEmpty());
}

QTEST_MAIN(tst_WholeFlow)
#include "tst_wholeflow.moc"
