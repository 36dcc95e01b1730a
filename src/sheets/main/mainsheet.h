// The main computation sheet: the heads of income down to the net taxable income on the
// left, the tax down to the balance payable on the right, and the four "Calc." buttons
// that open the sub-sheets which fill some of its fields. Includes only fields/, records/
// and Qt: what the sub-sheets hand back, it is given by the app, which opens them on its requests.
#pragma once

#include "fields/sheetwindow.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class MainSheet : public fields::SheetWindow
{
    Q_OBJECT
public:
    MainSheet();

    static constexpr char kFormName[] = "frmmain";

    // Typed fields
    QLineEdit *txtname = nullptr;
    QLineEdit *txtpan = nullptr; // the employee's PAN, for the forms that name the employee
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
    QPushButton *cmdform16 = nullptr; // Form 16 Part B
    QPushButton *cmdplan = nullptr; // the planner: savings still to make, tax to deduct monthly
    QPushButton *cmdcalc = nullptr;
    QPushButton *cmdprint = nullptr;
    QPushButton *cmdexit = nullptr;

    QLabel *Label3 = nullptr; // author credit
    QLabel *Label7 = nullptr; // home-page link
    QLabel *lblfile = nullptr; // the file of the return, once it was opened or saved

    // The file of the return in use, shown at the foot of the sheet.
    void showReturnFile(const QString &fileName);

    // Who made the program and where to find it: the credit line and the home-page link.
    void showCredits(const QString &authorCredit, const QString &homePage);

signals:
    // A "Calc." button, by its name: the sheet it opens is the app's business.
    void calcWanted(const QString &button);
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

private:
    void cmdcalc_Click();
    void cmdexit_Click();
    void Label7_Click();
    void txtname_Change();
    void cboage_Change();
    void mnuopen_Click();
    void mnusave_Click();
    void mnusaveas_Click();
};
