// The computation of income tax as drawn on a recording page: every row, font, position,
// right edge and rule, for a known sheet and for sheets never opened.
#include "recording.h"

#include "app/branding.h"
#include "print/page.h"
#include "print/taxstatement.h"

#include <QtTest>

using namespace recording;
using print::RecordingPage;
using print::TaxStatementFields;

namespace {

// A sheet whose every amount is a different text, so that each can be found by its text.
TaxStatementFields knownSheet()
{
    TaxStatementFields f;
    f.mainName = QStringLiteral("R. K. SHARMA");
    f.mainGs = QStringLiteral("612480");
    f.mainTp = QStringLiteral("9600");
    f.mainHra = QStringLiteral("45210");
    f.mainExall = QStringLiteral("54810");
    f.mainNsal = QStringLiteral("557670");
    f.houseArv = QStringLiteral("120000");
    f.housePtax = QStringLiteral("6000");
    f.houseGhi = QStringLiteral("114000");
    f.houseRep = QStringLiteral("34200");
    f.houseIntt = QStringLiteral("150000");
    f.houseOth = QStringLiteral("1250");
    f.houseTd = QStringLiteral("185450");
    f.houseIhp = QStringLiteral("-71450");
    f.mainOs = QStringLiteral("12000");
    f.mainGti = QStringLiteral("498220");
    f.deductionsGpf = QStringLiteral("60000");
    f.deductionsGis = QStringLiteral("720");
    f.deductionsHba = QStringLiteral("24000");
    f.deductionsLic = QStringLiteral("18500");
    f.deductionsPpf = QStringLiteral("20000");
    f.deductionsNsc = QStringLiteral("5000");
    f.deductionsNsci = QStringLiteral("1400");
    f.deductionsTf1 = QStringLiteral("7200");
    f.deductionsTf2 = QStringLiteral("6300");
    f.deductionsInf = QStringLiteral("2500");
    f.deductionsOs = QStringLiteral("3100");
    f.deductions80c = QStringLiteral("148720");
    f.deductions80ccc = QStringLiteral("4000");
    f.deductions80ccdec = QStringLiteral("2111");
    f.deductions80ccdgc = QStringLiteral("3222");
    f.deductionsTot1 = QStringLiteral("150001");
    f.deductions80ccf = QStringLiteral("8000");
    f.deductions80d = QStringLiteral("15000");
    f.deductions80g = QStringLiteral("2000");
    f.deductionsOth = QStringLiteral("1100");
    f.deductionsGt80 = QStringLiteral("176101");
    f.mainNti = QStringLiteral("322120");
    f.mainGtax = QStringLiteral("12212");
    f.mainRel87A = QStringLiteral("2001");
    f.mainRel89 = QStringLiteral("350");
    f.mainNtax = QStringLiteral("9861");
    f.mainCess = QStringLiteral("296");
    f.mainTtax = QStringLiteral("10157");
    f.mainDedtax = QStringLiteral("9000");
    f.mainBaltax = QStringLiteral("1157");
    return f;
}

RecordingPage drawn(const TaxStatementFields &fields)
{
    RecordingPage page;
    [&] { QVERIFY(print::drawTaxStatement(page, fields)); }();
    return page;
}

// Rows 3 to 50 in the body font.
struct BodyRow
{
    const char *name;
    float top;
    float labelX;
    const char *label;
    bool bold;
    const char *amount1;
    float edge1;
    const char *amount2;
    float edge2;
};

const BodyRow kBody[] = {
    {"3 salary head", 1.15f, 1.0f, "INCOME FROM 'SALARY'", true, nullptr, 0, nullptr, 0},
    {"4 gross salary", 1.30f, 1.0f, "Gross Salary :-", false, "612480", 6.0f, nullptr, 0},
    {"5 exempt u/s 10", 1.45f, 1.0f, "Less Allowances Exempt u/s 10 :-", false, nullptr, 0, nullptr, 0},
    {"6 transport", 1.60f, 1.2f, "Transport Allowance :-", false, "9600", 5.0f, nullptr, 0},
    {"7 hra and exempt total", 1.75f, 1.2f, "House Rent Allowance :-", false, "45210", 5.0f, "54810", 6.0f},
    {"8 income from salary", 1.90f, 0, nullptr, true, "557670", 7.0f, nullptr, 0},
    {"9 house head", 2.20f, 1.0f, "INCOME FROM 'HOUSE PROPERTY'", true, nullptr, 0, nullptr, 0},
    {"10 annual value", 2.35f, 1.0f, "Annual Rental Value", false, "120000", 6.0f, nullptr, 0},
    {"11 property taxes", 2.50f, 1.0f, "Less Property Taxes :-", false, "6000", 6.0f, nullptr, 0},
    {"12 gross house income", 2.65f, 1.0f, "Gross Income from House Property :-", false, "114000", 6.0f, nullptr, 0},
    {"13 u/s 24", 2.80f, 1.0f, "Less Deductions u/s 24 :-", false, nullptr, 0, nullptr, 0},
    {"14 repairs", 2.95f, 1.2f, "Repairs & Maintenance :-", false, "34200", 5.0f, nullptr, 0},
    {"15 interest", 3.10f, 1.2f, "Interest on Borrowed Capital :-", false, "150000", 5.0f, nullptr, 0},
    {"16 others and total", 3.25f, 1.2f, "Others :-", false, "1250", 5.0f, "185450", 6.0f},
    {"17 house income", 3.40f, 0, nullptr, true, "-71450", 7.0f, nullptr, 0},
    {"18 other sources", 3.70f, 1.0f, "INCOME FROM 'OTHER SOURCES' :-", true, "12000", 7.0f, nullptr, 0},
    {"19 gross total income", 4.00f, 1.0f, "GROSS TOTAL INCOME :-", true, "498220", 7.0f, nullptr, 0},
    {"20 u/s 80", 4.30f, 1.0f, "Deductions u/s 80 :-", false, nullptr, 0, nullptr, 0},
    {"21 80C", 4.45f, 1.2f, "Section 80C :-", false, nullptr, 0, nullptr, 0},
    {"22 GPF", 4.60f, 1.4f, "GPF -", false, "60000", 5.0f, nullptr, 0},
    {"23 CGEGIS", 4.75f, 1.4f, "CGEGIS -", false, "720", 5.0f, nullptr, 0},
    {"24 HBA", 4.90f, 1.4f, "HBA -", false, "24000", 5.0f, nullptr, 0},
    {"25 LIC", 5.05f, 1.4f, "LIC -", false, "18500", 5.0f, nullptr, 0},
    {"26 PPF", 5.20f, 1.4f, "PPF -", false, "20000", 5.0f, nullptr, 0},
    {"27 NSC", 5.35f, 1.4f, "NSC -", false, "5000", 5.0f, nullptr, 0},
    {"28 NSC interest", 5.50f, 1.4f, "NSC Interest -", false, "1400", 5.0f, nullptr, 0},
    {"29 tuition I", 5.65f, 1.4f, "Tuition Fee (I) -", false, "7200", 5.0f, nullptr, 0},
    {"30 tuition II", 5.80f, 1.4f, "Tuition Fee (II) -", false, "6300", 5.0f, nullptr, 0},
    {"31 infrastructure", 5.95f, 1.4f, "Infrastructure Bonds -", false, "2500", 5.0f, nullptr, 0},
    {"32 other savings", 6.10f, 1.4f, "Other Savings -", false, "3100", 5.0f, nullptr, 0},
    {"33 total 80C", 6.25f, 1.2f, "Total (80C) -", false, "148720", 5.0f, nullptr, 0},
    {"34 80CCC", 6.40f, 1.2f, "Jeevan Suraksha (80CCC) :-", false, "4000", 5.0f, nullptr, 0},
    {"35 NPS sum", 6.55f, 1.2f, "NPS (EC + GC) (80CCD):-", false, "5333", 5.0f, nullptr, 0},
    {"36 total 80C+CCC+CCD", 6.70f, 1.2f, "Total(80C+80CCC+80CCD) -", false, "150001", 6.0f, nullptr, 0},
    {"37 80CCF", 6.85f, 1.2f, "Infrastructure Bonds (80CCF) -", false, "8000", 6.0f, nullptr, 0},
    {"38 80D", 7.00f, 1.2f, "Mediclaim/CGHS (80D) : -", false, "15000", 6.0f, nullptr, 0},
    {"39 80G", 7.15f, 1.2f, "Donations (80G) :-", false, "2000", 6.0f, nullptr, 0},
    {"40 other deductions", 7.30f, 1.2f, "Other Deductions :-", false, "1100", 6.0f, nullptr, 0},
    {"41 total u/s 80", 7.45f, 1.0f, "Total Deductions u/s 80 :-", true, "176101", 7.0f, nullptr, 0},
    {"42 net taxable income", 7.60f, 1.0f, "NET TAXABLE INCOME :-", true, "322120", 7.0f, nullptr, 0},
    {"43 gross tax", 7.75f, 1.0f, "GROSS TAX :-", true, "12212", 7.0f, nullptr, 0},
    {"44 relief 87A", 7.90f, 1.0f, "Relief u/s 87A :-", true, "2001", 7.0f, nullptr, 0},
    {"45 relief 89", 8.05f, 1.0f, "Relief u/s 89 :-", true, "350", 7.0f, nullptr, 0},
    {"46 net tax", 8.20f, 1.0f, "NET TAX :-", true, "9861", 7.0f, nullptr, 0},
    {"47 cess", 8.35f, 1.0f, "Education Cess :-", true, "296", 7.0f, nullptr, 0},
    {"48 total tax", 8.50f, 1.0f, "TOTAL TAX :-", true, "10157", 7.0f, nullptr, 0},
    {"49 tax deducted", 8.65f, 1.0f, "TAX DEDUCTED :-", true, "9000", 7.0f, nullptr, 0},
    {"50 balance tax", 8.80f, 1.0f, "BALANCE TAX :-", true, "1157", 7.0f, nullptr, 0},
};

bool sameFont(const print::PageFont &font, float points, bool bold, bool italic, bool underline)
{
    return font == print::PageFont{QStringLiteral("Tahoma"), points, bold, italic, underline};
}

} // namespace

