// The salary sheet driven as the user drives it: its screen, the copy-down of the pay
// columns, the guard buttons, the selection boxes and Calculate.
#include "app/forms.h"
#include "sheets/salary/form1.h"
#include "support/testsupport.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const QStringList kMonths = {"Jan 14", "Feb 14", "Mar 14", "Apr 14", "May 14",
                             "Jun 14", "Jul 14", "Aug 14", "Sep 14", "Oct 14",
                             "Nov 14", "Dec 14", "Jan 15", "Feb 15"};

Form1 *openSheet(Forms &forms)
{
    forms.programEnder = [] {};
    Form1 *form = forms.salarySheet();
    form->show();
    if (!QTest::qWaitForWindowActive(form))
        return nullptr;
    return form;
}

void type(QLineEdit *field, const QString &text)
{
    testsupport::retype(field, text);
}

void clear(QLineEdit *field)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
}

void typeInCombo(QComboBox *combo, const QString &text)
{
    combo->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo, text);
}

// Opens the list and clicks entry `row`, as the user picks it.
bool pickFromList(QComboBox *combo, int row)
{
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    if (!QTest::qWaitFor([view] { return view->isVisible(); }))
        return false;
    // The popup ignores a release that comes too soon after it opened.
    QTest::qWait(QApplication::doubleClickInterval() + 100);
    const QModelIndex entry = view->model()->index(row, 0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
    return QTest::qWaitFor([view] { return !view->isVisible(); });
}

void calculate(Form1 &form)
{
    QTest::mouseClick(form.cmdcal, Qt::LeftButton);
}

// Basic pay 15000 and grade pay 2400 typed into the first row, classes "X" and "A/A-1",
// no increment.
void enterWorkedExample(Form1 &form)
{
    form.chkinc->setChecked(false);
    type(form.txtbp[0], "15000");
    type(form.txtgp[0], "2400");
}

QStringList column(const std::array<QLineEdit *, Form1::kRows> &cells)
{
    QStringList texts;
    for (const QLineEdit *cell : cells)
        texts << (cell ? cell->text() : QString());
    return texts;
}

QStringList repeated(const QString &first, int firstCount, const QString &rest)
{
    QStringList texts;
    for (int i = 0; i < Form1::kRows; ++i)
        texts << (i < firstCount ? first : rest);
    return texts;
}

bool guardsEnabled(const Form1 &form)
{
    return form.cmdprn->isEnabled() && form.cmdbak->isEnabled();
}

bool guardsDisabled(const Form1 &form)
{
    return !form.cmdprn->isEnabled() && !form.cmdbak->isEnabled();
}

QStringList allTexts(const Form1 &form)
{
    QStringList texts;
    for (const QLineEdit *field : form.findChildren<QLineEdit *>())
        texts << field->text();
    return texts;
}

QStringList items(const QComboBox *combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

} // namespace

class tst_Form1 : public QObject
{
    Q_OBJECT
private slots:
    void initialScreen();
    void cellsAreNamedArrays();
    void tabOrder();
    void copyDownFromFirstRow();
    void copyDownFromMiddleRow();
    void copyDownLastRowOnly();
    void clearingPayCellLeavesZeroBelow();
    void clearingAnnualFigureLeavesZeroThere();
    void guardStates();
    void pickingFromListKeepsGuards();
    void typedComboTextStaysExact();
    void enterPressesCalculate();
    void comboFocusSelectsWholeText();
    void workedExampleRows_data();
    void workedExampleRows();
    void workedExampleTotals_data();
    void workedExampleTotals();
    void increment_data();
    void increment();
    void noIncrementWhenUnticked();
    void transportTiers_data();
    void transportTiers();
    void houseRentClasses_data();
    void houseRentClasses();
    void pensionSelection();
    void arrearsExample();
    void grandTotalAddsAnnualFigures();
    void overflowStopsOrderly_data();
    void overflowStopsOrderly();
    void overflowAfterSuccessDisablesGuards();
    void escapeKeepsSheet();
};

void tst_Form1::initialScreen()
{
    Forms forms;
    Form1 *form = openSheet(forms);
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), "Morvel1415 - Income Calculator");
    QCOMPARE(form->txtnam->text(), "");
    QCOMPARE(form->cbonps->currentText(), "N");
    QCOMPARE(form->cboclass1->currentText(), "X");
    QCOMPARE(form->cboclass3->currentText(), "A/A-1");
    QCOMPARE(items(form->cbonps), (QStringList{"Y", "N"}));
    QCOMPARE(items(form->cboclass1), (QStringList{"X", "Y", "Z", "NA"}));
    QCOMPARE(items(form->cboclass3), (QStringList{"A/A-1", "Oth.", "NA"}));
    for (QComboBox *combo : {form->cbonps, form->cboclass1, form->cboclass3}) {
        QVERIFY(combo->isEditable());
        QVERIFY(!combo->completer());
        QCOMPARE(combo->insertPolicy(), QComboBox::NoInsert);
    }
    QVERIFY(form->chkinc->isChecked());
    QCOMPARE(form->chkinc->text(), "Calculate Increment");
    QCOMPARE(form->findChild<QLabel *>("Label2")->text(),
             "Increment can be calculated automatically.");

    for (int i = 0; i < Form1::kRows; ++i)
        QCOMPARE(form->Label1[i]->text(), kMonths[i]);
    for (const auto *cells : {&form->txtbp, &form->txtgp, &form->txtda, &form->txttpa2,
                              &form->txtmgc, &form->txtttl})
        QCOMPARE(column(*cells), repeated("0", 0, "0"));
    QCOMPARE(column(form->txthra), repeated(QString(), 2, "0"));
    for (QLineEdit *total : {form->txtbpt, form->txtgpt, form->txtdat, form->txthrat,
                             form->txttpat, form->txtmgct, form->txtttlt, form->txtgtotal})
        QCOMPARE(total->text(), "0");
    for (QLineEdit *other : form->txtoth)
        QCOMPARE(other->text(), "0");

    QCOMPARE(form->cmdcal->text(), "&Calculate");
    QCOMPARE(form->cmdprn->text(), "&Print");
    QCOMPARE(form->cmdbak->text(), "&Back");
    QVERIFY(form->cmdcal->isDefault());
    QVERIFY(form->cmdcal->isEnabled());
    QVERIFY(guardsDisabled(*form));

    // Computed cells: read-only, dark red, skipped by Tab. Typed cells: editable.
    const QList<QLineEdit *> computed = {form->txtda[3], form->txthra[3], form->txttpa2[0],
                                         form->txtmgc[13], form->txtttl[7], form->txtbpt,
                                         form->txtttlt, form->txtgtotal};
    for (QLineEdit *cell : computed) {
        QVERIFY2(cell->isReadOnly(), qPrintable(cell->objectName()));
        QVERIFY(!(cell->focusPolicy() & Qt::TabFocus));
        QCOMPARE(cell->palette().color(QPalette::Text), QColor(Qt::darkRed));
    }
    for (QLineEdit *cell : {form->txtbp[0], form->txtgp[13], form->txtoth[5]})
        QVERIFY(!cell->isReadOnly());
    // The arrears rows' typed cells are grey, the current rows' are not.
    QCOMPARE(form->txtbp[1]->palette().color(QPalette::Base), QColor(Qt::lightGray));
    QCOMPARE(form->txtgp[0]->palette().color(QPalette::Base), QColor(Qt::lightGray));
    QVERIFY(form->txtbp[2]->palette().color(QPalette::Base) != QColor(Qt::lightGray));
}

