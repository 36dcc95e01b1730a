#include "sheets/house/form4.h"

#include "app/forms.h"

Form4::Form4(Forms &forms)
    : QDialog(nullptr, Qt::Window)
    , m_forms(forms)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Morvel1415 - Income from House Property"));
}
