// The arithmetic of the deductions sheet: the ceilings of the year under section 80 and
// the sums they apply to. No widgets here, so each rule can be checked in a table.
#pragma once

#include <QLocale>
#include <QString>
#include <span>

namespace deductions {

// 80C items, 80CCC and the employee's 80CCD contribution together.
inline constexpr double kSavingsCeiling = 150000;
// Infrastructure bonds under 80CCF.
inline constexpr double kInfraBondsCeiling = 20000;
// Mediclaim or CGHS under 80D: 15000 for self and dependents, 15000 for parents.
inline constexpr double kMediclaimCeiling = 30000;

// The 80C items added left to right, with no ceiling of their own.
double total80c(std::span<const double> items);

// 80C total + 80CCC + the employee's 80CCD contribution, before the ceiling.
double savingsBeforeCeiling(double total80c, double jeevanSuraksha, double employeeNps);

// The savings limited to the ceiling, then the government's contribution added on top:
// that contribution is never cut by the ceiling, and a sum exactly at it stands.
double savingsAfterCeiling(double savings, double governmentNps);

// True when the 80CCF amount must be cut back to the ceiling.
bool infraBondsOverCeiling(double infraBonds);

// The grand total handed to the main sheet, added in this order.
double grandTotal(double savings, double mediclaim, double donations, double infraBonds,
                  double otherDeductions);

// The mediclaim field's text compared with its ceiling. The text is read strictly in the
// given locale; text that is not a whole number (a lone "-" while typing, "35000abc") is
// judged by the amount Calculate would count from it, so no text slips past the ceiling.
bool mediclaimOverCeiling(const QString &text, const QLocale &locale = QLocale());

} // namespace deductions
