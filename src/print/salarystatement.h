// The one-page landscape statement of salary received month by month, drawn from the
// texts of the salary sheet exactly as they stand (only the arrears row is added up here).
#pragma once

#include "rules/pay.h"

#include <QString>
#include <array>

namespace print {

class Page;

// One text per field the statement reads; arrays are indexed by the sheet's month row
// (0 and 1 the arrears rows, 2 to 13 March 2014 to February 2015).
struct SalaryStatementFields
{
    static constexpr int kRows = pay::kRows;
    static constexpr int kFirstMonth = pay::kFirstCurrentRow;

    QString name; // txtnam
    std::array<QString, kRows> monthCaption; // Label1(i), rows 2..13 print
    std::array<QString, kRows> basicPay; // txtbp(i)
    std::array<QString, kRows> gradePay; // txtgp(i)
    std::array<QString, kRows> da; // txtda(i)
    std::array<QString, kRows> hra; // txthra(i), rows 2..13 only
    std::array<QString, kRows> mgc; // txtmgc(i)
    std::array<QString, kRows> transport; // txttpa2(i)
    std::array<QString, kRows> rowTotal; // txtttl(i)

    QString basicPayTotal = "0"; // txtbpt
    QString gradePayTotal = "0"; // txtgpt
    QString daTotal = "0"; // txtdat
    QString hraTotal = "0"; // txthrat
    QString mgcTotal = "0"; // txtmgct
    QString transportTotal = "0"; // txttpat
    QString grandRowTotal = "0"; // txtttlt

    // txtoth(0..5): arrears, bonus, overtime allowance, tuition fee, honorarium, other allowances.
    std::array<QString, 6> other;
    QString grandTotal = "0"; // txtgtotal
    QString footer; // the line that names the program

    // Every amount "0", the sheet's own month captions, an empty name.
    SalaryStatementFields();
};

// The four amounts of the arrears row: DA, MGC and transport allowance of the two arrears
// rows added, and their total read back from those three texts.
struct ArrearsRow
{
    QString da, mgc, transport, total;
};
// Empty texts when a sum is beyond what a double holds.
ArrearsRow arrearsRow(const SalaryStatementFields &fields);

// Empty when the statement can be drawn; otherwise, in plain words, which figure could not
// be worked out (the caller tells the user and prints nothing).
QString salaryStatementProblem(const SalaryStatementFields &fields);

// Draws the statement on a landscape page and ends the document. Draws nothing and returns
// false when salaryStatementProblem() has something to say; otherwise returns what ending
// the document returned.
bool drawSalaryStatement(Page &page, const SalaryStatementFields &fields);

} // namespace print
