#include "sheets/relief/frmrel89.h"

#include "fields/amountfield.h"
#include "fields/conversions.h"
#include "fields/labels.h"
#include "fields/messages.h"

#include <QCheckBox>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

using fields::makeButton;
using fields::makeLabel;

namespace {

// The last day of the year whose tax the sheet relieves: nobody born later has arrears.
const QDate kLastDayOf201415(2015, 3, 31);

// A PAN is typed in capitals, whatever the keyboard is set to, and is ten characters long.
class PanValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        input = input.toUpper();
        return input.size() <= 10 ? Acceptable : Invalid;
    }
};

QString totalIncomeCaption(int row)
{
    return QStringLiteral("Total Income ") + relief89::yearName(row);
}

QString arrearsCaption(int row)
{
    return QStringLiteral("Arrears ") + relief89::yearName(row);
}

} // namespace

frmrel89::frmrel89(QWidget *parent)
    : QDialog(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmrel89"));
    setWindowTitle(QStringLiteral("Morvel1415 - Relief u/s 89"));

    using fields::makeAmountField;
    using fields::makeComputedField;

    txtname = makeComputedField(this, QStringLiteral("txtname"));
    txtname->setText(QString());
    txtname->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    txtage = makeComputedField(this, QStringLiteral("txtage"));
    fields::writeText(txtage, tax::kAgeGroups.first());
    txtage->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    txtdob = fields::makeTextField(this, QStringLiteral("txtdob"));
    txtdob->setMaxLength(10);
    txtdob->setPlaceholderText(QStringLiteral("dd/mm/yyyy"));
    chkwoman = new QCheckBox(QStringLiteral("&Woman"), this);
    chkwoman->setObjectName(QStringLiteral("chkwoman"));
    txtpan = fields::makeTextField(this, QStringLiteral("txtpan"));
    txtpan->setValidator(new PanValidator(txtpan));
    txtaddr = fields::makeTextField(this, QStringLiteral("txtaddr"));

    auto *grid = new QGridLayout(this);
    auto labelled = [&](int row, int column, const char *name, const QString &caption, QWidget *field,
                        int span = 1) {
        QLabel *label = makeLabel(this, QString::fromLatin1(name), caption);
        grid->addWidget(label, row, column);
        grid->addWidget(field, row, column + 1, 1, span);
        fields::labelField(label, field);
    };
    labelled(0, 0, "lblname", QStringLiteral("Name"), txtname, 3);
    labelled(0, 4, "lblage", QStringLiteral("Age Group 2014-15"), txtage, 2);
    labelled(1, 0, "lbldob", QStringLiteral("&Date of Birth"), txtdob, 2);
    grid->addWidget(chkwoman, 1, 3);
    fields::nameField(chkwoman, QStringLiteral("Woman"));
    labelled(1, 4, "lblpan", QStringLiteral("PA&N"), txtpan, 2);
    labelled(2, 0, "lbladdr", QStringLiteral("Add&ress"), txtaddr, 5);

    const char *const headings[] = { "Year", "Total Income", "Arrears", "Total Income\nwith Arrears",
        "Tax on\nTotal Income", "Tax on Income\nwith Arrears", "Difference" };
    for (int column = 0; column < int(std::size(headings)); ++column) {
        QLabel *heading = makeLabel(this, fields::elementName("lblhead", column), QString::fromLatin1(headings[column]));
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 3, column);
    }
    for (int i = 0; i < kYears; ++i) {
        lblyear[i] = makeLabel(this, fields::elementName("lblyear", i), relief89::yearName(i));
        txtti[i] = makeAmountField(this, fields::elementName("txtti", i));
        txtarr[i] = makeAmountField(this, fields::elementName("txtarr", i));
        txtinc[i] = makeComputedField(this, fields::elementName("txtinc", i));
        txttax1[i] = makeComputedField(this, fields::elementName("txttax1", i));
        txttax2[i] = makeComputedField(this, fields::elementName("txttax2", i));
        txtdiff[i] = makeComputedField(this, fields::elementName("txtdiff", i));
        QWidget *cells[] = { lblyear[i], txtti[i], txtarr[i], txtinc[i], txttax1[i], txttax2[i], txtdiff[i] };
        for (int column = 0; column < int(std::size(cells)); ++column)
            grid->addWidget(cells[column], 4 + i, column);
        fields::nameField(txtti[i], totalIncomeCaption(i));
        fields::nameField(txtarr[i], arrearsCaption(i));
        for (int column = 3; column < int(std::size(headings)); ++column)
            fields::nameField(cells[column], QString::fromLatin1(headings[column]).replace('\n', ' ') + ' '
                    + relief89::yearName(i));
    }

    txtexcl = makeComputedField(this, QStringLiteral("txtexcl"));
    txtarrtot = makeComputedField(this, QStringLiteral("txtarrtot"));
    txtnti = makeComputedField(this, QStringLiteral("txtnti"));
    txttaxincl = makeComputedField(this, QStringLiteral("txttaxincl"));
    txttaxexcl = makeComputedField(this, QStringLiteral("txttaxexcl"));
    txtcurdiff = makeComputedField(this, QStringLiteral("txtcurdiff"));
    txttablea = makeComputedField(this, QStringLiteral("txttablea"));
    txtrelief = makeComputedField(this, QStringLiteral("txtrelief"));
    const std::pair<const char *, QLineEdit *> items[] = {
        { "1. Total income excluding the arrears", txtexcl },
        { "2. Arrears", txtarrtot },
        { "3. Total income including the arrears (net taxable income)", txtnti },
        { "4. Tax on total income including the arrears", txttaxincl },
        { "5. Tax on total income excluding the arrears", txttaxexcl },
        { "6. Tax on the arrears (4 - 5)", txtcurdiff },
        { "7. Tax on the arrears in their own years (Table A)", txttablea },
        { "8. Relief u/s 89 (6 - 7)", txtrelief },
    };
    int row = 4 + kYears;
    for (const auto &[caption, field] : items) {
        QLabel *label = makeLabel(this, fields::elementName("lblitem", row - 4 - kYears + 1), QString::fromLatin1(caption));
        grid->addWidget(label, row, 0, 1, 6);
        grid->addWidget(field, row, 6);
        fields::labelField(label, field);
        ++row;
    }
    QLabel *note = makeLabel(this, QStringLiteral("lblnote"),
        QStringLiteral("Arrears of years before 2005-06 are not worked out here: work out their relief by hand\n"
                       "and type it into the main sheet's box \"Relief u/s 89\"."));
    grid->addWidget(note, row++, 0, 1, 7);

    cmdcalc = makeButton(this, QStringLiteral("cmdcalc"), QStringLiteral("&Calculate"));
    cmdprint = makeButton(this, QStringLiteral("cmdprint"), QStringLiteral("&Print"));
    cmdback = makeButton(this, QStringLiteral("cmdback"), QStringLiteral("&Back"));
    cmdcalc->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : guardButtons())
        button->setEnabled(false);
    for (QPushButton *button : { cmdcalc, cmdprint, cmdback })
        buttons->addWidget(button);
    grid->addLayout(buttons, row, 0, 1, 7);

    const int amountWidth = fontMetrics().horizontalAdvance(QStringLiteral("00000000.00"));
    for (QLineEdit *field : findChildren<QLineEdit *>())
        field->setMinimumWidth(amountWidth);

    QList<QWidget *> order = { txtdob, chkwoman, txtpan, txtaddr };
    for (int i = 0; i < kYears; ++i)
        order << txtti[i] << txtarr[i];
    order << cmdcalc << cmdprint << cmdback;
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);

    // Every change of what the figures or the printed form depend on makes them out of date,
    // also when the main sheet writes its figures in on opening.
    for (int i = 0; i < kYears; ++i) {
        fields::connectCommonChange(txtti[i], this, [this] { disableGuards(); });
        fields::connectCommonChange(txtarr[i], this, [this] { disableGuards(); });
    }
    for (QLineEdit *field : { txtname, txtage, txtnti, txtdob, txtpan, txtaddr })
        connect(field, &QLineEdit::textChanged, this, &frmrel89::disableGuards);
    connect(chkwoman, &QCheckBox::toggled, this, &frmrel89::disableGuards);

    connect(cmdcalc, &QPushButton::clicked, this, &frmrel89::cmdcalc_Click);
    connect(cmdprint, &QPushButton::clicked, this, &frmrel89::printWanted);
    connect(cmdback, &QPushButton::clicked, this, &frmrel89::cmdback_Click);
}

