// The two statements of one employee typed into the real sheets: the drawing against the
// expected listing, the same pages as the private print queue received them, and every
// way printing can fail.
#include "print/page.h"
#include "print/printing.h"
#include "print/sheetfields.h"
#include "sheets/deductions/frmreb88.h"
#include "sheets/hra/form2.h"
#include "sheets/house/form4.h"
#include "sheets/main/frmmain.h"
#include "sheets/salary/form1.h"
#include "support/printsupport.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using print::PrintOutcome;
using printsupport::pdfDiffers;
using testsupport::press;
using testsupport::type;

class tst_statements : public testsupport::SheetTest
{
    Q_OBJECT
private slots:
    void initTestCase();
    void statementsOfATypedRun();
    void printerFaults_data();
    void printerFaults();
    void ageGroupAndSurcharge_data();
    void ageGroupAndSurcharge();
    void sumsTooLargeToPrint();

private:
    void typeEmployee();

    QTemporaryDir m_temp;
    std::unique_ptr<printsupport::CupsSandbox> m_cups;
};

void tst_statements::initTestCase()
{
    m_cups = std::make_unique<printsupport::CupsSandbox>(m_temp.filePath("cups"));
}

// R. K. Sharma's year through every sheet. From sheet to sheet the keys go where the focus
// is: each sheet must open and hand back with the focus on the next thing to type.
void tst_statements::typeEmployee()
{
    auto here = [](const QString &keys) { QTest::keyClicks(QApplication::focusWidget(), keys); };
    type(main->txtname, "R. K. Sharma");
    press(main->cmdcalgs);
    Form1 *salary = forms->salarySheet();
    QVERIFY(QTest::qWaitForWindowActive(salary));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up); // pension scheme "Y"
    press(salary->chkinc);
    type(salary->txtbp[0], "30000");
    type(salary->txtgp[0], "5400");
    type(salary->txtoth[1], "3500");
    type(salary->txtoth[2], "1200");
    type(salary->txtoth[4], "800");
    press(salary->cmdcal);
    press(salary->cmdbak);
    QVERIFY(QTest::qWaitForWindowActive(main));
    here(" ");
    QVERIFY(QTest::qWaitForWindowActive(forms->hraSheet()));
    here("180000");
    press(forms->hraSheet()->cmdcal);
    press(forms->hraSheet()->cmdback);
    QVERIFY(QTest::qWaitForWindowActive(main));
    here("5000");
    press(main->cmdcalhp);
    Form4 *house = forms->houseSheet();
    type(house->txtarv, "120000");
    type(house->txtptax, "12000");
    type(house->txtintt, "150000");
    press(house->cmdtot);
    press(house->cmdbk);
    QVERIFY(QTest::qWaitForWindowActive(main));
    here(" ");
    QVERIFY(QTest::qWaitForWindowActive(forms->deductionsSheet()));
    here("60000");
    type(forms->deductionsSheet()->txtlic, "40000");
    press(forms->deductionsSheet()->cmdtot);
    press(forms->deductionsSheet()->cmdbk);
    QVERIFY(QTest::qWaitForWindowActive(main));
    here("500");
    type(main->txtdedtax, "12000");
    press(main->cmdcalc);
    // Back leaves the salary sheet open behind the main sheet; the others go.
    QVERIFY(salary->isVisible() && !forms->hraSheet()->isVisible() && !house->isVisible());
}

