// The statement of salary received as drawn on a recording page: headings, the twelve
// month rows at their running heights, the arrears row the statement adds up itself, the
// totals, the annual figures and the rules.
#include "expected.h"
#include "recording.h"

#include "print/page.h"
#include "print/salarystatement.h"

#include <QtTest>

using namespace recording;
using print::RecordingPage;
using print::SalaryStatementFields;
using namespace expected;

namespace {

RecordingPage drawn(const SalaryStatementFields &fields)
{
    RecordingPage page;
    [&] { QVERIFY(print::drawSalaryStatement(page, fields)); }();
    return page;
}

bool sameFont(const print::PageFont &font, float points, bool bold, bool underline)
{
    return font == print::PageFont { QStringLiteral("Tahoma"), points, bold, false, underline };
}

// Checks that the texts at height `top` are exactly `texts`, in that order, each right-aligned
// on its edge in the given weight.
void checkRightAlignedRow(const RecordingPage &page, float top, const QStringList &texts,
    const QList<float> &edges, bool bold, bool underline = false)
{
    const QList<int> row = textsAt(page, top);
    QCOMPARE(row.size(), texts.size());
    for (int k = 0; k < row.size(); ++k) {
        const Op &op = page.operations[row[k]];
        QCOMPARE(op.text, texts[k]);
        QVERIFY2(sameFont(op.font, 10, bold, underline), qPrintable(texts[k]));
        const double width = widthMeasuredFor(page, row[k]);
        QVERIFY2(width >= 0, qPrintable(texts[k]));
        QVERIFY2(std::abs(op.x + width - edges[k]) < 1e-6,
            qPrintable(QStringLiteral("%1 ends at %2, not %3")
                           .arg(texts[k])
                           .arg(op.x + width)
                           .arg(edges[k])));
    }
}

} // namespace

class tst_SalaryStatement : public QObject
{
    Q_OBJECT

private slots:
    void setsUpFontAndLandscapeFirst();
    void centredTitleAndName();
    void columnHeadings();
    void monthRow_data();
    void monthRow();
    void arrearsRow_data();
    void arrearsRow();
    void arrearsTooLargeDrawsNothing();
    void totalsRow();
    void annualFigures_data();
    void annualFigures();
    void grandTotal();
    void rules();
    void footerAndEnd();
    void emptyAndNonNumericCells();
    void neverOpenedSheetPrintsZero();
};

void tst_SalaryStatement::setsUpFontAndLandscapeFirst()
{
    const RecordingPage page = drawn(knownSalarySheet());
    const QList<Kind> kinds = { Kind::FontName, Kind::Bold, Kind::Underline, Kind::Italic,
        Kind::FontSize, Kind::Landscape };
    QVERIFY(page.operations.size() > kinds.size());
    for (int i = 0; i < kinds.size(); ++i)
        QCOMPARE(page.operations[i].kind, kinds[i]);
    QCOMPARE(page.operations[0].text, QStringLiteral("Tahoma"));
    QVERIFY(sameFont(page.operations[5].font, 10, true, true));
    QVERIFY(page.landscape);
}

void tst_SalaryStatement::centredTitleAndName()
{
    const RecordingPage page = drawn(knownSalarySheet());
    const QList<std::pair<QString, float>> lines
        = { { QStringLiteral("DETAILS OF SALARY RECEIVED FOR THE YEAR 2014 - 2015"), 1.0f },
              { QStringLiteral("R. K. SHARMA"), 1.2f } };
    for (const auto &[text, top] : lines) {
        const QList<int> found = textsAt(page, top);
        QCOMPARE(found.size(), 1);
        const Op &op = page.operations[found[0]];
        QCOMPARE(op.text, text);
        QVERIFY(sameFont(op.font, 10, true, true));
        const double width = widthMeasuredFor(page, found[0]);
        QVERIFY(width > 0.5);
        QVERIFY(std::abs(op.x - (10 - width) / 2) < 1e-6);
    }
}

void tst_SalaryStatement::columnHeadings()
{
    const RecordingPage page = drawn(knownSalarySheet());
    checkRightAlignedRow(page, 1.6f,
        { "Month", "Basic", "GP", "Dearness", "HRA", "MGC", "Tpt. All.", "Total" },
        { 1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f, 7.0f, 8.0f }, true, true);
    checkRightAlignedRow(page, 1.8f, { "Pay", "Allowance" }, { 2.0f, 4.0f }, true, true);
}