void frmrel89::takeMain(double netTaxableIncome, tax::AgeGroup age, const QString &name)
{
    fields::writeText(txtname, name);
    fields::writeText(txtage, tax::kAgeGroups.value(int(age)));
    fields::writeAmount(txtnti, netTaxableIncome);
    txtdob->setFocus();
}

void frmrel89::disableGuards()
{
    for (QPushButton *button : guardButtons())
        button->setEnabled(false);
}

bool frmrel89::refuse(QWidget *box, const QString &message)
{
    disableGuards();
    fields::showMessage(this, message);
    box->setFocus();
    return false;
}

std::optional<relief89::Relief> frmrel89::workOut()
{
    const QString again = QStringLiteral(" Please correct it and calculate again.");
    std::array<relief89::YearRow, kYears> years {};
    int firstArrears = -1;
    for (int i = 0; i < kYears; ++i) {
        const std::pair<QLineEdit *, double relief89::YearRow::*> boxes[]
            = { { txtti[i], &relief89::YearRow::totalIncome }, { txtarr[i], &relief89::YearRow::arrears } };
        for (const auto &[box, member] : boxes) {
            const QString caption = box == txtti[i] ? totalIncomeCaption(i) : arrearsCaption(i);
            const std::optional<double> value = fields::readTypedStrict(this, box, caption);
            if (!value)
                return disableGuards(), std::nullopt;
            if (*value < 0) {
                refuse(box, QStringLiteral("The box \"%1\" holds \"%2\", which is below 0.").arg(caption, box->text()) + again);
                return std::nullopt;
            }
            years[i].*member = *value;
        }
        if (years[i].arrears != 0 && firstArrears < 0)
            firstArrears = i;
    }

    const int ageIndex = int(tax::kAgeGroups.indexOf(txtage->text()));
    if (ageIndex < 0) {
        refuse(txtdob, QStringLiteral("The age group \"%1\" is none of the main sheet's. Please open this sheet "
                                      "again from the main sheet.").arg(txtage->text()));
        return std::nullopt;
    }
    const auto age = tax::AgeGroup(ageIndex);
    std::optional<QDate> birth;
    if (!txtdob->text().trimmed().isEmpty()) {
        birth = relief89::readDate(txtdob->text());
        if (!birth) {
            refuse(txtdob, QStringLiteral("The box \"Date of Birth\" holds \"%1\", which is not a date (dd/mm/yyyy).")
                               .arg(txtdob->text()) + again);
            return std::nullopt;
        }
        if (*birth > kLastDayOf201415) {
            refuse(txtdob, QStringLiteral("The box \"Date of Birth\" holds \"%1\", which is after 31/03/2015.")
                               .arg(txtdob->text()) + again);
            return std::nullopt;
        }
    } else if (firstArrears >= 0) {
        refuse(txtdob, QStringLiteral("The box \"Date of Birth\" is empty: the slabs of the earlier years follow "
                                      "from it. Please type it as dd/mm/yyyy and calculate again."));
        return std::nullopt;
    }
    if (!txtpan->text().isEmpty() && !relief89::isPan(txtpan->text())) {
        refuse(txtpan, QStringLiteral("The box \"PAN\" holds \"%1\", which is not a PAN (five letters, four "
                                      "digits and a letter).").arg(txtpan->text()) + again);
        return std::nullopt;
    }

    const double netTaxableIncome = fields::readNumberText(txtnti->text()).value_or(fields::readAmount(txtnti->text()));
    double arrears = 0;
    for (const relief89::YearRow &year : years)
        arrears += year.arrears;
    if (arrears > netTaxableIncome) {
        refuse(txtarr[firstArrears], QStringLiteral("The arrears, %1 in all, are more than the net taxable income "
                                                    "of 2014-15 that includes them, %2. Please correct the box "
                                                    "\"%3\" or calculate the main sheet again.")
                                         .arg(fields::numberText(arrears), txtnti->text(), arrearsCaption(firstArrears)));
        return std::nullopt;
    }
    if (birth && relief89::group201415(*birth) != age) {
        refuse(txtdob, QStringLiteral("The date of birth %1 puts the employee in the age group \"%2\" for 2014-15, "
                                      "but the main sheet says \"%3\". Please correct the date or the main sheet's "
                                      "age group.")
                           .arg(txtdob->text().trimmed(), tax::kAgeGroups.value(int(relief89::group201415(*birth))),
                               txtage->text()));
        return std::nullopt;
    }

    std::array<relief89::Group, kYears> groups {};
    for (int i = 0; i < kYears; ++i)
        groups[i] = birth ? relief89::groupFor(*birth, chkwoman->isChecked(), i) : relief89::Group::General;
    return relief89::relief(netTaxableIncome, age, years, groups);
}

