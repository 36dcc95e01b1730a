// The main computation sheet: the heads of income down to the net taxable income on the
// left, the tax down to the balance payable on the right, and the four "Calc." buttons
// that open the sub-sheets which fill some of its fields. Includes only fields/, rules/ and
// Qt: what the sub-sheets hand back, it is given by the app, which opens them on its requests.
#pragma once

#include "rules/pay.h"
#include "rules/tax.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class frmmain : public QDialog
{
    Q_OBJECT
public:
    explicit frmmain(QWidget *parent = nullptr);

    // The button whose result an edit makes out of date.
    std::array<QPushButton *, 1> guardButtons() const { return { cmdprint }; }

    // Typed fields
    QLineEdit *txtname = nullptr;
    QLineEdit *txtgs = nullptr;
    QLineEdit *txttp = nullptr;
    QLineEdit *txthra = nullptr;
    QLineEdit *txtos = nullptr;
    QLineEdit *txtrel89 = nullptr;
    QLineEdit *txtdedtax = nullptr;
    // Read-only fields
    QLineEdit *txthp = nullptr;
    QLineEdit *txtded80 = nullptr;
    QLineEdit *txtexall = nullptr;
    QLineEdit *txtnsal = nullptr;
    QLineEdit *txtgti = nullptr;
    QLineEdit *txtnti = nullptr;
    QLineEdit *txtgtax = nullptr;
    QLineEdit *txtrel87A = nullptr;
    QLineEdit *txtntax = nullptr;
    QLineEdit *txtcess = nullptr;
    QLineEdit *txtttax = nullptr;
    QLineEdit *txtbaltax = nullptr;
    QLineEdit *txtsurch = nullptr; // surcharge, above an income of 1,00,00,000
    QComboBox *cboage = nullptr; // age group, whose slabs the tax follows
    // Hidden fields carrying the salary sheet's totals on to the HRA and deductions sheets
    QLineEdit *txtbp = nullptr;
    QLineEdit *txtda = nullptr;
    QLineEdit *txthrr = nullptr;
    QLineEdit *txtnpa = nullptr;
    QLineEdit *txtmgc = nullptr;

    QPushButton *cmdcalgs = nullptr;
    QPushButton *cmdcalhr = nullptr;
    QPushButton *cmdcalhp = nullptr;
    QPushButton *cmdcalded80 = nullptr;
    QPushButton *cmdcalrel89 = nullptr; // works out the relief u/s 89 from arrears
    QPushButton *cmdcalc = nullptr;
    QPushButton *cmdprint = nullptr;
    QPushButton *cmdexit = nullptr;

    QLabel *Label3 = nullptr; // author credit
    QLabel *Label7 = nullptr; // home-page link
    QLabel *lblfile = nullptr; // the file of the return, once it was opened or saved

    // What the sub-sheets hand back, each written in its place (raising its change reaction),
    // with the keyboard then on the next step down the sheet.
    void takeSalary(const pay::YearFigures &figures);
    void takeHraExemption(double exemption);
    void takeHouseIncome(double income);
    void takeDeductions(double total);
    void takeRelief89(double relief);

    // The file of the return in use, shown at the foot of the sheet.
    void showReturnFile(const QString &fileName);

    // Who made the program and where to find it: the credit line and the home-page link.
    void showCredits(const QString &authorCredit, const QString &homePage);

signals:
    // The "Calc." buttons: a sub-sheet to open, with what it takes over from this one.
    void salarySheetWanted(const QString &name);
    void hraSheetWanted(double basicPay, double gradePay, double dearness, double hraDrawn);
    void houseSheetWanted();
    void deductionsSheetWanted(double pensionContribution);
    void relief89SheetWanted(double netTaxableIncome, tax::AgeGroup age, const QString &name);
    void printWanted();
    // The File menu.
    void openWanted();
    void saveWanted();
    void saveAsWanted();
    // Exit, or the window closed: the run ends unless a changed return is to be kept.
    void exitWanted();
    void homePageWanted();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

public slots:
    // Escape must not hide the sheet that holds the run together.
    void reject() override {}

private:
    void cmdcalc_Click();
    void cmdcalgs_Click();
    void cmdcalhr_Click();
    void cmdcalhp_Click();
    void cmdcalded80_Click();
    void cmdcalrel89_Click();
    void cmdprint_Click();
    void cmdexit_Click();
    void Label7_Click();
    void txtname_Change();
    void cboage_Change();
    void mnuopen_Click();
    void mnusave_Click();
    void mnusaveas_Click();
};
