// The windows of one run, and the one place that knows more than one of them. Each form
// exists at most once: it is made the first time anything asks for it, wired here, and kept,
// hidden or shown, until the run ends (the salary sheet is the exception the users know:
// closing its window discards it). The sheets know only themselves: they say what they hand
// on in signals, and this class carries it to the sheet it is for. It also keeps the return
// in a file and refuses the keys pressed with Alt that no button takes.
#pragma once

#include "app/returnformat.h"
#include "print/taxstatement.h"
#include "rules/tax.h"

#include <QDir>
#include <QObject>
#include <QUrl>
#include <functional>
#include <memory>

class QWidget;
class frmmain;
class Form1;
class Form2;
class Form4;
class frmreb88;
class frmrel89;

class Forms : public QObject
{
    Q_OBJECT
public:
    Forms();
    ~Forms() override;

    frmmain *mainSheet();
    Form1 *salarySheet();
    Form2 *hraSheet();
    Form4 *houseSheet();
    frmreb88 *deductionsSheet();
    frmrel89 *reliefSheet();

    // True once the form has been created (and, for the salary sheet, not discarded since).
    bool hasMainSheet() const { return m_main != nullptr; }
    bool hasSalarySheet() const { return m_salary != nullptr; }
    bool hasReliefSheet() const { return m_relief != nullptr; }

    // What the tax statement prints: the main sheet with the break-ups of the house-property
    // and deductions sheets (start-up values for one never opened, which stays unmade).
    print::TaxStatementFields taxStatement();

    // Shows a form modeless, or brings it to the front when it is already shown.
    static void present(QWidget *form);

    // Ends the program at once, whatever is open.
    void endProgram();
    // Asks the desktop to open the home page; false when it could not.
    bool openHomePage();

    // The return in a file: the controls of every sheet there is (the salary sheet only
    // while its window is open), written atomically, or read back onto the sheets after the
    // whole file was checked. Empty when done; otherwise why not, and nothing has changed.
    QString saveReturn(const QString &fileName);
    QString openReturn(const QString &fileName);
    returnformat::Sheets sheets();
    // The file last opened or saved in this run (empty: none), and whether a control shows
    // other than it did then (without a file: other than at start-up).
    QString returnFile() const { return m_returnFile; }
    bool changed();
    // Opens a return from a file as the File menu does: a file that cannot be opened is
    // reported on the main sheet and changes nothing.
    void openReturnFile(const QString &fileName);

    // How the run ends, how a web address is opened, which file a return is opened from or
    // saved to (empty: cancelled), and what to do with a changed return at the end; tests
    // put their own in place.
    enum class Answer { Save, Discard, Cancel };
    std::function<void()> programEnder;
    std::function<bool(const QUrl &)> urlOpener;
    std::function<QString(QWidget *parent, bool saving, const QString &suggested)> chooseReturnFile;
    std::function<Answer(QWidget *parent, const QString &question)> askToSave;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The sub-sheet in `sheet`, made when first wanted; its Back brings the main sheet to the
    // front, which then takes what was handed back with `take`.
    template <class Sheet, class Figure>
    Sheet *subSheet(std::unique_ptr<Sheet> &sheet, void (frmmain::*take)(Figure));
    void discardSalarySheet();
    bool isSheet(const QWidget *window) const;
    // A sheet by its form's name, made when `make` and there is none yet.
    QWidget *sheet(const QString &name, bool make);
    // Puts the file's controls on the sheets: sheets it does not hold are dropped, and every
    // guard button goes off, as after an edit. Empty, or why the values do not fit.
    QString show(const returnformat::Sheets &sheets);

    // The main sheet's requests.
    void openSalarySheet(const QString &name);
    void openHraSheet(double basicPay, double gradePay, double dearness, double hraDrawn);
    void openHouseSheet();
    void openDeductionsSheet(double pensionContribution);
    void openRelief89Sheet(double netTaxableIncome, tax::AgeGroup age, const QString &name);
    void printTaxStatement();
    void printSalaryStatement();
    void printForm10E();
    void exit();
    void showHomePage();
    // The File menu: Open, Save and Save As; false when nothing was saved.
    void open();
    bool save();
    bool saveAs();
    bool saveReturnFile(const QString &fileName);
    // Where the file dialogs start: the open return's folder, else the home folder.
    QDir returnFolder() const;
    // Whether what was typed may go: unchanged, discarded or saved after asking. Only when
    // a file was opened or saved in the run unless `evenWithoutFile`.
    bool mayLeave(bool evenWithoutFile);

    QString m_returnFile;
    returnformat::Sheets m_returnState; // as the file was opened or saved

    std::unique_ptr<frmmain> m_main;
    std::unique_ptr<Form1> m_salary;
    std::unique_ptr<Form2> m_hra;
    std::unique_ptr<Form4> m_house;
    std::unique_ptr<frmreb88> m_deductions;
    std::unique_ptr<frmrel89> m_relief;
};
