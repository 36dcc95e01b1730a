// The Form 16 sheet's window: Calculate and Back, refusals with the keyboard in the box they
// name, the office's particulars remembered for the next run, the address the relief sheet shares.
#include "sheets/form16/form16sheet.h"
#include "support/testsupport.h"

using namespace testsupport;

// Valid particulars: the employee's, then the office's.
const QString kEmployee = "txtdesig txtaddr txtfrom", kEmployeeTexts = "Assistant Rajpath 01/07/2014";
const QString kOffice = "txtemployer txtemployeraddr txtdedpan txttan txtcit txtsigname txtsigfather txtsigdesig txtplace txtdate";
const QString kOfficeTexts = "PAO-CS Khan-Market PANNOTREQD DELP01234E Laxmi-Nagar Verma Shyam Accounts-Officer Delhi 30/05/2015";

class tst_Form16Sheet : public SheetTest
{
    Q_OBJECT
private slots:
    void calculateThenBack();
    void refused_data();
    void refused();
    void sharedAddress_data();
    void sharedAddress();

private:
    // The main sheet named and calculated, then Form 16 opened from it with valid particulars.
    Form16Sheet *open()
    {
        fill(main, "txtname txtpan txtgs txttp txtos", "Sharma abcps1234kx 912345 9600 5678");
        press(main->cmdcalc);
        auto *sheet = qobject_cast<Form16Sheet *>(openSheet("frmf16"));
        if (!sheet || !sheet->control("txtdesig")->hasFocus())
            return nullptr;
        fill(sheet, kEmployee + ' ' + kOffice, kEmployeeTexts + ' ' + kOfficeTexts);
        return sheet;
    }
};

void tst_Form16Sheet::calculateThenBack()
{
    Form16Sheet *sheet = open();
    QVERIFY(sheet);
    QCOMPARE(shown(sheet, "txtname txtpan"), "Sharma ABCPS1234K");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(shown(sheet, "txt1a txt2ta txt8 txt16"), shown(main, "txtgs txttp txtgti txtttax"));
    QVERIFY(main->txtttax->text() != "0" && sheet->cmdprint->isEnabled());
    type(sheet->control("txtplace"), "Noida");
    QVERIFY(!sheet->cmdprint->isEnabled());
    press(sheet->cmdcalc);
    const records::Controls figures = run->windows.sheets()["frmmain"];
    press(sheet->cmdback);
    QVERIFY(QTest::qWaitForWindowActive(main) && !sheet->isVisible());
    QVERIFY(main->cmdform16->hasFocus() && main->cmdprint->isEnabled());
    QCOMPARE(run->windows.sheets()["frmmain"], figures);
    // Opened again, its figures may be out of date: the main sheet may have changed meanwhile.
    press(main->cmdform16);
    QVERIFY(QTest::qWaitForWindowActive(sheet) && !sheet->cmdprint->isEnabled());
}

void tst_Form16Sheet::refused_data()
{
    // A box typed over valid particulars, once they are worked out and remembered, and its text;
    // the box refused, what its message says. What is remembered for the next run stays.
    table(R"(
        bad TAN          | txttan      | DELP0123E  | txttan      | "TAN of the deductor" holds "DELP0123E"
        bad deductor PAN | txtdedpan   | ABCDE12345 | txtdedpan   | "PAN of the deductor" holds "ABCDE12345"
        period backwards | txtto       | 30/06/2014 | txtfrom     | 01/07/2014 to 30/06/2014, runs backwards
        no employer      | txtemployer |            | txtemployer | "Name of the employer" is empty
    )");
}

void tst_Form16Sheet::refused()
{
    const auto [box, text, refused, told] = cells<4>();
    Form16Sheet *sheet = open();
    QVERIFY(sheet);
    press(sheet->cmdcalc);
    type(sheet->control(box), text);
    press(sheet->cmdcalc); // the click takes the keyboard from the box
    const QStringList messages = takeMessages();
    QVERIFY2(messages.size() == 1 && messages[0].contains(told), qPrintable(messages.join('|')));
    QVERIFY(sheet->control(refused)->hasFocus() && !sheet->cmdprint->isEnabled());
    App next; // the office's particulars, not the employee's
    QCOMPARE(shown(next.windows.sheet<Form16Sheet>(), kOffice), kOfficeTexts);
    QCOMPARE(shown(next.windows.sheet<Form16Sheet>(), kEmployee), "  01/04/2014");
}

void tst_Form16Sheet::sharedAddress_data()
{
    // The sheet the address is typed on and its text; the sheet opened next with none.
    table(R"(
        relief sheet first | frmrel89 | 12 Rajpath, New Delhi | frmf16
        Form 16 first      | frmf16   | C-14 R. K. Puram      | frmrel89
    )");
}

void tst_Form16Sheet::sharedAddress()
{
    const auto [first, address, next] = cells<3>();
    QWidget *typed = openSheet(first);
    QVERIFY(typed);
    type(typed->findChild<QLineEdit *>("txtaddr"), address);
    const QWidget *opened = openSheet(next);
    QVERIFY(opened);
    QCOMPARE(shown(opened, "txtaddr"), address);
}

QTEST_MAIN(tst_Form16Sheet)
#include "tst_form16sheet.moc"
