// The salary sheet: fourteen month rows of pay turned into allowances and totals.
#pragma once

#include <QDialog>

class Forms;
class QComboBox;
class QLineEdit;

class Form1 : public QDialog
{
    Q_OBJECT
public:
    explicit Form1(Forms &forms);

    QLineEdit *txtnam = nullptr;
    QComboBox *cbonps = nullptr;

signals:
    // The user closed the window: the run discards the sheet and its values.
    void closedByUser();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Forms &m_forms;
};
