// The deductions sheet's record: the savings and payments that qualify under section 80 with
// the ceilings of the year, and the grand total handed back.
#pragma once

#include "records/main.h"

namespace records {

struct DeductionsRecord
{
    // Typed: the items of section 80C
    QString txtgpf = "0", txtgis = "0", txthba = "0", txtlic = "0", txtppf = "0", txtnsc = "0", txtnsci = "0",
            txttf1 = "0", txttf2 = "0", txtinf = "0", txtos = "0";
    // Typed: the other sections (both pension boxes are also written on every opening)
    QString txt80ccc = "0", txt80ccdec = "0", txt80ccdgc = "0", txt80ccf = "0", txt80d = "0", txt80g = "0",
            txtoth = "0";
    // Computed
    QString txt80c = "0", txttot1 = "0", txtgt80 = "0";

    template <class Self, class V> static void visit(Self &r, V &v)
    {
        v.box("txtgpf", r.txtgpf);
        v.box("txtgis", r.txtgis);
        v.box("txthba", r.txthba);
        v.box("txtlic", r.txtlic);
        v.box("txtppf", r.txtppf);
        v.box("txtnsc", r.txtnsc);
        v.box("txtnsci", r.txtnsci);
        v.box("txttf1", r.txttf1);
        v.box("txttf2", r.txttf2);
        v.box("txtinf", r.txtinf);
        v.box("txtos", r.txtos);
        v.box("txt80ccc", r.txt80ccc);
        v.box("txt80ccdec", r.txt80ccdec);
        v.box("txt80ccdgc", r.txt80ccdgc);
        v.box("txt80ccf", r.txt80ccf);
        v.box("txt80d", r.txt80d);
        v.box("txt80g", r.txt80g);
        v.box("txtoth", r.txtoth);
        v.box("txt80c", r.txt80c);
        v.box("txttot1", r.txttot1);
        v.box("txtgt80", r.txtgt80);
    }
};

// What the user is told when the mediclaim typed is above its ceiling.
QString mediclaimMessage();

// Each step reads the boxes afresh, so it sees the text the step before wrote; infrastructure
// bonds above their ceiling are cut back in their own box, so that the sheet and the printed
// statement show what counts.
std::optional<Said> calculate(DeductionsRecord &deductions);

// The mediclaim box as typed: an emptied box reads "0", an amount above the ceiling becomes
// the ceiling and the user is told (the keyboard then goes to the donations box).
std::optional<Said> mediclaimTyped(DeductionsRecord &deductions, const QLocale &locale = QLocale());

// On opening: both pension boxes take the salary sheet's pension contribution.
void take(const MainRecord &main, DeductionsRecord &deductions);
// Back: the grand total into the main sheet.
std::optional<Said> handBack(const DeductionsRecord &deductions, MainRecord &main);

} // namespace records
