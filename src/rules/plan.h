// The arithmetic of the employee's planner: what the next rupee of income costs in tax, where
// that changes next, and how the tax still to pay is spread over the months to come.
#pragma once

#include "rules/tax.h"

#include <optional>
#include <vector>

namespace plan {

// The tax is deducted from the pay in multiples of this many rupees, but for the last month.
inline constexpr double kDeductionStep = 10;

// The share of the next rupee of net taxable income that goes in tax, surcharge and cess
// (0.206 in the 20% slab), for an income of `netTaxableIncome` with `relief89` as typed:
// nothing while relief u/s 87A or u/s 89 takes up the tax, the whole rupee and its cess while
// marginal relief holds the surcharge down.
double marginalRate(double netTaxableIncome, tax::AgeGroup group, double relief89);

// The incomes at which the tax on a rupee more may change: the top of the nil slab of the
// group, of the 10% slab (also the limit of relief u/s 87A), of the 20% slab, and the threshold
// of the surcharge. The first of them above `netTaxableIncome` (the last income before the
// change) where marginalRate() changes, relief u/s 87A ends or the surcharge starts; none from
// the surcharge's threshold up.
std::optional<double> nextEdge(double netTaxableIncome, tax::AgeGroup group, double relief89);

// The balance spread over `months` months: each the balance still to deduct divided by the
// months left, rounded up to a multiple of kDeductionStep while that is no more than what
// remains (otherwise nothing), and the last month what remains. Nothing to spread (a balance
// of 0 or less, no month): every month 0.
std::vector<double> monthlyDeductions(double balance, int months);

} // namespace plan
