// The known sheets the statement tests print, and the layout they must come out in.
#pragma once

#include "print/salarystatement.h"
#include "print/taxstatement.h"

#include <QString>

namespace expected {

using print::SalaryStatementFields;
using print::TaxStatementFields;

// A sheet whose every amount is a different text, so that each can be found by its text.
inline TaxStatementFields knownTaxSheet()
{
    TaxStatementFields f;
    f.mainName = QStringLiteral("R. K. SHARMA");
    f.mainGs = QStringLiteral("612480");
    f.mainTp = QStringLiteral("9600");
    f.mainHra = QStringLiteral("45210");
    f.mainExall = QStringLiteral("54810");
    f.mainNsal = QStringLiteral("557670");
    f.houseArv = QStringLiteral("120000");
    f.housePtax = QStringLiteral("6000");
    f.houseGhi = QStringLiteral("114000");
    f.houseRep = QStringLiteral("34200");
    f.houseIntt = QStringLiteral("150000");
    f.houseOth = QStringLiteral("1250");
    f.houseTd = QStringLiteral("185450");
    f.houseIhp = QStringLiteral("-71450");
    f.mainOs = QStringLiteral("12000");
    f.mainGti = QStringLiteral("498220");
    f.deductionsGpf = QStringLiteral("60000");
    f.deductionsGis = QStringLiteral("720");
    f.deductionsHba = QStringLiteral("24000");
    f.deductionsLic = QStringLiteral("18500");
    f.deductionsPpf = QStringLiteral("20000");
    f.deductionsNsc = QStringLiteral("5000");
    f.deductionsNsci = QStringLiteral("1400");
    f.deductionsTf1 = QStringLiteral("7200");
    f.deductionsTf2 = QStringLiteral("6300");
    f.deductionsInf = QStringLiteral("2500");
    f.deductionsOs = QStringLiteral("3100");
    f.deductions80c = QStringLiteral("148720");
    f.deductions80ccc = QStringLiteral("4000");
    f.deductions80ccdec = QStringLiteral("2111");
    f.deductions80ccdgc = QStringLiteral("3222");
    f.deductionsTot1 = QStringLiteral("150001");
    f.deductions80ccf = QStringLiteral("8000");
    f.deductions80d = QStringLiteral("15000");
    f.deductions80g = QStringLiteral("2000");
    f.deductionsOth = QStringLiteral("1100");
    f.deductionsGt80 = QStringLiteral("176101");
    f.mainNti = QStringLiteral("322120");
    f.mainGtax = QStringLiteral("12212");
    f.mainRel87A = QStringLiteral("2001");
    f.mainRel89 = QStringLiteral("350");
    f.mainNtax = QStringLiteral("9861");
    f.mainCess = QStringLiteral("296");
    f.mainTtax = QStringLiteral("10157");
    f.mainDedtax = QStringLiteral("9000");
    f.mainBaltax = QStringLiteral("1157");
    return f;
}

// Rows 3 to 50 in the body font.
struct BodyRow
{
    const char *name;
    float top;
    float labelX;
    const char *label;
    bool bold;
    const char *amount1;
    float edge1;
    const char *amount2;
    float edge2;
};

inline const BodyRow kBody[] = {
    { "3 salary head", 1.15f, 1.0f, "INCOME FROM 'SALARY'", true, nullptr, 0, nullptr, 0 },
    { "4 gross salary", 1.30f, 1.0f, "Gross Salary :-", false, "612480", 6.0f, nullptr, 0 },
    { "5 exempt u/s 10", 1.45f, 1.0f, "Less Allowances Exempt u/s 10 :-", false, nullptr, 0,
        nullptr, 0 },
    { "6 transport", 1.60f, 1.2f, "Transport Allowance :-", false, "9600", 5.0f, nullptr, 0 },
    { "7 hra and exempt total", 1.75f, 1.2f, "House Rent Allowance :-", false, "45210", 5.0f,
        "54810", 6.0f },
    { "8 income from salary", 1.90f, 0, nullptr, true, "557670", 7.0f, nullptr, 0 },
    { "9 house head", 2.20f, 1.0f, "INCOME FROM 'HOUSE PROPERTY'", true, nullptr, 0, nullptr, 0 },
    { "10 annual value", 2.35f, 1.0f, "Annual Rental Value", false, "120000", 6.0f, nullptr, 0 },
    { "11 property taxes", 2.50f, 1.0f, "Less Property Taxes :-", false, "6000", 6.0f, nullptr, 0 },
    { "12 gross house income", 2.65f, 1.0f, "Gross Income from House Property :-", false, "114000",
        6.0f, nullptr, 0 },
    { "13 u/s 24", 2.80f, 1.0f, "Less Deductions u/s 24 :-", false, nullptr, 0, nullptr, 0 },
    { "14 repairs", 2.95f, 1.2f, "Repairs & Maintenance :-", false, "34200", 5.0f, nullptr, 0 },
    { "15 interest", 3.10f, 1.2f, "Interest on Borrowed Capital :-", false, "150000", 5.0f, nullptr,
        0 },
    { "16 others and total", 3.25f, 1.2f, "Others :-", false, "1250", 5.0f, "185450", 6.0f },
    { "17 house income", 3.40f, 0, nullptr, true, "-71450", 7.0f, nullptr, 0 },
    { "18 other sources", 3.70f, 1.0f, "INCOME FROM 'OTHER SOURCES' :-", true, "12000", 7.0f,
        nullptr, 0 },
    { "19 gross total income", 4.00f, 1.0f, "GROSS TOTAL INCOME :-", true, "498220", 7.0f, nullptr,
        0 },
    { "20 u/s 80", 4.30f, 1.0f, "Deductions u/s 80 :-", false, nullptr, 0, nullptr, 0 },
    { "21 80C", 4.45f, 1.2f, "Section 80C :-", false, nullptr, 0, nullptr, 0 },
    { "22 GPF", 4.60f, 1.4f, "GPF -", false, "60000", 5.0f, nullptr, 0 },
    { "23 CGEGIS", 4.75f, 1.4f, "CGEGIS -", false, "720", 5.0f, nullptr, 0 },
    { "24 HBA", 4.90f, 1.4f, "HBA -", false, "24000", 5.0f, nullptr, 0 },
    { "25 LIC", 5.05f, 1.4f, "LIC -", false, "18500", 5.0f, nullptr, 0 },
    { "26 PPF", 5.20f, 1.4f, "PPF -", false, "20000", 5.0f, nullptr, 0 },
    { "27 NSC", 5.35f, 1.4f, "NSC -", false, "5000", 5.0f, nullptr, 0 },
    { "28 NSC interest", 5.50f, 1.4f, "NSC Interest -", false, "1400", 5.0f, nullptr, 0 },
    { "29 tuition I", 5.65f, 1.4f, "Tuition Fee (I) -", false, "7200", 5.0f, nullptr, 0 },
    { "30 tuition II", 5.80f, 1.4f, "Tuition Fee (II) -", false, "6300", 5.0f, nullptr, 0 },
    { "31 infrastructure", 5.95f, 1.4f, "Infrastructure Bonds -", false, "2500", 5.0f, nullptr, 0 },
    { "32 other savings", 6.10f, 1.4f, "Other Savings -", false, "3100", 5.0f, nullptr, 0 },
    { "33 total 80C", 6.25f, 1.2f, "Total (80C) -", false, "148720", 5.0f, nullptr, 0 },
    { "34 80CCC", 6.40f, 1.2f, "Jeevan Suraksha (80CCC) :-", false, "4000", 5.0f, nullptr, 0 },
    { "35 NPS sum", 6.55f, 1.2f, "NPS (EC + GC) (80CCD):-", false, "5333", 5.0f, nullptr, 0 },
    { "36 total 80C+CCC+CCD", 6.70f, 1.2f, "Total(80C+80CCC+80CCD) -", false, "150001", 6.0f,
        nullptr, 0 },
    { "37 80CCF", 6.85f, 1.2f, "Infrastructure Bonds (80CCF) -", false, "8000", 6.0f, nullptr, 0 },
    { "38 80D", 7.00f, 1.2f, "Mediclaim/CGHS (80D) : -", false, "15000", 6.0f, nullptr, 0 },
    { "39 80G", 7.15f, 1.2f, "Donations (80G) :-", false, "2000", 6.0f, nullptr, 0 },
    { "40 other deductions", 7.30f, 1.2f, "Other Deductions :-", false, "1100", 6.0f, nullptr, 0 },
    { "41 total u/s 80", 7.45f, 1.0f, "Total Deductions u/s 80 :-", true, "176101", 7.0f, nullptr,
        0 },
    { "42 net taxable income", 7.60f, 1.0f, "NET TAXABLE INCOME :-", true, "322120", 7.0f, nullptr,
        0 },
    { "43 gross tax", 7.75f, 1.0f, "GROSS TAX :-", true, "12212", 7.0f, nullptr, 0 },
    { "44 relief 87A", 7.90f, 1.0f, "Relief u/s 87A :-", true, "2001", 7.0f, nullptr, 0 },
    { "45 relief 89", 8.05f, 1.0f, "Relief u/s 89 :-", true, "350", 7.0f, nullptr, 0 },
    { "46 net tax", 8.20f, 1.0f, "NET TAX :-", true, "9861", 7.0f, nullptr, 0 },
    { "47 cess", 8.35f, 1.0f, "Education Cess :-", true, "296", 7.0f, nullptr, 0 },
    { "48 total tax", 8.50f, 1.0f, "TOTAL TAX :-", true, "10157", 7.0f, nullptr, 0 },
    { "49 tax deducted", 8.65f, 1.0f, "TAX DEDUCTED :-", true, "9000", 7.0f, nullptr, 0 },
    { "50 balance tax", 8.80f, 1.0f, "BALANCE TAX :-", true, "1157", 7.0f, nullptr, 0 },
};

// ---- Salary statement

// Right edges of the table's columns: month, basic pay, GP, DA, HRA, MGC, transport, total.
inline const float kEdges[] = { 1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f, 7.0f, 8.0f };

// Each cell of month row i and column c holds a text of its own: "<i><c>1", e.g. "231".
inline QString cell(int row, int column)
{
    return QStringLiteral("%1%2%3").arg(row).arg(column).arg(1);
}

inline SalaryStatementFields knownSalarySheet()
{
    SalaryStatementFields f;
    f.name = QStringLiteral("R. K. SHARMA");
    for (int i = 2; i < 14; ++i) {
        f.basicPay[i] = cell(i, 1);
        f.gradePay[i] = cell(i, 2);
        f.da[i] = cell(i, 3);
        f.hra[i] = cell(i, 4);
        f.mgc[i] = cell(i, 5);
        f.transport[i] = cell(i, 6);
        f.rowTotal[i] = cell(i, 7);
    }
    f.monthCaption[0] = QStringLiteral("Jan 14 (A)");
    f.monthCaption[1] = QStringLiteral("Feb 14 (A)");
    f.basicPay[0] = f.basicPay[1] = QStringLiteral("777001");
    f.gradePay[0] = f.gradePay[1] = QStringLiteral("777002");
    f.rowTotal[0] = f.rowTotal[1] = QStringLiteral("777007");
    f.da[1] = QStringLiteral("100");
    f.da[0] = QStringLiteral("50");
    f.mgc[1] = QStringLiteral("20");
    f.mgc[0] = QStringLiteral("0");
    f.transport[1] = QStringLiteral("0");
    f.transport[0] = QStringLiteral("30");
    f.basicPayTotal = QStringLiteral("900001");
    f.gradePayTotal = QStringLiteral("900002");
    f.daTotal = QStringLiteral("900003");
    f.hraTotal = QStringLiteral("900004");
    f.mgcTotal = QStringLiteral("900005");
    f.transportTotal = QStringLiteral("900006");
    f.grandRowTotal = QStringLiteral("900007");
    f.other = { QStringLiteral("600000"), QStringLiteral("600001"), QStringLiteral("600002"),
        QStringLiteral("600003"), QStringLiteral("600004"), QStringLiteral("600005") };
    f.grandTotal = QStringLiteral("999999");
    return f;
}

} // namespace expected
