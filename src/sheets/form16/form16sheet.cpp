#include "sheets/form16/form16sheet.h"

#include "fields/amountfield.h"
#include "fields/labels.h"
#include "records/form16.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using fields::makeLabel;

Form16Sheet::Form16Sheet()
    : SheetWindow(kFormName, QStringLiteral("Morvel1415 - Form 16"))
{
    auto *grid = new QGridLayout(this);
    const int amountWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000000000.00"));
    QList<QWidget *> order;
    auto addLabel = [&](int row, int column, const QString &caption, QWidget *box, int span = 1) {
        QLabel *label = makeLabel(this, QStringLiteral("lbl") + box->objectName().mid(3), caption);
        grid->addWidget(label, row, column);
        grid->addWidget(box, row, column + 1, 1, span);
        fields::labelField(label, box);
    };

    // The particulars on the left: typed, but the name and PAN, which are the main sheet's.
    const struct
    {
        const char *name;
        const char *caption;
        bool typed;
        bool pan;
    } particulars[] = {
        { "txtname", "Name of the employee", false, false },
        { "txtpan", "PAN of the employee", false, false },
        { "txtdesig", "&Designation", true, false },
        { "txtaddr", "Address of the employee", true, false },
        { "txtfrom", "Period &from", true, false },
        { "txtto", "Period &to", true, false },
        { "txtemployer", "Name of the &employer", true, false },
        { "txtemployeraddr", "Address of the employer", true, false },
        { "txtdedpan", "PAN of the deductor", true, true },
        { "txttan", "TAN of the deductor", true, true },
        { "txtcit", "CIT (TDS) address", true, false },
        { "txtsigname", "Person responsible: name", true, false },
        { "txtsigfather", "Son/daughter of", true, false },
        { "txtsigdesig", "Designation of the person", true, false },
        { "txtplace", "Place", true, false },
        { "txtdate", "Date", true, false },
    };
    int row = 0;
    for (const auto &p : particulars) {
        const QString name = QString::fromLatin1(p.name);
        QLineEdit *box = p.pan ? fields::makePanField(this, name) : fields::makeTextField(this, name);
        if (!p.typed) {
            fields::makeComputed(box);
        } else {
            order << box;
            connect(box, &QLineEdit::textChanged, this, [this] { setGuardsEnabled(false); });
        }
        box->setMinimumWidth(2 * amountWidth);
        addLabel(row++, 0, QString::fromLatin1(p.caption), box);
    }

    // Rows 1 to 16 on the right, as the form numbers them; each amount only shown.
    const std::pair<const char *, const char *> rows[] = {
        { "txt1a", "1. (a) Salary as per section 17(1)" }, { "txt1b", "    (b) Perquisites u/s 17(2)" },
        { "txt1c", "    (c) Profits in lieu of salary u/s 17(3)" }, { "txt1d", "    (d) Total" },
        { "txt2ta", "2. Transport allowance u/s 10(14)" }, { "txt2hra", "    House rent allowance u/s 10(13A)" },
        { "txt2", "    Exempt allowances" }, { "txt3", "3. Balance (1-2)" },
        { "txt4a", "4. (a) Entertainment allowance" }, { "txt4b", "    (b) Tax on employment" },
        { "txt5", "5. Aggregate of 4(a) and (b)" }, { "txt6", "6. Income chargeable under \"Salaries\"" },
        { "txt7hp", "7. Income from house property" }, { "txt7os", "    Income from other sources" },
        { "txt8", "8. Gross total income" }, { "txt10", "10. Deductions under Chapter VI-A" },
        { "txt11", "11. Total income" }, { "txt12a", "12. (a) Tax on total income" },
        { "txt12b", "    (b) Rebate u/s 87A" }, { "txt12c", "    (c) Surcharge" }, { "txt12", "    Tax" },
        { "txt13", "13. Education cess" }, { "txt14", "14. Tax payable (12+13)" },
        { "txt15", "15. Relief u/s 89" }, { "txt16", "16. Tax payable (14-15)" },
    };
    row = 0;
    for (const auto &[name, caption] : rows) {
        QLineEdit *box = fields::makeComputedField(this, QString::fromLatin1(name));
        box->setMinimumWidth(amountWidth);
        addLabel(row++, 2, QString::fromLatin1(caption), box);
    }

    // Row 9, Chapter VI-A, in columns: gross, qualifying, deductible.
    int nine = 0;
    auto nineRow = [&](const QString &caption, std::initializer_list<QString> names) {
        QLabel *label = makeLabel(this, fields::elementName("lbl9", nine), caption);
        grid->addWidget(label, nine, 4);
        int column = 5;
        for (const QString &name : names) {
            if (!name.isEmpty()) {
                QLineEdit *box = fields::makeComputedField(this, name);
                box->setMinimumWidth(amountWidth);
                fields::nameField(box, caption + QLatin1Char(' ') + QStringList { "gross", "qualifying", "deductible" }[column - 5]);
                grid->addWidget(box, nine, column);
            }
            ++column;
        }
        ++nine;
    };
    for (int i = 0; i < records::Form16Record::kSavings; ++i)
        nineRow(QStringLiteral("80C ") + records::Form16Record::kSavingsCaptions[i],
            { fields::elementName("txt9cg", i), QString(), fields::elementName("txt9cd", i) });
    nineRow(QStringLiteral("80CCC"), { "txt9cccg", QString(), "txt9cccd" });
    nineRow(QStringLiteral("80CCD(1)"), { "txt9ccd1g", QString(), "txt9ccd1d" });
    nineRow(QStringLiteral("80CCD(2)"), { "txt9ccd2g", QString(), "txt9ccd2d" });
    nineRow(QStringLiteral("80CCF"), { "txt9ccfg", "txt9ccfq", "txt9ccfd" });
    nineRow(QStringLiteral("80D"), { "txt9dg", "txt9dq", "txt9dd" });
    nineRow(QStringLiteral("80G"), { "txt9gg", "txt9gq", "txt9gd" });
    nineRow(QStringLiteral("Other deductions"), { "txt9othg", "txt9othq", "txt9othd" });

    QHBoxLayout *buttons = makeCalculatePrintBack(cmdcalc, cmdprint, cmdback);
    // Back hands nothing back, so no edit can make it out of date.
    setButtons(cmdcalc, { cmdprint });
    grid->addLayout(buttons, std::max(row, nine) + 1, 0, 1, 8);

    order << cmdcalc << cmdprint << cmdback;
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);

    showRecord(records::Form16Record {}, false); // the period of the whole year at first
    connect(cmdcalc, &QPushButton::clicked, this, &Form16Sheet::calculateWanted);
    connect(cmdprint, &QPushButton::clicked, this, &Form16Sheet::printWanted);
    connect(cmdback, &QPushButton::clicked, this, &Form16Sheet::backWanted);
}
