// Income or loss from one house property for the year: the annual value less a flat share
// for repairs, the interest on borrowed capital and other deductions; for a self-occupied
// house the interest alone, limited by the date of the housing loan.
#pragma once

namespace house {

inline constexpr double kRepairsShare = 0.3; // flat allowance for repairs
inline constexpr double kInterestCeilingBefore1999 = 30000; // self-occupied, loan before 1-4-99
inline constexpr double kInterestCeilingAfter1999 = 200000; // self-occupied, loan after 1-4-99

enum class Occupancy { RentedOut, SelfOccupied };
enum class LoanDate { Before1April1999, After1April1999 };

// Annual rental value less property taxes.
double grossIncome(double rentalValue, double propertyTaxes);

// The repairs share of the gross income, rounded to the rupee with ties to the even rupee.
double repairs(double grossIncome);

// The most interest that counts for a self-occupied house with a loan of that date.
double interestCeiling(LoanDate loanDate);

// The interest that counts: limited by the loan date for a self-occupied house only, and
// only when it is above the ceiling.
double allowedInterest(double interest, Occupancy occupancy, LoanDate loanDate);

double totalDeductions(double allowedInterest, double repairs, double others);

// Negative for a loss.
double incomeFromHouseProperty(double grossIncome, double totalDeductions);

} // namespace house
