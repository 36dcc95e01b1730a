#include "sheets/house/housesheet.h"

#include "fields/amountfield.h"
#include "fields/conversions.h"
#include "fields/labels.h"
#include "records/house.h"

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

HouseSheet::HouseSheet()
    : SheetWindow(kFormName, QStringLiteral("Morvel1415 - Income from House Property"))
{
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
    setButtons(cmdtot, { cmdbk });

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
        fields::connectCommonChange(field, this, [this] { setGuardsEnabled(false); });

    connect(cmdtot, &QPushButton::clicked, this, &HouseSheet::cmdtot_Click);
    connect(cmdbk, &QPushButton::clicked, this, &HouseSheet::backWanted);
    connect(optrent, &QRadioButton::clicked, this, &HouseSheet::optrent_Click);
    connect(optso, &QRadioButton::clicked, this, &HouseSheet::optso_Click);
    connect(optb499, &QRadioButton::clicked, this, [this] { setGuardsEnabled(false); });
    connect(opta499, &QRadioButton::clicked, this, [this] { setGuardsEnabled(false); });

    recordShown();
    optrent->setFocus();
}

void HouseSheet::recordShown()
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

void HouseSheet::optrent_Click()
{
    if (!optrent->isChecked())
        return;
    recordShown();
    setGuardsEnabled(false);
}

void HouseSheet::optso_Click()
{
    if (!optso->isChecked())
        return;
    auto house = record<records::HouseRecord>();
    records::chooseSelfOccupied(house);
    showRecord(house, true);
    setGuardsEnabled(false);
}

void HouseSheet::cmdtot_Click()
{
    auto house = record<records::HouseRecord>();
    const std::optional<records::Said> said = records::calculate(house);
    showRecord(house, false);
    if (said)
        refuse(said->message, said->box);
    else
        setGuardsEnabled(true);
}
