// The HRA exemption sheet.
#pragma once

#include <QDialog>

class Forms;
class QLineEdit;

class Form2 : public QDialog
{
    Q_OBJECT
public:
    explicit Form2(Forms &forms);

    QLineEdit *txtbp = nullptr;
    QLineEdit *txtnpa = nullptr;
    QLineEdit *txtda = nullptr;
    QLineEdit *txthra = nullptr;
    QLineEdit *txtRP = nullptr;

private:
    Forms &m_forms;
};
