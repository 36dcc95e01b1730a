// The HRA exemption sheet: the pay totals of the year (filled in by the main sheet when it
// opens this one), the rent paid, and the exempt part of the allowance that Back hands to
// the main sheet.
// Includes only fields/, records/ and Qt: it knows no other sheet, nor the app or printing.
#pragma once

#include "fields/sheetwindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

class HraSheet : public fields::SheetWindow
{
    Q_OBJECT
public:
    HraSheet();

    static constexpr char kFormName[] = "Form2";
    // Longest text the user can type into an input box.
    static constexpr int kInputMaxLength = 10;

    QLabel *gsallbl = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *lblda = nullptr;
    QLabel *lblns = nullptr;
    QLabel *lblhra = nullptr;
    QLabel *lblRP = nullptr;
    QLabel *lblhrx = nullptr;

    QLineEdit *txtbp = nullptr; // basic pay, filled in on opening
    QLineEdit *txtnpa = nullptr; // grade pay, filled in on opening
    QLineEdit *txtda = nullptr; // dearness allowance, filled in on opening
    QLineEdit *txtns = nullptr; // total salary (computed)
    QLineEdit *txthra = nullptr; // HRA drawn, filled in on opening
    QLineEdit *txtRP = nullptr; // rent paid in the year
    QLineEdit *txthrx = nullptr; // HRA exemption (computed)

    QPushButton *cmdcal = nullptr;
    QPushButton *cmdback = nullptr;

private:
    void cmdcal_Click();
};
