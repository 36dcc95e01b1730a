// The windows of one run. Each form exists at most once: it is created the first time
// anything asks for it and then kept, hidden or shown, until the run ends. The salary
// sheet is the exception the users know: closing its window discards it.
#pragma once

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

    // True once the form has been created (and, for the salary sheet, not discarded since).
    bool hasMainSheet() const { return m_main != nullptr; }
    bool hasSalarySheet() const { return m_salary != nullptr; }
    bool hasHraSheet() const { return m_hra != nullptr; }
    bool hasHouseSheet() const { return m_house != nullptr; }
    bool hasDeductionsSheet() const { return m_deductions != nullptr; }

    // Shows a form modeless, or brings it to the front when it is already shown.
    static void present(QWidget *form);

    // Ends the program at once, whatever is open.
    void endProgram();
    // Asks the desktop to open the home page; false when it could not.
    bool openHomePage();

    // How the run ends and how a web address is opened; tests put their own in place.
    std::function<void()> programEnder;
    std::function<bool(const QUrl &)> urlOpener;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void discardSalarySheet();
    bool isSheet(const QWidget *window) const;

    std::unique_ptr<frmmain> m_main;
    std::unique_ptr<Form1> m_salary;
    std::unique_ptr<Form2> m_hra;
    std::unique_ptr<Form4> m_house;
    std::unique_ptr<frmreb88> m_deductions;
};
