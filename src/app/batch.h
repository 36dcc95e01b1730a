// A whole office's statements in one command: each return read into records, worked out and
// printed to PDF files, with no window; the returns are worked out side by side on every core.
#pragma once

#include <QStringList>

class QTextStream;

namespace batch {

// For each return NAME.morvel: Calculate and Print of the main sheet, and, when it holds the
// salary, relief or Form 16 sheet, of those too, into dir/NAME-tax.pdf, dir/NAME-salary.pdf,
// dir/NAME-10e.pdf and dir/NAME-form16.pdf. With `office`, a return whose Form 16 sheet gives
// the employer and the person responsible, every return gets its Form 16. One line per file
// on `out`, in the order given: the files written, or why none was; then the office register
// of the returns printed, dir/register.csv and dir/register.pdf. True when every file printed.
bool printToPdf(const QString &dir, const QStringList &files, QTextStream &out, const QString &office = {});

} // namespace batch
