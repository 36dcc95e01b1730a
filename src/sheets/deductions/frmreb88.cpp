#include "sheets/deductions/frmreb88.h"

#include "app/forms.h"
#include "fields/amountfield.h"

#include <QVBoxLayout>

frmreb88::frmreb88(Forms &forms)
    : QDialog(nullptr, Qt::Window)
    , m_forms(forms)
{
    setObjectName(QStringLiteral("frmreb88"));
    setWindowTitle(QStringLiteral("Morvel1415 - Deductions Under Section 80"));
    auto *box = new QVBoxLayout(this);
    txt80ccdec = fields::makeAmountField(this, QStringLiteral("txt80ccdec"));
    txt80ccdgc = fields::makeAmountField(this, QStringLiteral("txt80ccdgc"));
    box->addWidget(txt80ccdec);
    box->addWidget(txt80ccdgc);
}
