// The salary sheet: fourteen month rows of pay turned into allowances and totals, and
// handed back to the main sheet as the year's figures.
// Includes only fields/, rules/ and Qt: it knows no other sheet, nor the app or printing.
#pragma once

#include "rules/pay.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class Form1 : public QDialog
{
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);

    // Opened from the main sheet: the employee's name, and the keyboard on the pension scheme.
    void takeName(const QString &name);

    // The buttons whose result an edit makes out of date.
    std::array<QPushButton *, 2> guardButtons() const { return {cmdprn, cmdbak}; }

    static constexpr int kRows = 14;  // Jan 14 to Feb 15, index 0 to 13
    static constexpr int kOthers = 6; // the annual figures

    QLineEdit *txtnam = nullptr;
    QComboBox *cbonps = nullptr;
    QComboBox *cboclass1 = nullptr; // HRA city class
    QComboBox *cboclass3 = nullptr; // transport allowance class
    QCheckBox *chkinc = nullptr;

    std::array<QLabel *, kRows> Label1{};
    std::array<QLineEdit *, kRows> txtbp{};
    std::array<QLineEdit *, kRows> txtgp{};
    std::array<QLineEdit *, kRows> txtda{};
    std::array<QLineEdit *, kRows> txthra{}; // rows 0 and 1 have no HRA cell: nullptr
    std::array<QLineEdit *, kRows> txttpa2{};
    std::array<QLineEdit *, kRows> txtmgc{};
    std::array<QLineEdit *, kRows> txtttl{};

    QLineEdit *txtbpt = nullptr;
    QLineEdit *txtgpt = nullptr;
    QLineEdit *txtdat = nullptr;
    QLineEdit *txthrat = nullptr;
    QLineEdit *txttpat = nullptr;
    QLineEdit *txtmgct = nullptr;
    QLineEdit *txtttlt = nullptr;

    std::array<QLineEdit *, kOthers> txtoth{};
    QLineEdit *txtgtotal = nullptr;

    QPushButton *cmdcal = nullptr;
    QPushButton *cmdprn = nullptr;
    QPushButton *cmdbak = nullptr;

signals:
    // Back: the year's figures for the main sheet (the sheet stays open behind it).
    void handedBack(const pay::YearFigures &figures);
    void printWanted();
    // The user closed the window: the run discards the sheet and its values.
    void closedByUser();

protected:
    void closeEvent(QCloseEvent *event) override;

public slots:
    // Escape would hide the sheet without a word; only the window's close button leaves it.
    void reject() override {}

private:
    void setGuardsEnabled(bool enabled);

    void Form_Load();
    void txtbp_Change(int index);
    void txtgp_Change(int index);
    void txtoth_Change(int index);
    void cboclass1_Change();
    void cboclass3_Change();
    void cbonps_Change();
    void cboclass1_GotFocus();
    void cboclass3_GotFocus();
    void cmdcal_Click();
    void cmdprn_Click();
    void cmdbak_Click();

    // The shared copy-down of the pay columns.
    void payCellChanged(const std::array<QLineEdit *, kRows> &column, int index);
    // Calculate's steps; false when one could not be worked out (the user has been told).
    bool calculate();
    QString monthOf(int row) const;
};
