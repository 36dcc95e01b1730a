#include "print/form16.h"

#include "print/fonts.h"
#include "print/page.h"
#include "print/statementtext.h"

#include <array>

namespace print {
namespace {

using detail::centredAt;
using detail::fitted;
using detail::leftAligned;
using detail::rightAligned;

// Across the page: the frame fits the printable width of A4 and Letter alike, centred on
// the middle that the listings recognise.
constexpr float kLeft = 0.3f;
constexpr float kRight = 7.5f;
constexpr float kCentre = detail::kPortraitCentre;
constexpr float kPad = 0.08f; // from a rule to the text beside it
constexpr float kPoints = 7.5f; // the particulars, the details and the verification
constexpr float kLine = 0.128f; // from one line of them to the next
constexpr float kRowGap = 0.03f; // room for the rule between numbered rows, clear of descenders

// The details' three amount columns by their left rule; each amount ends kPad before the
// next rule.
constexpr std::array<float, 3> kColumns = { 4.8f, 5.7f, 6.6f };
constexpr float kNumber = kLeft + kPad; // "1." of a numbered row
constexpr float kCaption = 0.62f; // a row's caption and its (a), (b) items
constexpr float kEntry = 0.9f; // the lines of row 9 (A) and (B)

float amountEdge(int column)
{
    return column + 1 < int(kColumns.size()) ? kColumns[column + 1] - kPad : kRight - kPad;
}

// The words of `text` on at most `lines` lines no wider than `width`; what does not fit on
// the last is cut.
QStringList wrapped(Page &page, const QString &text, double width, int lines)
{
    QStringList result;
    QString line;
    const QStringList words = text.simplified().split(' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString longer = line.isEmpty() ? words[i] : line + ' ' + words[i];
        if (line.isEmpty() || page.textWidth(longer) <= width) {
            line = longer;
            continue;
        }
        if (result.size() + 1 == lines) {
            line = QStringList(words.mid(i)).join(' ').prepend(line + ' ');
            break;
        }
        result << line;
        line = words[i];
    }
    if (!line.isEmpty())
        result << line;
    for (QString &each : result)
        each = fitted(page, each, width);
    return result;
}

// Prints the lines one under another from y; the y below the last. Texts printed at their
// left edge are measured (fitted, wrapped) before any of them is printed, so that the record
// of the page does not read them as right-aligned: that is how it tells a text measured just
// before printing it.
float printLines(Page &page, float x, float y, const QStringList &lines)
{
    for (const QString &line : lines) {
        leftAligned(page, x, y, line);
        y += kLine;
    }
    return y;
}

// The amounts of a line of the details by column; empty: nothing there.
struct Amounts
{
    QString left {}, middle {}, right {};
    const QString &operator[](int column) const
    {
        return column == 0 ? left : column == 1 ? middle : right;
    }
    static constexpr int size() { return 3; }
};

// The details table, row by row from its top down.
class Details
{
public:
    Details(Page &page, float top)
        : m_page(page)
        , m_top(top)
        , m_y(top + kPad / 2)
    {
    }

    // A numbered row's first line, with a rule above it when another row precedes it.
    void numbered(int number, const QString &caption, const Amounts &amounts = {})
    {
        if (m_y > m_top + kPad) {
            m_y += kRowGap;
            m_page.drawLine(kLeft, m_y - kRowGap / 2 - 0.005f, kRight, m_y - kRowGap / 2 - 0.005f);
        }
        line(kCaption, caption, amounts, 2, QStringLiteral("%1.").arg(number));
    }

    // A line of the current row; a long caption goes on up to `most` lines, the amounts on
    // the last. Everything is measured before the caption is printed (see printLines).
    void line(float x, const QString &caption, const Amounts &amounts = {}, int most = 2,
        const QString &number = {})
    {
        const QStringList lines = wrapped(m_page, caption, kColumns[0] - kPad - x, most);
        Amounts shown;
        for (auto [column, text] :
            { std::pair { 0, &shown.left }, { 1, &shown.middle }, { 2, &shown.right } })
            *text = fitted(m_page, amounts[column], amountEdge(column) - kColumns[column] - kPad);
        if (!number.isEmpty())
            leftAligned(m_page, kNumber, m_y, number);
        printLines(m_page, x, m_y, lines);
        m_y += kLine * std::max<qsizetype>(0, lines.size() - 1);
        for (int column = 0; column < int(shown.size()); ++column)
            if (!shown[column].isEmpty())
                rightAligned(m_page, amountEdge(column), m_y, shown[column]);
        m_y += kLine;
    }

