// The main computation sheet: the heads of income down to the net taxable income on the
// left, the tax down to the balance payable on the right, and the four "Calc." buttons
// that open the sub-sheets which fill some of its fields.
#pragma once

#include <QDialog>
#include <array>

class Forms;
class QComboBox;
class QDir;
class QLabel;
class QLineEdit;
class QPushButton;

class frmmain : public QDialog
{
    Q_OBJECT
public:
    explicit frmmain(Forms &forms);

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
    QPushButton *cmdcalc = nullptr;
    QPushButton *cmdprint = nullptr;
    QPushButton *cmdexit = nullptr;

    QLabel *Label7 = nullptr; // home-page link
    QLabel *lblfile = nullptr; // the file of the return, once it was opened or saved

    // Opens a return from a file; a file that cannot be opened is reported and changes nothing.
    void openReturnFile(const QString &fileName);

    static QString homePageCaption();

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
    void cmdprint_Click();
    void cmdexit_Click();
    void Label7_Click();
    void txtname_Change();
    void cboage_Change();
    void mnuopen_Click();
    bool mnusave_Click();
    bool mnusaveas_Click();

    bool saveReturnFile(const QString &fileName);
    // Where the file dialogs start: the open return's folder, else the home folder.
    QDir returnFolder() const;
    // Whether what was typed may go: unchanged, discarded or saved after asking. Only when
    // a file was opened or saved in the run unless `evenWithoutFile`.
    bool mayLeave(bool evenWithoutFile);


    Forms &m_forms;
};
