// The salary sheet between the main sheet's "Calc." button and its own Back: opening with
// the name, handing the year's figures back, and what reopening or closing keeps.
#include "app/forms.h"
#include "sheets/main/frmmain.h"
#include "sheets/salary/form1.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

frmmain *openMain(Forms &forms)
{
    forms.programEnder = [] {};
    frmmain *main = forms.mainSheet();
    main->show();
    if (!QTest::qWaitForWindowActive(main))
        return nullptr;
    return main;
}

// The main sheet's "Calc." beside gross salary, as the user presses it.
Form1 *openSalaryFrom(Forms &forms, frmmain &main)
{
    QTest::mouseClick(main.cmdcalgs, Qt::LeftButton);
    Form1 *form = forms.salarySheet();
    if (!QTest::qWaitForWindowActive(form))
        return nullptr;
    return form;
}

void type(QWidget *field, const QString &text)
{
    testsupport::retype(field, text);
}

void typeInCombo(QComboBox *combo, const QString &text)
{
    combo->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo, text);
}

void enterWorkedExample(Form1 &form)
{
    form.chkinc->setChecked(false);
    type(form.txtbp[0], "15000");
    type(form.txtgp[0], "2400");
}

} // namespace

class tst_SalaryHandBack : public QObject
{
    Q_OBJECT
private slots:
    void openingTakesName();
    void handBackWorkedExample_data();
    void handBackWorkedExample();
    void handBackOrder();
    void transportExemptionCapsMonths_data();
    void transportExemptionCapsMonths();
    void wholeRunReachesTheTax();
    void reopeningKeepsCells();
    void closingDiscardsCells();
};

void tst_SalaryHandBack::openingTakesName()
{
    Forms forms;
    frmmain *main = openMain(forms);
    QVERIFY(main);
    type(main->txtname, "Ravi Kumar");
    Form1 *form = openSalaryFrom(forms, *main);
    QVERIFY(form);
    QVERIFY(main->isVisible());
    QCOMPARE(form->txtnam->text(), "Ravi Kumar");
    QVERIFY(form->cbonps->hasFocus());
    // The name is written, not typed: the guards stay as they were.
    QVERIFY(!form->cmdbak->isEnabled());
}

void tst_SalaryHandBack::handBackWorkedExample_data()
{
    QTest::addColumn<QString>("nps");
    QTest::addColumn<QString>("gross");
    QTest::addColumn<QString>("contribution");
    QTest::newRow("NPS N") << "N" << "533080" << "0";
    QTest::newRow("NPS Y") << "Y" << "576164" << "43084";
}

void tst_SalaryHandBack::handBackWorkedExample()
{
    QFETCH(QString, nps);
    QFETCH(QString, gross);
    QFETCH(QString, contribution);

    Forms forms;
    frmmain *main = openMain(forms);
    QVERIFY(main);
    Form1 *form = openSalaryFrom(forms, *main);
    QVERIFY(form);
    enterWorkedExample(*form);
    typeInCombo(form->cbonps, nps);
    QTest::mouseClick(form->cmdcal, Qt::LeftButton);
    QVERIFY(form->cmdbak->isEnabled());

    // Print on the main sheet was enabled; the hand-back into gross salary disables it.
    QTest::mouseClick(main->cmdcalc, Qt::LeftButton);
    QVERIFY(main->cmdprint->isEnabled());

    QTest::mouseClick(form->cmdbak, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(main));
    QCOMPARE(main->txtgs->text(), gross);
    QCOMPARE(main->txttp->text(), "9600");
    QCOMPARE(main->txtbp->text(), "180000");
    QCOMPARE(main->txtda->text(), "222024");
    QCOMPARE(main->txthrr->text(), "62640");
    QCOMPARE(main->txtnpa->text(), "28800");
    QCOMPARE(main->txtmgc->text(), contribution);
    QVERIFY(main->cmdcalhr->hasFocus());
    QVERIFY(!main->cmdprint->isEnabled());
    // The salary sheet stays open behind, as it was.
    QVERIFY(form->isVisible());
    QVERIFY(forms.hasSalarySheet());
    QCOMPARE(form->txtgtotal->text(), gross);
    QVERIFY(form->cmdbak->isEnabled());
}

