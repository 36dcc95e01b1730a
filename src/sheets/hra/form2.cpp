#include "sheets/hra/form2.h"

#include "app/forms.h"
#include "fields/amountfield.h"

#include <QVBoxLayout>

Form2::Form2(Forms &forms)
    : QDialog(nullptr, Qt::Window)
    , m_forms(forms)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Morvel1415 - HRA Exemption"));
    auto *box = new QVBoxLayout(this);
    for (auto [member, name] : {std::pair{&txtbp, "txtbp"}, {&txtnpa, "txtnpa"}, {&txtda, "txtda"},
                                {&txthra, "txthra"}, {&txtRP, "txtRP"}}) {
        *member = fields::makeAmountField(this, QString::fromLatin1(name));
        box->addWidget(*member);
    }
}
