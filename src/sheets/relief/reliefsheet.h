// The sheet of relief u/s 89 for arrears of salary: the total income and the arrears of each
// earlier year from 2005-06, the employee's date of birth (which sets the slabs of each year),
// and Annexure I of Form 10E worked out from them. Back hands the relief to the main sheet.
// Includes only fields/, rules/, records/ and Qt: it knows no other sheet, nor the app or printing.
#pragma once

#include "fields/sheetwindow.h"
#include "rules/relief89.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class ReliefSheet : public fields::SheetWindow
{
    Q_OBJECT
public:
    ReliefSheet();

    static constexpr char kFormName[] = "frmrel89";

    static constexpr int kYears = relief89::kYears; // row 0 is 2005-06, row 8 is 2013-14

    // Taken over from the main sheet
    QLineEdit *txtname = nullptr;
    QLineEdit *txtage = nullptr;
    QLineEdit *txtpan = nullptr;
    // Typed
    QLineEdit *txtdob = nullptr; // dd/mm/yyyy
    QCheckBox *chkwoman = nullptr;
    QLineEdit *txtaddr = nullptr;
    std::array<QLabel *, kYears> lblyear {};
    std::array<QLineEdit *, kYears> txtti {}; // total income of the year, without its arrears
    std::array<QLineEdit *, kYears> txtarr {}; // arrears that belong to the year
    // Table A, computed
    std::array<QLineEdit *, kYears> txtinc {};
    std::array<QLineEdit *, kYears> txttax1 {};
    std::array<QLineEdit *, kYears> txttax2 {};
    std::array<QLineEdit *, kYears> txtdiff {};
    // Annexure I, items 1 to 8 (item 3 is the main sheet's net taxable income)
    QLineEdit *txtexcl = nullptr;
    QLineEdit *txtarrtot = nullptr;
    QLineEdit *txtnti = nullptr;
    QLineEdit *txttaxincl = nullptr;
    QLineEdit *txttaxexcl = nullptr;
    QLineEdit *txtcurdiff = nullptr;
    QLineEdit *txttablea = nullptr;
    QLineEdit *txtrelief = nullptr;

    QPushButton *cmdcalc = nullptr;
    QPushButton *cmdprint = nullptr;
    QPushButton *cmdback = nullptr;

private:
    void cmdcalc_Click();
};
