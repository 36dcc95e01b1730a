// A whole office's statements in one command: each return opened, calculated and printed to
// PDF files, with no window.
#pragma once

#include <QStringList>

class QTextStream;

namespace batch {

// For each return NAME.morvel: Calculate and Print on the main sheet, and, when it holds the
// salary sheet or the relief sheet, on those too, into dir/NAME-tax.pdf, dir/NAME-salary.pdf
// and dir/NAME-10e.pdf. One line per file on `out`: the files written, or why none was. True
// when every file printed.
bool printToPdf(const QString &dir, const QStringList &files, QTextStream &out);

} // namespace batch
