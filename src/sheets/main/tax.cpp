#include "sheets/main/tax.h"

#include "fields/conversions.h"

using fields::roundHalfEven;

namespace tax {

double roundToTens(double amount)
{
    return roundHalfEven(amount / 10) * 10;
}

double taxBySlabs(double n)
{
    if (n <= kTaxFreeLimit)
        return 0;
    if (n <= kTopOf10PercentSlab)
        return roundHalfEven((n - kTaxFreeLimit) * kRate10);
    if (n <= kTopOf20PercentSlab)
        return roundHalfEven((n - kTopOf10PercentSlab) * kRate20) + kTaxOnFull10Slab;
    return roundHalfEven((n - kTopOf20PercentSlab) * kRate30) + kTaxOnFull10And20Slabs;
}

double relief87A(double netTaxableIncome, double grossTax)
{
    if (netTaxableIncome > kRelief87AIncomeLimit)
        return 0;
    return grossTax < kLargestRelief87A ? grossTax : kLargestRelief87A;
}

double netTax(double grossTax, double relief87A, double relief89)
{
    const double net = grossTax - (relief87A + relief89);
    return net < 0 ? 0 : net;
}

double educationCess(double netTax)
{
    return roundHalfEven(netTax * kCessRate);
}

} // namespace tax