void frmrel89::cmdcalc_Click()
{
    const std::optional<relief89::Relief> relief = workOut();
    if (!relief)
        return;
    // A year without arrears takes no part: its columns show 0.
    for (int i = 0; i < kYears; ++i)
        for (QLineEdit *cell : { txtinc[i], txttax1[i], txttax2[i], txtdiff[i] })
            fields::writeText(cell, QStringLiteral("0"));
    for (const relief89::TableRow &line : relief->table) {
        const std::pair<QLineEdit *, double> cells[] = { { txtinc[line.row], line.increased },
            { txttax1[line.row], line.taxOnIncome }, { txttax2[line.row], line.taxOnIncreased },
            { txtdiff[line.row], line.difference } };
        for (const auto &[cell, value] : cells)
            if (!fields::writeResult(this, cell, value, QStringLiteral("tax of %1").arg(relief89::yearName(line.row))))
                return;
    }
    const std::pair<QLineEdit *, double> items[] = { { txtexcl, relief->excluding }, { txtarrtot, relief->arrears },
        { txttaxincl, relief->taxIncluding }, { txttaxexcl, relief->taxExcluding },
        { txtcurdiff, relief->currentDifference }, { txttablea, relief->tableA }, { txtrelief, relief->relief } };
    for (const auto &[field, value] : items)
        if (!fields::writeResult(this, field, value, QStringLiteral("relief u/s 89")))
            return;
    for (QPushButton *button : guardButtons())
        button->setEnabled(true);
}

void frmrel89::cmdback_Click()
{
    // The relief is the program's own number text: read it in that format, whatever the
    // desktop's regional settings.
    const std::optional<double> relief = fields::readNumberText(txtrelief->text());
    if (!relief) {
        refuse(cmdcalc, QStringLiteral("The relief \"%1\" cannot be handed back. Please calculate again.")
                            .arg(txtrelief->text()));
        return;
    }
    hide();
    emit handedBack(*relief);
}
