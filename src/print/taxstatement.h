// The one-page computation of income tax, drawn from the texts of the main sheet, the
// house-property sheet and the deductions sheet exactly as they stand. Like all of print/, it
// includes only fields/ and its own folder: the app gathers the texts from the sheets.
#pragma once

#include <QString>

namespace print {

class Page;

// One text per field the statement reads. The defaults are what the sheets hold before
// anyone opens them: "0" in every amount, an empty name.
struct TaxStatementFields
{
    // Main sheet (frmmain).
    QString mainName; // txtname
    QString mainGs = "0"; // txtgs      gross salary
    QString mainTp = "0"; // txttp      transport allowance exempt
    QString mainHra = "0"; // txthra     house rent allowance exempt
    QString mainExall = "0"; // txtexall   allowances exempt u/s 10
    QString mainNsal = "0"; // txtnsal    income from salary
    QString mainOs = "0"; // txtos      income from other sources
    QString mainGti = "0"; // txtgti     gross total income
    QString mainNti = "0"; // txtnti     net taxable income
    QString mainGtax = "0"; // txtgtax
    QString mainRel87A = "0"; // txtrel87A
    QString mainRel89 = "0"; // txtrel89
    QString mainNtax = "0"; // txtntax
    QString mainCess = "0"; // txtcess
    QString mainTtax = "0"; // txtttax
    QString mainDedtax = "0"; // txtdedtax
    QString mainBaltax = "0"; // txtbaltax
    QString mainSurch = "0"; // txtsurch   surcharge
    QString ageNote; // below the rows, for an age group whose slabs are not the first's; empty: none

    // House-property sheet (Form4).
    QString houseArv = "0"; // txtarv     annual rental value
    QString housePtax = "0"; // txtptax    property taxes
    QString houseGhi = "0"; // txtghi     gross income from house property
    QString houseRep = "0"; // txtrep     repairs and maintenance
    QString houseIntt = "0"; // txtintt    interest on borrowed capital
    QString houseOth = "0"; // txtoth     other deductions u/s 24
    QString houseTd = "0"; // txttd      total deductions u/s 24
    QString houseIhp = "0"; // txtihp     income from house property

    // Deductions sheet (frmreb88).
    QString deductionsGpf = "0"; // txtgpf
    QString deductionsGis = "0"; // txtgis
    QString deductionsHba = "0"; // txthba
    QString deductionsLic = "0"; // txtlic
    QString deductionsPpf = "0"; // txtppf
    QString deductionsNsc = "0"; // txtnsc
    QString deductionsNsci = "0"; // txtnsci
    QString deductionsTf1 = "0"; // txttf1
    QString deductionsTf2 = "0"; // txttf2
    QString deductionsInf = "0"; // txtinf
    QString deductionsOs = "0"; // txtos
    QString deductions80c = "0"; // txt80c
    QString deductions80ccc = "0"; // txt80ccc
    QString deductions80ccdec = "0"; // txt80ccdec  employee's pension-scheme contribution
    QString deductions80ccdgc = "0"; // txt80ccdgc  government's pension-scheme contribution
    QString deductionsTot1 = "0"; // txttot1
    QString deductions80ccf = "0"; // txt80ccf
    QString deductions80d = "0"; // txt80d
    QString deductions80g = "0"; // txt80g
    QString deductionsOth = "0"; // txtoth
    QString deductionsGt80 = "0"; // txtgt80

    // The two footer lines: who made the program, and where to write.
    QString footerCredit;
    QString footerContact;
};

// The amount of the pension-scheme row: both contributions read leniently and added, as
// number text. Empty when the sum is beyond what a double holds.
QString pensionSchemeSum(const TaxStatementFields &fields);

// Empty when the statement can be drawn; otherwise, in plain words, which figure could not
// be worked out (the caller tells the user and prints nothing).
QString taxStatementProblem(const TaxStatementFields &fields);

// Draws the statement on a portrait page and ends the document. Draws nothing and returns
// false when taxStatementProblem() has something to say; otherwise returns what ending the
// document returned.
bool drawTaxStatement(Page &page, const TaxStatementFields &fields);

} // namespace print
