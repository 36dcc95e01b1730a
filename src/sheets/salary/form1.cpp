#include "sheets/salary/form1.h"

#include "app/forms.h"
#include "fields/amountfield.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>

Form1::Form1(Forms &forms)
    : QDialog(nullptr, Qt::Window)
    , m_forms(forms)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Morvel1415 - Income Calculator"));
    txtnam = fields::makeTextField(this, QStringLiteral("txtnam"));
    cbonps = new QComboBox(this);
    cbonps->setObjectName(QStringLiteral("cbonps"));
    cbonps->setEditable(true);
    auto *grid = new QGridLayout(this);
    grid->addWidget(txtnam, 0, 0);
    grid->addWidget(cbonps, 0, 1);
}

void Form1::closeEvent(QCloseEvent *event)
{
    QDialog::closeEvent(event);
    if (event->isAccepted())
        emit closedByUser();
}
