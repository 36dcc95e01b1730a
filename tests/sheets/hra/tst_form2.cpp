// The HRA exemption sheet driven as the user drives it: opened from the main sheet with the
// pay totals, the rent typed, Calculate, Back into the main sheet.
#include "app/forms.h"
#include "fields/amountfield.h"
#include "sheets/hra/form2.h"
#include "sheets/main/frmmain.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

namespace {

// Puts the pay totals into the main sheet's hidden fields (as the salary sheet would) and
// opens the HRA sheet with its "Calc." button.
Form2 *openFromMain(Forms &forms, const QString &basicPay, const QString &gradePay,
    const QString &dearness, const QString &hraDrawn)
{
    frmmain *main = forms.mainSheet();
    fields::writeText(main->txtbp, basicPay);
    fields::writeText(main->txtnpa, gradePay);
    fields::writeText(main->txtda, dearness);
    fields::writeText(main->txthrr, hraDrawn);
    Forms::present(main);
    if (!QTest::qWaitForWindowActive(main))
        return nullptr;
    QTest::mouseClick(main->cmdcalhr, Qt::LeftButton);
    Form2 *sheet = forms.hraSheet();
    if (!QTest::qWaitForWindowActive(sheet))
        return nullptr;
    return sheet;
}

QString focusName()
{
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

} // namespace

class tst_Form2 : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void initialState();
    void tabOrder();
    void openingRewritesPayFields();
    void reopeningDisablesBackOnlyWhenAFigureChanges();
    void workedExamples_data();
    void workedExamples();
    void accessKeysPressTheButtons();
    void everyInputEditDisablesBack_data();
    void everyInputEditDisablesBack();
    void emptiedBoxesShowZeroAtOnce_data();
    void emptiedBoxesShowZeroAtOnce();
    void strictReadingFailure_data();
    void strictReadingFailure();
    void strictReadingFollowsRegionalFormat();
    void overflowIsReportedAndNothingInfinite();
    void typingIsLimitedButOpeningIsNot();
    void backHandsExemptionToMainSheet();
    void closingByFrameKeepsValues();
};

void tst_Form2::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void tst_Form2::initialState()
{
    Forms forms;
    forms.programEnder = [] {};
    Form2 &sheet = *forms.hraSheet();
    QCOMPARE(sheet.windowTitle(), QStringLiteral("Morvel1415 - HRA Exemption"));

    const std::pair<QLabel *, const char *> labels[] = {
        { sheet.gsallbl, "Basic Pay" },
        { sheet.Label2, "Grade Pay" },
        { sheet.lblda, "Dearness Allow." },
        { sheet.lblns, "Total Salary" },
        { sheet.lblhra, "HRA Drawn" },
        { sheet.lblRP, "Rent Paid (Annual)" },
        { sheet.lblhrx, "HRA Exemption" },
    };
    for (const auto &[label, caption] : labels)
        QCOMPARE(label->text(), QString::fromLatin1(caption));

    for (QLineEdit *input : { sheet.txtbp, sheet.txtnpa, sheet.txtda, sheet.txthra, sheet.txtRP }) {
        QCOMPARE(input->text(), QStringLiteral("0"));
        QVERIFY(!input->isReadOnly());
        QVERIFY(input->focusPolicy() & Qt::TabFocus);
    }
    for (QLineEdit *computed : { sheet.txtns, sheet.txthrx }) {
        QCOMPARE(computed->text(), QStringLiteral("0"));
        QVERIFY(computed->isReadOnly());
        QVERIFY(!(computed->focusPolicy() & Qt::TabFocus));
        QCOMPARE(computed->palette().color(QPalette::Text), QColor(Qt::darkRed));
    }

    QCOMPARE(sheet.cmdcal->text(), QStringLiteral("&CALCULATE"));
    QCOMPARE(sheet.cmdback->text(), QStringLiteral("&BACK"));
    QVERIFY(sheet.cmdcal->isDefault());
    QVERIFY(sheet.cmdcal->isEnabled());
    QVERIFY(!sheet.cmdback->isEnabled());

    // Every control can be found by its name.
    for (const char *name :
        { "txtbp", "txtnpa", "txtda", "txtns", "txthra", "txtRP", "txthrx", "cmdcal", "cmdback",
            "gsallbl", "Label2", "lblda", "lblns", "lblhra", "lblRP", "lblhrx" })
        QVERIFY2(sheet.findChild<QWidget *>(QString::fromLatin1(name)), name);
}