void tst_Form1::cellsAreNamedArrays()
{
    Forms forms;
    Form1 *form = openSheet(forms);
    QVERIFY(form);
    QCOMPARE(form->findChild<QLineEdit *>("txtbp(3)"), form->txtbp[3]);
    QCOMPARE(form->findChild<QLineEdit *>("txtttl(13)"), form->txtttl[13]);
    QCOMPARE(form->findChild<QLineEdit *>("txtoth(5)"), form->txtoth[5]);
    QCOMPARE(form->findChild<QLabel *>("Label1(6)"), form->Label1[6]);
    QCOMPARE(form->findChild<QLineEdit *>("txthra(2)"), form->txthra[2]);
    QVERIFY(!form->findChild<QLineEdit *>("txthra(0)"));
    QVERIFY(!form->findChild<QLineEdit *>("txthra(1)"));
    QCOMPARE(form->findChild<QComboBox *>("cboclass3"), form->cboclass3);
    QCOMPARE(form->findChild<QLineEdit *>("txtgtotal"), form->txtgtotal);
}

void tst_Form1::tabOrder()
{
    Forms forms;
    Form1 *form = openSheet(forms);
    QVERIFY(form);
    QList<QWidget *> expected = {form->cbonps, form->cboclass1, form->cboclass3, form->chkinc};
    for (int i = 0; i < Form1::kRows; ++i)
        expected << form->txtbp[i] << form->txtgp[i];
    for (QLineEdit *other : form->txtoth)
        expected << other;
    expected << form->cmdcal << form->txtnam; // Print and Back are disabled: skipped

    form->txtnam->setFocus();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(form->txtnam));
    for (QWidget *next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }

    // Once calculated, Print and Back follow Calculate.
    calculate(*form);
    form->txtoth[5]->setFocus();
    for (QWidget *next : {static_cast<QWidget *>(form->cmdcal), static_cast<QWidget *>(form->cmdprn),
                          static_cast<QWidget *>(form->cmdbak)}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void tst_Form1::copyDownFromFirstRow()
{
    Forms forms;
    Form1 *form = openSheet(forms);
    QVERIFY(form);
    type(form->txtbp[0], "25000");
    QCOMPARE(column(form->txtbp), repeated("25000", 14, ""));
    QCOMPARE(column(form->txtgp), repeated("0", 14, ""));
    type(form->txtgp[0], "4600");
    QCOMPARE(column(form->txtgp), repeated("4600", 14, ""));
    // The copied cells leave their insertion point at the start.
    QCOMPARE(form->txtbp[9]->cursorPosition(), 0);
}

void tst_Form1::copyDownFromMiddleRow()
{
    Forms forms;
    Form1 *form = openSheet(forms);
    QVERIFY(form);
    type(form->txtbp[0], "25000");
    type(form->txtbp[6], "26000");
    QCOMPARE(column(form->txtbp), repeated("25000", 6, "26000"));
    // Non-numeric text runs down as typed.
    type(form->txtgp[10], "abc");
    QCOMPARE(column(form->txtgp), repeated("0", 10, "abc"));
}

void tst_Form1::copyDownLastRowOnly()
{
    Forms forms;
    Form1 *form = openSheet(forms);
    QVERIFY(form);
    type(form->txtgp[0], "1800");
    type(form->txtgp[13], "2400");
    QCOMPARE(column(form->txtgp), repeated("1800", 13, "2400"));
}

void tst_Form1::clearingPayCellLeavesZeroBelow()
{
    Forms forms;
    Form1 *form = openSheet(forms);
    QVERIFY(form);
    type(form->txtbp[0], "25000");
    clear(form->txtbp[3]);
    QCOMPARE(column(form->txtbp), repeated("25000", 3, "0"));
    // The "0" stands with the insertion point in front of it: a digit typed next goes first.
    QTest::keyClicks(form->txtbp[3], "5");
    QCOMPARE(column(form->txtbp), repeated("25000", 3, "50"));
}

void tst_Form1::clearingAnnualFigureLeavesZeroThere()
{
    Forms forms;
    Form1 *form = openSheet(forms);
    QVERIFY(form);
    for (int i = 0; i < Form1::kOthers; ++i)
        type(form->txtoth[i], "100");
    clear(form->txtoth[2]);
    for (int i = 0; i < Form1::kOthers; ++i)
        QCOMPARE(form->txtoth[i]->text(), i == 2 ? "0" : "100");
}

void tst_Form1::guardStates()
{
    Forms forms;
    Form1 *form = openSheet(forms);
    QVERIFY(form);
    QVERIFY(guardsDisabled(*form));
    calculate(*form);
    QVERIFY(guardsEnabled(*form));

    type(form->txtbp[4], "7");
    QVERIFY(guardsDisabled(*form));
    calculate(*form);
    QVERIFY(guardsEnabled(*form));

    type(form->txtgp[13], "1");
    QVERIFY(guardsDisabled(*form));
    calculate(*form);
    type(form->txtoth[3], "500");
    QVERIFY(guardsDisabled(*form));

    for (QComboBox *combo : {form->cbonps, form->cboclass1, form->cboclass3}) {
        calculate(*form);
        QVERIFY(guardsEnabled(*form));
        typeInCombo(combo, "Z");
        QVERIFY2(guardsDisabled(*form), qPrintable(combo->objectName()));
    }

    // The name is no input of Calculate.
    calculate(*form);
    type(form->txtnam, "Ravi");
    QVERIFY(guardsEnabled(*form));
}

void tst_Form1::pickingFromListKeepsGuards()
{
    Forms forms;
    Form1 *form = openSheet(forms);
    QVERIFY(form);
    calculate(*form);
    QVERIFY(guardsEnabled(*form));

    QComboBox *combo = form->cboclass1;
    QVERIFY(pickFromList(combo, 1));
    QCOMPARE(combo->currentText(), "Y");
    QVERIFY(guardsEnabled(*form));

    // Picking the entry that is current puts its text back over a typed one.
    typeInCombo(combo, "x");
    calculate(*form);
    QVERIFY(pickFromList(combo, 1));
    QCOMPARE(combo->currentText(), "Y");
    QVERIFY(guardsEnabled(*form));

    // The arrow keys pick from the list as well.
    form->cboclass3->setFocus();
    QTest::keyClick(form->cboclass3, Qt::Key_Down);
    QCOMPARE(form->cboclass3->currentText(), "Oth.");
    QVERIFY(guardsEnabled(*form));
}

void tst_Form1::typedComboTextStaysExact()
{
    Forms forms;
    Form1 *form = openSheet(forms);
    QVERIFY(form);
    typeInCombo(form->cboclass1, "x");
    QCOMPARE(form->cboclass1->currentText(), "x");
    // Leaving the box does not complete or correct it either.
    QTest::keyClick(form->cboclass1, Qt::Key_Tab);
    QCOMPARE(form->cboclass1->currentText(), "x");
    QCOMPARE(items(form->cboclass1), (QStringList{"X", "Y", "Z", "NA"}));

    typeInCombo(form->cboclass3, "o");
    QCOMPARE(form->cboclass3->currentText(), "o");
    typeInCombo(form->cbonps, "y");
    QCOMPARE(form->cbonps->currentText(), "y");
}

void tst_Form1::enterPressesCalculate()
{
    Forms forms;
    Form1 *form = openSheet(forms);
    QVERIFY(form);
    QSignalSpy clicks(form->cmdcal, &QPushButton::clicked);

    typeInCombo(form->cboclass1, "Q");
    QTest::keyClick(form->cboclass1, Qt::Key_Return);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(guardsEnabled(*form));
    // Enter added nothing to the list and changed nothing in the box.
    QCOMPARE(items(form->cboclass1), (QStringList{"X", "Y", "Z", "NA"}));
    QCOMPARE(form->cboclass1->currentText(), "Q");

    typeInCombo(form->cbonps, "Y");
    QTest::keyClick(form->cbonps, Qt::Key_Enter);
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(items(form->cbonps), (QStringList{"Y", "N"}));

    type(form->txtbp[3], "12000");
    QTest::keyClick(form->txtbp[3], Qt::Key_Return);
    QCOMPARE(clicks.count(), 3);
    QCOMPARE(form->txtda[3]->text(), "12000");
}

void tst_Form1::comboFocusSelectsWholeText()
{
    Forms forms;
    Form1 *form = openSheet(forms);
    QVERIFY(form);

    form->cbonps->setFocus();
    QVERIFY(form->cbonps->hasFocus());
    QVERIFY(!form->cbonps->lineEdit()->hasSelectedText()); // no reaction of its own

    QTest::keyClick(form->cbonps, Qt::Key_Tab);
    QVERIFY(form->cboclass1->hasFocus());
    QCOMPARE(form->cboclass1->lineEdit()->selectedText(), "X");

    // By a click, which would otherwise leave only a cursor.
    QLineEdit *edit = form->cboclass3->lineEdit();
    QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
    QVERIFY(form->cboclass3->hasFocus());
    QCOMPARE(edit->selectedText(), "A/A-1");
    // Typing then replaces the whole text.
    QTest::keyClicks(form->cboclass3, "NA");
    QCOMPARE(form->cboclass3->currentText(), "NA");

    // From code, as another window does.
    form->txtbp[0]->setFocus();
    form->cboclass1->setFocus();
    QCOMPARE(form->cboclass1->lineEdit()->selectedText(), "X");
}

void tst_Form1::workedExampleRows_data()
{
    QTest::addColumn<QString>("nps");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("da");
    QTest::addColumn<QString>("hra");
    QTest::addColumn<QString>("tpa");
    QTest::addColumn<QString>("mgc");
    QTest::addColumn<QString>("total");
    for (const QString nps : {"N", "Y"}) {
        const bool y = nps == "Y";
        for (int row = 0; row < Form1::kRows; ++row) {
            const QByteArray name = QStringLiteral("NPS %1, %2").arg(nps, kMonths[row]).toLatin1();
            if (row < 2)
                QTest::newRow(name) << nps << row << "1740" << QString() << "160"
                                    << (y ? "174" : "0") << (y ? "2074" : "1900");
            else if (row < 6)
                QTest::newRow(name) << nps << row << "17400" << "5220" << "3200"
                                    << (y ? "3480" : "0") << (y ? "46700" : "43220");
            else
                QTest::newRow(name) << nps << row << "18618" << "5220" << "3312"
                                    << (y ? "3602" : "0") << (y ? "48152" : "44550");
        }
    }
}

void tst_Form1::workedExampleRows()
{
    QFETCH(QString, nps);
    QFETCH(int, row);
    QFETCH(QString, da);
    QFETCH(QString, hra);
    QFETCH(QString, tpa);
    QFETCH(QString, mgc);
    QFETCH(QString, total);

    Forms forms;
    Form1 *form = openSheet(forms);
    QVERIFY(form);
    enterWorkedExample(*form);
    typeInCombo(form->cbonps, nps);
    calculate(*form);

    QCOMPARE(form->txtbp[row]->text(), "15000");
    QCOMPARE(form->txtgp[row]->text(), "2400");
    QCOMPARE(form->txtda[row]->text(), da);
    QCOMPARE(form->txthra[row] ? form->txthra[row]->text() : QString(), hra);
    QCOMPARE(form->txttpa2[row]->text(), tpa);
    QCOMPARE(form->txtmgc[row]->text(), mgc);
    QCOMPARE(form->txtttl[row]->text(), total);
    QVERIFY(guardsEnabled(*form));
}

void tst_Form1::workedExampleTotals_data()
{
    QTest::addColumn<QString>("nps");
    QTest::addColumn<QString>("mgct");
    QTest::addColumn<QString>("ttlt");
    QTest::newRow("NPS N") << "N" << "0" << "533080";
    QTest::newRow("NPS Y") << "Y" << "43084" << "576164";
}

void tst_Form1::workedExampleTotals()
{
    QFETCH(QString, nps);
    QFETCH(QString, mgct);
    QFETCH(QString, ttlt);

    Forms forms;
    Form1 *form = openSheet(forms);
    QVERIFY(form);
    enterWorkedExample(*form);
    typeInCombo(form->cbonps, nps);
    calculate(*form);

    QCOMPARE(form->txtbpt->text(), "180000");
    QCOMPARE(form->txtgpt->text(), "28800");
    QCOMPARE(form->txtdat->text(), "222024");
    QCOMPARE(form->txthrat->text(), "62640");
    QCOMPARE(form->txttpat->text(), "39616");
    QCOMPARE(form->txtmgct->text(), mgct);
    QCOMPARE(form->txtttlt->text(), ttlt);
    QCOMPARE(form->txtgtotal->text(), ttlt);

    // Calculating again changes nothing.
    const QStringList before = allTexts(*form);
    calculate(*form);
    QCOMPARE(allTexts(*form), before);
}

void tst_Form1::increment_data()
{
    QTest::addColumn<QString>("basic");
    QTest::addColumn<QString>("grade");
    QTest::addColumn<QString>("july");
    QTest::addColumn<QString>("julyDa");
    QTest::newRow("841.5 -> 842 -> 850") << "23450" << "4600" << "24300" << "30923";
    QTest::newRow("exactly 630") << "15600" << "5400" << "16230" << "23144";
}

void tst_Form1::increment()
{
    QFETCH(QString, basic);
    QFETCH(QString, grade);
    QFETCH(QString, july);
    QFETCH(QString, julyDa);

    Forms forms;
    Form1 *form = openSheet(forms);
    QVERIFY(form);
    QVERIFY(form->chkinc->isChecked());
    type(form->txtbp[0], basic);
    type(form->txtgp[0], grade);
    calculate(*form);
    QCOMPARE(column(form->txtbp), repeated(basic, 6, july));
    QCOMPARE(form->txtda[6]->text(), julyDa);
    QCOMPARE(form->txtda[13]->text(), julyDa);
    QCOMPARE(form->txtda[5]->text(), QString::number(basic.toInt() + grade.toInt()));
    QVERIFY(guardsEnabled(*form)); // enabled again after the write into July

    // From June again: a second Calculate gives the same July.
    calculate(*form);
    QCOMPARE(column(form->txtbp), repeated(basic, 6, july));

    // A later month typed after that (a promotion in October, say) stays: July already
    // shows June plus the increment, so the write into July changes nothing and copies
    // nothing down.
    type(form->txtbp[9], "30000");
    calculate(*form);
    QCOMPARE(column(form->txtbp).mid(6), (QStringList{july, july, july, "30000", "30000",
                                                      "30000", "30000", "30000"}));
    // A new June moves July and everything after it again.
    type(form->txtbp[5], basic);
    QCOMPARE(form->txtbp[13]->text(), basic);
    calculate(*form);
    QCOMPARE(column(form->txtbp), repeated(basic, 6, july));
}

void tst_Form1::noIncrementWhenUnticked()
{
    Forms forms;
    Form1 *form = openSheet(forms);
    QVERIFY(form);
    QTest::mouseClick(form->chkinc, Qt::LeftButton);
    QVERIFY(!form->chkinc->isChecked());
    type(form->txtbp[0], "23450");
    type(form->txtgp[0], "4600");
    calculate(*form);
    QCOMPARE(column(form->txtbp), repeated("23450", 14, ""));
}

void tst_Form1::transportTiers_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("basic");
    QTest::addColumn<QString>("grade");
    QTest::addColumn<QStringList>("tpa"); // Jan 14, Mar 14, Jul 14
    const QStringList kept = {"160", "3200", "3312"}; // from the first Calculate
    QTest::newRow("A/A-1 grade 5400 is T1") << "A/A-1" << "0" << "5400"
                                            << QStringList{"320", "6400", "6624"};
    QTest::newRow("A/A-1 grade 4200 is T2") << "A/A-1" << "0" << "4200"
                                            << QStringList{"160", "3200", "3312"};
    QTest::newRow("A/A-1 basic 7440 is T3") << "A/A-1" << "7440" << "4199"
                                            << QStringList{"160", "3200", "3312"};
    QTest::newRow("A/A-1 basic 7439 is T4") << "A/A-1" << "7439" << "4199"
                                            << QStringList{"60", "1200", "1242"};
    QTest::newRow("A/A-1 basic 0: no tier") << "A/A-1" << "0" << "1800" << kept;
    QTest::newRow("A/A-1 basic 0.4 is T4") << "A/A-1" << "0.4" << "1800"
                                           << QStringList{"60", "1200", "1242"};
    QTest::newRow("Oth. grade 5400 is T1") << "Oth." << "0" << "5400"
                                           << QStringList{"160", "3200", "3312"};
    QTest::newRow("Oth. grade 4200 is T2") << "Oth." << "0" << "4200"
                                           << QStringList{"80", "1600", "1656"};
    QTest::newRow("Oth. basic 7440 is T3") << "Oth." << "7440" << "0"
                                           << QStringList{"80", "1600", "1656"};
    QTest::newRow("Oth. basic 7439 is T4") << "Oth." << "7439" << "0"
                                           << QStringList{"40", "800", "828"};
    QTest::newRow("Oth. basic 0: no tier") << "Oth." << "0" << "1800" << kept;
    QTest::newRow("Oth. basic 0.4: no tier") << "Oth." << "0.4" << "1800" << kept;
    QTest::newRow("NA") << "NA" << "20000" << "5400" << QStringList{"0", "0", "0"};
    QTest::newRow("NA without a tier") << "NA" << "0" << "0" << QStringList{"0", "0", "0"};
    QTest::newRow("class matches no entry") << "a/a-1" << "0" << "5400" << kept;
}

