// The pay rules of the months March 2014 to February 2015 (with the DA arrears of January
// and February 2014): dearness allowance, house rent allowance, transport allowance, the
// pension contribution, the July increment and the exempt part of the transport allowance.
// Pure arithmetic on amounts; the salary sheet reads its cells, calls these and writes back.
#pragma once

#include <QString>
#include <optional>
#include <span>

namespace pay {

// The month table: fourteen rows, Jan 14 to Feb 15 (index 0 to 13).
inline constexpr int kRows = 14;
inline constexpr int kFirstCurrentRow = 2; // rows 0 and 1 only carry the DA arrears
inline constexpr int kFirstJulyRow = 6;    // Jul 14: the higher DA rate and the increment
inline constexpr int kJuneRow = 5;         // the increment is worked out from June's pay

// Dearness allowance, as a fraction of basic pay plus grade pay.
inline constexpr double kDaRateBefore2014 = 0.9; // Jul 13 to Dec 13, for the arrears
inline constexpr double kDaRateJul14 = 1.07;     // from Jul 14 (up to Jun 14 it is 100%)

inline constexpr double kIncrementRate = 0.03; // of June's basic pay plus grade pay
inline constexpr double kIncrementStep = 10;   // the increment is raised to a multiple of 10

// House rent allowance by city class.
inline constexpr double kHraRateX = 0.3;
inline constexpr double kHraRateY = 0.2;
inline constexpr double kHraRateZ = 0.1;

inline constexpr double kNpsRate = 0.1; // New Pension Scheme contribution

// Transport allowance tiers: grade pay from 5400, from 4200, then basic pay from 7440.
inline constexpr double kTier1GradePay = 5400;
inline constexpr double kTier2GradePay = 4200;
inline constexpr double kTier3BasicPay = 7440;

// Transport allowance base amounts, and DA on them at 90% and 107% as fixed amounts.
inline constexpr double kTpaBaseHigh = 3200;  // A/A-1 cities, tier 1
inline constexpr double kTpaBaseMid = 1600;   // A/A-1 tiers 2 and 3; other cities tier 1
inline constexpr double kTpaBaseLow = 800;    // other cities, tiers 2 and 3
inline constexpr double kTpaBaseA4 = 600;     // A/A-1 cities, tier 4
inline constexpr double kTpaBaseOther4 = 400; // other cities, tier 4
inline constexpr double kTpaDa90High = 2880;
inline constexpr double kTpaDa90Mid = 1440;
inline constexpr double kTpaDa90Low = 720;
inline constexpr double kTpaDa90A4 = 540;
inline constexpr double kTpaDa90Other4 = 360;
inline constexpr double kTpaDa107High = 3424;
inline constexpr double kTpaDa107Mid = 1712;
inline constexpr double kTpaDa107Low = 856;
inline constexpr double kTpaDa107A4 = 642;
inline constexpr double kTpaDa107Other4 = 428;

// Monthly transport allowance that is exempt from tax.
inline constexpr double kTpaExemptPerMonth = 800;

// The caption of each row, as the salary sheet and its statement show it.
inline constexpr const char *kMonthNames[kRows] = { "Jan 14", "Feb 14", "Mar 14", "Apr 14", "May 14", "Jun 14",
    "Jul 14", "Aug 14", "Sep 14", "Oct 14", "Nov 14", "Dec 14", "Jan 15", "Feb 15" };

// Which DA rule a row of the month table follows.
enum class Period { Arrears, UpToJune, FromJuly };
Period periodOfRow(int row);

enum class HraClass { X, Y, Z, NotApplicable };
enum class TransportClass { A, Other, NotApplicable };
enum class Tier { T1, T2, T3, T4 };

// The selections as the sheet lists them ("X", "Y", "Z", "NA"; "A/A-1", "Oth.", "NA"),
// compared exactly: any other text (also "x") is no class at all.
std::optional<HraClass> hraClassFromText(const QString &text);
std::optional<TransportClass> transportClassFromText(const QString &text);

// The increment of July: 3% of June's pay, rounded, then raised to a multiple of ten.
double increment(double juneBasicPay, double juneGradePay);
// The smallest multiple of ten not below a whole amount (522 -> 530, 630 -> 630).
double raiseToTen(double amount);

double dearnessAllowance(Period period, double basicPay, double gradePay);
double houseRentAllowance(HraClass cls, double basicPay, double gradePay);

// The transport allowance tier of a row, or none (grade pay below 4200 and no basic pay).
// Class "NA" pays nothing whatever the tier.
std::optional<Tier> transportTier(TransportClass cls, double basicPay, double gradePay);
// The allowance with DA on it for the row's period (only the DA difference for arrears).
double transportAllowance(TransportClass cls, Tier tier, Period period);

// Pension contribution: of the DA arrears alone, or of a current month's pay and DA.
double pensionContributionArrears(double dearness);
double pensionContribution(double basicPay, double gradePay, double dearness);

// Sum of the months' transport allowances, each capped at 800.
double transportExemption(std::span<const double> monthlyAllowances);

// The figures of the year that the salary sheet hands to the main sheet.
struct YearFigures
{
    double gross = 0; // grand total of the salary
    double transportExempt = 0;
    double basicPay = 0;
    double dearness = 0;
    double hraReceived = 0;
    double gradePay = 0;
    double pension = 0; // New Pension Scheme contribution
};

} // namespace pay