void tst_statements::statementsOfATypedRun()
{
    QVERIFY(m_cups->start("printer"));
    typeEmployee();
    if (QTest::currentTestFailed())
        return;
    print::RecordingPage taxPage, salaryPage;
    print::drawTaxStatement(taxPage,
        print::taxStatementFields(*main, forms->houseSheet(), forms->deductionsSheet()));
    print::drawSalaryStatement(salaryPage, print::salaryStatementFields(*forms->salarySheet()));
    const QStringList tax = printsupport::listing(taxPage);
    const QStringList salary = printsupport::listing(salaryPage);
    QCOMPARE(tax, printsupport::expectedListing(MORVEL_TESTS_DIR "/print/tax-statement.txt", tax));
    QCOMPARE(salary,
        printsupport::expectedListing(MORVEL_TESTS_DIR "/print/salary-statement.txt", salary));

    // On paper, the landscape page first: the tax statement after it is still portrait.
    press(forms->salarySheet()->cmdprn);
    press(main->cmdprint);
    QTRY_COMPARE_WITH_TIMEOUT(m_cups->jobs().size(), 2, 20000);
    QCOMPARE(pdfDiffers(m_cups->jobs()[0], salary), QStringList());
    QCOMPARE(pdfDiffers(m_cups->jobs()[1], tax), QStringList());

    // The run's return as another program would write it: opened in a new run, one Calculate
    // on every sheet shows the same figures, and the program prints it with no window, page
    // for page the same. A return whose figures overflow, and a missing one, print nothing.
    QJsonObject sheets;
    for (const auto &[name, controls] : forms->sheets().asKeyValueRange()) {
        for (const auto &[control, text] : controls.asKeyValueRange()) {
            QJsonObject sheet = sheets[name].toObject();
            sheet[control] = text;
            sheets[name] = sheet;
        }
    }
    const QString file = m_temp.filePath("R. K. Sharma.morvel"), overflow = m_temp.filePath("overflow.morvel");
    for (const auto &[path, json] : { std::pair { file, QJsonDocument(QJsonObject { { "sheets", sheets }, { "year", "2014-15" },
                                          { "version", 1 }, { "format", "morvel-return" } }).toJson(QJsonDocument::Compact) },
             { overflow, QByteArray(R"({"format":"morvel-return","version":1,"year":"2014-15","sheets":{"frmmain":{"txtgs":"1e308","txtos":"1e308"}}})") } }) {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(json) == json.size());
    }
    Forms again;
    QVERIFY(again.openReturn(file).isEmpty());
    for (QPushButton *calculate : { again.salarySheet()->cmdcal, again.hraSheet()->cmdcal, again.houseSheet()->cmdtot,
             again.deductionsSheet()->cmdtot, again.mainSheet()->cmdcalc })
        calculate->click();
    QCOMPARE(again.sheets(), forms->sheets());
    QProcess batch;
    batch.start(MORVEL_BINARY, { "--pdf", m_temp.filePath("pdf"), overflow, file, m_temp.filePath("missing.morvel") });
    QVERIFY(batch.waitForFinished(30000));
    QCOMPARE(batch.exitCode(), 1);
    const QStringList lines = QString(batch.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines[0].contains("not printed: The gross total income could not be worked out"), qPrintable(lines[0]));
    QCOMPARE(QDir(m_temp.filePath("pdf")).entryList(QDir::Files), QStringList({ "R. K. Sharma-salary.pdf", "R. K. Sharma-tax.pdf" }));
    QCOMPARE(pdfDiffers(m_temp.filePath("pdf/R. K. Sharma-tax.pdf"), tax), QStringList());
    QCOMPARE(pdfDiffers(m_temp.filePath("pdf/R. K. Sharma-salary.pdf"), salary), QStringList());
}

void tst_statements::printerFaults_data()
{
    // The printing system, what is done to its queue first, the answer to "save it as a PDF
    // file instead?" and the file then chosen; the outcome, what the user was asked and told.
    testsupport::table({ "mode", "queue", "save", "file", "outcome", "asked", "told" }, R"(
        printed                  | printer   |             | no  |            | printed   |  |
        no printer               | noprinter |             | no  |            | abandoned | there is no printer installed |
        stopped                  | printer   | cupsdisable | no  |            | abandoned | the printer "morvel-test" is stopped |
        not accepting            | printer   | cupsreject  | no  |            | abandoned | is not accepting jobs |
        refused when handed over | full      | hold        | no  |            | abandoned | refused the job |
        saved as PDF instead     | noprinter |             | yes | saved.pdf  | saved     | no printer |
        file choice cancelled    | noprinter |             | yes |            | abandoned | no printer |
        file cannot be written   | noprinter |             | yes | no/x.pdf   | abandoned | no printer | could not be written
    )");
}

