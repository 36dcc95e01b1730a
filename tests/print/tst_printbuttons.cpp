// The real Print buttons, pressed as a user presses them, with the page going through a
// private CUPS queue: what reaches the printer is read back from the job's PDF.
#include "cupssandbox.h"
#include "pdfwords.h"

#include "app/forms.h"
#include "fields/amountfield.h"
#include "fields/conversions.h"
#include "print/printing.h"
#include "sheets/deductions/frmreb88.h"
#include "sheets/house/form4.h"
#include "sheets/main/frmmain.h"
#include "sheets/salary/form1.h"
#include "support/testsupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using pdfwords::checkLeft;
using pdfwords::checkRight;
using testsupport::retype;

class tst_PrintButtons : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void mainSheetPrintsItsFiguresAndUnopenedSheetsAsZero();
    void mainSheetPrintsTheSubSheetsOwnFigures();
    void salarySheetPrintsItsLandscapeStatement();
    void taxStatementAfterSalaryIsPortrait();
    void printWithoutPrinterTellsAndGoesOn();

private:
    // Presses Print and returns the one page that reached the queue.
    pdfwords::Page pressAndCollect(QPushButton *print);
    QStringList texts(const QList<QLineEdit *> &fields) const;

    QTemporaryDir m_temp;
    std::unique_ptr<cupssandbox::Sandbox> m_sandbox;
    std::unique_ptr<Forms> m_forms;
    frmmain *m_main = nullptr;
    QStringList m_asked;
};

void tst_PrintButtons::initTestCase()
{
    if (cupssandbox::findTool(QStringLiteral("cupsd")).isEmpty())
        QSKIP("cupsd is not installed (scripts/deps.sh test installs cups-daemon)");
    QVERIFY2(!pdfwords::pdftotext().isEmpty(),
        "pdftotext (poppler-utils) is needed: scripts/deps.sh test");
    QVERIFY(m_temp.isValid());
    const QString dir = m_temp.filePath(QStringLiteral("cups"));
    cupssandbox::useOnly(dir, m_temp.path());
    m_sandbox = std::make_unique<cupssandbox::Sandbox>(dir);
    QVERIFY2(m_sandbox->start(QStringLiteral("printer")), qPrintable(m_sandbox->output()));
    QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), cupssandbox::kQueue);
}

void tst_PrintButtons::init()
{
    m_asked.clear();
    print::setPrintDialogs(print::PrintDialogs { [this](QWidget *, const QString &message) {
                                                    m_asked << message;
                                                    return false;
                                                },
        nullptr, nullptr });
    m_forms = std::make_unique<Forms>();
    m_forms->programEnder = [] {};
    m_main = m_forms->mainSheet();
    Forms::present(m_main);
    QVERIFY(QTest::qWaitForWindowActive(m_main));
}

void tst_PrintButtons::cleanup()
{
    m_forms.reset();
    print::setPrintDialogs({});
}

void tst_PrintButtons::cleanupTestCase()
{
    m_sandbox.reset();
}

pdfwords::Page tst_PrintButtons::pressAndCollect(QPushButton *print)
{
    const int before = m_sandbox->jobFiles().size();
    [&] {
        QVERIFY(print->isEnabled());
        QTest::mouseClick(print, Qt::LeftButton);
        QVERIFY2(m_asked.isEmpty(), qPrintable(m_asked.join(u'\n')));
        QTRY_COMPARE_WITH_TIMEOUT(m_sandbox->jobFiles().size(), before + 1, 20000);
    }();
    if (m_sandbox->jobFiles().size() != before + 1)
        return {};
    const auto pages
        = pdfwords::read(QDir(m_sandbox->outDir()).filePath(m_sandbox->jobFiles().last()));
    [&] {
        QVERIFY(pages);
        QCOMPARE(pages->size(), 1);
    }();
    return pages && pages->size() == 1 ? pages->first() : pdfwords::Page {};
}

QStringList tst_PrintButtons::texts(const QList<QLineEdit *> &fields) const
{
    QStringList result;
    for (const QLineEdit *field : fields)
        result << field->text();
    return result;
}