void tst_SalaryStatement::monthRow_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<float>("top");
    const char *months[] = { "Mar 14", "Apr 14", "May 14", "Jun 14", "Jul 14", "Aug 14", "Sep 14",
        "Oct 14", "Nov 14", "Dec 14", "Jan 15", "Feb 15" };
    double y = 2.0; // the page receives the running double sum in single precision
    for (int i = 2; i < 14; ++i) {
        QTest::newRow(months[i - 2]) << i << QString::fromLatin1(months[i - 2]) << float(y);
        y += 0.2;
    }
}

void tst_SalaryStatement::monthRow()
{
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(float, top);
    SalaryStatementFields fields = knownSalarySheet();
    QCOMPARE(fields.monthCaption[index], caption); // the sheet's own caption is what prints
    fields.monthCaption[index] = caption + QStringLiteral(" *");
    const RecordingPage page = drawn(fields);
    QStringList texts = { caption + QStringLiteral(" *") };
    for (int c = 1; c <= 7; ++c)
        texts << cell(index, c);
    checkRightAlignedRow(
        page, top, texts, QList<float>(std::begin(kEdges), std::end(kEdges)), false);
}

void tst_SalaryStatement::arrearsRow_data()
{
    QTest::addColumn<QStringList>("da"); // index 1, index 0
    QTest::addColumn<QStringList>("mgc");
    QTest::addColumn<QStringList>("transport");
    QTest::addColumn<QStringList>("printed"); // DA, MGC, transport, total
    QTest::newRow("worked example")
        << QStringList { "100", "50" } << QStringList { "20", "0" } << QStringList { "0", "30" }
        << QStringList { "150", "20", "30", "200" };
    QTest::newRow("all zero") << QStringList { "0", "0" } << QStringList { "0", "0" }
                              << QStringList { "0", "0" } << QStringList { "0", "0", "0", "0" };
    QTest::newRow("empty and non-numeric count as 0")
        << QStringList { "", "abc" } << QStringList { "12,500", "Rs. 9" }
        << QStringList { "1e2", " 5 0" } << QStringList { "0", "12", "150", "162" };
    QTest::newRow("fractions") << QStringList { "0.1", "0.2" } << QStringList { "0.25", "0" }
                               << QStringList { "-1", "0" }
                               << QStringList { "0.3", "0.25", "-1", "-0.45" };
}

void tst_SalaryStatement::arrearsRow()
{
    QFETCH(QStringList, da);
    QFETCH(QStringList, mgc);
    QFETCH(QStringList, transport);
    QFETCH(QStringList, printed);
    SalaryStatementFields fields = knownSalarySheet();
    fields.da[1] = da[0];
    fields.da[0] = da[1];
    fields.mgc[1] = mgc[0];
    fields.mgc[0] = mgc[1];
    fields.transport[1] = transport[0];
    fields.transport[0] = transport[1];
    const RecordingPage page = drawn(fields);
    checkRightAlignedRow(
        page, 4.4f, QStringList { "DA Arr." } + printed, { 1.0f, 4.0f, 6.0f, 7.0f, 8.0f }, false);
    // The arrears rows' own captions and other cells never print.
    QVERIFY(textsEqual(page, QStringLiteral("Jan 14 (A)")).isEmpty());
    QVERIFY(textsEqual(page, QStringLiteral("777001")).isEmpty());
    QVERIFY(textsEqual(page, QStringLiteral("777007")).isEmpty());
}

void tst_SalaryStatement::arrearsTooLargeDrawsNothing()
{
    SalaryStatementFields fields = knownSalarySheet();
    fields.da[0] = QStringLiteral("1E+308");
    fields.mgc[0] = QStringLiteral("1E+308");
    // Each column adds up, but their total does not.
    QVERIFY(!print::salaryStatementProblem(fields).isEmpty());
    RecordingPage page;
    QVERIFY(!print::drawSalaryStatement(page, fields));
    QVERIFY(page.operations.isEmpty());

    fields.mgc[0] = QStringLiteral("0");
    fields.da[1] = QStringLiteral("1E+308");
    QVERIFY(!print::salaryStatementProblem(fields).isEmpty());
    fields.da[1] = QStringLiteral("-1E+308");
    QVERIFY(print::salaryStatementProblem(fields).isEmpty());
}

void tst_SalaryStatement::totalsRow()
{
    const RecordingPage page = drawn(knownSalarySheet());
    checkRightAlignedRow(page, 4.6f,
        { "Totals", "900001", "900002", "900003", "900004", "900005", "900006", "900007" },
        QList<float>(std::begin(kEdges), std::end(kEdges)), true);
}

