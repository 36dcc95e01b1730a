#include "sheets/hra/form2.h"

#include "fields/amountfield.h"
#include "fields/conversions.h"
#include "fields/labels.h"
#include "fields/messages.h"
#include "rules/hra.h"

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

Form2::Form2(QWidget *parent)
    : QDialog(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Morvel1415 - HRA Exemption"));

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
    cmdcal->setDefault(true);
    cmdback->setEnabled(false);

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
        fields::connectCommonChange(field, this, [this] { disableGuards(); });

    connect(cmdcal, &QPushButton::clicked, this, &Form2::cmdcal_Click);
    connect(cmdback, &QPushButton::clicked, this, &Form2::cmdback_Click);
}

void Form2::takePay(double basicPay, double gradePay, double dearness, double hraDrawn)
{
    fields::writeAmount(txtbp, basicPay);
    fields::writeAmount(txtnpa, gradePay);
    fields::writeAmount(txtda, dearness);
    fields::writeAmount(txthra, hraDrawn);
    txtRP->setFocus();
}

void Form2::disableGuards()
{
    for (QPushButton *button : guardButtons())
        button->setEnabled(false);
}

std::optional<double> Form2::readInput(QLineEdit *field, const QLabel *label)
{
    const std::optional<double> value = fields::readTypedStrict(this, field, label->text());
    if (!value)
        disableGuards();
    return value;
}

void Form2::cmdcal_Click()
{
    for (QLineEdit *field : { txtbp, txtda, txtnpa, txthra, txtRP }) {
        if (field->text().isEmpty())
            fields::writeText(field, QStringLiteral("0"));
    }

    // Every box is read before anything is written, so that text which is not a number
    // leaves no half-done result behind.
    const std::optional<double> basicPay = readInput(txtbp, gsallbl);
    if (!basicPay)
        return;
    const std::optional<double> dearness = readInput(txtda, lblda);
    if (!dearness)
        return;
    const std::optional<double> hraDrawn = readInput(txthra, lblhra);
    if (!hraDrawn)
        return;
    const std::optional<double> gradePay = readInput(txtnpa, Label2);
    if (!gradePay)
        return;
    const std::optional<double> rentPaid = readInput(txtRP, lblRP);
    if (!rentPaid)
        return;

    const double salary = hra::totalSalary(*basicPay, *dearness, *gradePay);
    if (!fields::writeResult(this, txtns, salary, QStringLiteral("total salary")))
        return;
    if (!fields::writeResult(this, txthrx,
            hra::exemption(hra::rentExcess(*rentPaid, salary), *hraDrawn),
            QStringLiteral("HRA exemption")))
        return;
    cmdback->setEnabled(true);
}

void Form2::cmdback_Click()
{
    // The exemption is the program's own number text: read it in that format, whatever
    // the desktop's regional settings.
    const std::optional<double> exempt = fields::readNumberText(txthrx->text());
    if (!exempt) {
        disableGuards();
        fields::showMessage(this,
            QStringLiteral("The HRA exemption \"%1\" cannot be handed "
                           "back. Please calculate again.")
                .arg(txthrx->text()));
        return;
    }
    hide();
    emit handedBack(*exempt);
}