void tst_PrintButtons::mainSheetPrintsItsFiguresAndUnopenedSheetsAsZero()
{
    testsupport::MessageRecorder messages;
    retype(m_main->txtname, QStringLiteral("A. KUMAR"));
    retype(m_main->txtgs, QStringLiteral("600000"));
    retype(m_main->txtos, QStringLiteral("12000"));
    // Written the way the house sheet's Back writes it; the sheet itself stays unopened.
    fields::writeText(m_main->txthp, QStringLiteral("-50000"));
    QTest::mouseClick(m_main->cmdcalc, Qt::LeftButton);
    QVERIFY(!m_forms->hasHouseSheet());
    QVERIFY(!m_forms->hasDeductionsSheet());

    const QList<QLineEdit *> all = m_main->findChildren<QLineEdit *>();
    const QStringList before = texts(all);
    const pdfwords::Page page = pressAndCollect(m_main->cmdprint);
    QVERIFY(page.height > page.width);

    // Printing changed nothing, showed nothing, and the sheets it read stay out of sight.
    QCOMPARE(texts(all), before);
    QVERIFY(m_main->cmdprint->isEnabled());
    QVERIFY(messages.messages.isEmpty());
    QVERIFY(m_forms->hasHouseSheet() && !m_forms->houseSheet()->isVisible());
    QVERIFY(m_forms->hasDeductionsSheet() && !m_forms->deductionsSheet()->isVisible());

    checkLeft(page, QStringLiteral("CALCULATION OF INCOME TAX FOR THE YEAR 2014-15"), 1.0, 0.40);
    checkLeft(page, QStringLiteral("A. KUMAR"), 1.0, 0.60);
    checkRight(page, QStringLiteral("600000"), 6.0, 1.30);
    checkRight(page, m_main->txtnsal->text(), 7.0, 1.90);
    checkRight(page, QStringLiteral("12000"), 7.0, 3.70);
    checkRight(page, m_main->txtgti->text(), 7.0, 4.00);
    checkRight(page, m_main->txtnti->text(), 7.0, 7.60);
    checkRight(page, m_main->txtbaltax->text(), 7.0, 8.80);
    // The house-property block is the unopened sheet's, not the main sheet's -50000.
    QVERIFY(pdfwords::find(page, QStringLiteral("-50000")).isEmpty());
    for (double top : { 2.35, 2.50, 2.65 })
        checkRight(page, QStringLiteral("0"), 6.0, top);
    for (double top : { 2.95, 3.10, 3.25 })
        checkRight(page, QStringLiteral("0"), 5.0, top);
    checkRight(page, QStringLiteral("0"), 7.0, 3.40);
    for (double top :
        { 4.60, 4.75, 4.90, 5.05, 5.20, 5.35, 5.50, 5.65, 5.80, 5.95, 6.10, 6.25, 6.40, 6.55 })
        checkRight(page, QStringLiteral("0"), 5.0, top);
    checkRight(page, QStringLiteral("0"), 7.0, 7.45);

    // A second press gives a second, identical page.
    const pdfwords::Page again = pressAndCollect(m_main->cmdprint);
    QCOMPARE(again.words.size(), page.words.size());
    for (int i = 0; i < page.words.size(); ++i)
        QCOMPARE(again.words[i].text, page.words[i].text);
}

void tst_PrintButtons::mainSheetPrintsTheSubSheetsOwnFigures()
{
    retype(m_main->txtname, QStringLiteral("B. SINGH"));
    retype(m_main->txtgs, QStringLiteral("700000"));

    QTest::mouseClick(m_main->cmdcalded80, Qt::LeftButton);
    frmreb88 *deductions = m_forms->deductionsSheet();
    QVERIFY(QTest::qWaitForWindowActive(deductions));
    retype(deductions->txtgpf, QStringLiteral("61000"));
    retype(deductions->txtlic, QStringLiteral("18500"));
    retype(deductions->txt80ccdec, QStringLiteral("1000"));
    retype(deductions->txt80ccdgc, QStringLiteral("2500"));
    retype(deductions->txt80g, QStringLiteral("abc"));
    QTest::mouseClick(deductions->cmdtot, Qt::LeftButton);
    QTest::mouseClick(deductions->cmdbk, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(m_main));

    Form4 *house = m_forms->houseSheet();
    fields::writeText(house->txtrep, QStringLiteral("34200"));
    fields::writeText(house->txtihp, QStringLiteral("-71450"));

    QTest::mouseClick(m_main->cmdcalc, Qt::LeftButton);
    const pdfwords::Page page = pressAndCollect(m_main->cmdprint);
    checkLeft(page, QStringLiteral("B. SINGH"), 1.0, 0.60);
    checkRight(page, QStringLiteral("61000"), 5.0, 4.60);
    checkRight(page, QStringLiteral("18500"), 5.0, 5.05);
    checkRight(page, deductions->txt80c->text(), 5.0, 6.25);
    checkRight(page, QStringLiteral("3500"), 5.0, 6.55); // 2500 + 1000
    checkRight(page, deductions->txttot1->text(), 6.0, 6.70);
    checkRight(page, QStringLiteral("abc"), 6.0, 7.15); // printed as it stands
    checkRight(page, deductions->txtgt80->text(), 7.0, 7.45);
    checkRight(page, QStringLiteral("34200"), 5.0, 2.95);
    checkRight(page, QStringLiteral("-71450"), 7.0, 3.40);
}

