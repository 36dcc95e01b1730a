// The house-property sheet driven as the user drives it: opened from the main sheet, the
// property state and loan date chosen, the amounts typed, Calculate, Back.
#include "app/forms.h"
#include "sheets/house/form4.h"
#include "sheets/main/frmmain.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

namespace {

Form4 *openFromMain(Forms &forms)
{
    frmmain *main = forms.mainSheet();
    Forms::present(main);
    if (!QTest::qWaitForWindowActive(main))
        return nullptr;
    QTest::mouseClick(main->cmdcalhp, Qt::LeftButton);
    Form4 *sheet = forms.houseSheet();
    if (!QTest::qWaitForWindowActive(sheet))
        return nullptr;
    return sheet;
}

// A click on the option's round indicator, where a user clicks.
void clickOption(QRadioButton *option)
{
    QStyleOptionButton style;
    style.initFrom(option);
    const QRect indicator
        = option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option);
    QTest::mouseClick(option, Qt::LeftButton, {}, indicator.center());
}

QString focusName()
{
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

QStringList walkTab(int steps)
{
    QStringList seen;
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << focusName();
    }
    return seen;
}

} // namespace

class tst_Form4 : public QObject
{
    Q_OBJECT
private slots:
    void initialState();
    void repairsCaptionShowsOneAmpersand();
    void tabOrderRentedOut();
    void tabOrderSelfOccupied();
    void openingFillsNothing();
    void workedExamples_data();
    void workedExamples();
    void selfOccupiedDropsTheRentalFigures();
    void rentedOutAgainEnablesButKeepsZeros();
    void arrowKeysSwitchTheProperty();
    void everyEditOrOptionDisablesBack_data();
    void everyEditOrOptionDisablesBack();
    void strictReadingFailure_data();
    void strictReadingFailure();
    void overflowIsReportedAndNothingInfinite_data();
    void overflowIsReportedAndNothingInfinite();
    void accessKeysAndEnter();
    void backHandsIncomeToMainSheet();
    void closingByFrameKeepsValues();
};

void tst_Form4::initialState()
{
    Forms forms;
    forms.programEnder = [] {};
    Form4 &sheet = *forms.houseSheet();
    QCOMPARE(sheet.windowTitle(), QStringLiteral("Morvel1415 - Income from House Property"));

    QCOMPARE(sheet.frmask->title(), QStringLiteral("Please Specify"));
    QCOMPARE(sheet.optso->text(), QStringLiteral("Self Occupied"));
    QCOMPARE(sheet.optrent->text(), QStringLiteral("Rented Out"));
    QVERIFY(!sheet.optso->isChecked());
    QVERIFY(sheet.optrent->isChecked());
    QCOMPARE(sheet.optso->parentWidget(), sheet.frmask);
    QCOMPARE(sheet.optrent->parentWidget(), sheet.frmask);

    QCOMPARE(sheet.framintt->title(), QStringLiteral("Date of Housing Loan"));
    QCOMPARE(sheet.optb499->text(), QStringLiteral("Before 1-4-99"));
    QCOMPARE(sheet.opta499->text(), QStringLiteral("After 1-4-99"));
    QVERIFY(!sheet.optb499->isChecked());
    QVERIFY(sheet.opta499->isChecked());
    QCOMPARE(sheet.optb499->parentWidget(), sheet.framintt);
    QCOMPARE(sheet.opta499->parentWidget(), sheet.framintt);
    for (QWidget *off : std::initializer_list<QWidget *> {
             sheet.framintt, sheet.optb499, sheet.opta499, sheet.cmdbk })
        QVERIFY2(!off->isEnabled(), qPrintable(off->objectName()));

    const std::pair<QLabel *, const char *> labels[] = {
        { sheet.lblrent, "Annual Rental Value " },
        { sheet.lblptax, "Less:- Property Taxes" },
        { sheet.lblghi, "Gross Income" },
        { sheet.lbldeduction, "Less Deductions u/s 24 : -" },
        { sheet.lblrep, "Repairs && Maintainance" },
        { sheet.lblintt, "Interest on Borrowed Capital" },
        { sheet.lbloth, "Others" },
        { sheet.lblihp, "Income from House Property" },
    };
    for (const auto &[label, caption] : labels) {
        QCOMPARE(label->text(), QString::fromLatin1(caption));
        QVERIFY(label->isEnabled());
    }

    for (QLineEdit *input : { sheet.txtarv, sheet.txtptax, sheet.txtintt, sheet.txtoth }) {
        QCOMPARE(input->text(), QStringLiteral("0"));
        QVERIFY(input->isEnabled());
        QVERIFY(!input->isReadOnly());
        QVERIFY(input->focusPolicy() & Qt::TabFocus);
    }
    for (QLineEdit *computed : { sheet.txtghi, sheet.txtrep, sheet.txttd, sheet.txtihp }) {
        QCOMPARE(computed->text(), QStringLiteral("0"));
        QVERIFY(computed->isReadOnly());
        QVERIFY(!(computed->focusPolicy() & Qt::TabFocus));
        QCOMPARE(computed->palette().color(QPalette::Text), QColor(Qt::darkRed));
    }

    QCOMPARE(sheet.cmdtot->text(), QStringLiteral("&Calculate"));
    QCOMPARE(sheet.cmdbk->text(), QStringLiteral("&Back"));
    QVERIFY(sheet.cmdtot->isDefault());
    QVERIFY(sheet.cmdtot->isEnabled());

    for (const char *name : { "frmask", "optso", "optrent", "lblrent", "txtarv", "lblptax",
             "txtptax", "lblghi", "txtghi", "lbldeduction", "lblrep", "txtrep", "framintt",
             "optb499", "opta499", "lblintt", "txtintt", "lbloth", "txtoth", "txttd", "lblihp",
             "txtihp", "cmdtot", "cmdbk" })
        QVERIFY2(sheet.findChild<QWidget *>(QString::fromLatin1(name)), name);
}