class tst_TaxStatement : public QObject
{
    Q_OBJECT

private slots:
    void setsUpTheWholeFontFirst();
    void titleAndName();
    void bodyRow_data();
    void bodyRow();
    void everyTextIsAccountedFor();
    void rules();
    void footer();
    void onePortraitPageEnded();
    void boldAndRegularEndOnTheirEdges();
    void emptyAmountLeavesItsPlaceBlank();
    void textPrintedUnchanged_data();
    void textPrintedUnchanged();
    void pensionSchemeSum_data();
    void pensionSchemeSum();
    void pensionSumTooLargeDrawsNothing();
    void neverOpenedSheetsPrintZero();
    void sameSheetSamePage();
};

void tst_TaxStatement::setsUpTheWholeFontFirst()
{
    const RecordingPage page = drawn(knownSheet());
    QVERIFY(page.operations.size() > 5);
    const QList<Kind> kinds = {Kind::FontName, Kind::FontSize, Kind::Bold, Kind::Underline, Kind::Italic};
    for (int i = 0; i < kinds.size(); ++i)
        QCOMPARE(page.operations[i].kind, kinds[i]);
    QCOMPARE(page.operations[0].text, QStringLiteral("Tahoma"));
    QVERIFY(sameFont(page.operations[4].font, 12, true, false, true));
}

