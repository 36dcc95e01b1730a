// The computation of income tax as drawn on a recording page: every row, font, position,
// right edge and rule, for a known sheet and for sheets never opened.
#include "expected.h"
#include "recording.h"

#include "app/branding.h"
#include "print/page.h"
#include "print/taxstatement.h"

#include <QtTest>

using namespace recording;
using print::RecordingPage;
using print::TaxStatementFields;
using namespace expected;

namespace {

RecordingPage drawn(const TaxStatementFields &fields)
{
    RecordingPage page;
    [&] { QVERIFY(print::drawTaxStatement(page, fields)); }();
    return page;
}

bool sameFont(const print::PageFont &font, float points, bool bold, bool italic, bool underline)
{
    return font == print::PageFont { QStringLiteral("Tahoma"), points, bold, italic, underline };
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
    const RecordingPage page = drawn(knownTaxSheet());
    QVERIFY(page.operations.size() > 5);
    const QList<Kind> kinds
        = { Kind::FontName, Kind::FontSize, Kind::Bold, Kind::Underline, Kind::Italic };
    for (int i = 0; i < kinds.size(); ++i)
        QCOMPARE(page.operations[i].kind, kinds[i]);
    QCOMPARE(page.operations[0].text, QStringLiteral("Tahoma"));
    QVERIFY(sameFont(page.operations[4].font, 12, true, false, true));
}

void tst_TaxStatement::titleAndName()
{
    const RecordingPage page = drawn(knownTaxSheet());
    const QList<int> title
        = textsEqual(page, QStringLiteral("CALCULATION OF INCOME TAX FOR THE YEAR 2014-15"));
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
    const RecordingPage page = drawn(knownTaxSheet());
    const QList<int> atTop = textsAt(page, expected.top);
    const int textCount
        = (expected.label ? 1 : 0) + (expected.amount1 ? 1 : 0) + (expected.amount2 ? 1 : 0);
    QCOMPARE(atTop.size(), textCount);

    if (expected.label) {
        const QList<int> label = textsEqual(page, QString::fromLatin1(expected.label));
        QCOMPARE(label.size(), 1);
        const Op &op = page.operations[label[0]];
        QCOMPARE(op.x, double(expected.labelX));
        QCOMPARE(op.y, double(expected.top));
        QVERIFY(sameFont(op.font, 9, expected.bold, false, false));
    }
    const QList<std::pair<const char *, float>> amounts
        = { { expected.amount1, expected.edge1 }, { expected.amount2, expected.edge2 } };
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
        QVERIFY2(std::abs(op.x + width - edge) < 1e-6,
            qPrintable(QStringLiteral("%1 ends at %2, not %3")
                           .arg(QLatin1String(text))
                           .arg(op.x + width)
                           .arg(edge)));
    }
}

void tst_TaxStatement::everyTextIsAccountedFor()
{
    const RecordingPage page = drawn(knownTaxSheet());
    // Title, name, 46 labels, 44 amounts, two footer lines.
    QCOMPARE(indicesOf(page, Kind::Text).size(), 94);
}

void tst_TaxStatement::rules()
{
    const RecordingPage page = drawn(knownTaxSheet());
    QList<QList<double>> lines;
    for (int i : indicesOf(page, Kind::Line)) {
        const Op &op = page.operations[i];
        lines.append({ op.y, op.x, op.x2, op.y2 });
    }
    const float expected[][3] = { { 1.90f, 4.0f, 5.0f }, { 1.90f, 5.0f, 6.0f },
        { 2.65f, 5.0f, 6.0f }, { 3.40f, 4.0f, 6.0f }, { 3.85f, 6.0f, 7.0f }, { 6.25f, 4.0f, 5.0f },
        { 6.70f, 4.0f, 5.0f }, { 7.45f, 5.0f, 6.0f }, { 7.60f, 6.0f, 7.0f }, { 7.75f, 6.0f, 7.0f },
        { 8.20f, 6.0f, 7.0f }, { 8.50f, 6.0f, 7.0f }, { 8.80f, 6.0f, 7.0f },
        { 8.95f, 6.0f, 7.0f } };
    QCOMPARE(lines.size(), int(std::size(expected)));
    for (const auto &rule : expected) {
        const QList<double> line
            = { double(rule[0]), double(rule[1]), double(rule[2]), double(rule[0]) };
        QVERIFY2(lines.contains(line),
            qPrintable(
                QStringLiteral("rule at %1 from %2 to %3").arg(rule[0]).arg(rule[1]).arg(rule[2])));
    }
}

void tst_TaxStatement::footer()
{
    const RecordingPage page = drawn(knownTaxSheet());
    const QString credit = QStringLiteral("Generated by Morvel1415 :- By ")
        + branding::authorCredit() + QStringLiteral("(Free download from ") + branding::homePage()
        + QStringLiteral(")");
    const QString contact
        = QStringLiteral("For suggestions/ reporting of bugs contact ") + branding::contactEmail();
    const QList<std::pair<QString, float>> lines = { { credit, 10.25f }, { contact, 10.45f } };
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
    const RecordingPage page = drawn(knownTaxSheet());
    QVERIFY(!page.landscape);
    QVERIFY(indicesOf(page, Kind::Landscape).isEmpty());
    QCOMPARE(indicesOf(page, Kind::End), QList<int> { int(page.operations.size()) - 1 });
}

void tst_TaxStatement::boldAndRegularEndOnTheirEdges()
{
    TaxStatementFields fields = knownTaxSheet();
    fields.mainGs = QStringLiteral("888888"); // regular row, edge 6.0
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
    TaxStatementFields fields = knownTaxSheet();
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
    TaxStatementFields fields = knownTaxSheet();
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
    QTest::newRow("both empty") << ""
                                << ""
                                << "0";
    QTest::newRow("both zero") << "0"
                               << "0"
                               << "0";
    QTest::newRow("1000 and 2500") << "1000"
                                   << "2500"
                                   << "3500";
    QTest::newRow("non-numeric counts as 0") << "abc"
                                             << "700"
                                             << "700";
    QTest::newRow("leading number only") << "1e3"
                                         << "12,500"
                                         << "1012";
    QTest::newRow("fractions as number text") << "0.1"
                                              << "0.2"
                                              << "0.3";
    QTest::newRow("negative") << "-500"
                              << "200"
                              << "-300";
}

void tst_TaxStatement::pensionSchemeSum()
{
    QFETCH(QString, government);
    QFETCH(QString, employee);
    QFETCH(QString, printed);
    TaxStatementFields fields = knownTaxSheet();
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
    TaxStatementFields fields = knownTaxSheet();
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
    const RecordingPage page = drawn(TaxStatementFields {});
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
    const RecordingPage first = drawn(knownTaxSheet());
    const RecordingPage second = drawn(knownTaxSheet());
    QCOMPARE(first.operations.size(), second.operations.size());
    for (int i = 0; i < first.operations.size(); ++i) {
        const Op &a = first.operations[i];
        const Op &b = second.operations[i];
        QVERIFY(
            a.kind == b.kind && a.text == b.text && a.x == b.x && a.y == b.y && a.font == b.font);
    }
}

QTEST_MAIN(tst_TaxStatement)
#include "tst_taxstatement.moc"
