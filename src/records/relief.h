// The relief u/s 89 sheet's record: the main sheet's figures it was opened with, the
// employee's particulars, the total income and arrears of each earlier year, and Annexure I
// of Form 10E with its Table A, worked out from them.
#pragma once

#include "fields/labels.h"
#include "records/main.h"
#include "rules/relief89.h"

#include <array>

namespace records {

struct ReliefRecord
{
    static constexpr int kYears = relief89::kYears; // row 0 is 2005-06, row 8 is 2013-14
    static constexpr int kDateLength = 10;          // dd/mm/yyyy
    using Years = std::array<QString, kYears>;

    // Taken over from the main sheet
    QString txtname, txtage = tax::kAgeGroups.first(), txtpan;
    // Typed
    QString txtdob;
    bool chkwoman = false;
    QString txtaddr;
    Years txtti = filled(), txtarr = filled();
    // Table A, computed
    Years txtinc = filled(), txttax1 = filled(), txttax2 = filled(), txtdiff = filled();
    // Annexure I, items 1 to 8 (item 3 is the main sheet's net taxable income)
    QString txtexcl = "0", txtarrtot = "0", txtnti = "0", txttaxincl = "0", txttaxexcl = "0", txtcurdiff = "0",
            txttablea = "0", txtrelief = "0";

    static Years filled()
    {
        Years years;
        years.fill(QStringLiteral("0"));
        return years;
    }

    template <class Self, class V> static void visit(Self &r, V &v)
    {
        v.box("txtname", r.txtname);
        v.box("txtage", r.txtage);
        v.box("txtdob", r.txtdob, kDateLength);
        v.tick("chkwoman", r.chkwoman);
        v.box("txtpan", r.txtpan);
        v.box("txtaddr", r.txtaddr);
        const std::pair<const char *, std::remove_reference_t<decltype((r.txtti))> *> columns[] = { { "txtti", &r.txtti },
            { "txtarr", &r.txtarr }, { "txtinc", &r.txtinc }, { "txttax1", &r.txttax1 }, { "txttax2", &r.txttax2 },
            { "txtdiff", &r.txtdiff } };
        for (const auto &[name, column] : columns)
            for (int i = 0; i < kYears; ++i)
                v.box(fields::elementName(name, i), (*column)[i]);
        v.box("txtexcl", r.txtexcl);
        v.box("txtarrtot", r.txtarrtot);
        v.box("txtnti", r.txtnti);
        v.box("txttaxincl", r.txttaxincl);
        v.box("txttaxexcl", r.txttaxexcl);
        v.box("txtcurdiff", r.txtcurdiff);
        v.box("txttablea", r.txttablea);
        v.box("txtrelief", r.txtrelief);
    }
};

// The captions of a year's two typed boxes, as refusals name them.
QString totalIncomeCaption(int row);
QString arrearsCaption(int row);

// Checks every box (refused, with the box named: text that is not an amount, an amount below
// 0, a date that does not exist or comes after 31/03/2015, no date when a year has arrears, a
// PAN of the wrong shape, arrears above the net taxable income, a date of birth in another age
// group than the main sheet's), then writes Table A and Annexure I.
std::optional<Said> calculate(ReliefRecord &relief, const QLocale &locale = QLocale());

// On opening: the main sheet's name, PAN, age group and net taxable income.
void take(const MainRecord &main, ReliefRecord &relief);
// Back: the relief into the main sheet; refused when it is not the program's number text.
std::optional<Said> handBack(const ReliefRecord &relief, MainRecord &main);

} // namespace records