void tst_TaxStatement::titleAndName()
{
    const RecordingPage page = drawn(knownSheet());
    const QList<int> title = textsEqual(page, QStringLiteral("CALCULATION OF INCOME TAX FOR THE YEAR 2014-15"));
    QCOMPARE(title.size(), 1);
    const Op &t = page.operations[title[0]];
    QCOMPARE(t.x, 1.0);
    QCOMPARE(t.y, double(0.40f));
    QVERIFY(sameFont(t.font, 12, true, false, true));

    const QList<int> name = textsEqual(page, QStringLiteral("R. K. SHARMA"));
    QCOMPARE(name.size(), 1);
    const Op &n = page.operations[name[0]];
    QCOMPARE(n.x, 1.0);
    QCOMPARE(n.y, double(0.60f));
    QVERIFY(sameFont(n.font, 12, true, false, true));
}

void tst_TaxStatement::bodyRow_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kBody)); ++i)
        QTest::newRow(kBody[i].name) << i;
}

void tst_TaxStatement::bodyRow()
{
    QFETCH(int, row);
    const BodyRow &expected = kBody[row];
    const RecordingPage page = drawn(knownSheet());
    const QList<int> atTop = textsAt(page, expected.top);
    const int textCount = (expected.label ? 1 : 0) + (expected.amount1 ? 1 : 0) + (expected.amount2 ? 1 : 0);
    QCOMPARE(atTop.size(), textCount);

    if (expected.label) {
        const QList<int> label = textsEqual(page, QString::fromLatin1(expected.label));
        QCOMPARE(label.size(), 1);
        const Op &op = page.operations[label[0]];
        QCOMPARE(op.x, double(expected.labelX));
        QCOMPARE(op.y, double(expected.top));
        QVERIFY(sameFont(op.font, 9, expected.bold, false, false));
    }
    const QList<std::pair<const char *, float>> amounts = {{expected.amount1, expected.edge1},
                                                            {expected.amount2, expected.edge2}};
    for (const auto &[text, edge] : amounts) {
        if (!text)
            continue;
        const QList<int> found = textsEqual(page, QString::fromLatin1(text));
        QCOMPARE(found.size(), 1);
        const Op &op = page.operations[found[0]];
        QCOMPARE(op.y, double(expected.top));
        QVERIFY2(sameFont(op.font, 9, expected.bold, false, false), text);
        const double width = widthMeasuredFor(page, found[0]);
        QVERIFY2(width > 0, text);
        QVERIFY2(std::abs(op.x + width - edge) < 1e-6, qPrintable(QStringLiteral("%1 ends at %2, not %3")
                                                               .arg(QLatin1String(text)).arg(op.x + width).arg(edge)));
    }
}