void tst_statements::printerFaults()
{
    QFETCH(QString, mode);
    QFETCH(QString, queue);
    QFETCH(QString, save);
    QFETCH(QString, file);
    QFETCH(QString, outcome);
    QFETCH(QString, asked);
    QFETCH(QString, told);
    QVERIFY(m_cups->start(mode));
    if (queue == "hold") // one job waiting fills the queue
        QVERIFY(m_cups->run("lp", { "-H", "indefinite", "-d", m_cups->queue, "/etc/hostname" }));
    else if (!queue.isEmpty())
        QVERIFY(m_cups->run(queue, { m_cups->queue }));

    const QString pdf = file.isEmpty() ? QString() : m_temp.filePath(file);
    QStringList questions, files, tellings;
    print::setPrintDialogs({ [&](QWidget *, const QString &text) { return questions << text, save == "yes"; },
        [&](QWidget *, const QString &name) { return files << name, pdf; },
        [&](QWidget *, const QString &text) { tellings << text; } });
    const print::TaxStatementFields sheet;
    const auto draw = [&](print::Page &page) { return print::drawTaxStatement(page, sheet); };
    const PrintOutcome result = print::printOnDefaultPrinter(nullptr, "Income tax statement", draw);
    print::setPrintDialogs({});

    const char *outcomes[] = { "printed", "saved", "abandoned" };
    QVERIFY2(outcomes[int(result)] == outcome, qPrintable(questions.join('|')));
    QCOMPARE(questions.size(), asked.isEmpty() ? 0 : 1);
    QVERIFY2(asked.isEmpty() || questions[0].contains(asked), qPrintable(questions.join('|')));
    QCOMPARE(files, save == "yes" ? QStringList("Income tax statement") : QStringList());
    QCOMPARE(tellings.size(), told.isEmpty() ? 0 : 1);
    QVERIFY2(told.isEmpty() || tellings[0].contains(told), qPrintable(tellings.join('|')));
    if (result == PrintOutcome::SavedAsPdf) {
        print::RecordingPage page;
        draw(page);
        QCOMPARE(pdfDiffers(pdf, printsupport::listing(page)), QStringList());
    }
    QTest::qWait(result == PrintOutcome::Printed || mode == "noprinter" ? 0 : 1000); // a stray job
    QTRY_COMPARE_WITH_TIMEOUT(m_cups->jobs().size(), result == PrintOutcome::Printed ? 1 : 0, 20000);
}

void tst_statements::ageGroupAndSurcharge_data()
{
    // What the tax statement adds below its rows, for an age group and a surcharge.
    testsupport::table({ "age", "surcharge", "added" }, R"(
        below 60, no surcharge | Below 60     | 0    |
        60 to 79               | 60 to 79     | 0    | text L 1.000 9.250 Tahoma 9 - "Tax by the slabs for age 60 to 79"
        surcharge              | Below 60     | 7000 | text L 1.000 9.100 Tahoma 9 - "Surcharge (in the total tax) :-" ; text R 7.000 9.100 Tahoma 9 - "7000"
        80 and above, both     | 80 and above | 7000 | text L 1.000 9.100 Tahoma 9 - "Surcharge (in the total tax) :-" ; text R 7.000 9.100 Tahoma 9 - "7000" ; text L 1.000 9.250 Tahoma 9 - "Tax by the slabs for age 80 and above"
    )");
}

void tst_statements::ageGroupAndSurcharge()
{
    QFETCH(QString, age);
    QFETCH(QString, surcharge);
    QFETCH(QString, added);
    print::TaxStatementFields sheet;
    sheet.mainAge = age;
    sheet.mainSurch = surcharge;
    print::RecordingPage plain, page;
    print::drawTaxStatement(plain, print::TaxStatementFields());
    print::drawTaxStatement(page, sheet);
    QStringList lines = printsupport::listing(page);
    for (const QString &line : printsupport::listing(plain))
        lines.removeOne(line);
    QCOMPARE(lines.join(" ; "), added);
    QVERIFY(m_cups->start("printer")); // and so on paper
    print::printTaxStatement(nullptr, sheet);
    QTRY_COMPARE_WITH_TIMEOUT(m_cups->jobs().size(), 1, 20000);
    QCOMPARE(pdfDiffers(m_cups->jobs()[0], printsupport::listing(page)), QStringList());
}

void tst_statements::sumsTooLargeToPrint()
{
    print::TaxStatementFields tax;
    tax.deductions80ccdec = tax.deductions80ccdgc = "1.5E+308";
    print::SalaryStatementFields salary;
    salary.transport[0] = salary.transport[1] = "-1.7E+308";
    QCOMPARE(print::printTaxStatement(nullptr, tax), PrintOutcome::Abandoned);
    QCOMPARE(print::printSalaryStatement(nullptr, salary), PrintOutcome::Abandoned);
    const QStringList told = takeMessages();
    QCOMPARE(told.size(), 2);
    QVERIFY(told[0].contains("80CCD") && told[1].contains("transport allowance"));
}

QTEST_MAIN(tst_statements)
#include "tst_statements.moc"
