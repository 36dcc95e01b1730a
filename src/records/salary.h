// The salary sheet's record: fourteen month rows of pay turned into allowances and totals,
// and the year's figures handed back to the main sheet.
#pragma once

#include "fields/labels.h"
#include "records/main.h"
#include "rules/pay.h"

#include <array>

namespace records {

struct SalaryRecord
{
    static constexpr int kRows = pay::kRows;
    static constexpr int kOthers = 6; // the annual figures: arrears, bonus, OTA, T.Fee, Hon., Oth.
    using Column = std::array<QString, kRows>;

    static inline const QStringList kNpsAnswers = { "Y", "N" };
    static inline const QStringList kHraClasses = { "X", "Y", "Z", "NA" };
    static inline const QStringList kTransportClasses = { "A/A-1", "Oth.", "NA" };

    QString txtnam;
    QString cbonps = "N", cboclass1 = "X", cboclass3 = "A/A-1"; // typed over, or picked
    bool chkinc = true;
    Column txtbp = filled(), txtgp = filled(), txtda = filled(), txthra = filled(), txttpa2 = filled(),
           txtmgc = filled(), txtttl = filled(); // txthra: rows 2 to 13 only
    QString txtbpt = "0", txtgpt = "0", txtdat = "0", txthrat = "0", txttpat = "0", txtmgct = "0", txtttlt = "0";
    std::array<QString, kOthers> txtoth = { "0", "0", "0", "0", "0", "0" };
    QString txtgtotal = "0";

    static Column filled()
    {
        Column column;
        column.fill(QStringLiteral("0"));
        return column;
    }

    template <class Self, class V> static void visit(Self &r, V &v)
    {
        v.box("txtnam", r.txtnam);
        v.list("cbonps", r.cbonps, kNpsAnswers, true);
        v.list("cboclass1", r.cboclass1, kHraClasses, true);
        v.list("cboclass3", r.cboclass3, kTransportClasses, true);
        v.tick("chkinc", r.chkinc);
        const std::pair<const char *, std::remove_reference_t<decltype((r.txtbp))> *> columns[] = { { "txtbp", &r.txtbp }, { "txtgp", &r.txtgp },
            { "txtda", &r.txtda }, { "txthra", &r.txthra }, { "txttpa2", &r.txttpa2 }, { "txtmgc", &r.txtmgc },
            { "txtttl", &r.txtttl } };
        for (const auto &[name, column] : columns)
            for (int i = std::string_view(name) == "txthra" ? pay::kFirstCurrentRow : 0; i < kRows; ++i)
                v.box(fields::elementName(name, i), (*column)[i]);
        v.box("txtbpt", r.txtbpt);
        v.box("txtgpt", r.txtgpt);
        v.box("txtdat", r.txtdat);
        v.box("txthrat", r.txthrat);
        v.box("txttpat", r.txttpat);
        v.box("txtmgct", r.txtmgct);
        v.box("txtttlt", r.txtttlt);
        for (int i = 0; i < kOthers; ++i)
            v.box(fields::elementName("txtoth", i), r.txtoth[i]);
        v.box("txtgtotal", r.txtgtotal);
    }
};

// A pay cell (basic pay or grade pay) of row `index` written with `text`, with what the
// window's change reaction does at once: the text runs down the column to the last month, each
// write raising the next row's change, and an emptied cell takes "0" (which runs down too).
// A write that leaves the text as it was raises nothing, and the run stops there.
void writePayCell(SalaryRecord::Column &column, int index, const QString &text);
// The change reaction of a pay cell whose text is already in the column.
void payCellChanged(SalaryRecord::Column &column, int index);

// Calculate: the July increment (run down the column), then each month's allowances and
// total, the column totals and the grand total.
std::optional<Said> calculate(SalaryRecord &salary);

// On opening: the employee's name from the main sheet.
void take(const MainRecord &main, SalaryRecord &salary);
// Back: the year's figures into the main sheet (gross salary, exempt transport allowance, and
// the hidden pay totals the HRA and deductions sheets take over).
std::optional<Said> handBack(const SalaryRecord &salary, MainRecord &main);

} // namespace records
