// The planner's record: what each limit of the year still leaves and the tax using it would
// save, the rate at which the next rupee is taxed, and the tax to deduct in each month still
// to come. Everything but the first month to come is worked out from the other sheets.
#pragma once

#include "fields/labels.h"
#include "records/deductions.h"
#include "records/house.h"
#include "records/main.h"

#include <array>

namespace records {

struct PlanRecord
{
    // The limits, one line each, and all of them used together.
    enum Limit { Savings, InfraBonds, Mediclaim, HouseInterest, AllLimits, kLimits };
    static inline const QStringList kLimitCaptions = { "Sections 80C, 80CCC and 80CCD(1)",
        "Section 80CCF (infrastructure bonds)", "Section 80D (mediclaim)", "Interest on a self-occupied house",
        "All of them together" };
    // The pay months of the year, "Mar 14" to "Feb 15".
    static constexpr int kMonths = 12;
    static const QStringList &months();

    // Typed: the first month still to come
    QString cbofrom = months().first();
    // Taken over from the main sheet as Calculate leaves it
    QString txtname, txtnti = "0", txtttax = "0", txtdedtax = "0", txtbaltax = "0";
    // What each limit leaves and the tax using it in full would save; both 0: used up
    std::array<QString, kLimits> txtroom = zeros<kLimits>(), txtsave = zeros<kLimits>();
    // The rate of the next rupee, and where it changes next (empty: it does not)
    QString txtrate, txtnext;
    // The tax to deduct in each month (empty: a month gone); what is refundable instead
    std::array<QString, kMonths> txtmonth = zeros<kMonths>();
    QString txtrefund = "0";

    // The index of the first month to come among months().
    int firstMonth() const { return std::max(0, int(months().indexOf(cbofrom))); }

    template <int N> static std::array<QString, N> zeros()
    {
        std::array<QString, N> boxes;
        boxes.fill(QStringLiteral("0"));
        return boxes;
    }

    template <class Self, class V> static void visit(Self &r, V &v)
    {
        v.list("cbofrom", r.cbofrom, months(), false);
        for (auto [name, box] : { std::pair { "txtname", &r.txtname }, { "txtnti", &r.txtnti },
                 { "txtttax", &r.txtttax }, { "txtdedtax", &r.txtdedtax }, { "txtbaltax", &r.txtbaltax },
                 { "txtrate", &r.txtrate }, { "txtnext", &r.txtnext }, { "txtrefund", &r.txtrefund } })
            v.box(name, *box);
        for (int i = 0; i < kLimits; ++i) {
            v.box(fields::elementName("txtroom", i), r.txtroom[i]);
            v.box(fields::elementName("txtsave", i), r.txtsave[i]);
        }
        for (int i = 0; i < kMonths; ++i)
            v.box(fields::elementName("txtmonth", i), r.txtmonth[i]);
    }
};

// Works the planner out from the main sheet's record, already calculated, the deductions
// sheet's as it stands, and the house-property sheet's where the return uses it. Each saving
// is the total tax now less the total tax with the room used in full, the whole computation
// run again; the balance of the tax is spread over the months from the first to come.
std::optional<Said> calculate(
    PlanRecord &plan, const MainRecord &main, const DeductionsRecord &deductions, const HouseRecord *house);

// On opening: the employee's name as the main sheet has it.
void take(const MainRecord &main, PlanRecord &plan);

} // namespace records
