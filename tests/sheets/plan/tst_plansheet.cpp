// The planner's window: opened from the main sheet with its figures out of date, Calculate by
// Enter, the lines of limits used up and the months gone, Print's guard, Back writing nothing,
// and a refusal when the main sheet's figures cannot be worked out.
#include "records/plan.h"
#include "sheets/plan/plansheet.h"
#include "support/testsupport.h"

#include <QComboBox>
#include <QLabel>

using namespace testsupport;

class tst_PlanSheet : public SheetTest
{
    Q_OBJECT
private slots:
    void calculateThenBack();
    void usedUpRefundAndRefusal();

private:
    // The limits' lines and the months shown, each "name=text", hidden or gone ones left out.
    QString visibleLines(const PlanSheet *sheet)
    {
        QStringList out;
        for (const QLineEdit *box : sheet->findChildren<QLineEdit *>(QRegularExpression("^txt(room|save|month)\\(")))
            if (box->isVisibleTo(sheet) && box->isEnabled())
                out << box->objectName() + '=' + box->text();
        return out.join(' ');
    }
};

void tst_PlanSheet::calculateThenBack()
{
    fill(main, "txtname txtgs txttp txtdedtax", "Rao 612340 9600 29320");
    auto *sheet = qobject_cast<PlanSheet *>(openSheet("frmplan"));
    QVERIFY(sheet && sheet->cbofrom->hasFocus() && !sheet->cmdprint->isEnabled());
    QTest::keyClick(sheet->cbofrom, Qt::Key_D); // the first month beginning with D
    QCOMPARE(sheet->cbofrom->currentText(), "Dec 14");
    QTest::keyClick(sheet->cbofrom, Qt::Key_Return);
    QVERIFY(sheet->cmdprint->isEnabled());
    // No deductions and no house: the interest's line is not there; the months gone have none.
    QCOMPARE(visibleLines(sheet),
        "txtroom(0)=150000 txtsave(0)=28092 txtroom(1)=20000 txtsave(1)=4120 txtroom(2)=30000 txtsave(2)=6180 "
        "txtroom(4)=200000 txtsave(4)=33242 txtmonth(9)=5870 txtmonth(10)=5870 txtmonth(11)=5854");
    QCOMPARE(shown(sheet, "txtname txtbaltax"), "Rao 17594");
    QVERIFY(!sheet->findChild<QLabel *>("lblusedup")->isVisibleTo(sheet));

    QTest::keyClick(sheet->cbofrom, Qt::Key_Up); // another first month: the plan is out of date
    QVERIFY(!sheet->cmdprint->isEnabled());
    press(sheet->cmdcalc);
    QVERIFY(sheet->cmdprint->isEnabled() && shown(sheet, "txtmonth(8) txtmonth(11)") == "4400 4394");
    const records::Controls figures = run->windows.sheets()["frmmain"];
    press(sheet->cmdback);
    QVERIFY(QTest::qWaitForWindowActive(main) && !sheet->isVisible());
    QVERIFY(main->cmdplan->hasFocus());
    QCOMPARE(run->windows.sheets()["frmmain"], figures);
    press(main->cmdplan); // opened again, the other sheets may have changed meanwhile
    QVERIFY(QTest::qWaitForWindowActive(sheet) && !sheet->cmdprint->isEnabled());
}

void tst_PlanSheet::usedUpRefundAndRefusal()
{
    // Every limit used up, with main sheets whose figures overflow and then more deducted than the tax.
    for (const QString figures : { "txtgs=1e308 txtos=1e308", "txtgs=712340 txtdedtax=90000 txtded80=200000 txthp=-200000" }) {
        run->windows.show({ { "frmmain", pairs(figures) }, { "frmreb88", pairs("txtppf=150000 txt80ccf=20000 txt80d=30000") },
            { "Form4", pairs("optso=1 optrent=0 txtintt=300000") }, { "frmplan", pairs("cbofrom=Jan~15") } });
        QVERIFY(openSheet("frmplan"));
        press(sheet<PlanSheet>()->cmdcalc);
    }
    // Refused where the main sheet's Calculate stops, though no saving needs working out.
    const QStringList messages = takeMessages();
    QVERIFY2(messages.size() == 1 && messages[0].contains("gross total income"), qPrintable(messages.join('|')));
    // No line of a limit, but that every one is used up; refundable, nothing to deduct.
    const PlanSheet *plan = sheet<PlanSheet>();
    QVERIFY(plan->findChild<QLabel *>("lblusedup")->isVisibleTo(plan) && plan->control("txtrefund")->isVisibleTo(plan));
    QCOMPARE(visibleLines(plan), "txtmonth(10)=0 txtmonth(11)=0");
    QCOMPARE(shown(plan, "txtrefund"), "85639");
}

QTEST_MAIN(tst_PlanSheet)
#include "tst_plansheet.moc"
