// The HRA exemption sheet: the pay totals of the year (filled in by the main sheet when it
// opens this one), the rent paid, and the exempt part of the allowance that Back hands to
// the main sheet.
// Includes only fields/, rules/ and Qt: it knows no other sheet, nor the app or printing.
#pragma once

#include <QDialog>
#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

class Form2 : public QDialog
{
    Q_OBJECT
public:
    explicit Form2(QWidget *parent = nullptr);

    // Opened from the main sheet: the pay totals of the year (basic pay, grade pay, dearness
    // allowance and HRA drawn, written in that order), and the keyboard on the rent.
    void takePay(double basicPay, double gradePay, double dearness, double hraDrawn);

signals:
    // Back, after the sheet has hidden itself.
    void handedBack(double exemption);

public:

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
};
