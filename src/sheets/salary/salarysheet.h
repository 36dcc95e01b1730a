// The salary sheet: fourteen month rows of pay turned into allowances and totals, and
// handed back to the main sheet as the year's figures.
// Includes only fields/, rules/, records/ and Qt: it knows no other sheet, nor the app or printing.
#pragma once

#include "fields/sheetwindow.h"
#include "rules/pay.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class SalarySheet : public fields::SheetWindow
{
    Q_OBJECT
public:
    SalarySheet();

    static constexpr char kFormName[] = "Form1";
    static constexpr int kRows = pay::kRows; // Jan 14 to Feb 15, index 0 to 13
    static constexpr int kOthers = 6;        // the annual figures

    QLineEdit *txtnam = nullptr;
    QComboBox *cbonps = nullptr;
    QComboBox *cboclass1 = nullptr; // HRA city class
    QComboBox *cboclass3 = nullptr; // transport allowance class
    QCheckBox *chkinc = nullptr;

    std::array<QLabel *, kRows> Label1{};
    std::array<QLineEdit *, kRows> txtbp{};
    std::array<QLineEdit *, kRows> txtgp{};
    std::array<QLineEdit *, kRows> txtda{};
    std::array<QLineEdit *, kRows> txthra{}; // rows 0 and 1 have no HRA cell: nullptr
    std::array<QLineEdit *, kRows> txttpa2{};
    std::array<QLineEdit *, kRows> txtmgc{};
    std::array<QLineEdit *, kRows> txtttl{};

    QLineEdit *txtbpt = nullptr;
    QLineEdit *txtgpt = nullptr;
    QLineEdit *txtdat = nullptr;
    QLineEdit *txthrat = nullptr;
    QLineEdit *txttpat = nullptr;
    QLineEdit *txtmgct = nullptr;
    QLineEdit *txtttlt = nullptr;

    std::array<QLineEdit *, kOthers> txtoth{};
    QLineEdit *txtgtotal = nullptr;

    QPushButton *cmdcal = nullptr;
    QPushButton *cmdprn = nullptr;
    QPushButton *cmdbak = nullptr;

private:
    void Form_Load();
    void txtbp_Change(int index);
    void txtgp_Change(int index);
    void txtoth_Change(int index);
    void cboclass1_Change();
    void cboclass3_Change();
    void cbonps_Change();
    void cboclass1_GotFocus();
    void cboclass3_GotFocus();
    void cmdcal_Click();

    // The shared copy-down of the pay columns.
    void payCellChanged(const std::array<QLineEdit *, kRows> &column, int index);
};
