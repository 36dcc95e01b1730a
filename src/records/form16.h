// The Form 16 sheet's record: Part B (the annexure) of the certificate of tax deducted at
// source on salary, for the assessment year 2015-16, in the 2013 format that the year's
// certificates use. The employee's particulars are typed here (the name and PAN come from the
// main sheet), the employer and the person responsible for deducting the tax too; rows 1 to
// 16 are worked out from the main and deductions sheets as they stand.
#pragma once

#include "fields/labels.h"
#include "records/deductions.h"
#include "records/main.h"

#include <array>

namespace records {

struct Form16Record
{
    // The section 80C lines of row 9 (A)(a), in the order they print.
    static constexpr int kSavings = 10;
    static inline const QStringList kSavingsCaptions = { "Provident fund (GPF)", "Group insurance (CGEGIS)",
        "House building advance (principal)", "Life insurance premium", "Public provident fund", "National savings certificates",
        "Interest on NSC (reinvested)", "Tuition fees", "Infrastructure bonds", "Other savings" };
    using Savings = std::array<QString, kSavings>;

    // Taken over from the main sheet when worked out (shown, not typed)
    QString txtname, txtpan;
    // Typed: the employee
    QString txtdesig, txtaddr, txtfrom = "01/04/2014", txtto = "31/03/2015";
    // Typed: the employer and the person responsible, the same for every employee of an office
    QString txtemployer, txtemployeraddr, txtdedpan, txttan, txtcit, txtsigname, txtsigfather, txtsigdesig, txtplace,
        txtdate;
    // Rows 1 to 8
    QString txt1a = "0", txt1b = "0", txt1c = "0", txt1d = "0", txt2ta = "0", txt2hra = "0", txt2 = "0", txt3 = "0",
            txt4a = "0", txt4b = "0", txt5 = "0", txt6 = "0", txt7hp = "0", txt7os = "0", txt8 = "0";
    // Row 9 (A): each 80C line, 80CCC, 80CCD(1) and 80CCD(2), gross and deductible
    Savings txt9cg = zeros(), txt9cd = zeros();
    QString txt9cccg = "0", txt9cccd = "0", txt9ccd1g = "0", txt9ccd1d = "0", txt9ccd2g = "0", txt9ccd2d = "0";
    // Row 9 (B): 80CCF, 80D, 80G and other deductions, gross, qualifying and deductible
    QString txt9ccfg = "0", txt9ccfq = "0", txt9ccfd = "0", txt9dg = "0", txt9dq = "0", txt9dd = "0", txt9gg = "0",
            txt9gq = "0", txt9gd = "0", txt9othg = "0", txt9othq = "0", txt9othd = "0";
    // Rows 10 to 16 (12: (a) the tax, (b) the rebate u/s 87A, (c) the surcharge, and the total)
    QString txt10 = "0", txt11 = "0", txt12a = "0", txt12b = "0", txt12c = "0", txt12 = "0", txt13 = "0", txt14 = "0",
            txt15 = "0", txt16 = "0";

    static Savings zeros()
    {
        Savings savings;
        savings.fill(QStringLiteral("0"));
        return savings;
    }

    template <class Self, class V> static void visit(Self &r, V &v)
    {
        for (auto [name, box] : { std::pair { "txtname", &r.txtname }, { "txtpan", &r.txtpan }, { "txtdesig", &r.txtdesig },
                 { "txtaddr", &r.txtaddr }, { "txtfrom", &r.txtfrom }, { "txtto", &r.txtto },
                 { "txtemployer", &r.txtemployer }, { "txtemployeraddr", &r.txtemployeraddr },
                 { "txtdedpan", &r.txtdedpan }, { "txttan", &r.txttan }, { "txtcit", &r.txtcit },
                 { "txtsigname", &r.txtsigname }, { "txtsigfather", &r.txtsigfather },
                 { "txtsigdesig", &r.txtsigdesig }, { "txtplace", &r.txtplace }, { "txtdate", &r.txtdate },
                 { "txt1a", &r.txt1a }, { "txt1b", &r.txt1b }, { "txt1c", &r.txt1c }, { "txt1d", &r.txt1d },
                 { "txt2ta", &r.txt2ta }, { "txt2hra", &r.txt2hra }, { "txt2", &r.txt2 }, { "txt3", &r.txt3 },
                 { "txt4a", &r.txt4a }, { "txt4b", &r.txt4b }, { "txt5", &r.txt5 }, { "txt6", &r.txt6 },
                 { "txt7hp", &r.txt7hp }, { "txt7os", &r.txt7os }, { "txt8", &r.txt8 }, { "txt9cccg", &r.txt9cccg },
                 { "txt9cccd", &r.txt9cccd }, { "txt9ccd1g", &r.txt9ccd1g }, { "txt9ccd1d", &r.txt9ccd1d },
                 { "txt9ccd2g", &r.txt9ccd2g }, { "txt9ccd2d", &r.txt9ccd2d }, { "txt9ccfg", &r.txt9ccfg },
                 { "txt9ccfq", &r.txt9ccfq }, { "txt9ccfd", &r.txt9ccfd }, { "txt9dg", &r.txt9dg },
                 { "txt9dq", &r.txt9dq }, { "txt9dd", &r.txt9dd }, { "txt9gg", &r.txt9gg }, { "txt9gq", &r.txt9gq },
                 { "txt9gd", &r.txt9gd }, { "txt9othg", &r.txt9othg }, { "txt9othq", &r.txt9othq },
                 { "txt9othd", &r.txt9othd }, { "txt10", &r.txt10 }, { "txt11", &r.txt11 }, { "txt12a", &r.txt12a },
                 { "txt12b", &r.txt12b }, { "txt12c", &r.txt12c }, { "txt12", &r.txt12 }, { "txt13", &r.txt13 },
                 { "txt14", &r.txt14 }, { "txt15", &r.txt15 }, { "txt16", &r.txt16 } })
            v.box(name, *box);
        for (int i = 0; i < kSavings; ++i) {
            v.box(fields::elementName("txt9cg", i), r.txt9cg[i]);
            v.box(fields::elementName("txt9cd", i), r.txt9cd[i]);
        }
    }
};

// The deductor's PAN, which government offices need not have.
inline constexpr char kNoDeductorPan[] = "PANNOTREQD";
bool isTan(const QString &text); // four letters, five digits and a letter

// Checks the typed boxes (refused, with the box named: the employee's PAN (the box "txtpan"),
// the deductor's PAN and TAN, a date of the wrong shape, a period outside 01/04/2014 to
// 31/03/2015 or backwards, the employer's name missing), then writes rows 1 to 16 from the
// main sheet's record, already calculated, and the deductions sheet's. Row 16 is always the
// main sheet's total tax.
std::optional<Said> calculate(Form16Record &form16, const MainRecord &main, const DeductionsRecord &deductions);

// On opening: the employee's name and PAN as the main sheet has them.
void take(const MainRecord &main, Form16Record &form16);

} // namespace records