void tst_Form4::repairsCaptionShowsOneAmpersand()
{
    Forms forms;
    forms.programEnder = [] {};
    Form4 &sheet = *forms.houseSheet();
    Forms::present(&sheet);
    QVERIFY(QTest::qWaitForWindowActive(&sheet));

    // What is drawn must be what a label with a single ampersand, and no mnemonic, draws.
    QLabel reference(QStringLiteral("Repairs & Maintainance"));
    reference.setFont(sheet.lblrep->font());
    reference.setPalette(sheet.lblrep->palette());
    reference.setAlignment(sheet.lblrep->alignment());
    reference.resize(sheet.lblrep->size());
    QLabel doubled(QStringLiteral("Repairs && Maintainance"));
    doubled.setFont(sheet.lblrep->font());
    doubled.setPalette(sheet.lblrep->palette());
    doubled.setAlignment(sheet.lblrep->alignment());
    doubled.resize(sheet.lblrep->size());

    auto image = [](QWidget *label) {
        return label->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage shown = image(sheet.lblrep);
    QCOMPARE(shown, image(&reference));
    QVERIFY(shown != image(&doubled)); // the comparison can tell them apart
}

void tst_Form4::tabOrderRentedOut()
{
    Forms forms;
    forms.programEnder = [] {};
    Form4 *sheet = openFromMain(forms);
    QVERIFY(sheet);
    QCOMPARE(focusName(), QStringLiteral("optrent")); // the chosen option, not the first

    // One stop for the property options; the loan-date frame and Back are disabled.
    QCOMPARE(walkTab(7),
        (QStringList { "txtarv", "txtptax", "txtintt", "txtoth", "cmdtot", "optrent", "txtarv" }));

    sheet->cmdtot->click();
    sheet->cmdtot->setFocus();
    QCOMPARE(walkTab(2), (QStringList { "cmdbk", "optrent" }));
}

void tst_Form4::tabOrderSelfOccupied()
{
    Forms forms;
    forms.programEnder = [] {};
    Form4 *sheet = openFromMain(forms);
    QVERIFY(sheet);
    clickOption(sheet->optso);
    QVERIFY(sheet->optso->isChecked());
    QCOMPARE(focusName(), QStringLiteral("optso"));
    sheet->cmdtot->click();

    // The greyed boxes are passed by; the loan-date group is one stop, on the chosen date.
    QCOMPARE(
        walkTab(6), (QStringList { "txtintt", "cmdtot", "cmdbk", "opta499", "optso", "txtintt" }));

    clickOption(sheet->optb499);
    QVERIFY(sheet->optb499->isChecked());
    sheet->cmdtot->click();
    sheet->cmdbk->setFocus();
    QCOMPARE(walkTab(2), (QStringList { "optb499", "optso" }));
}

void tst_Form4::openingFillsNothing()
{
    Forms forms;
    forms.programEnder = [] {};
    Form4 *sheet = openFromMain(forms);
    QVERIFY(sheet);
    QTest::keyClick(sheet->optrent, Qt::Key_Tab);
    QTest::keyClicks(sheet->txtarv, "120000");
    sheet->cmdtot->click();
    QVERIFY(sheet->cmdbk->isEnabled());

    sheet->hide();
    QVERIFY(openFromMain(forms) == sheet);
    QCOMPARE(sheet->txtarv->text(), QStringLiteral("120000"));
    QCOMPARE(sheet->txtihp->text(), QStringLiteral("84000"));
    QVERIFY(sheet->cmdbk->isEnabled());
}

void tst_Form4::workedExamples_data()
{
    // clang-format off
    QTest::addColumn<bool>("selfOccupied");
    QTest::addColumn<bool>("loanBefore1999");
    QTest::addColumn<QString>("rentalValue");
    QTest::addColumn<QString>("propertyTaxes");
    QTest::addColumn<QString>("interest");
    QTest::addColumn<QString>("others");
    QTest::addColumn<QString>("grossIncome");
    QTest::addColumn<QString>("repairs");
    QTest::addColumn<QString>("totalDeductions");
    QTest::addColumn<QString>("income");
    QTest::newRow("rented out at a loss") << false << false << "120000" << "12000" << "150000"
                                          << "0" << "108000" << "32400" << "182400" << "-74400";
    QTest::newRow("gross 35: repairs 10") << false << false << "35" << "0" << "0" << "0" << "35"
                                          << "10" << "10" << "25";
    QTest::newRow("gross 25: repairs 8") << false << false << "25" << "0" << "0" << "0" << "25"
                                         << "8" << "8" << "17";
    QTest::newRow("rented out: interest 250000 counts whole")
        << false << false << "0" << "0" << "250000" << "0" << "0" << "0" << "250000"
        << "-250000";
    QTest::newRow("rented out, old-loan option left: no ceiling")
        << false << true << "0" << "0" << "200001" << "0" << "0" << "0" << "200001" << "-200001";
    QTest::newRow("rented out with others") << false << false << "240000" << "12000" << "50000"
                                            << "5000" << "228000" << "68400" << "123400"
                                            << "104600";
    QTest::newRow("taxes above rent") << false << false << "1000" << "2000" << "0" << "0"
                                      << "-1000" << "-300" << "-300" << "-700";
    QTest::newRow("own, new loan, 250000 counts 200000")
        << true << false << "0" << "0" << "250000" << "0" << "0" << "0" << "200000" << "-200000";
    QTest::newRow("own, new loan, at 200000") << true << false << "0" << "0" << "200000" << "0"
                                              << "0" << "0" << "200000" << "-200000";
    QTest::newRow("own, new loan, 200001") << true << false << "0" << "0" << "200001" << "0"
                                           << "0" << "0" << "200000" << "-200000";
    QTest::newRow("own, old loan, at 30000") << true << true << "0" << "0" << "30000" << "0"
                                             << "0" << "0" << "30000" << "-30000";
    QTest::newRow("own, old loan, 30001") << true << true << "0" << "0" << "30001" << "0" << "0"
                                          << "0" << "30000" << "-30000";
    QTest::newRow("own, old loan, 250000") << true << true << "0" << "0" << "250000" << "0"
                                           << "0" << "0" << "30000" << "-30000";
    // clang-format on
}

void tst_Form4::workedExamples()
{
    QFETCH(bool, selfOccupied);
    QFETCH(bool, loanBefore1999);
    QFETCH(QString, rentalValue);
    QFETCH(QString, propertyTaxes);
    QFETCH(QString, interest);
    QFETCH(QString, others);
    QFETCH(QString, grossIncome);
    QFETCH(QString, repairs);
    QFETCH(QString, totalDeductions);
    QFETCH(QString, income);

    testsupport::MessageRecorder recorder;
    Forms forms;
    forms.programEnder = [] {};
    Form4 *sheet = openFromMain(forms);
    QVERIFY(sheet);
    testsupport::retype(sheet->txtarv, rentalValue);
    testsupport::retype(sheet->txtptax, propertyTaxes);
    testsupport::retype(sheet->txtoth, others);
    if (selfOccupied)
        clickOption(sheet->optso);
    if (loanBefore1999) {
        // Chosen while the frame is enabled, then (for a rented house) left as it is.
        if (!selfOccupied)
            clickOption(sheet->optso);
        clickOption(sheet->optb499);
        if (!selfOccupied)
            clickOption(sheet->optrent);
    }
    QCOMPARE(sheet->optb499->isChecked(), loanBefore1999);
    QCOMPARE(sheet->optso->isChecked(), selfOccupied);
    testsupport::retype(sheet->txtintt, interest);
    QTest::keyClick(sheet->txtintt, Qt::Key_Return); // Calculate is the default button

    QCOMPARE(sheet->txtghi->text(), grossIncome);
    QCOMPARE(sheet->txtrep->text(), repairs);
    QCOMPARE(sheet->txttd->text(), totalDeductions);
    QCOMPARE(sheet->txtihp->text(), income);
    QCOMPARE(sheet->txtintt->text(), interest); // the interest as typed, not as limited
    QVERIFY(sheet->cmdbk->isEnabled());
    QVERIFY(recorder.messages.isEmpty());
}

void tst_Form4::selfOccupiedDropsTheRentalFigures()
{
    Forms forms;
    forms.programEnder = [] {};
    Form4 *sheet = openFromMain(forms);
    QVERIFY(sheet);
    testsupport::retype(sheet->txtarv, "120000");
    testsupport::retype(sheet->txtptax, "12000");
    testsupport::retype(sheet->txtintt, "150000");
    testsupport::retype(sheet->txtoth, "500");
    sheet->cmdtot->click();
    QVERIFY(sheet->cmdbk->isEnabled());

    clickOption(sheet->optso);
    QVERIFY(sheet->optso->isChecked());
    QVERIFY(!sheet->optrent->isChecked());
    for (QLineEdit *box :
        { sheet->txtarv, sheet->txtptax, sheet->txtghi, sheet->txtrep, sheet->txtoth }) {
        QCOMPARE(box->text(), QStringLiteral("0"));
        QVERIFY2(!box->isEnabled(), qPrintable(box->objectName()));
    }
    for (QLabel *label :
        { sheet->lblrent, sheet->lblptax, sheet->lblghi, sheet->lblrep, sheet->lbloth })
        QVERIFY2(!label->isEnabled(), qPrintable(label->objectName()));
    QVERIFY(!sheet->cmdbk->isEnabled());
    for (QWidget *on : std::initializer_list<QWidget *> {
             sheet->framintt, sheet->optb499, sheet->opta499, sheet->txtintt, sheet->lblintt })
        QVERIFY2(on->isEnabled(), qPrintable(on->objectName()));
    QCOMPARE(sheet->txtintt->text(), QStringLiteral("150000"));
    // The totals of the rented house stand until the next Calculate.
    QCOMPARE(sheet->txttd->text(), QStringLiteral("182900"));

    sheet->cmdtot->click();
    QCOMPARE(sheet->txtghi->text(), QStringLiteral("0"));
    QCOMPARE(sheet->txttd->text(), QStringLiteral("150000"));
    QCOMPARE(sheet->txtihp->text(), QStringLiteral("-150000"));
}

void tst_Form4::rentedOutAgainEnablesButKeepsZeros()
{
    Forms forms;
    forms.programEnder = [] {};
    Form4 *sheet = openFromMain(forms);
    QVERIFY(sheet);
    testsupport::retype(sheet->txtarv, "120000");
    clickOption(sheet->optso);
    clickOption(sheet->optb499);
    sheet->cmdtot->click();
    QVERIFY(sheet->cmdbk->isEnabled());

    clickOption(sheet->optrent);
    QVERIFY(sheet->optrent->isChecked());
    QVERIFY(!sheet->cmdbk->isEnabled());
    for (QWidget *on : std::initializer_list<QWidget *> { sheet->lblrent, sheet->txtarv,
             sheet->lblptax, sheet->txtptax, sheet->lblghi, sheet->txtghi, sheet->lblrep,
             sheet->txtrep, sheet->lbloth, sheet->txtoth })
        QVERIFY2(on->isEnabled(), qPrintable(on->objectName()));
    for (QWidget *off :
        std::initializer_list<QWidget *> { sheet->framintt, sheet->optb499, sheet->opta499 })
        QVERIFY2(!off->isEnabled(), qPrintable(off->objectName()));
    QCOMPARE(sheet->txtarv->text(), QStringLiteral("0")); // lost for good
    QVERIFY(sheet->optb499->isChecked()); // the loan date is kept

    // Clicking the option already chosen runs its reaction again.
    sheet->cmdtot->click();
    QVERIFY(sheet->cmdbk->isEnabled());
    clickOption(sheet->optrent);
    QVERIFY(!sheet->cmdbk->isEnabled());
}

void tst_Form4::arrowKeysSwitchTheProperty()
{
    Forms forms;
    forms.programEnder = [] {};
    Form4 *sheet = openFromMain(forms);
    QVERIFY(sheet);
    testsupport::retype(sheet->txtarv, "120000");
    sheet->cmdtot->click();
    sheet->optrent->setFocus();
    QTest::keyClick(sheet->optrent, Qt::Key_Left);
    QVERIFY(sheet->optso->isChecked());
    QVERIFY(sheet->optso->hasFocus());
    QCOMPARE(sheet->txtarv->text(), QStringLiteral("0"));
    QVERIFY(!sheet->txtarv->isEnabled());
    QVERIFY(sheet->framintt->isEnabled());
    QVERIFY(!sheet->cmdbk->isEnabled());
}

void tst_Form4::everyEditOrOptionDisablesBack_data()
{
    // clang-format off
    QTest::addColumn<bool>("selfOccupied");
    QTest::addColumn<QString>("control");
    for (const char *name : {"txtarv", "txtptax", "txtintt", "txtoth"})
        QTest::newRow(name) << false << QString::fromLatin1(name);
    QTest::newRow("txtintt self occupied") << true << "txtintt";
    QTest::newRow("optso") << false << "optso";
    QTest::newRow("optrent") << true << "optrent";
    QTest::newRow("optb499") << true << "optb499";
    QTest::newRow("opta499") << true << "opta499";
    // clang-format on
}

void tst_Form4::everyEditOrOptionDisablesBack()
{
    QFETCH(bool, selfOccupied);
    QFETCH(QString, control);
    Forms forms;
    forms.programEnder = [] {};
    Form4 *sheet = openFromMain(forms);
    QVERIFY(sheet);
    if (selfOccupied)
        clickOption(sheet->optso);
    sheet->cmdtot->click();
    QVERIFY(sheet->cmdbk->isEnabled());

    if (auto *box = sheet->findChild<QLineEdit *>(control)) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClicks(box, "7");
        QCOMPARE(box->text(), QStringLiteral("07"));
    } else {
        auto *option = sheet->findChild<QRadioButton *>(control);
        QVERIFY(option);
        clickOption(option);
        QVERIFY(option->isChecked());
    }
    QVERIFY(!sheet->cmdbk->isEnabled());
}

