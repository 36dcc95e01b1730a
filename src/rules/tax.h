// The tax of the year 2014-15 on a net taxable income: slabs by age group, relief u/s 87A,
// surcharge, cess.
#pragma once

#include <QString>
#include <QStringList>

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

// Age during the year (reached by 31 March 2015): each group has slabs of its own.
enum class AgeGroup { Below60, Senior, VerySenior };
// The groups as the main sheet lists them, in the order of the enum.
inline const QStringList kAgeGroups = { QStringLiteral("Below 60"), QStringLiteral("60 to 79"),
    QStringLiteral("80 and above") };

// The nil slab of each group, and the tax on a full 10% slab up to 500000 and on full 10% and
// 20% slabs up to 1000000.
struct Slabs
{
    double taxFreeLimit;
    double taxOn10PercentSlab;
    double taxOn10And20PercentSlabs;
};
inline constexpr Slabs kSlabsBelow60 { kTaxFreeLimit, kTaxOnFull10Slab, kTaxOnFull10And20Slabs };
inline constexpr Slabs kSlabsSenior { 300000, 20000, 120000 };
inline constexpr Slabs kSlabsVerySenior { 500000, 0, 100000 };
inline constexpr const Slabs &slabsOf(AgeGroup group)
{
    return group == AgeGroup::Senior ? kSlabsSenior : group == AgeGroup::VerySenior ? kSlabsVerySenior : kSlabsBelow60;
}

// Surcharge on the tax after reliefs, above an income of 1,00,00,000.
inline constexpr double kSurchargeThreshold = 10000000;
inline constexpr double kSurchargeRate = 0.1;

// Round((income) / 10) x 10, ties to the even number of tens.
double roundToTens(double amount);

// Tax by the slabs of the group; a boundary belongs to the lower slab, a negative income is
// tax-free.
double taxBySlabs(double netTaxableIncome, AgeGroup group = AgeGroup::Below60);

// Relief u/s 87A: the whole gross tax up to 2000 when the income is at most 500000.
double relief87A(double netTaxableIncome, double grossTax);

// Gross tax less both reliefs (added first), never below 0.
double netTax(double grossTax, double relief87A, double relief89);

// Surcharge on the net tax when the income is above the threshold, rounded to the rupee, with
// marginal relief: net tax and surcharge together never more than the net tax on exactly the
// threshold (`netTaxAtThreshold`) plus the income above it.
double surcharge(double netTaxableIncome, double netTax, double netTaxAtThreshold);

// Education cess on the tax (net tax and surcharge), rounded to the rupee with ties to even.
double educationCess(double tax);

} // namespace tax