void tst_TaxStatement::everyTextIsAccountedFor()
{
    const RecordingPage page = drawn(knownSheet());
    // Title, name, 46 labels, 44 amounts, two footer lines.
    QCOMPARE(indicesOf(page, Kind::Text).size(), 94);
}

void tst_TaxStatement::rules()
{
    const RecordingPage page = drawn(knownSheet());
    QList<QList<double>> lines;
    for (int i : indicesOf(page, Kind::Line)) {
        const Op &op = page.operations[i];
        lines.append({op.y, op.x, op.x2, op.y2});
    }
    const float expected[][3] = {{1.90f, 4.0f, 5.0f}, {1.90f, 5.0f, 6.0f}, {2.65f, 5.0f, 6.0f},
                                 {3.40f, 4.0f, 6.0f}, {3.85f, 6.0f, 7.0f}, {6.25f, 4.0f, 5.0f},
                                 {6.70f, 4.0f, 5.0f}, {7.45f, 5.0f, 6.0f}, {7.60f, 6.0f, 7.0f},
                                 {7.75f, 6.0f, 7.0f}, {8.20f, 6.0f, 7.0f}, {8.50f, 6.0f, 7.0f},
                                 {8.80f, 6.0f, 7.0f}, {8.95f, 6.0f, 7.0f}};
    QCOMPARE(lines.size(), int(std::size(expected)));
    for (const auto &rule : expected) {
        const QList<double> line = {double(rule[0]), double(rule[1]), double(rule[2]), double(rule[0])};
        QVERIFY2(lines.contains(line), qPrintable(QStringLiteral("rule at %1 from %2 to %3")
                                                      .arg(rule[0]).arg(rule[1]).arg(rule[2])));
    }
}

