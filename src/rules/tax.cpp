#include "rules/tax.h"

#include "fields/conversions.h"

#include <algorithm>

using fields::roundHalfEven;

namespace tax {

double roundToTens(double amount)
{
    return roundHalfEven(amount / 10) * 10;
}

double taxBySlabs(double n, AgeGroup group)
{
    const Slabs &slabs = slabsOf(group);
    if (n <= slabs.taxFreeLimit)
        return 0;
    if (n <= kTopOf10PercentSlab)
        return roundHalfEven((n - slabs.taxFreeLimit) * kRate10);
    if (n <= kTopOf20PercentSlab)
        return roundHalfEven((n - kTopOf10PercentSlab) * kRate20) + slabs.taxOn10PercentSlab;
    return roundHalfEven((n - kTopOf20PercentSlab) * kRate30) + slabs.taxOn10And20PercentSlabs;
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

double surcharge(double netTaxableIncome, double netTax, double netTaxAtThreshold)
{
    if (netTaxableIncome <= kSurchargeThreshold)
        return 0;
    const double full = roundHalfEven(netTax * kSurchargeRate);
    const double marginal = netTaxAtThreshold + (netTaxableIncome - kSurchargeThreshold) - netTax;
    return std::max(0.0, std::min(full, marginal));
}

double educationCess(double tax)
{
    return roundHalfEven(tax * kCessRate);
}

} // namespace tax
