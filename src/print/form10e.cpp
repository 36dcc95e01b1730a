#include "print/form10e.h"

#include "print/fonts.h"
#include "print/page.h"
#include "print/statementtext.h"
#include "rules/relief89.h"

namespace print {
namespace {

using detail::centredAt;
using detail::leftAligned;
using detail::rightAligned;

constexpr float kLeft = 0.7f; // left edge of the text
constexpr float kAmounts = 7.1f; // right edge of the amounts
constexpr float kValues = 3.4f; // left edge of the particulars' values
constexpr float kLine = 0.17f; // from one line of text to the next

// The words of `text` on lines no wider than `width` inches, at most `lines` of them (the
// last takes the rest).
QStringList wrapped(Page &page, const QString &text, double width, int lines)
{
    QStringList result;
    QString line;
    for (const QString &word : text.simplified().split(' ', Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + ' ' + word;
        if (!line.isEmpty() && page.textWidth(longer) > width && result.size() + 1 < lines) {
            result << line;
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty())
        result << line;
    return result;
}

// Table A: the right edge of columns (2) to (7); column (1) starts at the left edge.
constexpr float kColumns[] = { 2.2f, 3.2f, 4.3f, 5.3f, 6.2f, kAmounts };
constexpr float kTableTop = 6.25f;
constexpr float kFirstYear = 7.02f;
constexpr int kMostYears = relief89::kYears;

} // namespace

bool drawForm10E(Page &page, const Form10EFields &f)
{
    page.setFontName(QString::fromLatin1(kStatementFont));
    page.setItalic(false);
    page.setUnderline(false);

    page.setFontSize(12);
    page.setBold(true);
    centredAt(page, 0.40f, QStringLiteral("FORM No. 10E"));
    page.setFontSize(9);
    page.setBold(false);
    centredAt(page, 0.62f, QStringLiteral("[See rule 21AA]"));
    centredAt(page, 0.82f, QStringLiteral("Form for furnishing particulars of income under section 192(2A) for the year "
                                          "ending 31st March, 2015"));
    centredAt(page, 0.82f + kLine, QStringLiteral("for claiming relief under section 89(1) by a Government servant "
                                                  "or an employee"));

    leftAligned(page, kLeft, 1.25f, QStringLiteral("1. Name and address of the employee :"));
    leftAligned(page, kValues, 1.25f, f.name);
    float y = 1.25f + kLine;
    for (const QString &line : wrapped(page, f.address, kAmounts - kValues, 2)) {
        leftAligned(page, kValues, y, line);
        y += kLine;
    }
    leftAligned(page, kLeft, 1.80f, QStringLiteral("2. Permanent account number :"));
    leftAligned(page, kValues, 1.80f, f.pan);
    leftAligned(page, kLeft, 1.80f + kLine, QStringLiteral("3. Residential status :"));
    leftAligned(page, kValues, 1.80f + kLine, QStringLiteral("Resident"));

    leftAligned(page, kLeft, 2.25f, QStringLiteral("Particulars of income referred to in rule 21A of the Income-tax "
                                                   "Rules, 1962, during the previous year"));
    leftAligned(page, kLeft, 2.25f + kLine, QStringLiteral("relevant to assessment year 2015-16"));
    leftAligned(page, kLeft, 2.70f, QStringLiteral("1."));
    const std::pair<const char *, QString> payments[] = {
        { "(a) Salary received in arrears or in advance (sub-rule (2) of rule 21A) :", f.arrears },
        { "(b) Payment in the nature of gratuity in respect of past services (sub-rule (3) of rule 21A) :",
            QStringLiteral("Nil") },
        { "(c) Payment in the nature of compensation on termination of employment (sub-rule (4) of rule 21A) :",
            QStringLiteral("Nil") },
        { "(d) Payment in commutation of pension (sub-rule (5) of rule 21A) :", QStringLiteral("Nil") },
    };
    y = 2.70f;
    for (const auto &[label, amount] : payments) {
        leftAligned(page, kLeft + 0.2f, y, QString::fromLatin1(label));
        rightAligned(page, kAmounts, y, amount);
        y += kLine;
    }
    leftAligned(page, kLeft, 3.45f, QStringLiteral("2. Detailed particulars of the payments referred to above are "
                                                   "given in Annexure I."));

    page.setBold(true);
    centredAt(page, 3.80f, QStringLiteral("ANNEXURE I"));
    page.setBold(false);
    centredAt(page, 3.80f + kLine, QStringLiteral("[See item 2 of the Form]"));
    page.setBold(true);
    centredAt(page, 3.80f + 2 * kLine, QStringLiteral("ARREARS OR ADVANCE SALARY"));
    page.setBold(false);
    const char *const items[] = {
        "1. Total income (excluding salary received in arrears or advance)",
        "2. Salary received in arrears or advance",
        "3. Total income (as increased by salary received in arrears or advance) [Add item 1 and item 2]",
        "4. Tax on total income [as per item 3]",
        "5. Tax on total income [as per item 1]",
        "6. Tax on salary received in arrears or advance [Difference of item 4 and item 5]",
        "7. Tax computed in accordance with Table \"A\" [Brought from column 7 of Table \"A\"]",
        "8. Relief under section 89(1) [Difference between the amounts of items 6 and 7]",
    };
    y = 4.40f;
    for (size_t i = 0; i < std::size(items); ++i) {
        page.setBold(i + 1 == std::size(items));
        leftAligned(page, kLeft, y, QString::fromLatin1(items[i]));
        rightAligned(page, kAmounts, y, f.items[i]);
        y += kLine;
    }

    page.setBold(true);
    centredAt(page, 5.90f, QStringLiteral("TABLE \"A\""));
    page.setBold(false);
    centredAt(page, 5.90f + kLine, QStringLiteral("[See item 7 of Annexure I]"));
    const QStringList headings[] = {
        { "Previous", "year(s)" },
        { "Total income", "(Rs.)" },
        { "Arrears of", "that year", "(Rs.)" },
        { "Total income", "with arrears", "(2)+(3) (Rs.)" },
        { "Tax on", "column (2)", "(Rs.)" },
        { "Tax on", "column (4)", "(Rs.)" },
        { "Difference", "(6)-(5)", "(Rs.)" },
    };
    page.drawLine(kLeft, kTableTop, kAmounts, kTableTop);
    for (int column = 0; column < 7; ++column) {
        float line = kTableTop + 0.05f;
        for (const QString &heading : headings[column]) {
            column == 0 ? leftAligned(page, kLeft, line, heading) : rightAligned(page, kColumns[column - 1], line, heading);
            line += 0.15f;
        }
        const QString number = QStringLiteral("(%1)").arg(column + 1);
        column == 0 ? leftAligned(page, kLeft, 6.77f, number) : rightAligned(page, kColumns[column - 1], 6.77f, number);
    }
    page.drawLine(kLeft, 6.75f, kAmounts, 6.75f);
    page.drawLine(kLeft, 6.95f, kAmounts, 6.95f);
    y = kFirstYear;
    for (const Form10EFields::Year &year : f.table.mid(0, kMostYears)) {
        leftAligned(page, kLeft, y, year.year);
        const QString *cells[] = { &year.totalIncome, &year.arrears, &year.increased, &year.taxOnIncome,
            &year.taxOnIncreased, &year.difference };
        for (int column = 0; column < 6; ++column)
            rightAligned(page, kColumns[column], y, *cells[column]);
        y += kLine;
    }
    if (f.table.isEmpty()) {
        leftAligned(page, kLeft, y, QStringLiteral("No arrears of earlier years."));
        y += kLine;
    }
    page.drawLine(kLeft, y + 0.02f, kAmounts, y + 0.02f);
    page.setBold(true);
    leftAligned(page, kLeft, y + 0.07f, QStringLiteral("Total"));
    rightAligned(page, kAmounts, y + 0.07f, f.items[6]);

    centredAt(page, 8.85f, QStringLiteral("VERIFICATION"));
    page.setBold(false);
    leftAligned(page, kLeft, 9.05f, QStringLiteral("I, %1, do hereby declare that what is stated above is true to the "
                                                   "best of my knowledge and belief.").arg(f.name));
    leftAligned(page, kLeft, 9.30f, QStringLiteral("Verified today, the .............. day of ......................"));
    leftAligned(page, kLeft, 9.60f, QStringLiteral("Place : ........................"));
    leftAligned(page, 4.2f, 9.60f, QStringLiteral("Signature of the employee : ....................."));
    leftAligned(page, kLeft, 9.80f, QStringLiteral("Date : ........................"));

    page.setFontSize(8);
    page.setItalic(true);
    leftAligned(page, kLeft, 10.25f, f.footerCredit);
    return page.endDocument();
}

} // namespace print
