#include "sheets/house/form4.h"

#include "fields/amountfield.h"
#include "fields/conversions.h"
#include "fields/labels.h"
#include "fields/messages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using fields::makeButton;
using fields::makeLabel;

namespace {

QGroupBox *makeFrame(QWidget *parent, const QString &name, const QString &caption)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    return frame;
}

QRadioButton *makeOption(QGroupBox *frame, const QString &name, const QString &caption)
{
    auto *option = new QRadioButton(caption, frame);
    option->setObjectName(name);
    frame->layout()->addWidget(option);
    return option;
}

// An option group is one stop of the Tab key, on the chosen option; the arrow keys still
// move between the options (Qt moves them among auto-exclusive buttons whatever their
// focus policy).
void keepTabStopOnChosen(QRadioButton *first, QRadioButton *second)
{
    auto update = [first, second] {
        for (QRadioButton *option : { first, second })
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    QObject::connect(first, &QRadioButton::toggled, first, update);
    QObject::connect(second, &QRadioButton::toggled, second, update);
    update();
}

} // namespace

Form4::Form4(QWidget *parent)
    : QDialog(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Morvel1415 - Income from House Property"));

    frmask = makeFrame(this, QStringLiteral("frmask"), QStringLiteral("Please Specify"));
    new QHBoxLayout(frmask);
    optso = makeOption(frmask, QStringLiteral("optso"), QStringLiteral("Self Occupied"));
    optrent = makeOption(frmask, QStringLiteral("optrent"), QStringLiteral("Rented Out"));
    optrent->setChecked(true);

    lblrent = makeLabel(this, QStringLiteral("lblrent"), QStringLiteral("Annual Rental Value "));
    txtarv = fields::makeAmountField(this, QStringLiteral("txtarv"));
    lblptax = makeLabel(this, QStringLiteral("lblptax"), QStringLiteral("Less:- Property Taxes"));
    txtptax = fields::makeAmountField(this, QStringLiteral("txtptax"));
    lblghi = makeLabel(this, QStringLiteral("lblghi"), QStringLiteral("Gross Income"));
    txtghi = fields::makeComputedField(this, QStringLiteral("txtghi"));
    lbldeduction = makeLabel(
        this, QStringLiteral("lbldeduction"), QStringLiteral("Less Deductions u/s 24 : -"));
    txtrep = fields::makeComputedField(this, QStringLiteral("txtrep"));
    // With a buddy, QLabel shows the doubled ampersand as one, as the caption means; there
    // is no single ampersand, so no access key.
    lblrep = makeLabel(this, QStringLiteral("lblrep"), QStringLiteral("Repairs && Maintainance"));
    lblrep->setBuddy(txtrep);

    framintt = makeFrame(this, QStringLiteral("framintt"), QStringLiteral("Date of Housing Loan"));
    new QHBoxLayout(framintt);
    optb499 = makeOption(framintt, QStringLiteral("optb499"), QStringLiteral("Before 1-4-99"));
    opta499 = makeOption(framintt, QStringLiteral("opta499"), QStringLiteral("After 1-4-99"));
    opta499->setChecked(true);

    lblintt = makeLabel(
        this, QStringLiteral("lblintt"), QStringLiteral("Interest on Borrowed Capital"));
    txtintt = fields::makeAmountField(this, QStringLiteral("txtintt"));
    lbloth = makeLabel(this, QStringLiteral("lbloth"), QStringLiteral("Others"));
    txtoth = fields::makeAmountField(this, QStringLiteral("txtoth"));
    txttd = fields::makeComputedField(this, QStringLiteral("txttd"));
    lblihp
        = makeLabel(this, QStringLiteral("lblihp"), QStringLiteral("Income from House Property"));
    txtihp = fields::makeComputedField(this, QStringLiteral("txtihp"));

    cmdtot = makeButton(this, QStringLiteral("cmdtot"), QStringLiteral("&Calculate"));
    cmdbk = makeButton(this, QStringLiteral("cmdbk"), QStringLiteral("&Back"));
    cmdtot->setDefault(true);
    cmdbk->setEnabled(false);

    // Labels | deduction items | totals
    auto *grid = new QGridLayout(this);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    grid->addWidget(frmask, 0, 0, 1, 3);
    grid->addWidget(lblrent, 1, 0);
    grid->addWidget(txtarv, 1, 2);
    grid->addWidget(lblptax, 2, 0);
    grid->addWidget(txtptax, 2, 2);
    grid->addWidget(lblghi, 3, 0);
    grid->addWidget(txtghi, 3, 2);
    grid->addWidget(lbldeduction, 4, 0, 1, 3);
    grid->addWidget(lblrep, 5, 0);
    grid->addWidget(txtrep, 5, 1);
    grid->addWidget(framintt, 6, 0, 1, 3);
    grid->addWidget(lblintt, 7, 0);
    grid->addWidget(txtintt, 7, 1);
    grid->addWidget(lbloth, 8, 0);
    grid->addWidget(txtoth, 8, 1);
    grid->addWidget(txttd, 8, 2);
    grid->addWidget(lblihp, 9, 0);
    grid->addWidget(txtihp, 9, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdtot);
    buttons->addWidget(cmdbk);
    grid->addLayout(buttons, 10, 0, 1, 3);
    // Room for a seven-figure amount with paise in both amount columns, however small the
    // window is made.
    const int amountWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000000000.00"));
    for (QLineEdit *amount : { txtarv, txtptax, txtghi, txtrep, txtintt, txtoth, txttd, txtihp })
        amount->setMinimumWidth(amountWidth);

    // The totals column's deduction figure has no caption of its own: the heading names it.
    for (const auto &[label, field] : { std::pair<QLabel *, QWidget *> { lblrent, txtarv },
             { lblptax, txtptax }, { lblghi, txtghi }, { lbldeduction, txttd }, { lblrep, txtrep },
             { lblintt, txtintt }, { lbloth, txtoth }, { lblihp, txtihp } })
        fields::labelField(label, field);
    for (QRadioButton *option : { optso, optrent, optb499, opta499 })
        fields::nameField(option, option->text());

    keepTabStopOnChosen(optso, optrent);
    keepTabStopOnChosen(optb499, opta499);
    QWidget *order[]
        = { optso, optrent, txtarv, txtptax, txtintt, txtoth, cmdtot, cmdbk, optb499, opta499 };
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    for (QLineEdit *field : { txtarv, txtptax, txtintt, txtoth })
        fields::connectCommonChange(field, this, [this] { disableGuards(); });

    connect(cmdtot, &QPushButton::clicked, this, &Form4::cmdtot_Click);
    connect(cmdbk, &QPushButton::clicked, this, &Form4::cmdbk_Click);
    connect(optrent, &QRadioButton::clicked, this, &Form4::optrent_Click);
    connect(optso, &QRadioButton::clicked, this, &Form4::optso_Click);
    connect(optb499, &QRadioButton::clicked, this, &Form4::optb499_Click);
    connect(opta499, &QRadioButton::clicked, this, &Form4::opta499_Click);

    showOccupancy();
    optrent->setFocus();
}