void tst_Form2::tabOrder()
{
    Forms forms;
    forms.programEnder = [] {};
    Form2 &sheet = *forms.hraSheet();
    Forms::present(&sheet);
    QVERIFY(QTest::qWaitForWindowActive(&sheet));
    QCOMPARE(focusName(), QStringLiteral("txtbp"));

    auto walk = [&](int steps) {
        QStringList seen;
        for (int i = 0; i < steps; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << focusName();
        }
        return seen;
    };
    // Back is disabled at first, so the Tab key passes it by.
    QCOMPARE(walk(6), (QStringList { "txtda", "txthra", "txtRP", "cmdcal", "txtnpa", "txtbp" }));

    sheet.cmdcal->click();
    QVERIFY(sheet.cmdback->isEnabled());
    sheet.txtbp->setFocus();
    QCOMPARE(walk(7),
        (QStringList { "txtda", "txthra", "txtRP", "cmdcal", "cmdback", "txtnpa", "txtbp" }));
}

void tst_Form2::openingRewritesPayFields()
{
    Forms forms;
    forms.programEnder = [] {};
    Form2 *sheet = openFromMain(forms, "300000", "50000", "350000.5", "180000");
    QVERIFY(sheet);
    QVERIFY(sheet->isVisible());
    QCOMPARE(sheet->txtbp->text(), QStringLiteral("300000"));
    QCOMPARE(sheet->txtnpa->text(), QStringLiteral("50000"));
    QCOMPARE(sheet->txtda->text(), QStringLiteral("350000.5"));
    QCOMPARE(sheet->txthra->text(), QStringLiteral("180000"));
    QVERIFY(sheet->txtRP->hasFocus());
    QVERIFY(forms.mainSheet()->isVisible()); // the main sheet stays open

    // Typed values in the pay boxes are overwritten on the next opening; the rent is kept.
    testsupport::retype(sheet->txtbp, "1");
    testsupport::retype(sheet->txtnpa, "2");
    testsupport::retype(sheet->txtRP, "240000");
    sheet = openFromMain(forms, "300000", "50000", "350000", "180000");
    QVERIFY(sheet);
    QCOMPARE(sheet->txtbp->text(), QStringLiteral("300000"));
    QCOMPARE(sheet->txtnpa->text(), QStringLiteral("50000"));
    QCOMPARE(sheet->txtda->text(), QStringLiteral("350000"));
    QCOMPARE(sheet->txtRP->text(), QStringLiteral("240000"));
    QVERIFY(sheet->txtRP->hasFocus());
    // Figures written by code leave the insertion point at the start.
    QCOMPARE(sheet->txtbp->cursorPosition(), 0);
}

void tst_Form2::reopeningDisablesBackOnlyWhenAFigureChanges()
{
    Forms forms;
    forms.programEnder = [] {};
    Form2 *sheet = openFromMain(forms, "300000", "50000", "350000", "180000");
    QVERIFY(sheet);
    sheet->cmdcal->click();
    QVERIFY(sheet->cmdback->isEnabled());

    // The same figures again change no text: the result still matches them.
    QVERIFY(openFromMain(forms, "300000", "50000", "350000", "180000"));
    QVERIFY(sheet->cmdback->isEnabled());

    // One changed figure, whichever it is, disables Back; the grade pay included.
    const QStringList changed[] = {
        { "300001", "50000", "350000", "180000" },
        { "300000", "50001", "350000", "180000" },
        { "300000", "50000", "350001", "180000" },
        { "300000", "50000", "350000", "180001" },
    };
    for (const QStringList &figures : changed) {
        QVERIFY(openFromMain(forms, "300000", "50000", "350000", "180000"));
        sheet->cmdcal->click();
        QVERIFY(sheet->cmdback->isEnabled());
        QVERIFY(openFromMain(forms, figures[0], figures[1], figures[2], figures[3]));
        QVERIFY2(!sheet->cmdback->isEnabled(), qPrintable(figures.join(u' ')));
    }
}

