// The sheet of deductions under section 80: the 80C savings on the left, 80CCC to the
// grand total on the right. Calculate applies the ceilings of the year; Back hands the
// grand total to the main sheet.
// Includes only fields/, records/ and Qt: it knows no other sheet, nor the app or printing.
#pragma once

#include "fields/sheetwindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

class DeductionsSheet : public fields::SheetWindow
{
    Q_OBJECT
public:
    DeductionsSheet();

    static constexpr char kFormName[] = "frmreb88";

    // Section 80C, in tab order
    QLineEdit *txtgpf = nullptr;
    QLineEdit *txtgis = nullptr;
    QLineEdit *txthba = nullptr;
    QLineEdit *txtlic = nullptr;
    QLineEdit *txtppf = nullptr;
    QLineEdit *txtnsc = nullptr;
    QLineEdit *txtnsci = nullptr;
    QLineEdit *txttf1 = nullptr;
    QLineEdit *txttf2 = nullptr;
    QLineEdit *txtinf = nullptr;
    QLineEdit *txtos = nullptr;
    // Sections 80CCC to 80G and other deductions, in tab order
    QLineEdit *txt80ccc = nullptr;
    QLineEdit *txt80ccdec = nullptr; // written by the main sheet on every opening
    QLineEdit *txt80ccdgc = nullptr; // likewise
    QLineEdit *txt80ccf = nullptr;
    QLineEdit *txt80d = nullptr;
    QLineEdit *txt80g = nullptr;
    QLineEdit *txtoth = nullptr;
    // Computed
    QLineEdit *txt80c = nullptr;
    QLineEdit *txttot1 = nullptr;
    QLineEdit *txtgt80 = nullptr;

    QPushButton *cmdtot = nullptr;
    QPushButton *cmdbk = nullptr;

    // Group headings
    QLabel *lblsec80c = nullptr;
    QLabel *lbltf = nullptr; // "Tution Fee" sub-heading inside 80C
    QLabel *lblsec80ccc = nullptr;
    QLabel *lblsec80ccd = nullptr;
    QLabel *lblsec80ccf = nullptr;
    QLabel *lblsec80d = nullptr;
    QLabel *lblsec80g = nullptr;
    // Labels beside the fields, named after their field
    QLabel *lblgpf = nullptr;
    QLabel *lblgis = nullptr;
    QLabel *lblhba = nullptr;
    QLabel *lbllic = nullptr;
    QLabel *lblppf = nullptr;
    QLabel *lblnsc = nullptr;
    QLabel *lblnsci = nullptr;
    QLabel *lbltf1 = nullptr;
    QLabel *lbltf2 = nullptr;
    QLabel *lblinf = nullptr;
    QLabel *lblos = nullptr;
    QLabel *lbl80c = nullptr;
    QLabel *lbl80ccc = nullptr;
    QLabel *lbl80ccdec = nullptr;
    QLabel *lbl80ccdgc = nullptr;
    QLabel *lbltot1 = nullptr;
    QLabel *lbl80ccf = nullptr;
    QLabel *lbl80d = nullptr;
    QLabel *lbl80g = nullptr;
    QLabel *lbloth = nullptr;
    QLabel *lblgt80 = nullptr;

private:
    void cmdtot_Click();
    void txt80d_Change();
};