void tst_Form4::strictReadingFailure_data()
{
    // clang-format off
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::newRow("letters after digits in rent") << "txtarv" << "12a" << "Annual Rental Value";
    QTest::newRow("lone minus in taxes") << "txtptax" << "-" << "Less:- Property Taxes";
    QTest::newRow("lone point in interest") << "txtintt" << "." << "Interest on Borrowed Capital";
    QTest::newRow("odd grouping in others") << "txtoth" << "1,2,3" << "Others";
    QTest::newRow("Indian grouping in interest")
        << "txtintt" << "1,50,000" << "Interest on Borrowed Capital";
    // clang-format on
}

void tst_Form4::strictReadingFailure()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, caption);

    testsupport::MessageRecorder recorder;
    Forms forms;
    forms.programEnder = [] {};
    Form4 *sheet = openFromMain(forms);
    QVERIFY(sheet);
    testsupport::retype(sheet->txtarv, "120000");
    testsupport::retype(sheet->txtptax, "12000");
    testsupport::retype(sheet->txtintt, "150000");
    sheet->cmdtot->click();
    QCOMPARE(sheet->txtihp->text(), QStringLiteral("-74400"));

    auto *box = sheet->findChild<QLineEdit *>(field);
    QVERIFY(box);
    testsupport::retype(box, text);
    sheet->cmdtot->setFocus();
    QTest::mouseClick(sheet->cmdtot, Qt::LeftButton);

    QCOMPARE(recorder.messages,
        QStringList { QStringLiteral("The box \"%1\" holds \"%2\", which is not a number. "
                                     "Please correct it and calculate again.")
                          .arg(caption, text) });
    QVERIFY(box->hasFocus());
    QCOMPARE(box->text(), text);
    QCOMPARE(sheet->txtghi->text(), QStringLiteral("108000"));
    QCOMPARE(sheet->txtrep->text(), QStringLiteral("32400"));
    QCOMPARE(sheet->txttd->text(), QStringLiteral("182400"));
    QCOMPARE(sheet->txtihp->text(), QStringLiteral("-74400"));
    QVERIFY(!sheet->cmdbk->isEnabled());

    // The program goes on: once the text is mended, Calculate works.
    testsupport::retype(box, "0");
    sheet->cmdtot->click();
    QVERIFY(sheet->cmdbk->isEnabled());
    QCOMPARE(recorder.messages.size(), 1);
}