void tst_Form2::workedExamples_data()
{
    // clang-format off
    QTest::addColumn<QString>("basicPay");
    QTest::addColumn<QString>("gradePay");
    QTest::addColumn<QString>("dearness");
    QTest::addColumn<QString>("hraDrawn");
    QTest::addColumn<QString>("rent");
    QTest::addColumn<QString>("totalSalary");
    QTest::addColumn<QString>("exemption");
    QTest::newRow("rent excess below HRA drawn")
        << "300000" << "50000" << "350000" << "180000" << "240000" << "700000" << "170000";
    QTest::newRow("HRA drawn is the limit")
        << "300000" << "50000" << "350000" << "180000" << "300000" << "700000" << "180000";
    QTest::newRow("rent below a tenth of salary")
        << "300000" << "50000" << "350000" << "180000" << "50000" << "700000" << "0";
    QTest::newRow("rent excess equals HRA drawn")
        << "300000" << "50000" << "350000" << "180000" << "250000" << "700000" << "180000";
    QTest::newRow("no HRA drawn")
        << "300000" << "50000" << "350000" << "0" << "240000" << "700000" << "0";
    QTest::newRow("salary 300005: tenth 30000")
        << "300005" << "0" << "0" << "100000" << "50000" << "300005" << "20000";
    QTest::newRow("salary 300015: tenth 30002")
        << "300000" << "15" << "0" << "100000" << "50000" << "300015" << "19998";
    QTest::newRow("paise in the pay")
        << "100000.5" << "0" << "0.25" << "50000" << "20000" << "100000.75" << "10000";
    // clang-format on
}

void tst_Form2::workedExamples()
{
    QFETCH(QString, basicPay);
    QFETCH(QString, gradePay);
    QFETCH(QString, dearness);
    QFETCH(QString, hraDrawn);
    QFETCH(QString, rent);
    QFETCH(QString, totalSalary);
    QFETCH(QString, exemption);

    testsupport::MessageRecorder recorder;
    Forms forms;
    forms.programEnder = [] {};
    Form2 *sheet = openFromMain(forms, basicPay, gradePay, dearness, hraDrawn);
    QVERIFY(sheet);
    QTest::keyClicks(sheet->txtRP, rent); // the rent box has the focus, its text selected
    QCOMPARE(sheet->txtRP->text(), rent);
    QVERIFY(!sheet->cmdback->isEnabled());
    QTest::keyClick(sheet->txtRP, Qt::Key_Return); // Calculate is the default button

    QCOMPARE(sheet->txtns->text(), totalSalary);
    QCOMPARE(sheet->txthrx->text(), exemption);
    QVERIFY(sheet->cmdback->isEnabled());
    QVERIFY(recorder.messages.isEmpty());
}

void tst_Form2::accessKeysPressTheButtons()
{
    Forms forms;
    forms.programEnder = [] {};
    Form2 *sheet = openFromMain(forms, "300000", "50000", "350000", "180000");
    QVERIFY(sheet);
    QTest::keyClicks(sheet->txtRP, "240000");
    QTest::keyClick(sheet, Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(sheet->txthrx->text(), QStringLiteral("170000"));
    QTRY_VERIFY(sheet->cmdback->isEnabled());
    QTest::keyClick(sheet, Qt::Key_B, Qt::AltModifier);
    QTRY_VERIFY(!sheet->isVisible());
    QCOMPARE(forms.mainSheet()->txthra->text(), QStringLiteral("170000"));
}

void tst_Form2::everyInputEditDisablesBack_data()
{
    // clang-format off
    QTest::addColumn<QString>("field");
    for (const char *name : {"txtbp", "txtnpa", "txtda", "txthra", "txtRP"})
        QTest::newRow(name) << QString::fromLatin1(name);
    // clang-format on
}

void tst_Form2::everyInputEditDisablesBack()
{
    QFETCH(QString, field);
    Forms forms;
    forms.programEnder = [] {};
    Form2 *sheet = openFromMain(forms, "300000", "50000", "350000", "180000");
    QVERIFY(sheet);
    QTest::keyClicks(sheet->txtRP, "240000");
    sheet->cmdcal->click();
    QVERIFY(sheet->cmdback->isEnabled());

    auto *box = sheet->findChild<QLineEdit *>(field);
    QVERIFY(box);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClicks(box, "1");
    QVERIFY(!sheet->cmdback->isEnabled());

    // Calculate again takes the new figure into account and enables Back once more.
    sheet->cmdcal->click();
    QVERIFY(sheet->cmdback->isEnabled());
    QVERIFY(sheet->txthrx->text() != QStringLiteral("170000") || field == u"txthra");
}

void tst_Form2::emptiedBoxesShowZeroAtOnce_data()
{
    // clang-format off
    everyInputEditDisablesBack_data();
    // clang-format on
}

void tst_Form2::emptiedBoxesShowZeroAtOnce()
{
    QFETCH(QString, field);
    Forms forms;
    forms.programEnder = [] {};
    Form2 &sheet = *forms.hraSheet();
    Forms::present(&sheet);
    QVERIFY(QTest::qWaitForWindowActive(&sheet));
    sheet.cmdcal->click();
    QVERIFY(sheet.cmdback->isEnabled());

    auto *box = sheet.findChild<QLineEdit *>(field);
    QVERIFY(box);
    testsupport::retype(box, "25");
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QStringLiteral("0"));
    QVERIFY(!sheet.cmdback->isEnabled());
    // The insertion point stands before the 0, so the next digit goes in front of it.
    QTest::keyClicks(box, "5");
    QCOMPARE(box->text(), QStringLiteral("50"));
}

