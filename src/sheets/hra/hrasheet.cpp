#include "sheets/hra/hrasheet.h"

#include "fields/amountfield.h"
#include "fields/conversions.h"
#include "fields/labels.h"
#include "records/hra.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

using fields::makeButton;
using fields::makeLabel;

namespace {

// Limits what the user types to a number of characters, but not what the program writes:
// QLineEdit::setMaxLength would also cut a longer pay total written on opening. A text the
// program wrote that is already too long stays editable (Qt keeps an edit of input that was
// not valid before), so the user can shorten it.
class LengthLimit : public QValidator
{
public:
    LengthLimit(int maxLength, QObject *parent)
        : QValidator(parent)
        , m_maxLength(maxLength)
    {
    }

    State validate(QString &input, int &) const override
    {
        return input.size() <= m_maxLength ? Acceptable : Invalid;
    }

private:
    int m_maxLength;
};

} // namespace

HraSheet::HraSheet()
    : SheetWindow(kFormName, QStringLiteral("Morvel1415 - HRA Exemption"))
{
    auto input = [this](const char *name) {
        QLineEdit *field = fields::makeAmountField(this, QString::fromLatin1(name));
        field->setValidator(new LengthLimit(kInputMaxLength, field));
        return field;
    };
    txtbp = input("txtbp");
    txtnpa = input("txtnpa");
    txtda = input("txtda");
    txtns = fields::makeComputedField(this, QStringLiteral("txtns"));
    txthra = input("txthra");
    txtRP = input("txtRP");
    txthrx = fields::makeComputedField(this, QStringLiteral("txthrx"));

    gsallbl = makeLabel(this, QStringLiteral("gsallbl"), QStringLiteral("Basic Pay"));
    Label2 = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("Grade Pay"));
    lblda = makeLabel(this, QStringLiteral("lblda"), QStringLiteral("Dearness Allow."));
    lblns = makeLabel(this, QStringLiteral("lblns"), QStringLiteral("Total Salary"));
    lblhra = makeLabel(this, QStringLiteral("lblhra"), QStringLiteral("HRA Drawn"));
    lblRP = makeLabel(this, QStringLiteral("lblRP"), QStringLiteral("Rent Paid (Annual)"));
    lblhrx = makeLabel(this, QStringLiteral("lblhrx"), QStringLiteral("HRA Exemption"));

    cmdcal = makeButton(this, QStringLiteral("cmdcal"), QStringLiteral("&CALCULATE"));
    cmdback = makeButton(this, QStringLiteral("cmdback"), QStringLiteral("&BACK"));
    setButtons(cmdcal, { cmdback });

    auto *grid = new QGridLayout(this);
    grid->setColumnStretch(1, 1);
    const std::pair<QLabel *, QLineEdit *> rows[] = {
        { gsallbl, txtbp },
        { Label2, txtnpa },
        { lblda, txtda },
        { lblns, txtns },
        { lblhra, txthra },
        { lblRP, txtRP },
        { lblhrx, txthrx },
    };
    int row = 0;
    for (const auto &[label, field] : rows) {
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        fields::labelField(label, field);
        ++row;
    }
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdcal);
    buttons->addWidget(cmdback);
    grid->addLayout(buttons, row, 0, 1, 2);
    // Room for a full ten-character figure, however small the window is made.
    const int amountWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000000000.00"));
    for (const auto &[label, field] : rows)
        field->setMinimumWidth(amountWidth);

    // The grade pay comes last: it is rarely typed here.
    QWidget *order[] = { txtbp, txtda, txthra, txtRP, cmdcal, cmdback, txtnpa };
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    // The grade pay reacts like the other boxes: Back must never hand over an exemption
    // worked out from a grade pay that has been changed since.
    for (QLineEdit *field : { txtbp, txtnpa, txtda, txthra, txtRP })
        fields::connectCommonChange(field, this, [this] { setGuardsEnabled(false); });

    connect(cmdcal, &QPushButton::clicked, this, &HraSheet::cmdcal_Click);
    connect(cmdback, &QPushButton::clicked, this, &HraSheet::backWanted);
}

void HraSheet::cmdcal_Click()
{
    auto hra = record<records::HraRecord>();
    const std::optional<records::Said> said = records::calculate(hra);
    showRecord(hra, false);
    if (said)
        refuse(said->message, said->box);
    else
        setGuardsEnabled(true);
}
