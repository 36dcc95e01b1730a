// The main sheet's record and its Calculate: the heads of income down to the net taxable
// income, the tax by the slabs of the age group down to the balance payable.
#pragma once

#include "records/record.h"
#include "rules/tax.h"

namespace records {

// The employee's PAN where there is none: what the department takes in its place.
inline constexpr char kNoEmployeePan[] = "PANNOTAVBL";

struct MainRecord
{
    // Typed
    QString txtname, txtpan;
    QString txtgs = "0", txttp = "0", txthra = "0", txtos = "0", txtrel89 = "0", txtdedtax = "0";
    QString cboage = tax::kAgeGroups.first();
    // Written by the sub-sheets' Back, or by Calculate
    QString txthp = "0", txtded80 = "0";
    QString txtexall = "0", txtnsal = "0", txtgti = "0", txtnti = "0", txtgtax = "0", txtrel87A = "0",
            txtntax = "0", txtsurch = "0", txtcess = "0", txtttax = "0", txtbaltax = "0";
    // The salary sheet's totals, carried on to the HRA and deductions sheets (not shown)
    QString txtbp = "0", txtda = "0", txthrr = "0", txtnpa = "0", txtmgc = "0";

    tax::AgeGroup age() const { return tax::AgeGroup(std::max(0, int(tax::kAgeGroups.indexOf(cboage)))); }

    template <class Self, class V> static void visit(Self &r, V &v)
    {
        v.box("txtname", r.txtname);
        v.box("txtpan", r.txtpan);
        v.box("txtgs", r.txtgs);
        v.box("txttp", r.txttp);
        v.box("txthra", r.txthra);
        v.box("txtos", r.txtos);
        v.box("txtrel89", r.txtrel89);
        v.box("txtdedtax", r.txtdedtax);
        v.list("cboage", r.cboage, tax::kAgeGroups, false);
        v.box("txthp", r.txthp);
        v.box("txtded80", r.txtded80);
        v.box("txtexall", r.txtexall);
        v.box("txtnsal", r.txtnsal);
        v.box("txtgti", r.txtgti);
        v.box("txtnti", r.txtnti);
        v.box("txtgtax", r.txtgtax);
        v.box("txtrel87A", r.txtrel87A);
        v.box("txtntax", r.txtntax);
        v.box("txtsurch", r.txtsurch);
        v.box("txtcess", r.txtcess);
        v.box("txtttax", r.txtttax);
        v.box("txtbaltax", r.txtbaltax);
        v.box("txtbp", r.txtbp);
        v.box("txtda", r.txtda);
        v.box("txthrr", r.txthrr);
        v.box("txtnpa", r.txtnpa);
        v.box("txtmgc", r.txtmgc);
    }
};

// Calculate: each step reads the boxes afresh, so it sees the text the step before wrote.
// Nothing: every figure stands. Otherwise the step that could not be worked out; the steps
// before it stand.
std::optional<Said> calculate(MainRecord &main);

} // namespace records