void tst_Form1::transportTiers()
{
    QFETCH(QString, cls);
    QFETCH(QString, basic);
    QFETCH(QString, grade);
    QFETCH(QStringList, tpa);

    Forms forms;
    Form1 *form = openSheet(forms);
    QVERIFY(form);
    enterWorkedExample(*form);
    calculate(*form);
    QCOMPARE(form->txttpa2[0]->text(), "160");

    typeInCombo(form->cboclass3, cls);
    type(form->txtbp[0], basic);
    type(form->txtgp[0], grade);
    calculate(*form);
    for (int row = 0; row < Form1::kRows; ++row) {
        const QString expected = tpa[row < 2 ? 0 : row < 6 ? 1 : 2];
        QCOMPARE(form->txttpa2[row]->text(), expected);
    }
    // A kept cell still counts in the totals.
    QCOMPARE(form->txttpat->text(),
             QString::number(2 * tpa[0].toInt() + 4 * tpa[1].toInt() + 8 * tpa[2].toInt()));
}

void tst_Form1::houseRentClasses_data()
{
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("hra");
    QTest::newRow("X") << "X" << "5220";
    QTest::newRow("Y") << "Y" << "3480";
    QTest::newRow("Z") << "Z" << "1740";
    QTest::newRow("NA") << "NA" << "0";
    QTest::newRow("lower-case x matches nothing") << "x" << "1000";
    QTest::newRow("other text matches nothing") << "W" << "1000";
}

