#include "rules/plan.h"

#include <cmath>

namespace plan {
namespace {

// The slab rate of the rupee above `n`: a boundary belongs to the lower slab.
double slabRateAbove(double n, tax::AgeGroup group)
{
    if (n < tax::slabsOf(group).taxFreeLimit)
        return 0;
    if (n < tax::kTopOf10PercentSlab)
        return tax::kRate10;
    if (n < tax::kTopOf20PercentSlab)
        return tax::kRate20;
    return tax::kRate30;
}

} // namespace

double marginalRate(double n, tax::AgeGroup group, double relief89)
{
    double rate = slabRateAbove(n, group);
    const double gross = tax::taxBySlabs(n, group);
    // Relief u/s 87A takes up a rupee more of tax too while the gross tax is under its
    // largest amount (at the limit itself the next rupee loses the relief: a step, not a rate).
    if (n < tax::kRelief87AIncomeLimit && gross < tax::kLargestRelief87A)
        rate = 0;
    const double relief87A = tax::relief87A(n, gross);
    if (gross - (relief87A + relief89) < 0)
        rate = 0;
    if (n >= tax::kSurchargeThreshold) {
        const double net = tax::netTax(gross, relief87A, relief89);
        const double atThreshold = tax::netTax(tax::taxBySlabs(tax::kSurchargeThreshold, group), 0, relief89);
        const double marginal = atThreshold + (n - tax::kSurchargeThreshold) - net;
        const double full = net * tax::kSurchargeRate;
        if (marginal < full)
            rate = 1; // each rupee more is a rupee more of tax and surcharge
        else
            rate *= 1 + tax::kSurchargeRate;
    }
    return rate * (1 + tax::kCessRate);
}

std::optional<double> nextEdge(double n, tax::AgeGroup group, double relief89)
{
    const double now = marginalRate(n, group, relief89);
    for (double edge : { tax::slabsOf(group).taxFreeLimit, tax::kTopOf10PercentSlab, tax::kTopOf20PercentSlab,
             tax::kSurchargeThreshold })
        if (edge > n
            && (edge == tax::kRelief87AIncomeLimit || edge == tax::kSurchargeThreshold
                || marginalRate(edge, group, relief89) != now))
            return edge;
    return std::nullopt;
}

std::vector<double> monthlyDeductions(double balance, int months)
{
    std::vector<double> plan(size_t(std::max(0, months)), 0.0);
    if (plan.empty() || !(balance > 0))
        return plan;
    double remaining = balance;
    for (int month = 0; month + 1 < months; ++month) {
        const double share = std::ceil(remaining / (months - month) / kDeductionStep) * kDeductionStep;
        if (share <= remaining) {
            plan[size_t(month)] = share;
            remaining -= share;
        }
    }
    plan.back() = remaining;
    return plan;
}

} // namespace plan
