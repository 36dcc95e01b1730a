#include "records/plan.h"

#include "fields/conversions.h"
#include "records/boxes.h"
#include "rules/deductions.h"
#include "rules/houseproperty.h"
#include "rules/pay.h"
#include "rules/plan.h"

#include <cmath>

namespace records {

using fields::readAmount;

namespace {

// The month table's rows from "Mar 14": the pay months of the year.
constexpr int kFirstPayRow = 2;

// The total tax with `deducted` more under chapter VI-A and `interest` more off the income
// from house property: the main sheet's Calculate run again.
std::optional<double> totalTaxWith(MainRecord main, double deducted, double interest, Said &refusal)
{
    if (!writeAmount(main.txtded80, readAmount(main.txtded80) + deducted)
        || !writeAmount(main.txthp, readAmount(main.txthp) - interest)) {
        refusal = tooLarge(QStringLiteral("tax it would save"));
        return std::nullopt;
    }
    if (std::optional<Said> said = calculate(main)) {
        refusal = *said;
        return std::nullopt;
    }
    return readAmount(main.txtttax);
}

// "20.6% with cess": the share to two places, no trailing zeros.
QString rateText(double rate)
{
    return fields::numberText(std::round(rate * 10000) / 100) + QStringLiteral("% with cess");
}

// Where the tax on a rupee more changes next, and how.
QString nextText(const MainRecord &main)
{
    const double income = readAmount(main.txtnti), relief89 = readAmount(main.txtrel89);
    const std::optional<double> edge = plan::nextEdge(income, main.age(), relief89);
    if (!edge)
        return {};
    QString text = QStringLiteral("Above %1 (%2 more): %3")
                       .arg(fields::numberText(*edge), fields::numberText(*edge - income),
                           rateText(plan::marginalRate(*edge, main.age(), relief89)));
    if (*edge == tax::kRelief87AIncomeLimit && readAmount(main.txtrel87A) > 0)
        text += QStringLiteral(", and no relief u/s 87A (%1 now)").arg(main.txtrel87A);
    if (*edge == tax::kSurchargeThreshold)
        text += QStringLiteral(", with the surcharge");
    return text;
}

} // namespace

const QStringList &PlanRecord::months()
{
    static const QStringList list = [] {
        QStringList names;
        for (int row = kFirstPayRow; row < pay::kRows; ++row)
            names << QString::fromLatin1(pay::kMonthNames[row]);
        return names;
    }();
    return list;
}

std::optional<Said> calculate(
    PlanRecord &p, const MainRecord &main, const DeductionsRecord &deductions, const HouseRecord *house)
{
    p.txtname = main.txtname;
    p.txtnti = main.txtnti;
    p.txtttax = main.txtttax;
    p.txtdedtax = main.txtdedtax;
    p.txtbaltax = main.txtbaltax;

    // What the deductions sheet counts now (its Calculate cuts the bonds back to their ceiling).
    DeductionsRecord counted = deductions;
    if (std::optional<Said> said = calculate(counted))
        return said;
    std::array<double, PlanRecord::kLimits> room {};
    room[PlanRecord::Savings] = deductions::kSavingsCeiling
        - deductions::savingsBeforeCeiling(readAmount(counted.txt80c), readAmount(counted.txt80ccc),
            readAmount(counted.txt80ccdec));
    room[PlanRecord::InfraBonds] = deductions::kInfraBondsCeiling - readAmount(counted.txt80ccf);
    room[PlanRecord::Mediclaim] = deductions::kMediclaimCeiling - readAmount(counted.txt80d);
    if (house && house->optso)
        room[PlanRecord::HouseInterest] = house::interestCeiling(house->loanDate()) - readAmount(house->txtintt);
    for (double &left : room)
        left = std::max(0.0, left);
    room[PlanRecord::AllLimits] = room[PlanRecord::Savings] + room[PlanRecord::InfraBonds]
        + room[PlanRecord::Mediclaim] + room[PlanRecord::HouseInterest];

    // Each line's room used in full: more deducted under chapter VI-A, or more interest off
    // the income from house property.
    const double deductible = room[PlanRecord::Savings] + room[PlanRecord::InfraBonds] + room[PlanRecord::Mediclaim];
    const std::array<std::pair<double, double>, PlanRecord::kLimits> used { { { room[PlanRecord::Savings], 0 },
        { room[PlanRecord::InfraBonds], 0 }, { room[PlanRecord::Mediclaim], 0 }, { 0, room[PlanRecord::HouseInterest] },
        { deductible, room[PlanRecord::HouseInterest] } } };
    const double taxNow = readAmount(main.txtttax);
    for (size_t limit = 0; limit < used.size(); ++limit) {
        double saved = 0;
        if (room[limit] > 0) {
            Said refusal;
            const std::optional<double> taxThen = totalTaxWith(main, used[limit].first, used[limit].second, refusal);
            if (!taxThen)
                return refusal;
            saved = taxNow - *taxThen;
        }
        if (auto said = writeResult(p.txtroom[limit], room[limit], QStringLiteral("room under the limits")))
            return said;
        if (auto said = writeResult(p.txtsave[limit], saved, QStringLiteral("tax it would save")))
            return said;
    }

    p.txtrate = rateText(plan::marginalRate(readAmount(main.txtnti), main.age(), readAmount(main.txtrel89)));
    p.txtnext = nextText(main);

    // The months gone deducted what the main sheet's "Tax Deducted" holds; the balance is
    // spread over the rest, or refunded.
    const double balance = readAmount(main.txtbaltax);
    const int first = p.firstMonth();
    const std::vector<double> spread = plan::monthlyDeductions(balance, PlanRecord::kMonths - first);
    for (int month = 0; month < PlanRecord::kMonths; ++month) {
        if (month < first)
            p.txtmonth[size_t(month)].clear();
        else if (auto said = writeResultOf(p.txtmonth[size_t(month)], spread[size_t(month - first)],
                     [month] { return QStringLiteral("tax to deduct in %1").arg(PlanRecord::months()[month]); }))
            return said;
    }
    return writeResult(p.txtrefund, std::max(0.0, -balance), QStringLiteral("tax refundable"));
}

void take(const MainRecord &main, PlanRecord &plan)
{
    plan.txtname = main.txtname;
}

} // namespace records
