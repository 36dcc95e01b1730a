#include "rules/deductions.h"

#include "fields/conversions.h"

namespace deductions {

double total80c(std::span<const double> items)
{
    double total = 0;
    for (double item : items)
        total += item;
    return total;
}

double savingsBeforeCeiling(double total80c, double jeevanSuraksha, double employeeNps)
{
    return total80c + jeevanSuraksha + employeeNps;
}

double savingsAfterCeiling(double savings, double governmentNps)
{
    if (savings > kSavingsCeiling)
        return kSavingsCeiling + governmentNps;
    return savings + governmentNps;
}

bool infraBondsOverCeiling(double infraBonds)
{
    return infraBonds > kInfraBondsCeiling;
}

double grandTotal(double savings, double mediclaim, double donations, double infraBonds,
                  double otherDeductions)
{
    return savings + mediclaim + donations + infraBonds + otherDeductions;
}

bool mediclaimOverCeiling(const QString &text, const QLocale &locale)
{
    const double value = fields::readStrict(text, locale).value_or(fields::readAmount(text));
    return value > kMediclaimCeiling;
}

} // namespace deductions
