// Form 16, the office register and the planner: every text where the expected listing has
// it, on paper too; nothing off the page or on another text however many lines row 9 or the
// planner has or however long the typed texts are; the register's pages, each with title and
// headings, and its totals at the end.
#include "print/form16.h"
#include "print/page.h"
#include "print/plan.h"
#include "print/printing.h"
#include "print/register.h"
#include "support/printsupport.h"
#include "support/testsupport.h"

#include <QFontMetricsF>
#include <QTemporaryDir>

using print::RecordingPage;
using Kind = RecordingPage::Kind;

namespace {

// Row 9: the lines of (A), then those of (B).
const QStringList kCaptions = { "Provident fund (GPF)", "Group insurance (CGEGIS)", "House building advance (principal)",
    "Life insurance premium", "Public provident fund", "National savings certificates", "Interest on NSC (reinvested)",
    "Tuition fees", "Infrastructure bonds, 80C", "Other savings", "Pension fund (80CCC)", "NPS, employee (80CCD(1))",
    "NPS, employer (80CCD(2))", "Infrastructure bonds (80CCF)", "Medical insurance (80D)", "Donations (80G)", "Other deductions" };

// Typed texts `times` over; amounts numbered from 410111, or all `amount` when it is given.
print::Form16Fields form16(int linesA, int linesB, int times = 1, const QString &amount = {})
{
    using F = print::Form16Fields;
    F f;
    for (auto [member, text] : { std::pair { &F::employerName, "Pay and Accounts Office (Central Secretariat)" },
             { &F::employerAddress, "Room 212, Lok Nayak Bhawan, Khan Market, New Delhi 110003" }, { &F::employeeName, "R. K. Sharma" },
             { &F::employeeDesignation, "Section Officer" }, { &F::employeeAddress, "C-14, Sector 7, R. K. Puram, New Delhi 110022" },
             { &F::deductorPan, "PANNOTREQD" }, { &F::deductorTan, "DELP01234E" }, { &F::employeePan, "ABCPS1234K" }, { &F::assessmentYear, "2015-16" },
             { &F::citAddress, "Aaykar Bhawan, Laxmi Nagar District Centre, Delhi 110092" }, { &F::periodFrom, "01/04/2014" },
             { &F::periodTo, "31/03/2015" }, { &F::relief89Note, "Form 10E for relief u/s 89(1) attached" }, { &F::signatoryName, "S. P. Verma" },
             { &F::signatoryFather, "Late Shri K. L. Verma" }, { &F::signatoryDesignation, "Pay and Accounts Officer" },
             { &F::place, "New Delhi" }, { &F::date, "30/05/2015" }, { &F::footerCredit, "Printed by Morvel" } })
        f.*member = QString(text).append(' ').repeated(times).trimmed();
    int n = 0;
    auto next = [&] { return amount.isEmpty() ? QString::number(410000 + 111 * ++n) : amount; };
    for (QString F::*member : { &F::salary17_1, &F::perquisites17_2, &F::profits17_3, &F::grossSalary, &F::transportExempt, &F::hraExempt,
             &F::exemptTotal, &F::balance, &F::entertainment, &F::employmentTax, &F::aggregate, &F::chargeable, &F::houseProperty,
             &F::otherSources, &F::grossTotalIncome, &F::chapterVIA, &F::totalIncome, &F::taxOnIncome, &F::rebate87A, &F::surcharge,
             &F::tax, &F::cess, &F::payable, &F::relief89, &F::taxPayable })
        f.*member = next();
    for (int i = 0; i < linesA; ++i)
        f.sectionA << F::Line { kCaptions[i].repeated(times), next(), {}, next() };
    for (int i = 0; i < linesB; ++i)
        f.sectionB << F::Line { kCaptions[13 + i].repeated(times), next(), next(), next() };
    return f;
}

// The recorded texts that reach beyond `width` x `height` inches or overlap another text of
// their page.
QStringList misplaced(const RecordingPage &page, double width, double height)
{
    QImage dots(1, 1, QImage::Format_RGB32); // measured as the recording page measures
    dots.setDotsPerMeterX(qRound(RecordingPage::kResolution / 0.0254));
    dots.setDotsPerMeterY(dots.dotsPerMeterX());
    QList<std::pair<QRectF, QString>> boxes;
    QStringList problems;
    for (const RecordingPage::Operation &op : page.operations) {
        if (op.kind == Kind::NewPage)
            boxes.clear();
        if (op.kind != Kind::Text || op.text.isEmpty())
            continue;
        const QFontMetricsF metrics(print::resolvedFont(op.font), &dots);
        const QRectF box(op.x, op.y, metrics.horizontalAdvance(op.text) / RecordingPage::kResolution,
            metrics.height() / RecordingPage::kResolution);
        if (box.left() < 0 || box.top() < 0 || box.right() > width || box.bottom() > height)
            problems << "off the page: " + op.text;
        for (const auto &[other, text] : boxes)
            if (box.intersected(other).width() > 0.002 && box.intersected(other).height() > 0.002)
                problems << op.text + " on " + text;
        boxes << std::pair { box, op.text };
    }
    return problems;
}

// The printable area of A4.
constexpr double kShort = 210 / 25.4 - 2 * print::kMarginInches, kLong = 297 / 25.4 - 2 * print::kMarginInches;

using Ops = QList<RecordingPage::Operation>;
QStringList texts(const Ops &ops, const std::function<bool(const RecordingPage::Operation &)> &which = {})
{
    QStringList result;
    for (const RecordingPage::Operation &op : ops)
        if (op.kind == Kind::Text && (!which || which(op)))
            result << op.text;
    return result;
}

// The planner with `limits` lines of room and the months from `first` ("Mar 14" is 0), or a
// refund; typed texts `times` over.
print::PlanFields plan(int limits, int first, bool refund, int times = 1)
{
    print::PlanFields f { .name = QString("Asha Venkataraman Rao ").repeated(times).trimmed(), .pan = "ABCPR1234K",
        .ageGroup = "60 to 79", .netTaxableIncome = "528590", .rate = "20.6% with cess",
        .next = QString("Above 1000000 (471410 more): 30.9% with cess ").repeated(times).trimmed(), .limits = {},
        .totalTax = "31640", .taxDeducted = "9870", .balance = refund ? "-8500" : "21770",
        .deductedCaption = "Tax deducted up to Nov 14", .refund = refund ? "8500" : "", .months = {},
        .footerCredit = QString("Printed by Morvel ").repeated(times).trimmed() };
    for (int i = 0; i < limits; ++i)
        f.limits.append({ QString("Section %1").arg(i), QString::number(99850 + i), QString::number(15290 + i) });
    for (int i = first; i < 12; ++i)
        f.months.append({ QLocale::c().toString(QDate(2014, 3, 1).addMonths(i), "MMM yy"), QString::number(7250 + i) });
    return f;
}

} // namespace

