#include "print/taxstatement.h"

#include "fields/conversions.h"
#include "print/fonts.h"
#include "print/page.h"
#include "print/statementtext.h"

#include <array>

namespace print {
namespace {

using detail::leftAligned;
using detail::rightAligned;

// Amount columns by right edge: break-up items, sub-totals, results.
constexpr float kItems = 5.0f;
constexpr float kSubtotals = 6.0f;
constexpr float kResults = 7.0f;

using Field = QString TaxStatementFields::*;

struct Amount
{
    float edge = 0;
    Field field = nullptr; // nullptr: the pension-scheme sum
};

struct Row
{
    float top;
    float labelX;
    const char *label; // nullptr: no label
    bool bold;
    std::array<Amount, 2> amounts; // edge 0: none
};

constexpr Amount none {};
constexpr Amount at(float edge, Field field)
{
    return Amount { edge, field };
}

// Rows 3 to 50, 9 pt: top, label and its left edge, weight, amounts by right edge.
using F = TaxStatementFields;
const Row kRows[] = {
    { 1.15f, 1.0f, "INCOME FROM 'SALARY'", true, { none, none } },
    { 1.30f, 1.0f, "Gross Salary :-", false, { at(kSubtotals, &F::mainGs), none } },
    { 1.45f, 1.0f, "Less Allowances Exempt u/s 10 :-", false, { none, none } },
    { 1.60f, 1.2f, "Transport Allowance :-", false, { at(kItems, &F::mainTp), none } },
    { 1.75f, 1.2f, "House Rent Allowance :-", false,
        { at(kItems, &F::mainHra), at(kSubtotals, &F::mainExall) } },
    { 1.90f, 0.0f, nullptr, true, { at(kResults, &F::mainNsal), none } },
    { 2.20f, 1.0f, "INCOME FROM 'HOUSE PROPERTY'", true, { none, none } },
    { 2.35f, 1.0f, "Annual Rental Value", false, { at(kSubtotals, &F::houseArv), none } },
    { 2.50f, 1.0f, "Less Property Taxes :-", false, { at(kSubtotals, &F::housePtax), none } },
    { 2.65f, 1.0f, "Gross Income from House Property :-", false,
        { at(kSubtotals, &F::houseGhi), none } },
    { 2.80f, 1.0f, "Less Deductions u/s 24 :-", false, { none, none } },
    { 2.95f, 1.2f, "Repairs & Maintenance :-", false, { at(kItems, &F::houseRep), none } },
    { 3.10f, 1.2f, "Interest on Borrowed Capital :-", false, { at(kItems, &F::houseIntt), none } },
    { 3.25f, 1.2f, "Others :-", false, { at(kItems, &F::houseOth), at(kSubtotals, &F::houseTd) } },
    { 3.40f, 0.0f, nullptr, true, { at(kResults, &F::houseIhp), none } },
    { 3.70f, 1.0f, "INCOME FROM 'OTHER SOURCES' :-", true, { at(kResults, &F::mainOs), none } },
    { 4.00f, 1.0f, "GROSS TOTAL INCOME :-", true, { at(kResults, &F::mainGti), none } },
    { 4.30f, 1.0f, "Deductions u/s 80 :-", false, { none, none } },
    { 4.45f, 1.2f, "Section 80C :-", false, { none, none } },
    { 4.60f, 1.4f, "GPF -", false, { at(kItems, &F::deductionsGpf), none } },
    { 4.75f, 1.4f, "CGEGIS -", false, { at(kItems, &F::deductionsGis), none } },
    { 4.90f, 1.4f, "HBA -", false, { at(kItems, &F::deductionsHba), none } },
    { 5.05f, 1.4f, "LIC -", false, { at(kItems, &F::deductionsLic), none } },
    { 5.20f, 1.4f, "PPF -", false, { at(kItems, &F::deductionsPpf), none } },
    { 5.35f, 1.4f, "NSC -", false, { at(kItems, &F::deductionsNsc), none } },
    { 5.50f, 1.4f, "NSC Interest -", false, { at(kItems, &F::deductionsNsci), none } },
    { 5.65f, 1.4f, "Tuition Fee (I) -", false, { at(kItems, &F::deductionsTf1), none } },
    { 5.80f, 1.4f, "Tuition Fee (II) -", false, { at(kItems, &F::deductionsTf2), none } },
    { 5.95f, 1.4f, "Infrastructure Bonds -", false, { at(kItems, &F::deductionsInf), none } },
    { 6.10f, 1.4f, "Other Savings -", false, { at(kItems, &F::deductionsOs), none } },
    { 6.25f, 1.2f, "Total (80C) -", false, { at(kItems, &F::deductions80c), none } },
    { 6.40f, 1.2f, "Jeevan Suraksha (80CCC) :-", false, { at(kItems, &F::deductions80ccc), none } },
    { 6.55f, 1.2f, "NPS (EC + GC) (80CCD):-", false, { at(kItems, nullptr), none } },
    { 6.70f, 1.2f, "Total(80C+80CCC+80CCD) -", false,
        { at(kSubtotals, &F::deductionsTot1), none } },
    { 6.85f, 1.2f, "Infrastructure Bonds (80CCF) -", false,
        { at(kSubtotals, &F::deductions80ccf), none } },
    { 7.00f, 1.2f, "Mediclaim/CGHS (80D) : -", false, { at(kSubtotals, &F::deductions80d), none } },
    { 7.15f, 1.2f, "Donations (80G) :-", false, { at(kSubtotals, &F::deductions80g), none } },
    { 7.30f, 1.2f, "Other Deductions :-", false, { at(kSubtotals, &F::deductionsOth), none } },
    { 7.45f, 1.0f, "Total Deductions u/s 80 :-", true, { at(kResults, &F::deductionsGt80), none } },
    { 7.60f, 1.0f, "NET TAXABLE INCOME :-", true, { at(kResults, &F::mainNti), none } },
    { 7.75f, 1.0f, "GROSS TAX :-", true, { at(kResults, &F::mainGtax), none } },
    { 7.90f, 1.0f, "Relief u/s 87A :-", true, { at(kResults, &F::mainRel87A), none } },
    { 8.05f, 1.0f, "Relief u/s 89 :-", true, { at(kResults, &F::mainRel89), none } },
    { 8.20f, 1.0f, "NET TAX :-", true, { at(kResults, &F::mainNtax), none } },
    { 8.35f, 1.0f, "Education Cess :-", true, { at(kResults, &F::mainCess), none } },
    { 8.50f, 1.0f, "TOTAL TAX :-", true, { at(kResults, &F::mainTtax), none } },
    { 8.65f, 1.0f, "TAX DEDUCTED :-", true, { at(kResults, &F::mainDedtax), none } },
    { 8.80f, 1.0f, "BALANCE TAX :-", true, { at(kResults, &F::mainBaltax), none } },
};

struct Rule
{
    float y, x1, x2;
};

// Short rules above the totals, and the boxes around net taxable income and balance tax.
constexpr Rule kRules[] = {
    { 1.90f, 4.0f, 5.0f },
    { 1.90f, 5.0f, 6.0f },
    { 2.65f, 5.0f, 6.0f },
    { 3.40f, 4.0f, 6.0f },
    { 3.85f, 6.0f, 7.0f },
    { 6.25f, 4.0f, 5.0f },
    { 6.70f, 4.0f, 5.0f },
    { 7.45f, 5.0f, 6.0f },
    { 7.60f, 6.0f, 7.0f },
    { 7.75f, 6.0f, 7.0f },
    { 8.20f, 6.0f, 7.0f },
    { 8.50f, 6.0f, 7.0f },
    { 8.80f, 6.0f, 7.0f },
    { 8.95f, 6.0f, 7.0f },
};

} // namespace

QString pensionSchemeSum(const TaxStatementFields &fields)
{
    return detail::sumText({ fields.deductions80ccdgc, fields.deductions80ccdec })
        .value_or(QString());
}

QString taxStatementProblem(const TaxStatementFields &fields)
{
    if (pensionSchemeSum(fields).isEmpty())
        return QStringLiteral("The statement was not printed: the pension-scheme contributions "
                              "(80CCD) are too large to add up.");
    return {};
}

bool drawTaxStatement(Page &page, const TaxStatementFields &fields)
{
    if (!taxStatementProblem(fields).isEmpty())
        return false;
    const QString pensionSum = pensionSchemeSum(fields);

    page.setFontName(QString::fromLatin1(kStatementFont));
    page.setFontSize(12);
    page.setBold(true);
    page.setUnderline(true);
    page.setItalic(false);

    leftAligned(
        page, 1.0f, 0.40f, QStringLiteral("CALCULATION OF INCOME TAX FOR THE YEAR 2014-15"));
    leftAligned(page, 1.0f, 0.60f, fields.mainName);

    page.setFontSize(9);
    page.setUnderline(false);
    for (const Row &row : kRows) {
        page.setBold(row.bold);
        if (row.label)
            leftAligned(page, row.labelX, row.top, QString::fromLatin1(row.label));
        for (const Amount &amount : row.amounts) {
            if (amount.edge == 0)
                continue;
            rightAligned(
                page, amount.edge, row.top, amount.field ? fields.*amount.field : pensionSum);
        }
    }

    for (const Rule &rule : kRules)
        page.drawLine(rule.x1, rule.y, rule.x2, rule.y);

    // Below the form's own rows: the surcharge when there is one, and the slabs of an age
    // group other than the first.
    page.setBold(false);
    if (fields::readAmount(fields.mainSurch) != 0) {
        leftAligned(page, 1.0f, 9.10f, QStringLiteral("Surcharge (in the total tax) :-"));
        rightAligned(page, kResults, 9.10f, fields.mainSurch);
    }
    if (!fields.ageNote.isEmpty())
        leftAligned(page, 1.0f, 9.25f, fields.ageNote);

    page.setFontSize(8);
    page.setBold(false);
    page.setItalic(true);
    leftAligned(page, 1.0f, 10.25f, fields.footerCredit);
    leftAligned(page, 1.0f, 10.45f, fields.footerContact);

    return page.endDocument();
}

} // namespace print