namespace {

Form1 *calculatedSalarySheet(Forms &forms)
{
    Form1 *salary = forms.salarySheet();
    Forms::present(salary);
    if (!QTest::qWaitForWindowActive(salary))
        return nullptr;
    retype(salary->txtnam, QStringLiteral("C. DAS"));
    salary->chkinc->setChecked(false);
    retype(salary->txtbp[0], QStringLiteral("7440"));
    retype(salary->txtgp[0], QStringLiteral("2800"));
    retype(salary->txtoth[1], QStringLiteral("1000"));
    retype(salary->txtoth[4], QStringLiteral("250"));
    QTest::mouseClick(salary->cmdcal, Qt::LeftButton);
    return salary;
}

QString sumOf(const QLineEdit *a, const QLineEdit *b)
{
    return fields::numberText(fields::readAmount(a->text()) + fields::readAmount(b->text()));
}

} // namespace

void tst_PrintButtons::salarySheetPrintsItsLandscapeStatement()
{
    testsupport::MessageRecorder messages;
    Form1 *salary = calculatedSalarySheet(*m_forms);
    QVERIFY(salary);
    QVERIFY(salary->cmdprn->isEnabled());
    const QList<QLineEdit *> all = salary->findChildren<QLineEdit *>();
    const QStringList before = texts(all);

    const pdfwords::Page page = pressAndCollect(salary->cmdprn);
    QVERIFY(page.width > page.height);
    QCOMPARE(texts(all), before);
    QVERIFY(salary->cmdprn->isEnabled());
    QVERIFY(messages.messages.isEmpty());

    const double origin = print::kMarginInches * pdfwords::kPoints;
    const auto name = pdfwords::find(page, QStringLiteral("C. DAS"));
    QCOMPARE(name.size(), 1);
    QVERIFY(std::abs((name[0].xMin + name[0].xMax) / 2 - (origin + 5.0 * pdfwords::kPoints))
        < pdfwords::kTolerance);
    QVERIFY(std::abs(name[0].yMin - (origin + 1.2 * pdfwords::kPoints)) < pdfwords::kTolerance);

    const float edges[] = { 1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f, 7.0f, 8.0f };
    double y = 2.0;
    for (int i = 2; i < Form1::kRows; ++i) {
        const QStringList row = { salary->Label1[i]->text(), salary->txtbp[i]->text(),
            salary->txtgp[i]->text(), salary->txtda[i]->text(), salary->txthra[i]->text(),
            salary->txtmgc[i]->text(), salary->txttpa2[i]->text(), salary->txtttl[i]->text() };
        for (int c = 0; c < row.size(); ++c)
            checkRight(page, row[c], edges[c], y);
        y += 0.2;
    }
    QCOMPARE(salary->Label1[2]->text(), QStringLiteral("Mar 14"));

    // The arrears row adds up the sheet's two arrears rows.
    const QString da = sumOf(salary->txtda[1], salary->txtda[0]);
    const QString mgc = sumOf(salary->txtmgc[1], salary->txtmgc[0]);
    const QString transport = sumOf(salary->txttpa2[1], salary->txttpa2[0]);
    QVERIFY(da != QStringLiteral("0") && transport != QStringLiteral("0"));
    const QString total = fields::numberText(
        fields::readAmount(da) + fields::readAmount(mgc) + fields::readAmount(transport));
    checkRight(page, QStringLiteral("DA Arr."), 1.0, 4.4);
    checkRight(page, da, 4.0, 4.4);
    checkRight(page, mgc, 6.0, 4.4);
    checkRight(page, transport, 7.0, 4.4);
    checkRight(page, total, 8.0, 4.4);

    const QStringList totals = { QStringLiteral("Totals"), salary->txtbpt->text(),
        salary->txtgpt->text(), salary->txtdat->text(), salary->txthrat->text(),
        salary->txtmgct->text(), salary->txttpat->text(), salary->txtttlt->text() };
    for (int c = 0; c < totals.size(); ++c)
        checkRight(page, totals[c], edges[c], 4.6);
    checkRight(page, QStringLiteral("Bonus :-"), 7.0, 6.0);
    checkRight(page, QStringLiteral("1000"), 8.0, 6.0);
    checkRight(page, QStringLiteral("Honorarium :-"), 7.0, 5.6);
    checkRight(page, QStringLiteral("250"), 8.0, 5.6);
    checkRight(page, QStringLiteral("GRAND TOTAL :-"), 7.0, 6.4);
    checkRight(page, salary->txtgtotal->text(), 8.0, 6.4);
    checkLeft(page, QStringLiteral("Generated by Morvel1314"), 1.0, 7.0);
}

