// The house-property sheet: rented out or self occupied, the annual value, the deductions
// for repairs, interest and others, and the income (or loss) that Back hands to the main
// sheet. The printed statement reads its fields too.
// Includes only fields/, rules/ and Qt: it knows no other sheet, nor the app or printing.
#pragma once

#include "rules/houseproperty.h"

#include <QDialog>
#include <array>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class Form4 : public QDialog
{
    Q_OBJECT
public:
    explicit Form4(QWidget *parent = nullptr);

    // The buttons whose result an edit makes out of date.
    std::array<QPushButton *, 1> guardButtons() const { return { cmdbk }; }

    QGroupBox *frmask = nullptr;
    QRadioButton *optso = nullptr;
    QRadioButton *optrent = nullptr;

    QLabel *lblrent = nullptr;
    QLineEdit *txtarv = nullptr; // annual rental value
    QLabel *lblptax = nullptr;
    QLineEdit *txtptax = nullptr; // property taxes
    QLabel *lblghi = nullptr;
    QLineEdit *txtghi = nullptr; // gross income (computed)
    QLabel *lbldeduction = nullptr;
    QLabel *lblrep = nullptr;
    QLineEdit *txtrep = nullptr; // repairs (computed)

    QGroupBox *framintt = nullptr;
    QRadioButton *optb499 = nullptr;
    QRadioButton *opta499 = nullptr;

    QLabel *lblintt = nullptr;
    QLineEdit *txtintt = nullptr; // interest as typed, before any ceiling
    QLabel *lbloth = nullptr;
    QLineEdit *txtoth = nullptr; // other deductions
    QLineEdit *txttd = nullptr; // total deductions (computed)
    QLabel *lblihp = nullptr;
    QLineEdit *txtihp = nullptr; // income from house property (computed)

    QPushButton *cmdtot = nullptr;
    QPushButton *cmdbk = nullptr;

    house::Occupancy occupancy() const;
    // Enables the controls that the chosen occupancy uses, and only those.
    void showOccupancy();
    house::LoanDate loanDate() const;

signals:
    // Back, after the sheet has hidden itself: the income (negative for a loss).
    void handedBack(double income);

private:
    void disableGuards();

    void cmdtot_Click();
    void cmdbk_Click();
    void optrent_Click();
    void optso_Click();
    void optb499_Click();
    void opta499_Click();

    // Strict reading of a typed box; on text that is not a number, tells the user which box
    // holds what, puts the focus there and gives nothing.
    std::optional<double> readInput(QLineEdit *field, const QLabel *label);
};
