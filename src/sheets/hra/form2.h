// The HRA exemption sheet: the pay totals of the year (filled in by the main sheet when it
// opens this one), the rent paid, and the exempt part of the allowance that Back hands to
// the main sheet.
#pragma once

#include <QDialog>
#include <array>
#include <optional>

class Forms;
class QLabel;
class QLineEdit;
class QPushButton;

class Form2 : public QDialog
{
    Q_OBJECT
public:
    explicit Form2(Forms &forms);

    // The buttons whose result an edit makes out of date.
    std::array<QPushButton *, 1> guardButtons() const { return { cmdback }; }

    // Longest text the user can type into an input box.
    static constexpr int kInputMaxLength = 10;

    QLabel *gsallbl = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *lblda = nullptr;
    QLabel *lblns = nullptr;
    QLabel *lblhra = nullptr;
    QLabel *lblRP = nullptr;
    QLabel *lblhrx = nullptr;

    QLineEdit *txtbp = nullptr; // basic pay, filled in on opening
    QLineEdit *txtnpa = nullptr; // grade pay, filled in on opening
    QLineEdit *txtda = nullptr; // dearness allowance, filled in on opening
    QLineEdit *txtns = nullptr; // total salary (computed)
    QLineEdit *txthra = nullptr; // HRA drawn, filled in on opening
    QLineEdit *txtRP = nullptr; // rent paid in the year
    QLineEdit *txthrx = nullptr; // HRA exemption (computed)

    QPushButton *cmdcal = nullptr;
    QPushButton *cmdback = nullptr;

private:
    void disableGuards();

    void cmdcal_Click();
    void cmdback_Click();

    // Strict reading of a typed box; on text that is not a number, tells the user which box
    // holds what, puts the focus there and gives nothing.
    std::optional<double> readInput(QLineEdit *field, const QLabel *label);

    Forms &m_forms;
};