    // Row 9's sub-heading with the names of its amount columns over them, in a smaller face.
    void headed(const QString &caption, const Amounts &headings)
    {
        leftAligned(m_page, kCaption, m_y, caption);
        m_page.setFontSize(6.5f);
        m_page.setItalic(true);
        for (int column = 0; column < int(headings.size()); ++column)
            if (!headings[column].isEmpty())
                rightAligned(m_page, amountEdge(column), m_y + 0.01f, headings[column]);
        m_page.setFontSize(kPoints);
        m_page.setItalic(false);
        m_y += kLine;
    }

    // The frame, its column rules, and the y below it.
    float close()
    {
        const float bottom = m_y + kPad / 2;
        m_page.drawLine(kLeft, m_top, kRight, m_top);
        m_page.drawLine(kLeft, bottom, kRight, bottom);
        for (float x : { kLeft, kColumns[0], kColumns[1], kColumns[2], kRight })
            m_page.drawLine(x, m_top, x, bottom);
        return bottom;
    }

private:
    Page &m_page;
    float m_top;
    float m_y;
};

// The particulars above the details: employer, employee, PANs and TAN, the CIT (TDS), the
// year and the period, in a box of three bands. Returns the y below it.
float drawParticulars(Page &page, const Form16Fields &f, float top)
{
    const float half = kCentre, third = (kRight - kLeft) / 3;
    const float period = kRight - third, to = (period + kRight) / 2;
    const double leftWidth = half - kLeft - 2 * kPad, rightWidth = kRight - half - 2 * kPad;
    // The typed texts, fitted to their cells first (see printLines); names and numbers bold.
    page.setBold(true);
    const QString employer = fitted(page, f.employerName, leftWidth);
    const QString employee = fitted(page, f.employeeName, rightWidth);
    const QString numbers[] = { fitted(page, f.deductorPan, third - 2 * kPad),
        fitted(page, f.deductorTan, third - 2 * kPad),
        fitted(page, f.employeePan, third - 2 * kPad) };
    const QString year = fitted(page, f.assessmentYear, period - half - 2 * kPad);
    const QString from = fitted(page, f.periodFrom, to - period - 2 * kPad);
    const QString until = fitted(page, f.periodTo, kRight - to - 2 * kPad);
    page.setBold(false);
    const QStringList employerAddress = wrapped(page, f.employerAddress, leftWidth, 3);
    const QString designation = fitted(page, f.employeeDesignation, rightWidth);
    const QStringList employeeAddress = wrapped(page, f.employeeAddress, rightWidth, 2);
    const QString address = QStringLiteral("Address: ");
    const float addressX = static_cast<float>(kLeft + kPad + page.textWidth(address));
    const QStringList citAddress = wrapped(page, f.citAddress, half - kPad - addressX, 2);

    // Band 1: the employer's name and address; the employee's name, designation, address.
    float y = top + kPad / 2;
    leftAligned(page, kLeft + kPad, y, QStringLiteral("Name and address of the Employer"));
    leftAligned(
        page, half + kPad, y, QStringLiteral("Name, designation and address of the Employee"));
    page.setBold(true);
    leftAligned(page, kLeft + kPad, y + kLine, employer);
    leftAligned(page, half + kPad, y + kLine, employee);
    page.setBold(false);
    printLines(page, kLeft + kPad, y + 2 * kLine, employerAddress);
    leftAligned(page, half + kPad, y + 2 * kLine, designation);
    printLines(page, half + kPad, y + 3 * kLine, employeeAddress);
    const float band2 = y + 5 * kLine + kPad / 2;

    // Band 2: three numbers, a third of the width each.
    const char *const numberNames[]
        = { "PAN of the Deductor", "TAN of the Deductor", "PAN of the Employee" };
    y = band2 + kPad / 2;
    for (int i = 0; i < 3; ++i)
        leftAligned(page, kLeft + i * third + kPad, y, QString::fromLatin1(numberNames[i]));
    page.setBold(true);
    for (int i = 0; i < 3; ++i)
        leftAligned(page, kLeft + i * third + kPad, y + kLine, numbers[i]);
    page.setBold(false);
    const float band3 = y + 2 * kLine + kPad / 2;

    // Band 3: the CIT (TDS) with its address; the assessment year; the period, From and To.
    y = band3 + kPad / 2;
    leftAligned(page, kLeft + kPad, y, QStringLiteral("CIT (TDS)"));
    leftAligned(page, kLeft + kPad, y + kLine, address);
    printLines(page, addressX, y + kLine, citAddress);
    leftAligned(page, half + kPad, y, QStringLiteral("Assessment Year"));
    leftAligned(page, period + kPad, y, QStringLiteral("Period with the Employer"));
    leftAligned(page, period + kPad, y + kLine, QStringLiteral("From"));
    leftAligned(page, to + kPad, y + kLine, QStringLiteral("To"));
    page.setBold(true);
    leftAligned(page, half + kPad, y + 2 * kLine, year);
    leftAligned(page, period + kPad, y + 2 * kLine, from);
    leftAligned(page, to + kPad, y + 2 * kLine, until);
    page.setBold(false);
    const float bottom = y + 3 * kLine + kPad / 2;

    for (float rule : { top, band2, band3, bottom })
        page.drawLine(kLeft, rule, kRight, rule);
    page.drawLine(kLeft, top, kLeft, bottom);
    page.drawLine(kRight, top, kRight, bottom);
    page.drawLine(half, top, half, band2);
    page.drawLine(kLeft + third, band2, kLeft + third, band3);
    page.drawLine(kLeft + 2 * third, band2, kLeft + 2 * third, band3);
    page.drawLine(half, band3, half, bottom);
    page.drawLine(period, band3, period, bottom);
    page.drawLine(period, band3 + kPad / 2 + kLine, kRight, band3 + kPad / 2 + kLine);
    page.drawLine(to, band3 + kPad / 2 + kLine, to, bottom);
    return bottom;
}

} // namespace

bool drawForm16(Page &page, const Form16Fields &f)
{
    page.setFontName(QString::fromLatin1(kStatementFont));
    page.setItalic(false);
    page.setUnderline(false);

    page.setFontSize(12);
    page.setBold(true);
    centredAt(page, 0.0f, QStringLiteral("FORM NO. 16"));
    page.setFontSize(8);
    page.setBold(false);
    centredAt(page, 0.21f, QStringLiteral("[See rule 31(1)(a)]"));
    page.setFontSize(10);
    page.setBold(true);
    centredAt(page, 0.37f, QStringLiteral("PART B (Annexure)"));
    page.setFontSize(8);
    page.setBold(false);
    centredAt(page, 0.56f,
        QStringLiteral(
            "Certificate under section 203 of the Income-tax Act, 1961 for tax deducted at "
            "source on salary"));

    page.setFontSize(kPoints);
    float y = drawParticulars(page, f, 0.76f);

    page.setFontSize(9);
    page.setBold(true);
    centredAt(page, y + 0.07f,
        QStringLiteral("Details of Salary Paid and any other income and tax deducted"));
    page.setFontSize(kPoints);
    page.setBold(false);

    Details rows(page, y + 0.27f);
    rows.numbered(1, QStringLiteral("Gross salary"));
    rows.line(kCaption, QStringLiteral("(a) Salary as per provisions contained in section 17(1)"),
        { .left = f.salary17_1 });
    rows.line(kCaption,
        QStringLiteral("(b) Value of perquisites under section 17(2) (as per Form No. 12BA, "
                       "wherever applicable)"),
        { .left = f.perquisites17_2 });
    rows.line(kCaption,
        QStringLiteral(
            "(c) Profits in lieu of salary under section 17(3) (as per Form No. 12BA, wherever "
            "applicable)"),
        { .left = f.profits17_3 });
    rows.line(kCaption, QStringLiteral("(d) Total"), { .middle = f.grossSalary });
    rows.numbered(2, QStringLiteral("Less: Allowance to the extent exempt under section 10"));
    rows.line(
        kEntry, QStringLiteral("Transport allowance u/s 10(14)"), { .left = f.transportExempt });
    rows.line(kEntry, QStringLiteral("House rent allowance u/s 10(13A)"),
        { .left = f.hraExempt, .middle = f.exemptTotal });
    rows.numbered(3, QStringLiteral("Balance (1-2)"), { .right = f.balance });
    rows.numbered(4, QStringLiteral("Deductions:"));
    rows.line(kCaption, QStringLiteral("(a) Entertainment allowance"), { .left = f.entertainment });
    rows.line(kCaption, QStringLiteral("(b) Tax on employment"), { .left = f.employmentTax });
    rows.numbered(5, QStringLiteral("Aggregate of 4(a) and (b)"), { .middle = f.aggregate });
    rows.numbered(6, QStringLiteral("Income chargeable under the head \"Salaries\" (3-5)"),
        { .right = f.chargeable });
    rows.numbered(7, QStringLiteral("Add: Any other income reported by the employee"));
    rows.line(kEntry, QStringLiteral("Income from house property"), { .left = f.houseProperty });
    rows.line(kEntry, QStringLiteral("Income from other sources"), { .left = f.otherSources });
    rows.numbered(8, QStringLiteral("Gross total income (6+7)"), { .right = f.grossTotalIncome });
    rows.numbered(9, QStringLiteral("Deductions under Chapter VI-A"));
    rows.headed(QStringLiteral("(A) sections 80C, 80CCC and 80CCD"),
        { .left = QStringLiteral("Gross amount"), .right = QStringLiteral("Deductible amount") });
    for (const Form16Fields::Line &entry : f.sectionA)
        rows.line(kEntry, entry.caption, { .left = entry.gross, .right = entry.deductible }, 1);
    rows.headed(QStringLiteral("(B) other sections (e.g. 80E, 80G etc.) under Chapter VI-A"),
        { .left = QStringLiteral("Gross amount"),
            .middle = QStringLiteral("Qualifying amount"),
            .right = QStringLiteral("Deductible amount") });
    for (const Form16Fields::Line &entry : f.sectionB)
        rows.line(kEntry, entry.caption,
            { .left = entry.gross, .middle = entry.qualifying, .right = entry.deductible }, 1);
    rows.numbered(10, QStringLiteral("Aggregate of deductible amount under Chapter VI-A"),
        { .right = f.chapterVIA });
    rows.numbered(11, QStringLiteral("Total income (8-10)"), { .right = f.totalIncome });
    rows.numbered(12, QStringLiteral("Tax on total income"));
    rows.line(kCaption, QStringLiteral("(a) Tax on total income"), { .middle = f.taxOnIncome });
    rows.line(kCaption, QStringLiteral("(b) Less: Rebate u/s 87A"), { .middle = f.rebate87A });
    rows.line(
        kCaption, QStringLiteral("(c) Add: Surcharge"), { .middle = f.surcharge, .right = f.tax });
    rows.numbered(13, QStringLiteral("Education cess @ 3% (on tax computed at S. No. 12)"),
        { .right = f.cess });
    rows.numbered(14, QStringLiteral("Tax payable (12+13)"), { .right = f.payable });
    rows.numbered(15, QStringLiteral("Less: Relief under section 89 (attach details)"),
        { .right = f.relief89 });
    if (!f.relief89Note.isEmpty())
        rows.line(kCaption, f.relief89Note, {}, 1);
    page.setBold(true);
    rows.numbered(16, QStringLiteral("Tax payable (14-15)"), { .right = f.taxPayable });
    page.setBold(false);
    y = rows.close();

    page.setFontSize(9);
    page.setBold(true);
    centredAt(page, y + 0.06f, QStringLiteral("Verification"));
    page.setFontSize(kPoints);
    page.setBold(false);
    const QString declaration
        = QStringLiteral(
            "I, %1, son/daughter of %2, working in the capacity of %3 do hereby certify "
            "that the information given above is true, complete and correct and is "
            "based on the books of account, documents, TDS statements, and other "
            "available records.")
              .arg(f.signatoryName, f.signatoryFather, f.signatoryDesignation);
    // Fitted first (see printLines): the signatory's block, and the credit in its own face.
    const float signature = 4.2f, signatureWidth = kRight - signature,
                placeWidth = signature - kLeft - 3 * kPad;
    const QString place = fitted(page, QStringLiteral("Place: ") + f.place, placeWidth);
    const QString date = fitted(page, QStringLiteral("Date: ") + f.date, placeWidth);
    const QString name
        = fitted(page, QStringLiteral("Full Name: ") + f.signatoryName, signatureWidth);
    const QString designation
        = fitted(page, QStringLiteral("Designation: ") + f.signatoryDesignation, signatureWidth);
    const QStringList declared = wrapped(page, declaration, kRight - kLeft - 2 * kPad, 3);
    page.setFontSize(7);
    page.setItalic(true);
    const QString credit = fitted(page, f.footerCredit, kRight - kLeft);
    page.setItalic(false);
    page.setFontSize(kPoints);
    y = printLines(page, kLeft + kPad, y + 0.23f, declared);

    // Room to sign on the right above the signatory's caption; place and date beside the name.
    y += 0.3f;
    leftAligned(page, signature, y,
        QStringLiteral("(Signature of person responsible for deduction of tax)"));
    leftAligned(page, kLeft + kPad, y + kLine, place);
    leftAligned(page, signature, y + kLine, name);
    leftAligned(page, kLeft + kPad, y + 2 * kLine, date);
    leftAligned(page, signature, y + 2 * kLine, designation);

    page.setFontSize(7);
    page.setItalic(true);
    leftAligned(page, kLeft, y + 3 * kLine + 0.1f, credit);
    return page.endDocument();
}

} // namespace print