void tst_Form2::strictReadingFailure_data()
{
    // clang-format off
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::newRow("letters after digits in rent") << "txtRP" << "12a" << "Rent Paid (Annual)";
    QTest::newRow("lone minus in basic pay") << "txtbp" << "-" << "Basic Pay";
    QTest::newRow("lone point in dearness") << "txtda" << "." << "Dearness Allow.";
    QTest::newRow("odd grouping in HRA drawn") << "txthra" << "1,2,3" << "HRA Drawn";
    QTest::newRow("letters in grade pay") << "txtnpa" << "abc" << "Grade Pay";
    QTest::newRow("Indian grouping in rent") << "txtRP" << "1,50,000" << "Rent Paid (Annual)";
    // clang-format on
}

void tst_Form2::strictReadingFailure()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, caption);

    testsupport::MessageRecorder recorder;
    Forms forms;
    forms.programEnder = [] {};
    Form2 *sheet = openFromMain(forms, "300000", "50000", "350000", "180000");
    QVERIFY(sheet);
    QTest::keyClicks(sheet->txtRP, "240000");
    sheet->cmdcal->click();
    QCOMPARE(sheet->txthrx->text(), QStringLiteral("170000"));

    // Results of another rent are on the sheet when the bad text meets Calculate.
    testsupport::retype(sheet->txtRP, "300000");
    auto *box = sheet->findChild<QLineEdit *>(field);
    QVERIFY(box);
    testsupport::retype(box, text);
    sheet->cmdcal->setFocus();
    QTest::mouseClick(sheet->cmdcal, Qt::LeftButton);

    QCOMPARE(recorder.messages,
        QStringList { QStringLiteral("The box \"%1\" holds \"%2\", which is not a number. "
                                     "Please correct it and calculate again.")
                          .arg(caption, text) });
    QVERIFY(box->hasFocus());
    QCOMPARE(box->text(), text);
    QCOMPARE(sheet->txtns->text(), QStringLiteral("700000"));
    QCOMPARE(sheet->txthrx->text(), QStringLiteral("170000"));
    QVERIFY(!sheet->cmdback->isEnabled());

    // The program goes on: once the text is mended, Calculate works.
    testsupport::retype(box, field == u"txtRP" ? QStringLiteral("300000") : QStringLiteral("0"));
    sheet->cmdcal->click();
    QVERIFY(sheet->cmdback->isEnabled());
    QCOMPARE(recorder.messages.size(), 1);
}

void tst_Form2::strictReadingFollowsRegionalFormat()
{
    testsupport::MessageRecorder recorder;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Forms forms;
    forms.programEnder = [] {};
    Form2 *sheet = openFromMain(forms, "300000", "50000", "350000", "180000");
    QVERIFY(sheet);
    // Grouping and decimal comma of the desktop's format; the rounding keeps the paise out.
    QTest::keyClicks(sheet->txtRP, "240.000,5");
    sheet->cmdcal->click();
    QVERIFY(recorder.messages.isEmpty());
    QCOMPARE(sheet->txthrx->text(), QStringLiteral("170000.5"));
    QVERIFY(sheet->cmdback->isEnabled());

    // The program's own number text goes back to the main sheet unchanged.
    sheet->cmdback->click();
    QCOMPARE(forms.mainSheet()->txthra->text(), QStringLiteral("170000.5"));
}

