// The HRA exemption sheet's record: the pay totals of the year (taken over from the main
// sheet on opening), the rent paid, and the exempt part of the allowance handed back.
#pragma once

#include "records/main.h"

namespace records {

struct HraRecord
{
    QString txtbp = "0", txtnpa = "0", txtda = "0", txtns = "0", txthra = "0", txtRP = "0", txthrx = "0";

    template <class Self, class V> static void visit(Self &r, V &v)
    {
        v.box("txtbp", r.txtbp);
        v.box("txtnpa", r.txtnpa);
        v.box("txtda", r.txtda);
        v.box("txtns", r.txtns);
        v.box("txthra", r.txthra);
        v.box("txtRP", r.txtRP);
        v.box("txthrx", r.txthrx);
    }
};

// Every typed box is read before anything is written, so that text which is not a number
// leaves no half-done result behind (an emptied box reads "0" first).
std::optional<Said> calculate(HraRecord &hra, const QLocale &locale = QLocale());

// On opening: the pay totals the salary sheet left on the main sheet.
void take(const MainRecord &main, HraRecord &hra);
// Back: the exemption into the main sheet; refused when it is not the program's number text.
std::optional<Said> handBack(const HraRecord &hra, MainRecord &main);

} // namespace records
