#include "print/salarystatement.h"

#include "print/fonts.h"
#include "print/page.h"
#include "print/statementtext.h"

namespace print {
namespace {

using detail::centred;
using detail::leftAligned;
using detail::rightAligned;

// Right edges of the table's columns.
constexpr float kMonth = 1.0f;
constexpr float kBasic = 2.0f;
constexpr float kGrade = 3.0f;
constexpr float kDa = 4.0f;
constexpr float kHra = 5.0f;
constexpr float kMgc = 6.0f;
constexpr float kTransport = 7.0f;
constexpr float kTotal = 8.0f;

constexpr float kTableRuleEnd = 8.1f;

} // namespace

SalaryStatementFields::SalaryStatementFields()
{
    for (int i = 0; i < kRows; ++i) {
        basicPay[i] = gradePay[i] = da[i] = mgc[i] = transport[i] = rowTotal[i]
            = QStringLiteral("0");
        hra[i] = i >= kFirstMonth ? QStringLiteral("0") : QString();
        if (i >= kFirstMonth)
            monthCaption[i] = QString::fromLatin1(pay::kMonthNames[i]);
    }
    other.fill(QStringLiteral("0"));
}

ArrearsRow arrearsRow(const SalaryStatementFields &fields)
{
    ArrearsRow row;
    row.da = detail::sumText({ fields.da[1], fields.da[0] }).value_or(QString());
    row.mgc = detail::sumText({ fields.mgc[1], fields.mgc[0] }).value_or(QString());
    row.transport
        = detail::sumText({ fields.transport[1], fields.transport[0] }).value_or(QString());
    if (!row.da.isEmpty() && !row.mgc.isEmpty() && !row.transport.isEmpty())
        row.total = detail::sumText({ row.da, row.mgc, row.transport }).value_or(QString());
    return row;
}

QString salaryStatementProblem(const SalaryStatementFields &fields)
{
    const ArrearsRow row = arrearsRow(fields);
    const char *what = nullptr;
    if (row.da.isEmpty())
        what = "the arrears of dearness allowance";
    else if (row.mgc.isEmpty())
        what = "the arrears of MGC";
    else if (row.transport.isEmpty())
        what = "the arrears of transport allowance";
    else if (row.total.isEmpty())
        what = "the total of the arrears";
    if (!what)
        return {};
    return QStringLiteral("The statement was not printed: %1 could not be worked out, the "
                          "amounts are too large.")
        .arg(QString::fromLatin1(what));
}

bool drawSalaryStatement(Page &page, const SalaryStatementFields &fields)
{
    if (!salaryStatementProblem(fields).isEmpty())
        return false;
    const ArrearsRow arrears = arrearsRow(fields);

    page.setFontName(QString::fromLatin1(kStatementFont));
    page.setBold(true);
    page.setUnderline(true);
    page.setItalic(false);
    page.setFontSize(10);
    page.setLandscape();

    centred(page, 1.0f, QStringLiteral("DETAILS OF SALARY RECEIVED FOR THE YEAR 2014 - 2015"));
    centred(page, 1.2f, fields.name);

    rightAligned(page, kMonth, 1.6f, QStringLiteral("Month"));
    rightAligned(page, kBasic, 1.6f, QStringLiteral("Basic"));
    rightAligned(page, kGrade, 1.6f, QStringLiteral("GP"));
    rightAligned(page, kDa, 1.6f, QStringLiteral("Dearness"));
    rightAligned(page, kHra, 1.6f, QStringLiteral("HRA"));
    rightAligned(page, kMgc, 1.6f, QStringLiteral("MGC"));
    rightAligned(page, kTransport, 1.6f, QStringLiteral("Tpt. All."));
    rightAligned(page, kTotal, 1.6f, QStringLiteral("Total"));
    rightAligned(page, kBasic, 1.8f, QStringLiteral("Pay"));
    rightAligned(page, kDa, 1.8f, QStringLiteral("Allowance"));
    page.setBold(false);
    page.setUnderline(false);

    // The running height is a double sum, as the rows have always been placed; the page
    // takes it in single precision.
    double y = 2.0;
    for (int i = SalaryStatementFields::kFirstMonth; i < SalaryStatementFields::kRows; ++i) {
        const float top = static_cast<float>(y);
        rightAligned(page, kMonth, top, fields.monthCaption[i]);
        rightAligned(page, kBasic, top, fields.basicPay[i]);
        rightAligned(page, kGrade, top, fields.gradePay[i]);
        rightAligned(page, kDa, top, fields.da[i]);
        rightAligned(page, kHra, top, fields.hra[i]);
        rightAligned(page, kMgc, top, fields.mgc[i]);
        rightAligned(page, kTransport, top, fields.transport[i]);
        rightAligned(page, kTotal, top, fields.rowTotal[i]);
        y += 0.2;
    }

    page.drawLine(kMonth, 4.4f, kTableRuleEnd, 4.4f);
    rightAligned(page, kMonth, 4.4f, QStringLiteral("DA Arr."));
    rightAligned(page, kDa, 4.4f, arrears.da);
    rightAligned(page, kMgc, 4.4f, arrears.mgc);
    rightAligned(page, kTransport, 4.4f, arrears.transport);
    rightAligned(page, kTotal, 4.4f, arrears.total);

    page.setBold(true);
    rightAligned(page, kMonth, 4.6f, QStringLiteral("Totals"));
    rightAligned(page, kBasic, 4.6f, fields.basicPayTotal);
    rightAligned(page, kGrade, 4.6f, fields.gradePayTotal);
    rightAligned(page, kDa, 4.6f, fields.daTotal);
    rightAligned(page, kHra, 4.6f, fields.hraTotal);
    rightAligned(page, kMgc, 4.6f, fields.mgcTotal);
    rightAligned(page, kTransport, 4.6f, fields.transportTotal);
    rightAligned(page, kTotal, 4.6f, fields.grandRowTotal);
    page.drawLine(kMonth, 4.8f, kTableRuleEnd, 4.8f);
    page.setBold(false);

    // The annual figures: labels end on the transport column, amounts on the total column.
    struct Annual
    {
        float top;
        const char *label;
        int index;
    };
    static constexpr Annual annual[] = {
        { 5.2f, "Other Allowances :-", 5 },
        { 5.4f, "Over Time Allowance :-", 2 },
        { 5.6f, "Honorarium :-", 4 },
        { 5.8f, "Tuition Fee :-", 3 },
        { 6.0f, "Bonus :-", 1 },
        { 6.2f, "Arrears :-", 0 },
    };
    for (const Annual &row : annual) {
        rightAligned(page, kTransport, row.top, QString::fromLatin1(row.label));
        rightAligned(page, kTotal, row.top, fields.other[row.index]);
    }

    page.drawLine(kTransport, 6.4f, kTableRuleEnd, 6.4f);
    page.setBold(true);
    rightAligned(page, kTransport, 6.4f, QStringLiteral("GRAND TOTAL :-"));
    rightAligned(page, kTotal, 6.4f, fields.grandTotal);
    page.drawLine(kTransport, 6.6f, kTableRuleEnd, 6.6f);
    page.setBold(false);

    page.setFontSize(8);
    leftAligned(page, 1.0f, 7.0f, fields.footer);

    return page.endDocument();
}

} // namespace print
