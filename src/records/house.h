// The house-property sheet's record: rented out or self occupied, the annual value, the
// deductions for repairs, interest and others, and the income (or loss) handed back.
#pragma once

#include "records/main.h"
#include "rules/houseproperty.h"

namespace records {

struct HouseRecord
{
    bool optso = false, optrent = true;  // one of the two: self occupied, rented out
    bool optb499 = false, opta499 = true; // one of the two: loan before or after 1-4-99
    QString txtarv = "0", txtptax = "0", txtghi = "0", txtrep = "0", txtintt = "0", txtoth = "0", txttd = "0",
            txtihp = "0";

    house::Occupancy occupancy() const { return optso ? house::Occupancy::SelfOccupied : house::Occupancy::RentedOut; }
    house::LoanDate loanDate() const
    {
        return optb499 ? house::LoanDate::Before1April1999 : house::LoanDate::After1April1999;
    }

    template <class Self, class V> static void visit(Self &r, V &v)
    {
        v.option("optso", r.optso, 0);
        v.option("optrent", r.optrent, 0);
        v.option("optb499", r.optb499, 1);
        v.option("opta499", r.opta499, 1);
        v.box("txtarv", r.txtarv);
        v.box("txtptax", r.txtptax);
        v.box("txtghi", r.txtghi);
        v.box("txtrep", r.txtrep);
        v.box("txtintt", r.txtintt);
        v.box("txtoth", r.txtoth);
        v.box("txttd", r.txttd);
        v.box("txtihp", r.txtihp);
    }
};

// All typed boxes are read before anything is written, so that text which is not a number
// leaves no half-done result behind. The interest box keeps what was typed: the ceiling
// counts only in the total.
std::optional<Said> calculate(HouseRecord &house, const QLocale &locale = QLocale());

// Self occupied chosen: what was typed for letting out is dropped for good.
void chooseSelfOccupied(HouseRecord &house);

// Back: the income (negative for a loss) into the main sheet; refused when it is not the
// program's number text.
std::optional<Said> handBack(const HouseRecord &house, MainRecord &main);

} // namespace records
