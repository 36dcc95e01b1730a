// The two statements of one employee typed into the real sheets: the drawing against the
// expected listing, the same pages as the private print queue received them, and every
// way printing can fail.
#include "app/returnformat.h"
#include "app/statements.h"
#include "print/page.h"
#include "print/printing.h"
#include "support/printsupport.h"
#include "support/testsupport.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

using print::PrintOutcome;
using printsupport::pdfDiffers;

class tst_statements : public testsupport::SheetTest
{
    Q_OBJECT
private slots:
    void initTestCase() { m_cups = std::make_unique<printsupport::CupsSandbox>(m_temp.filePath("cups")); }
    void statementsOfATypedRun();
    void printerFaults_data();
    void printerFaults();
    void ageGroupAndSurcharge_data();
    void ageGroupAndSurcharge();
    void form10E();

private:
    void typeEmployee();
    // The listing of a sheet's page as its Print prints it from the run's sheets as they stand.
    QStringList listingOf(const char *sheet)
    {
        print::RecordingPage page;
        sheetlist::named(sheet)->page(run->windows.sheets()).draw(page);
        return printsupport::listing(page);
    }

    QTemporaryDir m_temp;
    std::unique_ptr<printsupport::CupsSandbox> m_cups;
};

// The keys of one-employee.keys, on the sheets of this run: from sheet to sheet the keys go
// where the focus is, as on a real screen.
void tst_statements::typeEmployee()
{
    QFile script(MORVEL_TESTS_DIR "/e2e/one-employee.keys");
    QVERIFY(script.open(QIODevice::ReadOnly));
    for (const QString &line : QString(script.readAll()).split('\n', Qt::SkipEmptyParts)) {
        const QString what = line.section(' ', 0, 0), rest = line.section(' ', 1).trimmed().replace("\\t", "\t");
        if (what == "window") {
            const auto windows = QApplication::topLevelWidgets();
            const auto shown = std::find_if(windows.begin(), windows.end(), [&](QWidget *w) { return w->windowTitle() == rest; });
            QVERIFY2(shown != windows.end() && QTest::qWaitForWindowActive(*shown), qPrintable(rest));
        } else if (what == "keys") {
            for (const QString &key : rest.split(' ')) // each where the keyboard then is
                QTest::keySequence(QApplication::focusWidget(), QKeySequence::fromString(key));
        } else if (what == "type") {
            for (const QChar c : rest) // a tab as the Tab key
                QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        } else if (what == "jobs") {
            QTRY_COMPARE_WITH_TIMEOUT(m_cups->jobs().size(), rest.toInt(), 20000);
        }
    }
    QCOMPARE(ended, 1); // the last key is Exit
}

