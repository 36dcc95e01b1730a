#include "print/register.h"

#include "print/fonts.h"
#include "print/page.h"
#include "print/statementtext.h"

#include <algorithm>
#include <cmath>

namespace print {
namespace {

using detail::leftAligned;
using detail::rightAligned;

// Within the printable area of A4 landscape.
constexpr float kLeft = 0.05f;
constexpr float kRight = 11.2f;
constexpr float kTableTop = 0.35f;
constexpr float kHeadingLine = 0.12f; // a heading's two lines
constexpr float kFirstRow = kTableTop + 0.04f + 2 * kHeadingLine + 0.08f;
constexpr float kRow = 0.14f; // from one row to the next
constexpr float kTotalsGap = 0.04f; // the rule above the totals, clear of the last row
constexpr float kRowsEnd = 7.40f; // the last row ends above this
constexpr float kFoot = 7.60f;
constexpr float kPad = 0.04f; // from a column's rule to its text
constexpr int kTextColumns = 3; // the file, the name and the PAN; amounts after them
constexpr float kPoints = 6.5f; // small enough for sixteen columns of figures

// The text, shortened with "..." when it is wider than `width`.
QString fitted(Page &page, const QString &text, double width)
{
    if (page.textWidth(text) <= width + 0.001) // not cut for a rounding of the width
        return text;
    QString cut = text;
    while (!cut.isEmpty() && page.textWidth(cut + QStringLiteral("...")) > width)
        cut.chop(1);
    return cut.isEmpty() ? QString() : cut.trimmed() + QStringLiteral("...");
}

// A heading on at most two lines no wider than `width`.
QStringList headingLines(Page &page, const QString &heading, double width)
{
    const QStringList words = heading.simplified().split(' ', Qt::SkipEmptyParts);
    QString first;
    qsizetype used = 0;
    for (; used < words.size(); ++used) {
        const QString longer = first.isEmpty() ? words[used] : first + ' ' + words[used];
        if (!first.isEmpty() && page.textWidth(longer) > width)
            break;
        first = longer;
    }
    QStringList lines { fitted(page, first, width) };
    if (used < words.size())
        lines << fitted(page, QStringList(words.mid(used)).join(' '), width);
    return lines;
}

// The least width that holds the heading on two lines.
double twoLineWidth(Page &page, const QString &heading)
{
    const QStringList words = heading.simplified().split(' ', Qt::SkipEmptyParts);
    double least = page.textWidth(words.join(' '));
    for (qsizetype split = 1; split < words.size(); ++split)
        least = std::min(least,
            std::max(page.textWidth(words.mid(0, split).join(' ')),
                page.textWidth(words.mid(split).join(' '))));
    return least;
}

// Left edges of the columns and the right edge of the last. Each column wants room for its
// widest text and its heading on two lines, and needs room for its figures (or, for the
// file, name and PAN, a few letters); when the wants do not fit, every column gives up the
// same share of what it wants beyond its need, and the name takes whatever is left over.
QList<float> columnEdges(Page &page, const RegisterFields &f)
{
    const qsizetype columns = f.headings.size();
    QList<double> need(columns, 0.0), want(columns, 0.0);
    auto widest = [&](QList<double> &widths, qsizetype column, const QString &text) {
        if (column < columns)
            widths[column] = std::max(widths[column], page.textWidth(text) + 2 * kPad);
    };
    for (const QStringList &row : f.rows)
        for (qsizetype column = 0; column < columns; ++column)
            widest(column < kTextColumns ? want : need, column, row.value(column));
    page.setBold(true); // headings and totals
    for (qsizetype column = 0; column < columns; ++column) {
        widest(column < kTextColumns ? want : need, column, f.totals.value(column));
        want[column] = std::max(want[column], twoLineWidth(page, f.headings[column]) + 2 * kPad);
    }
    page.setBold(false);

    const double fewLetters[] = { 0.5, 0.8, 0.5 },
                 mostLetters[] = { 1.3, 2.0, 0.8 }; // file, name, PAN
    double wanted = 0, needed = 0;
    for (qsizetype column = 0; column < columns; ++column) {
        if (column < kTextColumns) {
            need[column] = fewLetters[column];
            want[column] = std::clamp(want[column], need[column], mostLetters[column]);
        } else {
            need[column] = std::max(need[column], 0.35);
            want[column] = std::max(want[column], need[column]);
        }
        wanted += want[column];
        needed += need[column];
    }
    const double available = kRight - kLeft;
    const double giveUp
        = wanted > available ? std::min(1.0, (wanted - available) / (wanted - needed)) : 0;
    QList<double> widths;
    double total = 0;
    for (qsizetype column = 0; column < columns; ++column) {
        widths << want[column] - giveUp * (want[column] - need[column]);
        total += widths.last();
    }
    if (columns > 1 && total < available)
        widths[1] += available - total;
    const double scale
        = total > available ? available / total : 1.0; // when even the needs are too wide

    QList<float> edges { kLeft };
    for (double width : widths)
        edges << static_cast<float>(edges.last() + width * scale);
    return edges;
}

// One line of the table: texts on the left of their columns, amounts on the right. All are
// fitted before any is printed, so that the record of the page does not read the texts as
// right-aligned (it tells those by their being measured just before they are printed).
void printRow(Page &page, const QList<float> &edges, float y, const QStringList &texts)
{
    QStringList shown;
    for (qsizetype column = 0; column + 1 < edges.size(); ++column)
        shown << fitted(page, texts.value(column), edges[column + 1] - edges[column] - 2 * kPad);
    for (qsizetype column = 0; column < shown.size(); ++column) {
        if (column < kTextColumns)
            leftAligned(page, edges[column] + kPad, y, shown[column]);
        else
            rightAligned(page, edges[column + 1] - kPad, y, shown[column]);
    }
}

} // namespace

bool drawRegister(Page &page, const RegisterFields &f)
{
    page.setLandscape();
    page.setFontName(QString::fromLatin1(kStatementFont));
    page.setFontSize(kPoints);
    page.setItalic(false);
    page.setUnderline(false);
    const QList<float> edges = columnEdges(page, f);
    // The same on every page, fitted once before anything is printed (see printRow).
    page.setBold(true);
    QList<QStringList> headings;
    for (qsizetype column = 0; column + 1 < edges.size(); ++column)
        headings << headingLines(
            page, f.headings[column], edges[column + 1] - edges[column] - 2 * kPad);
    page.setFontSize(11);
    const QString title = fitted(page, f.title, kRight - kLeft);
    page.setBold(false);
    page.setFontSize(kPoints);
    page.setItalic(true);
    const QString credit = fitted(page, f.footerCredit, (kRight - kLeft) * 0.7);
    page.setItalic(false);

    // The totals take a row's place after the last row, so the last page keeps room for them.
    const int perPage = int((kRowsEnd - kFirstRow - kTotalsGap) / kRow);
    const int pages = std::max(1, int(std::ceil(double(f.rows.size() + 1) / perPage)));
    for (int number = 1; number <= pages; ++number) {
        if (number > 1)
            page.newPage();
        page.setFontSize(11);
        page.setBold(true);
        leftAligned(page, kLeft, 0.05f, title);

        page.setFontSize(kPoints);
        for (qsizetype column = 0; column < headings.size(); ++column) {
            float y = kTableTop + 0.04f;
            for (const QString &line : headings[column]) {
                column < kTextColumns ? leftAligned(page, edges[column] + kPad, y, line)
                                      : rightAligned(page, edges[column + 1] - kPad, y, line);
                y += kHeadingLine;
            }
        }
        page.setBold(false);

        float y = kFirstRow;
        for (const QStringList &row : f.rows.mid((number - 1) * perPage, perPage)) {
            printRow(page, edges, y, row);
            y += kRow;
        }
        if (number == pages) {
            y += kTotalsGap;
            page.drawLine(kLeft, y - kTotalsGap / 2, edges.last(), y - kTotalsGap / 2);
            page.setBold(true);
            printRow(page, edges, y, f.totals);
            page.setBold(false);
            y += kRow;
        }
        const float bottom = y + 0.02f;
        page.drawLine(kLeft, kTableTop, edges.last(), kTableTop);
        page.drawLine(kLeft, kFirstRow - 0.04f, edges.last(), kFirstRow - 0.04f);
        page.drawLine(kLeft, bottom, edges.last(), bottom);
        for (float x : edges)
            page.drawLine(x, kTableTop, x, bottom);

        page.setItalic(true);
        leftAligned(page, kLeft, kFoot, credit);
        rightAligned(
            page, edges.last(), kFoot, QStringLiteral("Page %1 of %2").arg(number).arg(pages));
        page.setItalic(false);
    }
    return page.endDocument();
}

} // namespace print
