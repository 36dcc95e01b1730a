// Form 16 Part B (Annexure), the certificate of tax deducted at source on salary, on one A4
// portrait page: drawn from the texts of the Form 16 sheet as they stand, by the same page
// layer and printer handling as the other forms.
#pragma once

#include <QList>
#include <QString>

namespace print {

class Page;

// One text per thing the form prints; amounts as the sheet shows them.
struct Form16Fields
{
    QString employerName, employerAddress; // name and address of the employer
    QString employeeName, employeeDesignation, employeeAddress;
    QString deductorPan, deductorTan, employeePan, citAddress; // CIT (TDS)
    QString assessmentYear = "2015-16";
    QString periodFrom, periodTo; // with the employer

    // Rows 1 to 8.
    QString salary17_1, perquisites17_2, profits17_3, grossSalary; // 1 (a) to (d)
    QString transportExempt, hraExempt, exemptTotal; // 2
    QString balance; // 3
    QString entertainment, employmentTax, aggregate; // 4 (a), (b) and 5
    QString chargeable; // 6
    QString houseProperty, otherSources; // 7 (a loss with its minus sign)
    QString grossTotalIncome; // 8

    // Row 9: (A) the lines of sections 80C (those with an amount), 80CCC and 80CCD, with gross
    // and deductible amounts; (B) the other sections with gross, qualifying and deductible.
    struct Line
    {
        QString caption, gross, qualifying, deductible;
    };
    QList<Line> sectionA;
    QList<Line> sectionB;

    // Rows 10 to 16.
    QString chapterVIA; // 10
    QString totalIncome; // 11
    QString taxOnIncome, rebate87A, surcharge, tax; // 12 (a) to (c) and the total
    QString cess; // 13
    QString payable; // 14
    QString relief89; // 15
    QString relief89Note; // the line under row 15; empty: none
    QString taxPayable; // 16

    // Verification.
    QString signatoryName, signatoryFather, signatoryDesignation, place, date;
    QString footerCredit;
};

// Draws the page and ends the document; false when it could not be completed.
bool drawForm16(Page &page, const Form16Fields &fields);

} // namespace print