void tst_SalaryHandBack::handBackOrder()
{
    Forms forms;
    frmmain *main = openMain(forms);
    QVERIFY(main);
    Form1 *form = openSalaryFrom(forms, *main);
    QVERIFY(form);
    enterWorkedExample(*form);
    typeInCombo(form->cbonps, "Y"); // so that every one of the seven fields changes
    QTest::mouseClick(form->cmdcal, Qt::LeftButton);
    main->hide(); // Back must bring it up before it writes

    QStringList writes;
    for (QLineEdit *field : {main->txtmgc, main->txtnpa, main->txthrr, main->txtda, main->txtbp,
                             main->txttp, main->txtgs}) {
        connect(field, &QLineEdit::textChanged, this, [&writes, field, main] {
            writes << field->objectName() + (main->isVisible() ? "" : " (main sheet hidden)");
        });
    }
    QTest::mouseClick(form->cmdbak, Qt::LeftButton);
    QCOMPARE(writes, (QStringList{"txtgs", "txttp", "txtbp", "txtda", "txthrr", "txtnpa",
                                  "txtmgc"}));
    QVERIFY(QTest::qWaitForWindowActive(main));
    QVERIFY(main->cmdcalhr->hasFocus());
}

void tst_SalaryHandBack::transportExemptionCapsMonths_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("basic");
    QTest::addColumn<QString>("grade");
    QTest::addColumn<QString>("currentBasic"); // typed into Mar 14, "" for none
    QTest::addColumn<QString>("exempt");
    QTest::addColumn<QString>("tpaTotal");
    QTest::newRow("6624 from July: 12 x 800") << "A/A-1" << "20000" << "5400" << "" << "9600"
                                              << QString::number(2 * 320 + 4 * 6400 + 8 * 6624);
    QTest::newRow("800 exactly and 828") << "Oth." << "5000" << "1800" << "" << "9600"
                                         << QString::number(2 * 40 + 4 * 800 + 8 * 828);
    QTest::newRow("NA counts 0") << "NA" << "20000" << "5400" << "" << "0" << "0";
    // Pay in the arrears rows only: their TPA is in the totals, never in the exemption.
    QTest::newRow("arrears rows not counted") << "A/A-1" << "15000" << "2400" << "0" << "0"
                                              << "320";
}

void tst_SalaryHandBack::transportExemptionCapsMonths()
{
    QFETCH(QString, cls);
    QFETCH(QString, basic);
    QFETCH(QString, grade);
    QFETCH(QString, currentBasic);
    QFETCH(QString, exempt);
    QFETCH(QString, tpaTotal);

    Forms forms;
    frmmain *main = openMain(forms);
    QVERIFY(main);
    Form1 *form = openSalaryFrom(forms, *main);
    QVERIFY(form);
    form->chkinc->setChecked(false);
    typeInCombo(form->cboclass3, cls);
    type(form->txtbp[0], basic);
    type(form->txtgp[0], grade);
    if (!currentBasic.isEmpty()) {
        type(form->txtbp[2], currentBasic);
        type(form->txtgp[2], currentBasic);
    }
    QTest::mouseClick(form->cmdcal, Qt::LeftButton);
    QCOMPARE(form->txttpat->text(), tpaTotal);
    QTest::mouseClick(form->cmdbak, Qt::LeftButton);
    QCOMPARE(main->txttp->text(), exempt);
    QCOMPARE(main->txtgs->text(), form->txtgtotal->text());
}

