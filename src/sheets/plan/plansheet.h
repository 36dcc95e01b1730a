// The planner: what each limit of the year still leaves and the tax using it would save, the
// rate at which the next rupee is taxed, and the tax to deduct in each month still to come.
// Only the first month to come is chosen here; Calculate is the app's to do, since it reads
// the main, deductions and house-property sheets. Print prints the planner; Back goes to the
// main sheet and hands nothing back.
// Includes only fields/, records/ and Qt: it knows no other sheet, nor the app or printing.
#pragma once

#include "fields/sheetwindow.h"

#include <QList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class PlanSheet : public fields::SheetWindow
{
    Q_OBJECT
public:
    PlanSheet();

    static constexpr char kFormName[] = "frmplan";

    QComboBox *cbofrom = nullptr;
    QPushButton *cmdcalc = nullptr;
    QPushButton *cmdprint = nullptr;
    QPushButton *cmdback = nullptr;

protected:
    // A limit used up has no line; a month gone has no amount; a refund its own line.
    void recordShown() override;

private:
    QList<QList<QWidget *>> m_limitLines; // each limit's caption, room and saving
    QLabel *m_usedUp = nullptr;
    QList<QWidget *> m_refundLine;
};
