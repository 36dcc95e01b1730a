#include "sheets/relief/reliefsheet.h"

#include "fields/amountfield.h"
#include "fields/conversions.h"
#include "fields/labels.h"
#include "records/relief.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using fields::makeLabel;

namespace {

} // namespace

ReliefSheet::ReliefSheet()
    : SheetWindow(kFormName, QStringLiteral("Morvel1415 - Relief u/s 89"))
{
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
    txtpan = makeComputedField(this, QStringLiteral("txtpan")); // the main sheet's, shown
    txtpan->setText(QString());
    txtpan->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
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
    labelled(1, 4, "lblpan", QStringLiteral("PAN"), txtpan, 2);
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
        fields::nameField(txtti[i], records::totalIncomeCaption(i));
        fields::nameField(txtarr[i], records::arrearsCaption(i));
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

    QHBoxLayout *buttons = makeCalculatePrintBack(cmdcalc, cmdprint, cmdback);
    setButtons(cmdcalc, { cmdprint, cmdback });
    grid->addLayout(buttons, row, 0, 1, 7);

    const int amountWidth = fontMetrics().horizontalAdvance(QStringLiteral("00000000.00"));
    for (QLineEdit *field : findChildren<QLineEdit *>())
        field->setMinimumWidth(amountWidth);

    QList<QWidget *> order = { txtdob, chkwoman, txtaddr };
    for (int i = 0; i < kYears; ++i)
        order << txtti[i] << txtarr[i];
    order << cmdcalc << cmdprint << cmdback;
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);

    // Every change of what the figures or the printed form depend on makes them out of date,
    // also when the main sheet writes its figures in on opening.
    for (int i = 0; i < kYears; ++i) {
        fields::connectCommonChange(txtti[i], this, [this] { setGuardsEnabled(false); });
        fields::connectCommonChange(txtarr[i], this, [this] { setGuardsEnabled(false); });
    }
    for (QLineEdit *field : { txtname, txtage, txtnti, txtdob, txtpan, txtaddr })
        connect(field, &QLineEdit::textChanged, this, [this] { setGuardsEnabled(false); });
    connect(chkwoman, &QCheckBox::toggled, this, [this] { setGuardsEnabled(false); });

    connect(cmdcalc, &QPushButton::clicked, this, &ReliefSheet::cmdcalc_Click);
    connect(cmdprint, &QPushButton::clicked, this, &ReliefSheet::printWanted);
    connect(cmdback, &QPushButton::clicked, this, &ReliefSheet::backWanted);
}

void ReliefSheet::cmdcalc_Click()
{
    auto relief = record<records::ReliefRecord>();
    const std::optional<records::Said> said = records::calculate(relief);
    showRecord(relief, false);
    if (said)
        refuse(said->message, said->box);
    else
        setGuardsEnabled(true);
}