void tst_statements::statementsOfATypedRun()
{
    QVERIFY(m_cups->start("printer"));
    typeEmployee();
    if (QTest::currentTestFailed())
        return;
    const QStringList tax = listingOf("frmmain"), salary = listingOf("Form1");
    QCOMPARE(tax, printsupport::readListing(MORVEL_TESTS_DIR "/print/tax-statement.txt", tax));
    QCOMPARE(salary, printsupport::readListing(MORVEL_TESTS_DIR "/print/salary-statement.txt", salary));
    // On paper, as Print sent them: the tax statement after the landscape page is portrait.
    QCOMPARE(pdfDiffers(m_cups->jobs()[0], salary), QStringList());
    QCOMPARE(pdfDiffers(m_cups->jobs()[1], tax), QStringList());

    // The run's return, written compactly as another program might: opened in a new run, one
    // Calculate on every sheet shows the same figures, and the program prints it with no
    // window, page for page the same. A return whose figures overflow, a missing one, and one
    // of the same name from another folder print nothing and stop no other; a return without
    // the salary sheet is told to have written only its tax statement, whatever else is there.
    const QString file = m_temp.filePath("R. K. Sharma.morvel"), overflow = m_temp.filePath("overflow.morvel");
    testsupport::write(file, QJsonDocument::fromJson(returnformat::write(run->windows.sheets())).toJson(QJsonDocument::Compact));
    testsupport::write(overflow, R"({"format":"morvel-return","version":1,"year":"2014-15","sheets":{"frmmain":{"txtgs":"1e308","txtos":"1e308"}}})");
    const QByteArray other = R"({"format":"morvel-return","version":1,"year":"2014-15","sheets":{"frmmain":{"txtname":"Other"}}})";
    QVERIFY(QDir(m_temp.path()).mkpath("sub") && QDir(m_temp.path()).mkpath("pdf"));
    const QString namesake = testsupport::write(m_temp.filePath("sub/R. K. Sharma.morvel"), other);
    const QString alone = testsupport::write(m_temp.filePath("alone.morvel"), other);
    testsupport::write(m_temp.filePath("pdf/alone-salary.pdf"), "of an earlier run");
    App again;
    QVERIFY(again.document.open(file).isEmpty());
    for (QPushButton *calculate : { again.windows.sheet<SalarySheet>()->cmdcal, again.windows.sheet<HraSheet>()->cmdcal,
             again.windows.sheet<HouseSheet>()->cmdtot, again.windows.sheet<DeductionsSheet>()->cmdtot, again.windows.main()->cmdcalc })
        calculate->click();
    QCOMPARE(again.windows.sheets(), run->windows.sheets());
    // The batch runs without QApplication: a widget made on the way would end it (Qt refuses
    // to make one), so its pages come from records alone.
    QProcess batch;
    batch.start(MORVEL_BINARY, { "--pdf", m_temp.filePath("pdf"), overflow, file, namesake, alone, m_temp.filePath("missing.morvel") });
    QVERIFY(batch.waitForFinished(30000));
    QCOMPARE(batch.exitCode(), 1);
    const QStringList lines = QString(batch.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 6); // and the register
    QVERIFY2(lines[0].contains("not printed: The gross total income could not be worked out"), qPrintable(lines[0]));
    QCOMPARE(lines.mid(2, 2), QStringList({ namesake + ": not printed: " + m_temp.filePath("pdf/R. K. Sharma-tax.pdf") + " holds the statement of " + file,
                                  alone + ": " + m_temp.filePath("pdf/alone-tax.pdf") }));
    QCOMPARE(QDir(m_temp.filePath("pdf")).entryList(QDir::Files), QStringList({ "alone-salary.pdf", "alone-tax.pdf",
        "R. K. Sharma-salary.pdf", "R. K. Sharma-tax.pdf", "register.csv", "register.pdf" }));
    QCOMPARE(pdfDiffers(m_temp.filePath("pdf/R. K. Sharma-tax.pdf"), tax), QStringList());
    QCOMPARE(pdfDiffers(m_temp.filePath("pdf/R. K. Sharma-salary.pdf"), salary), QStringList());
}