void tst_Form1::houseRentClasses()
{
    QFETCH(QString, cls);
    QFETCH(QString, hra);

    Forms forms;
    Form1 *form = openSheet(forms);
    QVERIFY(form);
    form->chkinc->setChecked(false);
    // First a different pay, so that a cell that keeps its text is told apart.
    type(form->txtbp[0], "10000");
    calculate(*form);
    QCOMPARE(form->txthra[2]->text(), "3000");
    typeInCombo(form->cboclass1, "Z");
    calculate(*form);
    QCOMPARE(form->txthra[13]->text(), "1000");

    enterWorkedExample(*form);
    typeInCombo(form->cboclass1, cls);
    calculate(*form);
    QCOMPARE(column(form->txthra), repeated(QString(), 2, hra));
    QCOMPARE(form->txthrat->text(), QString::number(12 * hra.toInt()));
    QCOMPARE(form->txtttl[2]->text(), QString::number(15000 + 2400 + 17400 + hra.toInt() + 3200));
}

void tst_Form1::pensionSelection()
{
    Forms forms;
    Form1 *form = openSheet(forms);
    QVERIFY(form);
    enterWorkedExample(*form);
    typeInCombo(form->cbonps, "Y");
    calculate(*form);
    QCOMPARE(column(form->txtmgc), QStringList({"174", "174", "3480", "3480", "3480", "3480",
                                                "3602", "3602", "3602", "3602", "3602", "3602",
                                                "3602", "3602"}));

    // Text that is neither entry leaves the cells as they are.
    typeInCombo(form->cbonps, "y");
    type(form->txtbp[0], "10000");
    calculate(*form);
    QCOMPARE(form->txtmgc[0]->text(), "174");
    QCOMPARE(form->txtmgc[13]->text(), "3602");
    QCOMPARE(form->txtmgct->text(), "43084");

    // "N" writes 0 into all fourteen, the arrears rows too.
    typeInCombo(form->cbonps, "N");
    calculate(*form);
    QCOMPARE(column(form->txtmgc), repeated("0", 14, ""));
    QCOMPARE(form->txtmgct->text(), "0");
}

