// A whole office's statements in one command: each return read into records, worked out and
// printed to PDF files, with no window; the returns are worked out side by side on every core.
#pragma once

#include <QStringList>

class QTextStream;

namespace batch {

// For each return NAME.morvel: Calculate and Print of the main sheet, and, when it holds the
// salary sheet or the relief sheet, of those too, into dir/NAME-tax.pdf, dir/NAME-salary.pdf
// and dir/NAME-10e.pdf. One line per file on `out`, in the order given: the files written, or
// why none was. True when every file printed.
bool printToPdf(const QString &dir, const QStringList &files, QTextStream &out);

} // namespace batch
