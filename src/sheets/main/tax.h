// The tax of the year 2014-15 on a net taxable income: slabs, relief u/s 87A, cess.
#pragma once

namespace tax {

inline constexpr double kTaxFreeLimit = 250000;     // top of the nil slab
inline constexpr double kTopOf10PercentSlab = 500000;
inline constexpr double kTopOf20PercentSlab = 1000000;
inline constexpr double kRate10 = 0.1;
inline constexpr double kRate20 = 0.2;
inline constexpr double kRate30 = 0.3;
inline constexpr double kTaxOnFull10Slab = 25000;
inline constexpr double kTaxOnFull10And20Slabs = 125000;
inline constexpr double kRelief87AIncomeLimit = 500000;
inline constexpr double kLargestRelief87A = 2000;
inline constexpr double kCessRate = 0.03;

// Round((income) / 10) x 10, ties to the even number of tens.
double roundToTens(double amount);

// Tax by the slabs; a boundary belongs to the lower slab, a negative income is tax-free.
double taxBySlabs(double netTaxableIncome);

// Relief u/s 87A: the whole gross tax up to 2000 when the income is at most 500000.
double relief87A(double netTaxableIncome, double grossTax);

// Gross tax less both reliefs (added first), never below 0.
double netTax(double grossTax, double relief87A, double relief89);

// Education cess, rounded to the rupee with ties to even.
double educationCess(double netTax);

} // namespace tax