void tst_SalaryStatement::annualFigures_data()
{
    QTest::addColumn<float>("top");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("amount");
    QTest::newRow("other allowances") << 5.2f << "Other Allowances :-"
                                      << "600005";
    QTest::newRow("overtime") << 5.4f << "Over Time Allowance :-"
                              << "600002";
    QTest::newRow("honorarium") << 5.6f << "Honorarium :-"
                                << "600004";
    QTest::newRow("tuition fee") << 5.8f << "Tuition Fee :-"
                                 << "600003";
    QTest::newRow("bonus") << 6.0f << "Bonus :-"
                           << "600001";
    QTest::newRow("arrears") << 6.2f << "Arrears :-"
                             << "600000";
}

void tst_SalaryStatement::annualFigures()
{
    QFETCH(float, top);
    QFETCH(QString, label);
    QFETCH(QString, amount);
    const RecordingPage page = drawn(knownSalarySheet());
    checkRightAlignedRow(page, top, { label, amount }, { 7.0f, 8.0f }, false);
}

void tst_SalaryStatement::grandTotal()
{
    const RecordingPage page = drawn(knownSalarySheet());
    checkRightAlignedRow(page, 6.4f, { "GRAND TOTAL :-", "999999" }, { 7.0f, 8.0f }, true);
}

void tst_SalaryStatement::rules()
{
    const RecordingPage page = drawn(knownSalarySheet());
    const QList<int> lines = indicesOf(page, Kind::Line);
    const float expected[][3] = { { 4.4f, 1.0f, 8.1f }, { 4.8f, 1.0f, 8.1f }, { 6.4f, 7.0f, 8.1f },
        { 6.6f, 7.0f, 8.1f } };
    QCOMPARE(lines.size(), 4);
    for (int k = 0; k < 4; ++k) {
        const Op &op = page.operations[lines[k]];
        QCOMPARE(op.y, double(expected[k][0]));
        QCOMPARE(op.y2, double(expected[k][0]));
        QCOMPARE(op.x, double(expected[k][1]));
        QCOMPARE(op.x2, double(expected[k][2]));
    }
}

void tst_SalaryStatement::footerAndEnd()
{
    const RecordingPage page = drawn(knownSalarySheet());
    const QList<int> found = textsEqual(page, QStringLiteral("Generated by Morvel1314"));
    QCOMPARE(found.size(), 1);
    const Op &op = page.operations[found[0]];
    QCOMPARE(op.x, 1.0);
    QCOMPARE(op.y, double(7.0f));
    QVERIFY(sameFont(op.font, 8, false, false));
    QCOMPARE(found[0], int(page.operations.size()) - 2);
    QCOMPARE(indicesOf(page, Kind::End), QList<int> { int(page.operations.size()) - 1 });
    // Title, name, 10 headings, 12 rows of 8, arrears 5, totals 8, 6 annual rows of 2,
    // grand total 2, footer.
    QCOMPARE(indicesOf(page, Kind::Text).size(), 2 + 10 + 96 + 5 + 8 + 12 + 2 + 1);
}

void tst_SalaryStatement::emptyAndNonNumericCells()
{
    SalaryStatementFields fields = knownSalarySheet();
    fields.hra[5] = QString();
    fields.rowTotal[5] = QStringLiteral("n/a");
    fields.grandTotal = QString();
    const RecordingPage page = drawn(fields);
    const QList<int> row = textsAt(page, float(2.0 + 0.2 + 0.2 + 0.2));
    QCOMPARE(row.size(), 8);
    QCOMPARE(page.operations[row[4]].text, QString());
    QCOMPARE(page.operations[row[4]].x, 5.0);
    QCOMPARE(page.operations[row[7]].text, QStringLiteral("n/a"));
    const QList<int> grand = textsAt(page, 6.4f);
    QCOMPARE(page.operations[grand[0]].text, QStringLiteral("GRAND TOTAL :-"));
    QCOMPARE(page.operations[grand[1]].x, 8.0);
}

void tst_SalaryStatement::neverOpenedSheetPrintsZero()
{
    const RecordingPage page = drawn(SalaryStatementFields {});
    double y = 2.0;
    for (int i = 2; i < 14; ++i) {
        const QList<int> row = textsAt(page, float(y));
        QCOMPARE(row.size(), 8);
        for (int k = 1; k < 8; ++k)
            QCOMPARE(page.operations[row[k]].text, QStringLiteral("0"));
        y += 0.2;
    }
    const QList<int> arrears = textsAt(page, 4.4f);
    QCOMPARE(arrears.size(), 5);
    for (int k = 1; k < 5; ++k)
        QCOMPARE(page.operations[arrears[k]].text, QStringLiteral("0"));
}

QTEST_MAIN(tst_SalaryStatement)
#include "tst_salarystatement.moc"
