#include "print/plan.h"

#include "print/fonts.h"
#include "print/page.h"
#include "print/statementtext.h"

namespace print {
namespace {

using detail::centredAt;
using detail::fitted;
using detail::leftAligned;
using detail::rightAligned;

constexpr float kLeft = 0.5f;
constexpr float kRight = 7.3f;
constexpr float kPoints = 10;
constexpr float kLine = 0.21f;
// The two amount columns of the limits by their right edges; the months' one amount column.
constexpr float kRoomEdge = 5.6f;
constexpr float kSavingEdge = kRight;
constexpr float kMonthEdge = 3.6f;

// A heading with a rule under it; the y of the first line below.
float heading(Page &page, float y, const QString &text)
{
    page.setBold(true);
    leftAligned(page, kLeft, y, text);
    page.setBold(false);
    page.drawLine(kLeft, y + kLine, kRight, y + kLine);
    return y + kLine + 0.06f;
}

// A caption and its amount at `edge`; the y of the next line.
float amountLine(Page &page, float y, const QString &caption, const QString &amount, float edge)
{
    leftAligned(page, kLeft, y, caption);
    rightAligned(page, edge, y, amount);
    return y + kLine;
}

} // namespace

bool drawPlan(Page &page, const PlanFields &f)
{
    page.setFontName(QString::fromLatin1(kStatementFont));
    page.setItalic(false);
    page.setUnderline(false);
    page.setFontSize(13);
    page.setBold(true);
    centredAt(page, 0.0f, QStringLiteral("Income Tax 2014-15: Planner"));
    page.setFontSize(kPoints);
    page.setBold(false);

    // Typed texts are fitted before anything beside them is printed.
    const QString name = fitted(page, QStringLiteral("Name: ") + f.name, 3.6);
    const QString next = fitted(page, f.next, kRight - kLeft - 1.9);
    page.setFontSize(7);
    page.setItalic(true);
    const QString credit = fitted(page, f.footerCredit, kRight - kLeft);
    page.setItalic(false);
    page.setFontSize(kPoints);
    float y = 0.45f;
    leftAligned(page, kLeft, y, name);
    leftAligned(page, 4.3f, y, QStringLiteral("PAN: ") + f.pan);
    y += kLine;
    leftAligned(page, kLeft, y, QStringLiteral("Age: ") + f.ageGroup);
    y = amountLine(page, y + kLine, QStringLiteral("Net taxable income"), f.netTaxableIncome, kMonthEdge);
    leftAligned(page, kLeft, y, QStringLiteral("The next rupee is taxed at"));
    leftAligned(page, kLeft + 1.9f, y, f.rate);
    y += kLine;
    if (!next.isEmpty()) {
        leftAligned(page, kLeft, y, QStringLiteral("Where that changes"));
        leftAligned(page, kLeft + 1.9f, y, next);
        y += kLine;
    }

    y = heading(page, y + 0.2f, QStringLiteral("What each limit still leaves"));
    if (f.limits.isEmpty()) {
        leftAligned(page, kLeft, y, QStringLiteral("Every limit is used up."));
        y += kLine;
    } else {
        page.setItalic(true);
        rightAligned(page, kRoomEdge, y, QStringLiteral("Room left"));
        rightAligned(page, kSavingEdge, y, QStringLiteral("Tax it would save"));
        page.setItalic(false);
        y += kLine;
        for (const PlanFields::Limit &limit : f.limits) {
            leftAligned(page, kLeft, y, limit.caption);
            rightAligned(page, kRoomEdge, y, limit.room);
            rightAligned(page, kSavingEdge, y, limit.saving);
            y += kLine;
        }
        page.setFontSize(8);
        page.setItalic(true);
        leftAligned(page, kLeft, y + 0.03f,
            QStringLiteral("Each saving is the tax worked out again with the room used in full, cess included."));
        page.setItalic(false);
        page.setFontSize(kPoints);
        y += kLine;
    }

    y = heading(page, y + 0.2f, QStringLiteral("The tax to deduct each month"));
    y = amountLine(page, y, QStringLiteral("Total tax"), f.totalTax, kMonthEdge);
    y = amountLine(page, y, f.deductedCaption, f.taxDeducted, kMonthEdge);
    page.setBold(true);
    y = amountLine(page, y, QStringLiteral("Balance"), f.balance, kMonthEdge);
    page.setBold(false);
    if (!f.refund.isEmpty()) {
        page.setBold(true);
        y = amountLine(page, y + 0.1f, QStringLiteral("Refundable: nothing more to deduct"), f.refund, kMonthEdge);
        page.setBold(false);
    } else {
        y += 0.1f;
        page.setItalic(true);
        leftAligned(page, kLeft, y, QStringLiteral("Month"));
        rightAligned(page, kMonthEdge, y, QStringLiteral("To deduct"));
        page.setItalic(false);
        page.drawLine(kLeft, y + kLine, kMonthEdge, y + kLine);
        y += kLine + 0.04f;
        for (const PlanFields::Month &month : f.months)
            y = amountLine(page, y, month.name, month.amount, kMonthEdge);
    }

    page.setFontSize(7);
    page.setItalic(true);
    leftAligned(page, kLeft, y + 0.3f, credit);
    return page.endDocument();
}

} // namespace print
