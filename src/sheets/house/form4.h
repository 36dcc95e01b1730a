// The house-property sheet.
#pragma once

#include <QDialog>

class Forms;

class Form4 : public QDialog
{
    Q_OBJECT
public:
    explicit Form4(Forms &forms);

private:
    Forms &m_forms;
};