void tst_TaxStatement::footer()
{
    const RecordingPage page = drawn(knownSheet());
    const QString credit = QStringLiteral("Generated by Morvel1415 :- By ") + branding::authorCredit()
        + QStringLiteral("(Free download from ") + branding::homePage() + QStringLiteral(")");
    const QString contact = QStringLiteral("For suggestions/ reporting of bugs contact ") + branding::contactEmail();
    const QList<std::pair<QString, float>> lines = {{credit, 10.25f}, {contact, 10.45f}};
    for (const auto &[text, top] : lines) {
        const QList<int> found = textsEqual(page, text);
        QCOMPARE(found.size(), 1);
        const Op &op = page.operations[found[0]];
        QCOMPARE(op.x, 1.0);
        QCOMPARE(op.y, double(top));
        QVERIFY(sameFont(op.font, 8, false, true, false));
    }
}

void tst_TaxStatement::onePortraitPageEnded()
{
    const RecordingPage page = drawn(knownSheet());
    QVERIFY(!page.landscape);
    QVERIFY(indicesOf(page, Kind::Landscape).isEmpty());
    QCOMPARE(indicesOf(page, Kind::End), QList<int>{int(page.operations.size()) - 1});
}

void tst_TaxStatement::boldAndRegularEndOnTheirEdges()
{
    TaxStatementFields fields = knownSheet();
    fields.mainGs = QStringLiteral("888888");   // regular row, edge 6.0
    fields.mainNsal = QStringLiteral("888888"); // bold row, edge 7.0
    const RecordingPage page = drawn(fields);
    const QList<int> found = textsEqual(page, QStringLiteral("888888"));
    QCOMPARE(found.size(), 2);
    const Op &regular = page.operations[found[0]];
    const Op &bold = page.operations[found[1]];
    QVERIFY(!regular.font.bold);
    QVERIFY(bold.font.bold);
    const double regularWidth = widthMeasuredFor(page, found[0]);
    const double boldWidth = widthMeasuredFor(page, found[1]);
    QVERIFY(boldWidth > regularWidth * 1.02); // the bold face is measured, not the regular one
    QVERIFY(std::abs(regular.x + regularWidth - 6.0) < 1e-6);
    QVERIFY(std::abs(bold.x + boldWidth - 7.0) < 1e-6);
}

void tst_TaxStatement::emptyAmountLeavesItsPlaceBlank()
{
    TaxStatementFields fields = knownSheet();
    fields.houseOth.clear();
    const RecordingPage page = drawn(fields);
    const QList<int> row = textsAt(page, 3.25f);
    QCOMPARE(row.size(), 3);
    QCOMPARE(page.operations[row[0]].text, QStringLiteral("Others :-"));
    QCOMPARE(page.operations[row[1]].text, QString());
    QCOMPARE(page.operations[row[1]].x, 5.0);
    QCOMPARE(page.operations[row[2]].text, QStringLiteral("185450"));
    QCOMPARE(indicesOf(page, Kind::Line).size(), 14);
}

void tst_TaxStatement::textPrintedUnchanged_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("letters") << "abc";
    QTest::newRow("rupee prefix") << "Rs. 500";
    QTest::newRow("grouping comma") << "12,500";
    QTest::newRow("very long grows leftwards") << "123456789012345678901234567890";
}

