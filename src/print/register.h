// The office register of a batch: one line per printed return with its figures, and a total
// line, on A4 landscape pages numbered "Page N of M".
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace print {

class Page;

struct RegisterFields
{
    QString title; // above the table on every page
    QStringList headings; // one per column: the file, the name, the PAN, then the amounts
    QList<QStringList> rows; // each as many texts as headings
    QStringList totals; // as many texts as headings (the first says "Total")
    QString footerCredit;
};

// Draws every page and ends the document; false when it could not be completed.
bool drawRegister(Page &page, const RegisterFields &fields);

} // namespace print
