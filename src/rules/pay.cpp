#include "rules/pay.h"

#include "fields/conversions.h"

using fields::roundHalfEven;

namespace pay {

Period periodOfRow(int row)
{
    if (row < kFirstCurrentRow)
        return Period::Arrears;
    if (row < kFirstJulyRow)
        return Period::UpToJune;
    return Period::FromJuly;
}

std::optional<HraClass> hraClassFromText(const QString &text)
{
    if (text == u"X")
        return HraClass::X;
    if (text == u"Y")
        return HraClass::Y;
    if (text == u"Z")
        return HraClass::Z;
    if (text == u"NA")
        return HraClass::NotApplicable;
    return std::nullopt;
}

std::optional<TransportClass> transportClassFromText(const QString &text)
{
    if (text == u"A/A-1")
        return TransportClass::A;
    if (text == u"Oth.")
        return TransportClass::Other;
    if (text == u"NA")
        return TransportClass::NotApplicable;
    return std::nullopt;
}

double raiseToTen(double amount)
{
    // Kept as the two comparisons of the rule: a multiple of ten stays as it is.
    const double q = roundHalfEven(amount / kIncrementStep);
    if (q * kIncrementStep > amount)
        amount = q * kIncrementStep;
    if (q * kIncrementStep < amount)
        amount = q * kIncrementStep + kIncrementStep;
    return amount;
}

double increment(double juneBasicPay, double juneGradePay)
{
    return raiseToTen(roundHalfEven((juneGradePay + juneBasicPay) * kIncrementRate));
}

double dearnessAllowance(Period period, double basicPay, double gradePay)
{
    switch (period) {
    case Period::Arrears: {
        const double pay = basicPay + gradePay;
        return roundHalfEven(pay) - roundHalfEven(pay * kDaRateBefore2014);
    }
    case Period::UpToJune:
        return roundHalfEven(gradePay + basicPay);
    case Period::FromJuly:
        return roundHalfEven((gradePay + basicPay) * kDaRateJul14);
    }
    return 0;
}

double houseRentAllowance(HraClass cls, double basicPay, double gradePay)
{
    switch (cls) {
    case HraClass::X:
        return roundHalfEven((gradePay + basicPay) * kHraRateX);
    case HraClass::Y:
        return roundHalfEven((gradePay + basicPay) * kHraRateY);
    case HraClass::Z:
        return roundHalfEven((gradePay + basicPay) * kHraRateZ);
    case HraClass::NotApplicable:
        break;
    }
    return 0;
}

std::optional<Tier> transportTier(TransportClass cls, double basicPay, double gradePay)
{
    if (gradePay >= kTier1GradePay)
        return Tier::T1;
    if (gradePay >= kTier2GradePay)
        return Tier::T2;
    if (basicPay >= kTier3BasicPay)
        return Tier::T3;
    // "Present" differs by class: a few paise count in A/A-1 cities but not elsewhere.
    const bool present = cls == TransportClass::A ? basicPay > 0 : roundHalfEven(basicPay) != 0;
    if (present)
        return Tier::T4;
    return std::nullopt;
}

namespace {

struct TpaAmounts
{
    double base;
    double da90;
    double da107;
};

TpaAmounts tpaAmounts(TransportClass cls, Tier tier)
{
    if (cls == TransportClass::A) {
        switch (tier) {
        case Tier::T1:
            return {kTpaBaseHigh, kTpaDa90High, kTpaDa107High};
        case Tier::T2:
        case Tier::T3:
            return {kTpaBaseMid, kTpaDa90Mid, kTpaDa107Mid};
        case Tier::T4:
            return {kTpaBaseA4, kTpaDa90A4, kTpaDa107A4};
        }
    }
    switch (tier) {
    case Tier::T1:
        return {kTpaBaseMid, kTpaDa90Mid, kTpaDa107Mid};
    case Tier::T2:
    case Tier::T3:
        return {kTpaBaseLow, kTpaDa90Low, kTpaDa107Low};
    case Tier::T4:
        break;
    }
    return {kTpaBaseOther4, kTpaDa90Other4, kTpaDa107Other4};
}

} // namespace

double transportAllowance(TransportClass cls, Tier tier, Period period)
{
    if (cls == TransportClass::NotApplicable)
        return 0;
    const TpaAmounts amounts = tpaAmounts(cls, tier);
    switch (period) {
    case Period::Arrears:
        return amounts.base - roundHalfEven(amounts.da90);
    case Period::UpToJune:
        return amounts.base + roundHalfEven(amounts.base);
    case Period::FromJuly:
        return amounts.base + roundHalfEven(amounts.da107);
    }
    return 0;
}

double pensionContributionArrears(double dearness)
{
    return roundHalfEven(dearness * kNpsRate);
}

double pensionContribution(double basicPay, double gradePay, double dearness)
{
    return roundHalfEven((gradePay + basicPay + dearness) * kNpsRate);
}

double transportExemption(std::span<const double> monthlyAllowances)
{
    double exempt = 0;
    for (const double allowance : monthlyAllowances)
        exempt += allowance > kTpaExemptPerMonth ? kTpaExemptPerMonth : allowance;
    return exempt;
}

} // namespace pay