void tst_TaxStatement::textPrintedUnchanged()
{
    QFETCH(QString, text);
    TaxStatementFields fields = knownSheet();
    fields.mainGti = text;
    const RecordingPage page = drawn(fields);
    const QList<int> row = textsAt(page, 4.00f);
    QCOMPARE(row.size(), 2);
    const Op &amount = page.operations[row[1]];
    QCOMPARE(amount.text, text);
    QVERIFY(std::abs(amount.x + widthMeasuredFor(page, row[1]) - 7.0) < 1e-6);
}

void tst_TaxStatement::pensionSchemeSum_data()
{
    QTest::addColumn<QString>("government");
    QTest::addColumn<QString>("employee");
    QTest::addColumn<QString>("printed");
    QTest::newRow("both empty") << "" << "" << "0";
    QTest::newRow("both zero") << "0" << "0" << "0";
    QTest::newRow("1000 and 2500") << "1000" << "2500" << "3500";
    QTest::newRow("non-numeric counts as 0") << "abc" << "700" << "700";
    QTest::newRow("leading number only") << "1e3" << "12,500" << "1012";
    QTest::newRow("fractions as number text") << "0.1" << "0.2" << "0.3";
    QTest::newRow("negative") << "-500" << "200" << "-300";
}

void tst_TaxStatement::pensionSchemeSum()
{
    QFETCH(QString, government);
    QFETCH(QString, employee);
    QFETCH(QString, printed);
    TaxStatementFields fields = knownSheet();
    fields.deductions80ccdgc = government;
    fields.deductions80ccdec = employee;
    QCOMPARE(print::pensionSchemeSum(fields), printed);
    const RecordingPage page = drawn(fields);
    const QList<int> row = textsAt(page, 6.55f);
    QCOMPARE(row.size(), 2);
    QCOMPARE(page.operations[row[0]].text, QStringLiteral("NPS (EC + GC) (80CCD):-"));
    const Op &amount = page.operations[row[1]];
    QCOMPARE(amount.text, printed);
    QVERIFY(std::abs(amount.x + widthMeasuredFor(page, row[1]) - 5.0) < 1e-6);
}

void tst_TaxStatement::pensionSumTooLargeDrawsNothing()
{
    TaxStatementFields fields = knownSheet();
    fields.deductions80ccdgc = QStringLiteral("1E+308");
    fields.deductions80ccdec = QStringLiteral("1E+308");
    QVERIFY(!print::taxStatementProblem(fields).isEmpty());
    RecordingPage page;
    QVERIFY(!print::drawTaxStatement(page, fields));
    QVERIFY(page.operations.isEmpty());

    fields.deductions80ccdec = QStringLiteral("-1E+308");
    QVERIFY(print::taxStatementProblem(fields).isEmpty());
    QVERIFY(print::drawTaxStatement(page, fields));
}

void tst_TaxStatement::neverOpenedSheetsPrintZero()
{
    const RecordingPage page = drawn(TaxStatementFields{});
    int amounts = 0;
    for (const BodyRow &row : kBody) {
        const QList<int> atTop = textsAt(page, row.top);
        const int first = row.label ? 1 : 0;
        for (int k = first; k < atTop.size(); ++k) {
            QCOMPARE(page.operations[atTop[k]].text, QStringLiteral("0"));
            ++amounts;
        }
    }
    QCOMPARE(amounts, 44);
    const QList<int> name = textsAt(page, 0.60f);
    QCOMPARE(name.size(), 1);
    QCOMPARE(page.operations[name[0]].text, QString());
}

void tst_TaxStatement::sameSheetSamePage()
{
    const RecordingPage first = drawn(knownSheet());
    const RecordingPage second = drawn(knownSheet());
    QCOMPARE(first.operations.size(), second.operations.size());
    for (int i = 0; i < first.operations.size(); ++i) {
        const Op &a = first.operations[i];
        const Op &b = second.operations[i];
        QVERIFY(a.kind == b.kind && a.text == b.text && a.x == b.x && a.y == b.y && a.font == b.font);
    }
}

QTEST_MAIN(tst_TaxStatement)
#include "tst_taxstatement.moc"
