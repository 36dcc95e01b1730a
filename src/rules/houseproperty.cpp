#include "rules/houseproperty.h"

#include "fields/conversions.h"

namespace house {

double grossIncome(double rentalValue, double propertyTaxes)
{
    return rentalValue - propertyTaxes;
}

double repairs(double grossIncome)
{
    return fields::roundHalfEven(grossIncome * kRepairsShare);
}

double interestCeiling(LoanDate loanDate)
{
    return loanDate == LoanDate::Before1April1999 ? kInterestCeilingBefore1999 : kInterestCeilingAfter1999;
}

double allowedInterest(double interest, Occupancy occupancy, LoanDate loanDate)
{
    if (occupancy != Occupancy::SelfOccupied)
        return interest;
    const double ceiling = interestCeiling(loanDate);
    return interest > ceiling ? ceiling : interest;
}

double totalDeductions(double allowedInterest, double repairs, double others)
{
    return allowedInterest + repairs + others;
}

double incomeFromHouseProperty(double grossIncome, double totalDeductions)
{
    return grossIncome - totalDeductions;
}

} // namespace house