void tst_Form2::overflowIsReportedAndNothingInfinite()
{
    testsupport::MessageRecorder recorder;
    Forms forms;
    forms.programEnder = [] {};
    Form2 *sheet = openFromMain(forms, "0", "0", "0", "180000");
    QVERIFY(sheet);
    testsupport::retype(sheet->txtbp, "1E+308");
    testsupport::retype(sheet->txtda, "1E+308");
    testsupport::retype(sheet->txtRP, "240000");
    sheet->cmdcal->click();

    QCOMPARE(recorder.messages,
        QStringList { QStringLiteral("The total salary could not be worked out: the amounts "
                                     "are too large. Calculation stopped there.") });
    QCOMPARE(sheet->txtns->text(), QStringLiteral("0"));
    QCOMPARE(sheet->txthrx->text(), QStringLiteral("0"));
    QVERIFY(!sheet->cmdback->isEnabled());

    testsupport::retype(sheet->txtda, "0");
    sheet->cmdcal->click();
    QCOMPARE(sheet->txtns->text(), QStringLiteral("1E+308"));
    QCOMPARE(sheet->txthrx->text(), QStringLiteral("0")); // rent far below a tenth
    QVERIFY(sheet->cmdback->isEnabled());
    QCOMPARE(recorder.messages.size(), 1);
}

void tst_Form2::typingIsLimitedButOpeningIsNot()
{
    Forms forms;
    forms.programEnder = [] {};
    // A pay total longer than the boxes take is written whole, not cut short.
    Form2 *sheet = openFromMain(forms, "123456789.25", "0", "0", "0");
    QVERIFY(sheet);
    QCOMPARE(sheet->txtbp->text(), QStringLiteral("123456789.25"));

    QTest::keyClicks(sheet->txtRP, "12345678901");
    QCOMPARE(sheet->txtRP->text(), QStringLiteral("1234567890"));
    QCOMPARE(Form2::kInputMaxLength, 10);

    // The long figure can still be shortened and then edited within the limit.
    sheet->txtbp->setFocus();
    QTest::keyClick(sheet->txtbp, Qt::Key_End);
    QTest::keyClick(sheet->txtbp, Qt::Key_Backspace);
    QTest::keyClick(sheet->txtbp, Qt::Key_Backspace);
    QTest::keyClick(sheet->txtbp, Qt::Key_Backspace);
    QCOMPARE(sheet->txtbp->text(), QStringLiteral("123456789"));
    QTest::keyClicks(sheet->txtbp, "12");
    QCOMPARE(sheet->txtbp->text(), QStringLiteral("1234567891"));
}

void tst_Form2::backHandsExemptionToMainSheet()
{
    Forms forms;
    forms.programEnder = [] {};
    frmmain *main = forms.mainSheet();
    Forms::present(main);
    QVERIFY(QTest::qWaitForWindowActive(main));
    main->cmdcalc->click();
    QVERIFY(main->cmdprint->isEnabled());

    Form2 *sheet = openFromMain(forms, "300000", "50000", "350000", "180000");
    QVERIFY(sheet);
    QTest::keyClicks(sheet->txtRP, "240000");
    sheet->cmdcal->click();
    QTest::mouseClick(sheet->cmdback, Qt::LeftButton);

    QVERIFY(!sheet->isVisible());
    QVERIFY(main->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(main));
    QCOMPARE(main->txthra->text(), QStringLiteral("170000"));
    QCOMPARE(main->txthra->cursorPosition(), 0);
    QVERIFY(main->txtos->hasFocus());
    QVERIFY(!main->cmdprint->isEnabled()); // the exemption changed: the statement is stale

    // The next opening shows the sheet as it was left, Back still enabled for the same pay.
    QVERIFY(openFromMain(forms, "300000", "50000", "350000", "180000"));
    QCOMPARE(sheet->txtRP->text(), QStringLiteral("240000"));
    QCOMPARE(sheet->txthrx->text(), QStringLiteral("170000"));
    QVERIFY(sheet->cmdback->isEnabled());
}

void tst_Form2::closingByFrameKeepsValues()
{
    Forms forms;
    forms.programEnder = [] {};
    Form2 *sheet = openFromMain(forms, "300000", "50000", "350000", "180000");
    QVERIFY(sheet);
    QTest::keyClicks(sheet->txtRP, "240000");
    sheet->cmdcal->click();
    QVERIFY(sheet->close());
    QVERIFY(!sheet->isVisible());
    QVERIFY(forms.hasHraSheet());
    QCOMPARE(forms.hraSheet(), sheet);
    QCOMPARE(sheet->txtRP->text(), QStringLiteral("240000"));
    QCOMPARE(sheet->txthrx->text(), QStringLiteral("170000"));
    QVERIFY(forms.mainSheet()->isVisible());
}

QTEST_MAIN(tst_Form2)
#include "tst_form2.moc"
