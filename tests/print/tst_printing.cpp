// Printing through a real CUPS scheduler that the test runs privately (tests/print/
// cups-sandbox.sh): the page that reaches the queue is read back from the PDF it carries,
// and a missing printer, a stopped queue and a refused job are each reported to the user,
// print nothing and let the program go on.
#include "cupssandbox.h"
#include "expected.h"
#include "pdfwords.h"

#include "app/branding.h"
#include "fields/messages.h"
#include "print/page.h"
#include "print/printing.h"
#include "support/testsupport.h"

#include <QDir>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace expected;
using print::PrintOutcome;

namespace {

using pdfwords::kPoints;
using pdfwords::kTolerance;

} // namespace

class tst_Printing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void taxStatementOnThePrinter();
    void salaryStatementOnThePrinter();
    void taxAfterSalaryIsPortrait();
    void rejectingQueue();
    void stoppedQueue();
    void savedAsPdfInstead();
    void fileChoiceCancelled();
    void figuresTooLargeToAddUp();
    void refusedAtSubmission();
    void noPrinterAtAll();
    void realMessageBoxOffersSaveAndCancel();

private:
    // Prints and returns the new job's PDF pages (empty when no job arrived).
    QList<pdfwords::Page> printAndCollect(const print::DrawPage &draw, const QString &name);
    void expectNothingPrinted(int jobsBefore);
    void hookDialogs();
    void restoreDialogs();

    QTemporaryDir m_temp;
    std::unique_ptr<cupssandbox::Sandbox> m_sandbox;
    bool m_answerSave = false;
    QString m_pdfName;
    QStringList m_asked;
    QStringList m_chosen;
    QStringList m_told;
};

void tst_Printing::initTestCase()
{
    if (cupssandbox::findTool(QStringLiteral("cupsd")).isEmpty())
        QSKIP("cupsd is not installed (scripts/deps.sh test installs cups-daemon)");
    QVERIFY2(!pdfwords::pdftotext().isEmpty(),
        "pdftotext (poppler-utils) is needed: scripts/deps.sh test");
    for (const char *tool :
        { "lp", "lpstat", "cupsaccept", "cupsreject", "cupsenable", "cupsdisable" })
        QVERIFY2(!cupssandbox::findTool(QString::fromLatin1(tool)).isEmpty(),
            "the CUPS client programs (cups-client) are needed");
    QVERIFY(m_temp.isValid());

    const QString dir = m_temp.filePath(QStringLiteral("cups"));
    cupssandbox::useOnly(dir, m_temp.path());

    m_sandbox = std::make_unique<cupssandbox::Sandbox>(dir);
    QVERIFY2(m_sandbox->start(QStringLiteral("printer")), qPrintable(m_sandbox->output()));
    QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), cupssandbox::kQueue);
}

void tst_Printing::init()
{
    hookDialogs();
    m_answerSave = false;
    m_pdfName.clear();
    m_asked.clear();
    m_chosen.clear();
    m_told.clear();
}

void tst_Printing::cleanup()
{
    restoreDialogs();
}

void tst_Printing::cleanupTestCase()
{
    m_sandbox.reset();
}

void tst_Printing::hookDialogs()
{
    print::setPrintDialogs(print::PrintDialogs { [this](QWidget *, const QString &message) {
                                                    m_asked << message;
                                                    return m_answerSave;
                                                },
        [this](QWidget *, const QString &suggested) {
            m_chosen << suggested;
            return m_pdfName;
        },
        [this](QWidget *, const QString &message) { m_told << message; } });
}

void tst_Printing::restoreDialogs()
{
    print::setPrintDialogs({});
}

