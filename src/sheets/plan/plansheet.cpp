#include "sheets/plan/plansheet.h"

#include "fields/amountfield.h"
#include "fields/labels.h"
#include "records/plan.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using fields::makeLabel;
using records::PlanRecord;

PlanSheet::PlanSheet()
    : SheetWindow(kFormName, QStringLiteral("Morvel1415 - Planner"))
{
    const int amountWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000000000.00"));
    auto shown = [&](const QString &name) {
        QLineEdit *box = fields::makeComputedField(this, name);
        box->setMinimumWidth(amountWidth);
        return box;
    };
    auto captioned = [&](QGridLayout *grid, int row, const QString &name, const QString &caption, QWidget *box,
                         int span = 1) {
        QLabel *label = makeLabel(this, QStringLiteral("lbl") + name.mid(3), caption);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1, 1, span);
        fields::labelField(label, box);
        return label;
    };

    // The texts read from the left, like the other sheets' names; the amounts from the right.
    auto *top = new QGridLayout;
    top->setColumnStretch(2, 1);
    const std::pair<const char *, const char *> heads[] = { { "txtname", "Name" }, { "txtnti", "Net taxable income" },
        { "txtrate", "The next rupee is taxed at" }, { "txtnext", "Where that changes" } };
    for (int row = 0; row < int(std::size(heads)); ++row) {
        QLineEdit *box = shown(QString::fromLatin1(heads[row].first));
        const bool amount = box->objectName() == QLatin1String("txtnti");
        if (!amount)
            box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        captioned(top, row, box->objectName(), QString::fromLatin1(heads[row].second), box, amount ? 1 : 2);
    }

    // What each limit still leaves, and the tax using it would save.
    auto *limits = new QGroupBox(QStringLiteral("What each limit still leaves"), this);
    limits->setObjectName(QStringLiteral("grplimits"));
    auto *limitGrid = new QGridLayout(limits);
    limitGrid->addWidget(makeLabel(this, QStringLiteral("lblroom"), QStringLiteral("Room left")), 0, 1);
    limitGrid->addWidget(makeLabel(this, QStringLiteral("lblsave"), QStringLiteral("Tax it would save")), 0, 2);
    for (int i = 0; i < PlanRecord::kLimits; ++i) {
        QLabel *label = makeLabel(this, fields::elementName("lbllimit", i), PlanRecord::kLimitCaptions[i]);
        QLineEdit *room = shown(fields::elementName("txtroom", i));
        QLineEdit *save = shown(fields::elementName("txtsave", i));
        fields::nameField(room, PlanRecord::kLimitCaptions[i] + QStringLiteral(": room left"));
        fields::nameField(save, PlanRecord::kLimitCaptions[i] + QStringLiteral(": tax it would save"));
        limitGrid->addWidget(label, i + 1, 0);
        limitGrid->addWidget(room, i + 1, 1);
        limitGrid->addWidget(save, i + 1, 2);
        m_limitLines.append({ label, room, save });
    }
    m_usedUp = makeLabel(this, QStringLiteral("lblusedup"), QStringLiteral("Every limit is used up."));
    limitGrid->addWidget(m_usedUp, PlanRecord::kLimits + 1, 0, 1, 3);
    limitGrid->setRowStretch(PlanRecord::kLimits + 2, 1);

    // The tax to deduct each month, from the first month to come.
    auto *months = new QGroupBox(QStringLiteral("The tax to deduct each month"), this);
    months->setObjectName(QStringLiteral("grpmonths"));
    auto *monthGrid = new QGridLayout(months);
    cbofrom = new QComboBox(this);
    cbofrom->setObjectName(QStringLiteral("cbofrom"));
    cbofrom->addItems(PlanRecord::months());
    int row = 0;
    captioned(monthGrid, row++, QStringLiteral("cbofrom"), QStringLiteral("&First month to come"), cbofrom);
    for (const auto &[name, caption] : { std::pair { "txtttax", "Total tax" }, { "txtdedtax", "Tax deducted" },
             { "txtbaltax", "Balance" } })
        captioned(monthGrid, row++, QString::fromLatin1(name), QString::fromLatin1(caption),
            shown(QString::fromLatin1(name)));
    QLineEdit *txtrefund = shown(QStringLiteral("txtrefund"));
    m_refundLine = { captioned(monthGrid, row++, QStringLiteral("txtrefund"),
                         QStringLiteral("Refundable: nothing more to deduct"), txtrefund),
        txtrefund };
    for (int i = 0; i < PlanRecord::kMonths; ++i) {
        QLineEdit *month = shown(fields::elementName("txtmonth", i));
        QLabel *label = makeLabel(this, fields::elementName("lblmonth", i), PlanRecord::months()[i]);
        monthGrid->addWidget(label, row, 0);
        monthGrid->addWidget(month, row++, 1);
        fields::labelField(label, month);
    }

    QHBoxLayout *buttons = makeCalculatePrintBack(cmdcalc, cmdprint, cmdback);
    setButtons(cmdcalc, { cmdprint });

    auto *columns = new QHBoxLayout;
    columns->addWidget(limits, 3);
    columns->addWidget(months, 2);
    auto *whole = new QVBoxLayout(this);
    whole->addLayout(top);
    whole->addLayout(columns);
    whole->addLayout(buttons);

    setTabOrder(cbofrom, cmdcalc);
    setTabOrder(cmdcalc, cmdprint);
    setTabOrder(cmdprint, cmdback);

    showRecord(PlanRecord {}, false);
    // Another first month makes the monthly plan out of date.
    connect(cbofrom, &QComboBox::currentIndexChanged, this, [this] { setGuardsEnabled(false); });
    connect(cmdcalc, &QPushButton::clicked, this, &PlanSheet::calculateWanted);
    connect(cmdprint, &QPushButton::clicked, this, &PlanSheet::printWanted);
    connect(cmdback, &QPushButton::clicked, this, &PlanSheet::backWanted);
}

void PlanSheet::recordShown()
{
    const auto r = record<PlanRecord>();
    bool anyLeft = false;
    for (int i = 0; i < PlanRecord::kLimits; ++i) {
        const bool left = r.txtroom[size_t(i)] != QLatin1String("0");
        anyLeft = anyLeft || left;
        for (QWidget *part : m_limitLines[i])
            part->setVisible(left);
    }
    // Said once it was worked out: a new sheet's limits are all 0 before its first Calculate.
    m_usedUp->setVisible(!anyLeft && !r.txtrate.isEmpty());
    const bool refund = r.txtrefund != QLatin1String("0");
    for (QWidget *part : m_refundLine)
        part->setVisible(refund);
    for (int i = 0; i < PlanRecord::kMonths; ++i)
        control(fields::elementName("txtmonth", i))->setEnabled(i >= r.firstMonth());
}
