// The exempt part of the house rent allowance for the year: the rent paid in excess of a
// tenth of the salary, at most the allowance drawn and never below 0.
#pragma once

namespace hra {

inline constexpr double kSalaryShare = 0.1; // part of the salary the rent must exceed

// Salary for the exemption: basic pay + dearness allowance + grade pay.
double totalSalary(double basicPay, double dearness, double gradePay);

// A tenth of the salary, rounded to the rupee with ties to the even rupee.
double salaryShare(double totalSalary);

// Rent paid less the rounded tenth of the salary (negative when the rent is smaller).
double rentExcess(double rentPaid, double totalSalary);

// The rent excess while it is below the allowance drawn, otherwise the allowance; 0 when
// that comes out negative. No city or percentage limit applies.
double exemption(double rentExcess, double hraDrawn);

} // namespace hra