house::Occupancy Form4::occupancy() const
{
    return optso->isChecked() ? house::Occupancy::SelfOccupied : house::Occupancy::RentedOut;
}

house::LoanDate Form4::loanDate() const
{
    return optb499->isChecked() ? house::LoanDate::Before1April1999
                                : house::LoanDate::After1April1999;
}

void Form4::disableGuards()
{
    for (QPushButton *button : guardButtons())
        button->setEnabled(false);
}

void Form4::showOccupancy()
{
    // A self-occupied house has no annual value, repairs or other deductions, but its
    // interest depends on the date of the housing loan.
    const bool rented = optrent->isChecked();
    for (QWidget *widget : std::initializer_list<QWidget *> {
             lblrent, txtarv, lblptax, txtptax, lblghi, txtghi, lblrep, txtrep, lbloth, txtoth })
        widget->setEnabled(rented);
    for (QWidget *widget : std::initializer_list<QWidget *> { framintt, optb499, opta499 })
        widget->setEnabled(!rented);
}

void Form4::optrent_Click()
{
    if (!optrent->isChecked())
        return;
    showOccupancy();
    disableGuards();
}

void Form4::optso_Click()
{
    if (!optso->isChecked())
        return;
    // What was typed for letting out is dropped for good.
    for (QLineEdit *field : { txtarv, txtptax, txtghi, txtrep, txtoth })
        fields::writeText(field, QStringLiteral("0"));
    showOccupancy();
    disableGuards();
}

void Form4::optb499_Click()
{
    disableGuards();
}

void Form4::opta499_Click()
{
    disableGuards();
}

std::optional<double> Form4::readInput(QLineEdit *field, const QLabel *label)
{
    const std::optional<double> value = fields::readTypedStrict(this, field, label->text());
    if (!value)
        disableGuards();
    return value;
}

void Form4::cmdtot_Click()
{
    // Back is enabled last, once every result stands; all boxes are read before anything
    // is written, so that text which is not a number leaves no half-done result behind.
    const std::optional<double> rentalValue = readInput(txtarv, lblrent);
    if (!rentalValue)
        return;
    const std::optional<double> propertyTaxes = readInput(txtptax, lblptax);
    if (!propertyTaxes)
        return;
    const std::optional<double> interest = readInput(txtintt, lblintt);
    if (!interest)
        return;
    const std::optional<double> others = readInput(txtoth, lbloth);
    if (!others)
        return;

    const double gross = house::grossIncome(*rentalValue, *propertyTaxes);
    if (!fields::writeResult(this, txtghi, gross, QStringLiteral("gross income")))
        return;
    const double repairs = house::repairs(gross);
    if (!fields::writeResult(this, txtrep, repairs, QStringLiteral("repairs and maintenance")))
        return;
    // The ceiling counts only here: txtintt keeps the interest as typed.
    const double interestAllowed = house::allowedInterest(*interest, occupancy(), loanDate());
    const double deductions = house::totalDeductions(interestAllowed, repairs, *others);
    if (!fields::writeResult(this, txttd, deductions, QStringLiteral("total of the deductions")))
        return;
    if (!fields::writeResult(this, txtihp, house::incomeFromHouseProperty(gross, deductions),
            QStringLiteral("income from house property")))
        return;
    cmdbk->setEnabled(true);
}

void Form4::cmdbk_Click()
{
    // The income is the program's own number text: read it in that format, whatever the
    // desktop's regional settings.
    const std::optional<double> income = fields::readNumberText(txtihp->text());
    if (!income) {
        disableGuards();
        fields::showMessage(this,
            QStringLiteral("The income from house property \"%1\" cannot "
                           "be handed back. Please calculate again.")
                .arg(txtihp->text()));
        return;
    }
    hide();
    emit handedBack(*income);
}
