// Form 10E for the assessment year 2015-16 on one portrait page: the employee's particulars,
// item 1 of the form (arrears of salary), Annexure I with Table A, and the verification with
// place, date and signature to fill in by hand. Drawn from a plain record of its texts.
#pragma once

#include <QList>
#include <QString>
#include <array>

namespace print {

class Page;

struct Form10EFields
{
    QString name;
    QString address;
    QString pan;
    QString arrears = "0"; // item 1(a): salary received in arrears
    // Annexure I, items 1 to 8.
    std::array<QString, 8> items { "0", "0", "0", "0", "0", "0", "0", "0" };
    // Table A: the years that have arrears, columns (1) to (7).
    struct Year
    {
        QString year, totalIncome, arrears, increased, taxOnIncome, taxOnIncreased, difference;
    };
    QList<Year> table;
    QString footerCredit;
};

// Draws the form and ends the document; returns what ending it returned.
bool drawForm10E(Page &page, const Form10EFields &fields);

} // namespace print