void tst_PrintButtons::taxStatementAfterSalaryIsPortrait()
{
    Form1 *salary = calculatedSalarySheet(*m_forms);
    QVERIFY(salary);
    const pdfwords::Page salaryPage = pressAndCollect(salary->cmdprn);
    QVERIFY(salaryPage.width > salaryPage.height);

    Forms::present(m_main);
    QVERIFY(QTest::qWaitForWindowActive(m_main));
    retype(m_main->txtname, QStringLiteral("C. DAS"));
    QTest::mouseClick(m_main->cmdcalc, Qt::LeftButton);
    const pdfwords::Page taxPage = pressAndCollect(m_main->cmdprint);
    QVERIFY(taxPage.height > taxPage.width);
    checkLeft(taxPage, QStringLiteral("C. DAS"), 1.0, 0.60);
    checkLeft(taxPage, QStringLiteral("BALANCE TAX :-"), 1.0, 8.80);
}

void tst_PrintButtons::printWithoutPrinterTellsAndGoesOn()
{
    QVERIFY2(m_sandbox->start(QStringLiteral("noprinter")), qPrintable(m_sandbox->output()));
    QTest::mouseClick(m_main->cmdcalc, Qt::LeftButton);
    const QList<QLineEdit *> all = m_main->findChildren<QLineEdit *>();
    const QStringList before = texts(all);
    QTest::mouseClick(m_main->cmdprint, Qt::LeftButton);
    QCOMPARE(m_asked.size(), 1);
    QVERIFY2(m_asked[0].contains(QStringLiteral("no printer")), qPrintable(m_asked[0]));
    QCOMPARE(texts(all), before);
    QVERIFY(m_main->isVisible());
    QVERIFY(m_main->cmdprint->isEnabled());
    // The run goes on: the sheet still calculates.
    retype(m_main->txtgs, QStringLiteral("500000"));
    QVERIFY(!m_main->cmdprint->isEnabled());
    QTest::mouseClick(m_main->cmdcalc, Qt::LeftButton);
    QVERIFY(m_main->cmdprint->isEnabled());

    // The salary sheet's Print the same way.
    Form1 *salary = calculatedSalarySheet(*m_forms);
    QVERIFY(salary);
    const QStringList salaryBefore = texts(salary->findChildren<QLineEdit *>());
    QTest::mouseClick(salary->cmdprn, Qt::LeftButton);
    QCOMPARE(m_asked.size(), 2);
    QVERIFY2(m_asked[1].contains(QStringLiteral("no printer")), qPrintable(m_asked[1]));
    QCOMPARE(texts(salary->findChildren<QLineEdit *>()), salaryBefore);
    QVERIFY(salary->isVisible());
    QVERIFY(salary->cmdprn->isEnabled());
}

QTEST_MAIN(tst_PrintButtons)
#include "tst_printbuttons.moc"