void tst_Form1::arrearsExample()
{
    Forms forms;
    Form1 *form = openSheet(forms);
    QVERIFY(form);
    form->chkinc->setChecked(false);
    type(form->txtbp[0], "7440");
    type(form->txtgp[0], "2800");
    // The arrears rows' pay is not part of the pay totals.
    type(form->txtbp[2], "8000");
    calculate(*form);
    QCOMPARE(form->txtda[0]->text(), "1024");
    QCOMPARE(form->txtda[1]->text(), "1024");
    QCOMPARE(form->txtbpt->text(), "96000");
    QCOMPARE(form->txtgpt->text(), "33600");
    // Their DA, TPA and pension contribution are.
    QCOMPARE(form->txtttl[0]->text(), "1184"); // 1024 + 160 + 0
    QCOMPARE(form->txtdat->text(), QString::number(2 * 1024 + 4 * 10800 + 8 * 11556));
}

void tst_Form1::grandTotalAddsAnnualFigures()
{
    Forms forms;
    Form1 *form = openSheet(forms);
    QVERIFY(form);
    enterWorkedExample(*form);
    type(form->txtoth[0], "12000");
    type(form->txtoth[1], "1000.5");
    type(form->txtoth[2], "abc"); // reads as 0
    type(form->txtoth[5], "24 and 57");
    calculate(*form);
    QCOMPARE(form->txtttlt->text(), "533080");
    QCOMPARE(form->txtgtotal->text(), "546104.5");
}