class tst_Form16 : public QObject
{
    Q_OBJECT
private slots:
    void form16Listing();
    void form16FitsThePage_data();
    void form16FitsThePage();
    void registerPages_data();
    void registerPages();
    void planListing();
    void planFitsThePage_data();
    void planFitsThePage();
};

void tst_Form16::form16Listing()
{
    const auto draw = [](print::Page &page) { return print::drawForm16(page, form16(3, 2)); };
    RecordingPage page;
    QVERIFY(draw(page));
    const QStringList form = printsupport::listing(page);
    QCOMPARE(form, printsupport::readListing(MORVEL_TESTS_DIR "/print/form-16.txt", form));
    QTemporaryDir dir;
    QVERIFY(print::renderToPdf(dir.filePath("form16.pdf"), "Form 16", draw));
    QCOMPARE(printsupport::pdfDiffers(dir.filePath("form16.pdf"), form), QStringList());
}

void tst_Form16::form16FitsThePage_data()
{
    // Lines in row 9 (A) and (B), how often each typed text is repeated, every amount's text.
    testsupport::table(R"(
        nothing in row 9                 | 0  | 0 | 1 |
        the most lines, long texts       | 13 | 4 | 8 | 123456789012345678
    )");
}

void tst_Form16::form16FitsThePage()
{
    const auto [linesA, linesB, times, amount] = testsupport::cells<4>();
    RecordingPage page;
    QVERIFY(print::drawForm16(page, form16(linesA.toInt(), linesB.toInt(), times.toInt(), amount)));
    const QStringList problems = misplaced(page, kShort, kLong);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    // Every line of row 9 is there, cut short when long.
    const auto ofRow9 = [](const auto &op) { return std::any_of(kCaptions.begin(), kCaptions.end(), [&](const QString &c) { return op.text.startsWith(c); }); };
    QCOMPARE(texts(page.operations, ofRow9).size(), linesA.toInt() + linesB.toInt());
}

void tst_Form16::registerPages_data()
{
    // Rows, then the pages they take.
    testsupport::table(R"(
        no rows     | 0   | 1
        a few rows  | 3   | 1
        three pages | 100 | 3
    )");
}