QList<pdfwords::Page> tst_Printing::printAndCollect(
    const print::DrawPage &draw, const QString &name)
{
    const int before = m_sandbox->jobFiles().size();
    const PrintOutcome outcome = print::printOnDefaultPrinter(nullptr, name, draw);
    [&] {
        QCOMPARE(outcome, PrintOutcome::Printed);
        QVERIFY2(m_asked.isEmpty(), qPrintable(m_asked.join(u'\n')));
        QVERIFY(m_told.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(m_sandbox->jobFiles().size(), before + 1, 20000);
    }();
    if (m_sandbox->jobFiles().size() != before + 1)
        return {};
    const QString file = QDir(m_sandbox->outDir()).filePath(m_sandbox->jobFiles().last());
    return pdfwords::read(file).value_or(QList<pdfwords::Page> {});
}

void tst_Printing::expectNothingPrinted(int jobsBefore)
{
    // Give a job that slipped through time to arrive, then look in the queue and the output.
    QTest::qWait(1500);
    QCOMPARE(m_sandbox->jobFiles().size(), jobsBefore);
    const auto queued
        = m_sandbox->run(QStringLiteral("lpstat"), { QStringLiteral("-o"), cupssandbox::kQueue });
    QVERIFY(queued);
    QCOMPARE(queued->trimmed(), QString());
}

namespace {

void checkTaxPage(const QList<pdfwords::Page> &pages)
{
    QCOMPARE(pages.size(), 1);
    const pdfwords::Page &page = pages.first();
    QVERIFY2(page.height > page.width, "the tax statement must be portrait");
    pdfwords::checkLeft(
        page, QStringLiteral("CALCULATION OF INCOME TAX FOR THE YEAR 2014-15"), 1.0, 0.40);
    pdfwords::checkLeft(page, QStringLiteral("R. K. SHARMA"), 1.0, 0.60);
    int amounts = 0;
    for (const BodyRow &row : kBody) {
        if (row.label)
            pdfwords::checkLeft(page, QString::fromLatin1(row.label), row.labelX, row.top);
        if (row.amount1) {
            pdfwords::checkRight(page, QString::fromLatin1(row.amount1), row.edge1, row.top);
            ++amounts;
        }
        if (row.amount2) {
            pdfwords::checkRight(page, QString::fromLatin1(row.amount2), row.edge2, row.top);
            ++amounts;
        }
    }
    QCOMPARE(amounts, 44);
    pdfwords::checkLeft(page,
        QStringLiteral("Generated by Morvel1415 :- By ") + branding::authorCredit()
            + QStringLiteral("(Free download from ") + branding::homePage() + QStringLiteral(")"),
        1.0, 10.25);
    pdfwords::checkLeft(page,
        QStringLiteral("For suggestions/ reporting of bugs contact ") + branding::contactEmail(),
        1.0, 10.45);
}

bool drawTax(print::Page &page)
{
    return print::drawTaxStatement(page, knownTaxSheet());
}

bool drawSalary(print::Page &page)
{
    return print::drawSalaryStatement(page, knownSalarySheet());
}

} // namespace

void tst_Printing::taxStatementOnThePrinter()
{
    const QList<pdfwords::Page> pages
        = printAndCollect(drawTax, QStringLiteral("Income tax statement"));
    checkTaxPage(pages);
}

void tst_Printing::salaryStatementOnThePrinter()
{
    const QList<pdfwords::Page> pages
        = printAndCollect(drawSalary, QStringLiteral("Salary statement"));
    QCOMPARE(pages.size(), 1);
    const pdfwords::Page &page = pages.first();
    QVERIFY2(page.width > page.height, "the salary statement must be landscape");
    const double origin = print::kMarginInches * kPoints;

    // Centred on 5 in.
    for (const auto &[text, top] :
        { std::pair { QStringLiteral("DETAILS OF SALARY RECEIVED FOR THE YEAR 2014 - 2015"), 1.0 },
            std::pair { QStringLiteral("R. K. SHARMA"), 1.2 } }) {
        const auto found = pdfwords::find(page, text);
        QCOMPARE(found.size(), 1);
        QVERIFY(
            std::abs((found[0].xMin + found[0].xMax) / 2 - (origin + 5.0 * kPoints)) < kTolerance);
        QVERIFY(std::abs(found[0].yMin - (origin + top * kPoints)) < kTolerance);
    }
    const QStringList headings
        = { "Month", "Basic", "GP", "Dearness", "HRA", "MGC", "Tpt. All.", "Total" };
    for (int c = 0; c < headings.size(); ++c)
        pdfwords::checkRight(page, headings[c], kEdges[c], 1.6);
    pdfwords::checkRight(page, QStringLiteral("Pay"), 2.0, 1.8);
    pdfwords::checkRight(page, QStringLiteral("Allowance"), 4.0, 1.8);

    const SalaryStatementFields sheet = knownSalarySheet();
    double y = 2.0;
    for (int i = 2; i < 14; ++i) {
        pdfwords::checkRight(page, sheet.monthCaption[i], 1.0, y);
        for (int c = 1; c <= 7; ++c)
            pdfwords::checkRight(page, cell(i, c), kEdges[c], y);
        y += 0.2;
    }
    const QList<std::pair<QString, double>> arrears
        = { { "DA Arr.", 1.0 }, { "150", 4.0 }, { "20", 6.0 }, { "30", 7.0 }, { "200", 8.0 } };
    for (const auto &[text, edge] : arrears)
        pdfwords::checkRight(page, text, edge, 4.4);
    const QStringList totals
        = { "Totals", "900001", "900002", "900003", "900004", "900005", "900006", "900007" };
    for (int c = 0; c < totals.size(); ++c)
        pdfwords::checkRight(page, totals[c], kEdges[c], 4.6);
    const QList<std::tuple<QString, QString, double>> annual
        = { { "Other Allowances :-", "600005", 5.2 }, { "Over Time Allowance :-", "600002", 5.4 },
              { "Honorarium :-", "600004", 5.6 }, { "Tuition Fee :-", "600003", 5.8 },
              { "Bonus :-", "600001", 6.0 }, { "Arrears :-", "600000", 6.2 },
              { "GRAND TOTAL :-", "999999", 6.4 } };
    for (const auto &[label, amount, top] : annual) {
        pdfwords::checkRight(page, label, 7.0, top);
        pdfwords::checkRight(page, amount, 8.0, top);
    }
    pdfwords::checkLeft(page, QStringLiteral("Generated by Morvel1314"), 1.0, 7.0);
}

void tst_Printing::taxAfterSalaryIsPortrait()
{
    const QList<pdfwords::Page> salary
        = printAndCollect(drawSalary, QStringLiteral("Salary statement"));
    QCOMPARE(salary.size(), 1);
    QVERIFY(salary.first().width > salary.first().height);
    checkTaxPage(printAndCollect(drawTax, QStringLiteral("Income tax statement")));
}

void tst_Printing::rejectingQueue()
{
    QVERIFY(m_sandbox->run(QStringLiteral("cupsreject"), { cupssandbox::kQueue }));
    const int before = m_sandbox->jobFiles().size();
    const PrintOutcome outcome
        = print::printOnDefaultPrinter(nullptr, QStringLiteral("Income tax statement"), drawTax);
    QVERIFY(m_sandbox->run(QStringLiteral("cupsaccept"), { cupssandbox::kQueue }));
    QCOMPARE(outcome, PrintOutcome::Abandoned);
    QCOMPARE(m_asked.size(), 1);
    QVERIFY2(m_asked[0].contains(QStringLiteral("not accepting jobs")), qPrintable(m_asked[0]));
    QVERIFY(m_asked[0].contains(QStringLiteral("PDF")));
    QVERIFY(m_chosen.isEmpty()); // Cancel: no file dialog
    expectNothingPrinted(before);

    // The program goes on: once the queue accepts again, the same page prints.
    m_asked.clear();
    checkTaxPage(printAndCollect(drawTax, QStringLiteral("Income tax statement")));
}

void tst_Printing::stoppedQueue()
{
    QVERIFY(m_sandbox->run(QStringLiteral("cupsdisable"), { cupssandbox::kQueue }));
    const int before = m_sandbox->jobFiles().size();
    const PrintOutcome outcome
        = print::printOnDefaultPrinter(nullptr, QStringLiteral("Salary statement"), drawSalary);
    const bool stoppedQueueEmpty = [&] {
        const auto queued = m_sandbox->run(
            QStringLiteral("lpstat"), { QStringLiteral("-o"), cupssandbox::kQueue });
        return queued && queued->trimmed().isEmpty();
    }();
    QVERIFY(m_sandbox->run(QStringLiteral("cupsenable"), { cupssandbox::kQueue }));
    QCOMPARE(outcome, PrintOutcome::Abandoned);
    QVERIFY(stoppedQueueEmpty); // no job left waiting to come out later
    QCOMPARE(m_asked.size(), 1);
    QVERIFY2(m_asked[0].contains(QStringLiteral("stopped")), qPrintable(m_asked[0]));
    expectNothingPrinted(before);
}

void tst_Printing::savedAsPdfInstead()
{
    QVERIFY(m_sandbox->run(QStringLiteral("cupsreject"), { cupssandbox::kQueue }));
    m_answerSave = true;
    m_pdfName = m_temp.filePath(QStringLiteral("saved tax statement.pdf"));
    const PrintOutcome outcome
        = print::printOnDefaultPrinter(nullptr, QStringLiteral("Income tax statement"), drawTax);
    QVERIFY(m_sandbox->run(QStringLiteral("cupsaccept"), { cupssandbox::kQueue }));
    QCOMPARE(outcome, PrintOutcome::SavedAsPdf);
    QCOMPARE(m_chosen, QStringList { QStringLiteral("Income tax statement") });
    QVERIFY(m_told.isEmpty());
    const auto pages = pdfwords::read(m_pdfName);
    QVERIFY(pages);
    checkTaxPage(*pages);

    // The same for the landscape page.
    QVERIFY(m_sandbox->run(QStringLiteral("cupsreject"), { cupssandbox::kQueue }));
    m_pdfName = m_temp.filePath(QStringLiteral("saved salary statement.pdf"));
    const PrintOutcome salaryOutcome
        = print::printOnDefaultPrinter(nullptr, QStringLiteral("Salary statement"), drawSalary);
    QVERIFY(m_sandbox->run(QStringLiteral("cupsaccept"), { cupssandbox::kQueue }));
    QCOMPARE(salaryOutcome, PrintOutcome::SavedAsPdf);
    const auto salaryPages = pdfwords::read(m_pdfName);
    QVERIFY(salaryPages);
    QCOMPARE(salaryPages->size(), 1);
    QVERIFY(salaryPages->first().width > salaryPages->first().height);
    QCOMPARE(pdfwords::find(salaryPages->first(), QStringLiteral("DA Arr.")).size(), 1);

    // A file that cannot be written is reported, and the page is given up.
    QVERIFY(m_sandbox->run(QStringLiteral("cupsreject"), { cupssandbox::kQueue }));
    m_pdfName = m_temp.filePath(QStringLiteral("no such folder/x.pdf"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("QPainter::begin")));
    const PrintOutcome failed
        = print::printOnDefaultPrinter(nullptr, QStringLiteral("Salary statement"), drawSalary);
    QVERIFY(m_sandbox->run(QStringLiteral("cupsaccept"), { cupssandbox::kQueue }));
    QCOMPARE(failed, PrintOutcome::Abandoned);
    QCOMPARE(m_told.size(), 1);
    QVERIFY(m_told[0].contains(QStringLiteral("could not be written")));
    QVERIFY(!QFile::exists(m_pdfName));
}

void tst_Printing::fileChoiceCancelled()
{
    QVERIFY(m_sandbox->run(QStringLiteral("cupsreject"), { cupssandbox::kQueue }));
    m_answerSave = true; // Save, then Cancel in the file dialog
    const int filesBefore = QDir(m_temp.path()).entryList(QDir::Files).size();
    const PrintOutcome outcome
        = print::printOnDefaultPrinter(nullptr, QStringLiteral("Income tax statement"), drawTax);
    QVERIFY(m_sandbox->run(QStringLiteral("cupsaccept"), { cupssandbox::kQueue }));
    QCOMPARE(outcome, PrintOutcome::Abandoned);
    QCOMPARE(m_chosen.size(), 1);
    QVERIFY(m_told.isEmpty());
    QCOMPARE(QDir(m_temp.path()).entryList(QDir::Files).size(), filesBefore);
}

void tst_Printing::figuresTooLargeToAddUp()
{
    testsupport::MessageRecorder recorder;
    const int before = m_sandbox->jobFiles().size();
    TaxStatementFields tax = knownTaxSheet();
    tax.deductions80ccdec = QStringLiteral("1.5E+308");
    tax.deductions80ccdgc = QStringLiteral("1.5E+308");
    QCOMPARE(print::printTaxStatement(nullptr, tax), PrintOutcome::Abandoned);
    SalaryStatementFields salary = knownSalarySheet();
    salary.transport[0] = QStringLiteral("-1.7E+308");
    salary.transport[1] = QStringLiteral("-1.7E+308");
    QCOMPARE(print::printSalaryStatement(nullptr, salary), PrintOutcome::Abandoned);
    QCOMPARE(recorder.messages.size(), 2);
    QVERIFY2(
        recorder.messages[0].contains(QStringLiteral("80CCD")), qPrintable(recorder.messages[0]));
    QVERIFY2(recorder.messages[1].contains(QStringLiteral("transport allowance")),
        qPrintable(recorder.messages[1]));
    QVERIFY(m_asked.isEmpty()); // nothing to save either: there is no page
    expectNothingPrinted(before);

    // The same sheets with figures that add up print as usual.
    QCOMPARE(print::printTaxStatement(nullptr, knownTaxSheet()), PrintOutcome::Printed);
    QCOMPARE(print::printSalaryStatement(nullptr, knownSalarySheet()), PrintOutcome::Printed);
    QTRY_COMPARE_WITH_TIMEOUT(m_sandbox->jobFiles().size(), before + 2, 20000);
    QCOMPARE(recorder.messages.size(), 2);
}

void tst_Printing::refusedAtSubmission()
{
    // A queue that reports idle and accepting but refuses the job when it is handed over:
    // Qt alone would call that a success.
    QVERIFY2(m_sandbox->start(QStringLiteral("full")), qPrintable(m_sandbox->output()));
    QVERIFY(m_sandbox->run(QStringLiteral("lp"),
        { QStringLiteral("-H"), QStringLiteral("indefinite"), QStringLiteral("-d"),
            cupssandbox::kQueue },
        QByteArrayLiteral("held\n")));
    const int before = m_sandbox->jobFiles().size();
    const PrintOutcome outcome
        = print::printOnDefaultPrinter(nullptr, QStringLiteral("Income tax statement"), drawTax);
    QCOMPARE(outcome, PrintOutcome::Abandoned);
    QCOMPARE(m_asked.size(), 1);
    QVERIFY2(m_asked[0].contains(QStringLiteral("refused the job")), qPrintable(m_asked[0]));
    QTest::qWait(1500);
    QCOMPARE(m_sandbox->jobFiles().size(), before);
}

void tst_Printing::noPrinterAtAll()
{
    QVERIFY2(m_sandbox->start(QStringLiteral("noprinter")), qPrintable(m_sandbox->output()));
    QVERIFY(QPrinterInfo::defaultPrinter().isNull());
    QVERIFY(QPrinterInfo::availablePrinters().isEmpty());
    for (const auto &draw : { print::DrawPage(drawTax), print::DrawPage(drawSalary) }) {
        m_asked.clear();
        const PrintOutcome outcome
            = print::printOnDefaultPrinter(nullptr, QStringLiteral("statement"), draw);
        QCOMPARE(outcome, PrintOutcome::Abandoned);
        QCOMPARE(m_asked.size(), 1);
        QVERIFY2(m_asked[0].contains(QStringLiteral("no printer")), qPrintable(m_asked[0]));
    }
}

void tst_Printing::realMessageBoxOffersSaveAndCancel()
{
    // Still without a printer: the real box appears, with Save and Cancel, and Cancel gives up.
    restoreDialogs();
    QString text, caption;
    QStringList buttons;
    bool hadIcon = true;
    QTimer::singleShot(0, this, [&] {
        QTRY_VERIFY_WITH_TIMEOUT(
            qobject_cast<QMessageBox *>(QApplication::activeModalWidget()), 5000);
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        text = box->text();
        caption = box->windowTitle();
        hadIcon = box->icon() != QMessageBox::NoIcon;
        for (QAbstractButton *button : box->buttons())
            buttons << button->text().remove(u'&');
        box->button(QMessageBox::Cancel)->click();
    });
    const PrintOutcome outcome
        = print::printOnDefaultPrinter(nullptr, QStringLiteral("statement"), drawTax);
    QCOMPARE(outcome, PrintOutcome::Abandoned);
    QVERIFY(text.contains(QStringLiteral("no printer")));
    QCOMPARE(caption, QStringLiteral("Morvel1314"));
    QVERIFY(!hadIcon);
    buttons.sort();
    QCOMPARE(buttons, (QStringList { QStringLiteral("Cancel"), QStringLiteral("Save") }));
}

QTEST_MAIN(tst_Printing)
#include "tst_printing.moc"