void tst_Form1::overflowStopsOrderly_data()
{
    QTest::addColumn<bool>("increment");
    QTest::addColumn<QString>("basic");
    QTest::addColumn<QString>("grade");
    QTest::addColumn<QString>("other");
    QTest::addColumn<QString>("step");
    QTest::newRow("increment") << true << "1E+308" << "1E+308" << "0" << "increment of Jul 14";
    QTest::newRow("arrears DA") << false << "1E+308" << "1E+308" << "0"
                                << "dearness allowance of Jan 14";
    QTest::newRow("beyond a double as typed") << false << "1E+999" << "0" << "0"
                                              << "dearness allowance of Jan 14";
    QTest::newRow("month total") << false << "1E+308" << "0" << "0" << "total of Mar 14";
    QTest::newRow("grand total") << false << "0" << "0" << "1.7E+308" << "grand total";
}

void tst_Form1::overflowStopsOrderly()
{
    QFETCH(bool, increment);
    QFETCH(QString, basic);
    QFETCH(QString, grade);
    QFETCH(QString, other);
    QFETCH(QString, step);

    testsupport::MessageRecorder recorder;
    Forms forms;
    Form1 *form = openSheet(forms);
    QVERIFY(form);
    form->chkinc->setChecked(increment);
    type(form->txtbp[0], basic);
    type(form->txtgp[0], grade);
    type(form->txtoth[0], other);
    type(form->txtoth[1], other);
    calculate(*form);

    QCOMPARE(recorder.messages.size(), 1);
    QVERIFY2(recorder.messages[0].contains(QStringLiteral("The %1 could not be worked out").arg(step)),
             qPrintable(recorder.messages[0]));
    QVERIFY(guardsDisabled(*form));
    for (const QString &text : allTexts(*form)) {
        QVERIFY2(!text.contains("inf", Qt::CaseInsensitive), qPrintable(text));
        QVERIFY2(!text.contains("nan", Qt::CaseInsensitive), qPrintable(text));
    }

    // The sheet goes on: ordinary figures calculate as before.
    enterWorkedExample(*form);
    type(form->txtoth[0], "0");
    type(form->txtoth[1], "0");
    calculate(*form);
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(form->txtgtotal->text(), "533080");
    QVERIFY(guardsEnabled(*form));
}

