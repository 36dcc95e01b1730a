// The sheet of deductions under section 80.
#pragma once

#include <QDialog>

class Forms;
class QLineEdit;

class frmreb88 : public QDialog
{
    Q_OBJECT
public:
    explicit frmreb88(Forms &forms);

    QLineEdit *txt80ccdec = nullptr;
    QLineEdit *txt80ccdgc = nullptr;

private:
    Forms &m_forms;
};
