// The Form 16 sheet: the employee's particulars and the office's (employer, the person
// responsible for deducting the tax) typed, and rows 1 to 16 of Part B shown as Calculate
// works them out from the main and deductions sheets. Calculate is the app's to do, since it
// reads those sheets; Print prints Form 16 Part B; Back goes to the main sheet and hands
// nothing back.
// Includes only fields/, records/ and Qt: it knows no other sheet, nor the app or printing.
#pragma once

#include "fields/sheetwindow.h"

class QLineEdit;
class QPushButton;

class Form16Sheet : public fields::SheetWindow
{
    Q_OBJECT
public:
    Form16Sheet();

    static constexpr char kFormName[] = "frmf16";

    QPushButton *cmdcalc = nullptr;
    QPushButton *cmdprint = nullptr;
    QPushButton *cmdback = nullptr;
};