void tst_Form1::overflowAfterSuccessDisablesGuards()
{
    testsupport::MessageRecorder recorder;
    Forms forms;
    Form1 *form = openSheet(forms);
    QVERIFY(form);
    enterWorkedExample(*form);
    calculate(*form);
    QVERIFY(guardsEnabled(*form));

    // Calculate enables the guards before its first step; failing later must undo that.
    type(form->txtoth[4], "1.7E+308");
    type(form->txtoth[5], "1.7E+308");
    calculate(*form);
    QCOMPARE(recorder.messages.size(), 1);
    QVERIFY(guardsDisabled(*form));
    // The steps before the failing one were written; the failing one kept its text.
    QCOMPARE(form->txtttlt->text(), "533080");
    QCOMPARE(form->txtgtotal->text(), "533080");
    QVERIFY(!form->cmdbak->isEnabled());
}

void tst_Form1::escapeKeepsSheet()
{
    Forms forms;
    Form1 *form = openSheet(forms);
    QVERIFY(form);
    type(form->txtbp[0], "100");
    QTest::keyClick(form->txtbp[0], Qt::Key_Escape);
    QVERIFY(form->isVisible());
    QVERIFY(forms.hasSalarySheet());
    QCOMPARE(form->txtbp[13]->text(), "100");
}

QTEST_MAIN(tst_Form1)
#include "tst_form1.moc"