void tst_Form4::overflowIsReportedAndNothingInfinite_data()
{
    // clang-format off
    QTest::addColumn<QString>("rentalValue");
    QTest::addColumn<QString>("propertyTaxes");
    QTest::addColumn<QString>("interest");
    QTest::addColumn<QString>("others");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QStringList>("written"); // ghi, rep, td, ihp after the stop
    QTest::newRow("gross income") << "1E+308" << "-1E+308" << "0" << "0" << "gross income"
                                  << QStringList{"0", "0", "0", "0"};
    QTest::newRow("total deductions") << "0" << "0" << "1E+308" << "1E+308"
                                      << "total of the deductions"
                                      << QStringList{"0", "0", "0", "0"};
    QTest::newRow("income") << "1E+308" << "0" << "-1.3E+308" << "0"
                            << "income from house property"
                            << QStringList{"1E+308", "3E+307", "-1E+308", "0"};
    // clang-format on
}

void tst_Form4::overflowIsReportedAndNothingInfinite()
{
    QFETCH(QString, rentalValue);
    QFETCH(QString, propertyTaxes);
    QFETCH(QString, interest);
    QFETCH(QString, others);
    QFETCH(QString, step);
    QFETCH(QStringList, written);

    testsupport::MessageRecorder recorder;
    Forms forms;
    forms.programEnder = [] {};
    Form4 *sheet = openFromMain(forms);
    QVERIFY(sheet);
    testsupport::retype(sheet->txtarv, rentalValue);
    testsupport::retype(sheet->txtptax, propertyTaxes);
    testsupport::retype(sheet->txtintt, interest);
    testsupport::retype(sheet->txtoth, others);
    sheet->cmdtot->click();

    QCOMPARE(recorder.messages,
        QStringList { QStringLiteral("The %1 could not be worked out: the amounts are too "
                                     "large. Calculation stopped there.")
                          .arg(step) });
    QCOMPARE((QStringList { sheet->txtghi->text(), sheet->txtrep->text(), sheet->txttd->text(),
                 sheet->txtihp->text() }),
        written);
    QVERIFY(!sheet->cmdbk->isEnabled());

    // The program goes on.
    for (QLineEdit *box : { sheet->txtarv, sheet->txtptax, sheet->txtintt, sheet->txtoth })
        testsupport::retype(box, "1");
    sheet->cmdtot->click();
    QCOMPARE(sheet->txtihp->text(), QStringLiteral("-2"));
    QVERIFY(sheet->cmdbk->isEnabled());
    QCOMPARE(recorder.messages.size(), 1);
}