void tst_SalaryHandBack::wholeRunReachesTheTax()
{
    Forms forms;
    frmmain *main = openMain(forms);
    QVERIFY(main);
    type(main->txtname, "Ravi");
    Form1 *form = openSalaryFrom(forms, *main);
    QVERIFY(form);
    enterWorkedExample(*form);
    // The keyboard way: Enter presses Calculate, Alt+B presses Back.
    QTest::keyClick(form->txtgp[0], Qt::Key_Return);
    QVERIFY(form->cmdbak->isEnabled());
    QTest::keyClick(form, Qt::Key_B, Qt::AltModifier);
    QTRY_VERIFY(main->cmdcalhr->hasFocus());
    QCOMPARE(main->txtgs->text(), "533080");

    QTest::mouseClick(main->cmdcalc, Qt::LeftButton);
    QCOMPARE(main->txtexall->text(), "9600");
    QCOMPARE(main->txtnsal->text(), "523480");
    QCOMPARE(main->txtgti->text(), "523480");
    QCOMPARE(main->txtnti->text(), "523480");
    QCOMPARE(main->txtgtax->text(), "29696");  // 25000 + 23480 x 0.2
    QCOMPARE(main->txtrel87A->text(), "0");
    QCOMPARE(main->txtntax->text(), "29696");
    QCOMPARE(main->txtcess->text(), "891");     // 890.88
    QCOMPARE(main->txtttax->text(), "30587");
    QCOMPARE(main->txtbaltax->text(), "30587");
    QVERIFY(main->cmdprint->isEnabled());
}

void tst_SalaryHandBack::reopeningKeepsCells()
{
    Forms forms;
    frmmain *main = openMain(forms);
    QVERIFY(main);
    type(main->txtname, "First");
    Form1 *form = openSalaryFrom(forms, *main);
    QVERIFY(form);
    enterWorkedExample(*form);
    typeInCombo(form->cboclass1, "Y");
    type(form->txtoth[1], "5000");
    QTest::mouseClick(form->cmdcal, Qt::LeftButton);
    QTest::mouseClick(form->cmdbak, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(main));

    type(main->txtname, "Second");
    Form1 *again = openSalaryFrom(forms, *main);
    QCOMPARE(again, form);
    QCOMPARE(again->txtnam->text(), "Second");
    QCOMPARE(again->txtbp[13]->text(), "15000");
    QCOMPARE(again->cboclass1->currentText(), "Y");
    QCOMPARE(again->txthra[5]->text(), "3480");
    QCOMPARE(again->txtoth[1]->text(), "5000");
    QVERIFY(!again->chkinc->isChecked());
    QCOMPARE(again->txtgtotal->text(), main->txtgs->text());
    QVERIFY(again->cmdbak->isEnabled());
    QVERIFY(again->cbonps->hasFocus());
}

void tst_SalaryHandBack::closingDiscardsCells()
{
    Forms forms;
    frmmain *main = openMain(forms);
    QVERIFY(main);
    type(main->txtname, "Ravi");
    QPointer<Form1> form = openSalaryFrom(forms, *main);
    QVERIFY(form);
    enterWorkedExample(*form);
    typeInCombo(form->cbonps, "Y");
    QTest::mouseClick(form->cmdcal, Qt::LeftButton);

    QVERIFY(form->close());
    QVERIFY(!forms.hasSalarySheet());
    QTRY_VERIFY(form.isNull());
    // The main sheet is still there to use.
    QVERIFY(main->isVisible());
    main->activateWindow(); // no window manager here to hand it the focus
    QVERIFY(QTest::qWaitForWindowActive(main));

    type(main->txtname, "Ravi K");
    Form1 *fresh = openSalaryFrom(forms, *main);
    QVERIFY(fresh);
    QCOMPARE(fresh->txtnam->text(), "Ravi K");
    for (int i = 0; i < Form1::kRows; ++i) {
        QCOMPARE(fresh->txtbp[i]->text(), "0");
        QCOMPARE(fresh->txtda[i]->text(), "0");
        QCOMPARE(fresh->txtmgc[i]->text(), "0");
    }
    QCOMPARE(fresh->txtgtotal->text(), "0");
    QCOMPARE(fresh->cbonps->currentText(), "N");
    QCOMPARE(fresh->cbonps->count(), 2);
    QVERIFY(fresh->chkinc->isChecked());
    QVERIFY(!fresh->cmdprn->isEnabled());
    QVERIFY(!fresh->cmdbak->isEnabled());
}

QTEST_MAIN(tst_SalaryHandBack)
#include "tst_salaryhandback.moc"
