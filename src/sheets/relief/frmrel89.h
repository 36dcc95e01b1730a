// The sheet of relief u/s 89 for arrears of salary: the total income and the arrears of each
// earlier year from 2005-06, the employee's date of birth (which sets the slabs of each year),
// and Annexure I of Form 10E worked out from them. Back hands the relief to the main sheet.
// Includes only fields/, rules/ and Qt: it knows no other sheet, nor the app or printing.
#pragma once

#include "rules/relief89.h"
#include "rules/tax.h"

#include <QDialog>
#include <array>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class frmrel89 : public QDialog
{
    Q_OBJECT
public:
    explicit frmrel89(QWidget *parent = nullptr);

    // The buttons whose result an edit makes out of date.
    std::array<QPushButton *, 2> guardButtons() const { return { cmdprint, cmdback }; }

    // Opened from the main sheet: what it holds now, shown here read-only, and the keyboard
    // on the date of birth.
    void takeMain(double netTaxableIncome, tax::AgeGroup age, const QString &name);

    static constexpr int kYears = relief89::kYears; // row 0 is 2005-06, row 8 is 2013-14

    // Taken over from the main sheet
    QLineEdit *txtname = nullptr;
    QLineEdit *txtage = nullptr;
    // Typed
    QLineEdit *txtdob = nullptr; // dd/mm/yyyy
    QCheckBox *chkwoman = nullptr;
    QLineEdit *txtpan = nullptr;
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

signals:
    // Back, after the sheet has hidden itself.
    void handedBack(double relief);
    void printWanted();

public slots:
    // Escape must not hide the sheet behind the user's back.
    void reject() override {}

private:
    void disableGuards();
    void cmdcalc_Click();
    void cmdback_Click();

    // Calculate's checks; each refusal tells the user which box and why, puts the focus
    // there and gives nothing.
    bool refuse(QWidget *box, const QString &message);
    std::optional<relief89::Relief> workOut();
};