void tst_Form16::registerPages()
{
    const auto [rowCount, pageCount] = testsupport::cells<2>();
    const int pages = pageCount.toInt();
    print::RegisterFields f { "Register of income tax returns, 2014-15",
        { "File", "Name", "PAN", "Gross salary", "Exempt allowances", "Income from salary", "House property", "Other sources",
            "Gross total income", "Section 80C", "80CCC and 80CCD", "Other deductions", "Total deductions", "Net taxable income",
            "Tax on income", "Rebate u/s 87A", "Education cess", "Relief u/s 89", "Tax deducted" },
        {}, { "Total", "", "" }, "Printed by Morvel" };
    for (int i = 1; i <= rowCount.toInt(); ++i)
        f.rows << QStringList { QStringLiteral("F%1.morvel").arg(i, 3, 10, QChar('0')), QStringLiteral("Employee number %1").arg(i), "ABCPS1234K" };
    for (int column = 3; column < f.headings.size(); ++column) {
        for (int i = 0; i < f.rows.size(); ++i)
            f.rows[i] << QString::number(10000 * column + i);
        f.totals << QString::number(1234567 + column);
    }
    RecordingPage page;
    QVERIFY(print::drawRegister(page, f) && page.landscape);
    const QStringList problems = misplaced(page, kLong, kShort);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));

    QList<Ops> sheets(1);
    for (const RecordingPage::Operation &op : page.operations)
        op.kind == Kind::NewPage ? sheets.append(Ops()) : sheets.last().append(op);
    QCOMPARE(sheets.size(), pages);
    const auto at = [](const Ops &ops, const QString &text) { return std::find_if(ops.begin(), ops.end(), [&](const auto &op) { return op.kind == Kind::Text && op.text == text; }); };
    const auto first = at(sheets[0], f.rows.isEmpty() ? f.totals[3] : f.rows[0][0]), total = at(sheets.last(), f.totals[3]);
    QVERIFY(first != sheets[0].end() && total != sheets.last().end());
    for (int n = 0; n < pages; ++n) {
        // Above the rows: the title, then each heading (over one line or two); "Page N of M" last.
        QCOMPARE(texts(sheets[n], [&](const auto &op) { return op.y < first->y - 0.01; }).join(' '), f.title + ' ' + f.headings.join(' '));
        QCOMPARE(texts(sheets[n]).last(), QStringLiteral("Page %1 of %2").arg(n + 1).arg(pages));
    }
    QCOMPARE(texts(page.operations, [](const auto &op) { return op.text.endsWith(".morvel"); }).size(), f.rows.size());
    // The totals once, in bold, below every row of the last page.
    QVERIFY(total->font.bold);
    QCOMPARE(texts(page.operations, [&](const auto &op) { return op.text == f.totals[3] || (op.text == "Total" && op.y == total->y); }),
        QStringList({ "Total", f.totals[3] }));
    QVERIFY(texts(sheets.last(), [&](const auto &op) { return op.text.endsWith(".morvel") && op.y >= total->y; }).isEmpty());
    const QStringList listed = printsupport::listing(page);
    if (rowCount == "3")
        QCOMPARE(listed, printsupport::readListing(MORVEL_TESTS_DIR "/print/register.txt", listed));
    // On paper: one page as listed, or one sheet a page (the comparison with a listing takes one
    // page only, and says how many it found).
    QTemporaryDir dir;
    QVERIFY(print::renderToPdf(dir.filePath("register.pdf"), "Register", [&](print::Page &p) { return print::drawRegister(p, f); }));
    const QStringList onPaper = printsupport::pdfDiffers(dir.filePath("register.pdf"), listed);
    QCOMPARE(onPaper.value(0).section(' ', 0, 2), pages == 1 ? QString() : QStringLiteral("%1 pages in").arg(pages));
}

void tst_Form16::planListing()
{
    const auto draw = [](print::Page &page) { return print::drawPlan(page, plan(3, 9, false)); };
    RecordingPage page;
    QVERIFY(draw(page));
    const QStringList listed = printsupport::listing(page);
    QCOMPARE(listed, printsupport::readListing(MORVEL_TESTS_DIR "/print/plan.txt", listed));
    QTemporaryDir dir;
    QVERIFY(print::renderToPdf(dir.filePath("plan.pdf"), "Planner", draw));
    QCOMPARE(printsupport::pdfDiffers(dir.filePath("plan.pdf"), listed), QStringList());
}

void tst_Form16::planFitsThePage_data()
{
    // Lines of room, the first month to come, a refund instead of months, typed texts repeated.
    testsupport::table(R"(
        the most lines, long texts | 5 | 0  | 0 | 6
        every limit used up        | 0 | 11 | 0 | 1
        a refund                   | 2 | 4  | 1 | 1
    )");
}

void tst_Form16::planFitsThePage()
{
    const auto [limits, first, refund, times] = testsupport::cells<4>();
    RecordingPage page;
    QVERIFY(print::drawPlan(page, plan(limits.toInt(), first.toInt(), refund == "1", times.toInt())));
    const QStringList problems = misplaced(page, kShort, kLong);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    // Each line of room, or that none is left; each month to come, or the refund and none.
    const QString printed = texts(page.operations).join('|');
    QCOMPARE(printed.count("Section "), limits.toInt());
    QCOMPARE(printed.count("Every limit is used up."), limits == "0" ? 1 : 0);
    QCOMPARE(printed.count("Refundable"), refund == "1" ? 1 : 0);
    QCOMPARE(printed.count(QRegularExpression("\\|[A-Z][a-z]{2} 1[45]\\|")), refund == "1" ? 0 : 12 - first.toInt());
}

QTEST_MAIN(tst_Form16)
#include "tst_form16.moc"