void tst_statements::printerFaults_data()
{
    // The printing system, what is done to its queue first, the answer to "save it as a PDF
    // file instead?" and the file then chosen; the outcome, what the user was asked and told.
    testsupport::table(R"(
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
    const auto [mode, queue, save, file, outcome, asked, told] = testsupport::cells<7>();
    QVERIFY(m_cups->start(mode));
    if (!queue.isEmpty()) // "hold": one job waiting fills the queue
        QVERIFY(queue == "hold" ? m_cups->run("lp", { "-H", "indefinite", "-d", m_cups->queue, "/etc/hostname" })
                                : m_cups->run(queue, { m_cups->queue }));
    const QString pdf = file.isEmpty() ? QString() : m_temp.filePath(file);
    QStringList questions, files, tellings;
    print::setPrintDialogs({ [&](QWidget *, const QString &text) { return questions << text, save == "yes"; },
        [&](QWidget *, const QString &name) { return files << name, pdf; },
        [&](QWidget *, const QString &text) { tellings << text; } });
    print::RecordingPage page;
    const auto draw = [](print::Page &page) { return print::drawTaxStatement(page, print::TaxStatementFields()); };
    const PrintOutcome result = print::printOnDefaultPrinter(nullptr, "Income tax statement", draw);
    print::setPrintDialogs({});
    QVERIFY2(QStringList({ "printed", "saved", "abandoned" })[int(result)] == outcome, qPrintable(questions.join('|')));
    QVERIFY2(asked.isEmpty() ? questions.isEmpty() : questions.size() == 1 && questions[0].contains(asked), qPrintable(questions.join('|')));
    QCOMPARE(files, save == "yes" ? QStringList("Income tax statement") : QStringList());
    QVERIFY2(told.isEmpty() ? tellings.isEmpty() : tellings.size() == 1 && tellings[0].contains(told), qPrintable(tellings.join('|')));
    draw(page);
    if (result == PrintOutcome::SavedAsPdf)
        QCOMPARE(pdfDiffers(pdf, printsupport::listing(page)), QStringList());
    QTest::qWait(result == PrintOutcome::Printed || mode == "noprinter" ? 0 : 1000); // a stray job
    QTRY_COMPARE_WITH_TIMEOUT(m_cups->jobs().size(), result == PrintOutcome::Printed ? 1 : 0, 20000);
}

void tst_statements::ageGroupAndSurcharge_data()
{
    // What the tax statement adds below its rows, for an age group and a surcharge.
    testsupport::table(R"(
        below 60, no surcharge | Below 60     | 0    |
        60 to 79               | 60 to 79     | 0    | text L 1.000 9.250 Tahoma 9 - "Tax by the slabs for age 60 to 79"
        80 and above, both     | 80 and above | 7000 | text L 1.000 9.100 Tahoma 9 - "Surcharge (in the total tax) :-" ; text R 7.000 9.100 Tahoma 9 - "7000" ; text L 1.000 9.250 Tahoma 9 - "Tax by the slabs for age 80 and above"
    )");
}

void tst_statements::ageGroupAndSurcharge()
{
    const auto [age, surcharge, added] = testsupport::cells<3>();
    const QStringList plain = listingOf("frmmain");
    main->cboage->setCurrentText(age);
    main->txtsurch->setText(surcharge);
    QStringList lines = listingOf("frmmain");
    for (const QString &line : plain)
        lines.removeOne(line);
    QCOMPARE(lines.join(" ; "), added);
}

void tst_statements::form10E()
{
    // The worked example of relief u/s 89, printed by its Print button and, saved in a
    // return, by the program with no window: both pages as the expected listing has it.
    QVERIFY(m_cups->start("printer"));
    testsupport::type(main->txtname, "R. K. Sharma");
    testsupport::type(main->txtpan, "ABCPS1234K");
    testsupport::type(main->txtgs, "900000");
    testsupport::press(main->cmdcalc);
    auto *relief = qobject_cast<ReliefSheet *>(openSheet("frmrel89"));
    QVERIFY(relief);
    testsupport::fill(relief, "txtdob txtti(7) txtarr(7)", "15/08/1970 400000 100000");
    testsupport::type(relief->txtaddr, "12 Rajpath, New Delhi 110001");
    testsupport::press(relief->cmdcalc);
    const QStringList form = listingOf("frmrel89");
    QCOMPARE(form, printsupport::readListing(MORVEL_TESTS_DIR "/print/form-10e.txt", form));
    testsupport::press(relief->cmdprint);
    QTRY_COMPARE_WITH_TIMEOUT(m_cups->jobs().size(), 1, 20000);
    QCOMPARE(pdfDiffers(m_cups->jobs()[0], form), QStringList());

    const QString dir = m_temp.filePath("10e"), file = dir + "/R. K. Sharma.morvel";
    QVERIFY(QDir().mkpath(dir) && run->document.save(file).isEmpty());
    QProcess batch;
    batch.start(MORVEL_BINARY, { "--pdf", dir, file });
    QVERIFY(batch.waitForFinished(30000));
    QCOMPARE(QString(batch.readAllStandardOutput()).section('\n', 0, 0), file + ": " + dir + "/R. K. Sharma-tax.pdf " + dir + "/R. K. Sharma-10e.pdf");
    QCOMPARE(pdfDiffers(dir + "/R. K. Sharma-10e.pdf", form), QStringList());
}

QTEST_MAIN(tst_statements)
#include "tst_statements.moc"