void tst_Form4::accessKeysAndEnter()
{
    Forms forms;
    forms.programEnder = [] {};
    Form4 *sheet = openFromMain(forms);
    QVERIFY(sheet);
    testsupport::retype(sheet->txtarv, "120000");
    QTest::keyClick(sheet, Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(sheet->txtihp->text(), QStringLiteral("84000"));
    QTRY_VERIFY(sheet->cmdbk->isEnabled());
    QTest::keyClick(sheet, Qt::Key_B, Qt::AltModifier);
    QTRY_VERIFY(!sheet->isVisible());
    QCOMPARE(forms.mainSheet()->txthp->text(), QStringLiteral("84000"));
}

void tst_Form4::backHandsIncomeToMainSheet()
{
    Forms forms;
    forms.programEnder = [] {};
    frmmain *main = forms.mainSheet();
    Forms::present(main);
    QVERIFY(QTest::qWaitForWindowActive(main));
    main->cmdcalc->click();
    QVERIFY(main->cmdprint->isEnabled());

    Form4 *sheet = openFromMain(forms);
    QVERIFY(sheet);
    testsupport::retype(sheet->txtarv, "120000");
    testsupport::retype(sheet->txtptax, "12000");
    testsupport::retype(sheet->txtintt, "150000");
    sheet->cmdtot->click();
    QTest::mouseClick(sheet->cmdbk, Qt::LeftButton);

    QVERIFY(!sheet->isVisible());
    QVERIFY(main->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(main));
    QCOMPARE(main->txthp->text(), QStringLiteral("-74400"));
    QCOMPARE(main->txthp->cursorPosition(), 0);
    QVERIFY(main->cmdcalded80->hasFocus());
    QVERIFY(!main->cmdprint->isEnabled()); // the income changed: the statement is stale

    // The main sheet counts the loss.
    main->cmdcalc->click();
    QCOMPARE(main->txtgti->text(), QStringLiteral("-74400"));
}

void tst_Form4::closingByFrameKeepsValues()
{
    Forms forms;
    forms.programEnder = [] {};
    Form4 *sheet = openFromMain(forms);
    QVERIFY(sheet);
    clickOption(sheet->optso);
    testsupport::retype(sheet->txtintt, "250000");
    sheet->cmdtot->click();
    QVERIFY(sheet->close());
    QVERIFY(!sheet->isVisible());
    QVERIFY(forms.mainSheet()->isVisible());

    QCOMPARE(openFromMain(forms), sheet);
    QVERIFY(sheet->optso->isChecked());
    QVERIFY(!sheet->txtarv->isEnabled());
    QCOMPARE(sheet->txtintt->text(), QStringLiteral("250000"));
    QCOMPARE(sheet->txtihp->text(), QStringLiteral("-200000"));
    QVERIFY(sheet->cmdbk->isEnabled());
}

QTEST_MAIN(tst_Form4)
#include "tst_form4.moc"
