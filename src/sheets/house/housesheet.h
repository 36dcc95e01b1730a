// The house-property sheet: rented out or self occupied, the annual value, the deductions
// for repairs, interest and others, and the income (or loss) that Back hands to the main
// sheet. A view of its record, which the printed statement reads too.
// Includes only fields/, records/ and Qt: it knows no other sheet, nor the app or printing.
#pragma once

#include "fields/sheetwindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class HouseSheet : public fields::SheetWindow
{
    Q_OBJECT
public:
    HouseSheet();

    static constexpr char kFormName[] = "Form4";

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

protected:
    // Enables the controls that the chosen occupancy uses, and only those.
    void recordShown() override;

private:
    void cmdtot_Click();
    void optrent_Click();
    void optso_Click();
};
