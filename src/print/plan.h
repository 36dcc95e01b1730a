// The employee's planner on one A4 portrait page: what each limit still leaves and the tax
// using it would save, the rate of the next rupee, and the tax to deduct in each month to
// come. Drawn from the texts of the planner as they stand.
#pragma once

#include <QList>
#include <QString>

namespace print {

class Page;

struct PlanFields
{
    QString name, pan, ageGroup;
    QString netTaxableIncome, rate, next; // next: empty when the rate does not change above

    struct Limit
    {
        QString caption, room, saving;
    };
    QList<Limit> limits; // those with room left; none: every limit used up

    QString totalTax, taxDeducted, balance;
    QString deductedCaption; // what "Tax deducted" covers, e.g. "Deducted up to Nov 14"
    QString refund; // empty: nothing to refund
    struct Month
    {
        QString name, amount;
    };
    QList<Month> months; // from the first month to come

    QString footerCredit;
};

// Draws the page and ends the document; false when it could not be completed.
bool drawPlan(Page &page, const PlanFields &fields);

} // namespace print
