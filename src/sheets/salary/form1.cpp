#include "sheets/salary/form1.h"

#include "fields/amountfield.h"
#include "fields/conversions.h"
#include "fields/labels.h"
#include "fields/messages.h"
#include "rules/pay.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <vector>

using fields::makeButton;
using fields::makeLabel;
using fields::readAmount;

namespace {

// An editable combo box that can react when it receives the focus, also by a click (the
// click lands in its line edit after the focus has arrived and would drop a selection).
class SelectionBox : public QComboBox
{
public:
    explicit SelectionBox(QWidget *parent)
        : QComboBox(parent)
    {
        setEditable(true);
        // The sheet compares the text exactly: completion would turn a typed "x" into "X".
        setCompleter(nullptr);
        // Enter must press Calculate, never add what was typed to the list.
        setInsertPolicy(QComboBox::NoInsert);
        lineEdit()->installEventFilter(this);
    }

    std::function<void()> gotFocus;

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QComboBox::focusInEvent(event);
        if (gotFocus)
            gotFocus();
        m_reactAfterClick = event->reason() == Qt::MouseFocusReason;
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease
            && m_reactAfterClick) {
            m_reactAfterClick = false;
            if (gotFocus)
                gotFocus();
        }
        return QComboBox::eventFilter(watched, event);
    }

private:
    bool m_reactAfterClick = false;
};

void setGrey(QLineEdit *field)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, QColor(Qt::lightGray));
    field->setPalette(palette);
}

// A cell is as wide as a seven-figure amount with paise in the sheet's font, and never
// narrower than the paper form's columns.
int cellWidth(const QWidget *sheet)
{
    constexpr int kPaperColumn = 72;
    constexpr int kFrameAndMargins = 10;
    return std::max(kPaperColumn,
                    sheet->fontMetrics().horizontalAdvance(QStringLiteral("9999999.99"))
                        + kFrameAndMargins);
}

const char *const kMonthLabels[Form1::kRows] = {
    "Jan 14", "Feb 14", "Mar 14", "Apr 14", "May 14", "Jun 14", "Jul 14",
    "Aug 14", "Sep 14", "Oct 14", "Nov 14", "Dec 14", "Jan 15", "Feb 15"};

const char *const kOtherLabels[Form1::kOthers] = {"Arrears:-", "Bonus", "OTA",
                                                   "T.Fee",     "Hon.",  "Oth."};

} // namespace

Form1::Form1(QWidget *parent)
    : QDialog(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Morvel1415 - Income Calculator"));

    using fields::makeAmountField;
    using fields::makeComputedField;

    txtnam = fields::makeTextField(this, QStringLiteral("txtnam"));
    auto *nps = new SelectionBox(this);
    auto *hraClass = new SelectionBox(this);
    auto *tpaClass = new SelectionBox(this);
    cbonps = nps;
    cboclass1 = hraClass;
    cboclass3 = tpaClass;
    cbonps->setObjectName(QStringLiteral("cbonps"));
    cboclass1->setObjectName(QStringLiteral("cboclass1"));
    cboclass3->setObjectName(QStringLiteral("cboclass3"));
    chkinc = new QCheckBox(QStringLiteral("Calculate Increment"), this);
    chkinc->setObjectName(QStringLiteral("chkinc"));
    chkinc->setChecked(true);

    for (int i = 0; i < kRows; ++i) {
        Label1[i] = makeLabel(this, fields::elementName("Label1", i), QString::fromLatin1(kMonthLabels[i]));
        txtbp[i] = makeAmountField(this, fields::elementName("txtbp", i));
        txtgp[i] = makeAmountField(this, fields::elementName("txtgp", i));
        txtda[i] = makeComputedField(this, fields::elementName("txtda", i));
        if (i >= pay::kFirstCurrentRow)
            txthra[i] = makeComputedField(this, fields::elementName("txthra", i));
        txttpa2[i] = makeComputedField(this, fields::elementName("txttpa2", i));
        txtmgc[i] = makeComputedField(this, fields::elementName("txtmgc", i));
        txtttl[i] = makeComputedField(this, fields::elementName("txtttl", i));
        if (i < pay::kFirstCurrentRow) {
            // The arrears rows: their pay only sets the DA arrears.
            setGrey(txtbp[i]);
            setGrey(txtgp[i]);
        }
    }
    txtbpt = makeComputedField(this, QStringLiteral("txtbpt"));
    txtgpt = makeComputedField(this, QStringLiteral("txtgpt"));
    txtdat = makeComputedField(this, QStringLiteral("txtdat"));
    txthrat = makeComputedField(this, QStringLiteral("txthrat"));
    txttpat = makeComputedField(this, QStringLiteral("txttpat"));
    txtmgct = makeComputedField(this, QStringLiteral("txtmgct"));
    txtttlt = makeComputedField(this, QStringLiteral("txtttlt"));
    for (int i = 0; i < kOthers; ++i)
        txtoth[i] = makeAmountField(this, fields::elementName("txtoth", i));
    txtgtotal = makeComputedField(this, QStringLiteral("txtgtotal"));

    cmdcal = makeButton(this, QStringLiteral("cmdcal"), QStringLiteral("&Calculate"));
    cmdprn = makeButton(this, QStringLiteral("cmdprn"), QStringLiteral("&Print"));
    cmdbak = makeButton(this, QStringLiteral("cmdbak"), QStringLiteral("&Back"));
    cmdcal->setDefault(true);
    setGuardsEnabled(false);

    const int cell = cellWidth(this);

    // Columns: month | seven table columns | gap | annual figure label | annual figure
    auto *grid = new QGridLayout(this);
    grid->setColumnMinimumWidth(8, 24);
    QLabel *lblname = makeLabel(this, QStringLiteral("lblname"), QStringLiteral("Name"));
    grid->addWidget(lblname, 0, 0);
    grid->addWidget(txtnam, 0, 1, 1, 4);
    fields::labelField(lblname, txtnam);
    QLabel *Label4 = makeLabel(this, QStringLiteral("Label4"), QStringLiteral("New Pen. Sch. :-"));
    grid->addWidget(Label4, 0, 5, 1, 2, Qt::AlignRight);
    grid->addWidget(cbonps, 0, 7);
    fields::labelField(Label4, cbonps);
    const char *const headers[][2] = {{"lblbp", "B.PAY"}, {"lblgp", "G.PAY"},
                                      {"lblda", "DA"},    {"lblhra", "HRA"},
                                      {"lbltpa", "TPA"},  {"lblmgc", "MGC"},
                                      {"lblttl", "TOTAL"}};
    std::array<QLabel *, 7> header{};
    for (int c = 0; c < 7; ++c) {
        header[c] = makeLabel(this, QString::fromLatin1(headers[c][0]),
                              QString::fromLatin1(headers[c][1]));
        header[c]->setAlignment(Qt::AlignCenter);
        grid->addWidget(header[c], 1, 1 + c);
    }
    grid->addWidget(cboclass1, 2, 4);
    grid->addWidget(cboclass3, 2, 5);
    // The class boxes stand under the headers of the columns they set.
    fields::labelField(header[3], cboclass1);
    fields::labelField(header[4], cboclass3);
    constexpr int firstRow = 3;
    for (int i = 0; i < kRows; ++i) {
        const int row = firstRow + i;
        grid->addWidget(Label1[i], row, 0);
        const std::array<QLineEdit *, 7> cells = {txtbp[i],   txtgp[i],  txtda[i], txthra[i],
                                                  txttpa2[i], txtmgc[i], txtttl[i]};
        for (int c = 0; c < 7; ++c) {
            if (cells[c]) {
                cells[c]->setFixedWidth(cell);
                grid->addWidget(cells[c], row, 1 + c);
                // A cell is named by its column and its month: "B.PAY Jan 14".
                fields::nameField(cells[c], header[c]->text() + QLatin1Char(' ') + Label1[i]->text());
            }
        }
    }
    const int totalsRow = firstRow + kRows;
    const std::array<QLineEdit *, 7> totals = {txtbpt,  txtgpt,  txtdat, txthrat,
                                               txttpat, txtmgct, txtttlt};
    for (int c = 0; c < 7; ++c) {
        totals[c]->setFixedWidth(cell);
        grid->addWidget(totals[c], totalsRow, 1 + c);
        fields::nameField(totals[c], header[c]->text() + QStringLiteral(" column total"));
    }

    grid->addWidget(makeLabel(this, QStringLiteral("lblannual"),
                              QStringLiteral("Annual Figures :-")),
                    firstRow, 9, 1, 2);
    for (int i = 0; i < kOthers; ++i) {
        QLabel *label = makeLabel(this, fields::elementName("lbloth", i), QString::fromLatin1(kOtherLabels[i]));
        grid->addWidget(label, firstRow + 1 + i, 9);
        txtoth[i]->setFixedWidth(cell);
        grid->addWidget(txtoth[i], firstRow + 1 + i, 10);
        fields::labelField(label, txtoth[i]);
    }
    QLabel *lblgtotal = makeLabel(this, QStringLiteral("lblgtotal"), QStringLiteral("G.Total"));
    grid->addWidget(lblgtotal, firstRow + 8, 9);
    txtgtotal->setFixedWidth(cell);
    grid->addWidget(txtgtotal, firstRow + 8, 10);
    fields::labelField(lblgtotal, txtgtotal);
    grid->addWidget(chkinc, firstRow + 9, 9, 1, 2);
    fields::nameField(chkinc, chkinc->text());
    QLabel *note = makeLabel(this, QStringLiteral("Label2"),
                             QStringLiteral("Increment can be calculated automatically."));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(note, firstRow + 10, 9, 2, 2);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdcal);
    buttons->addWidget(cmdprn);
    buttons->addWidget(cmdbak);
    grid->addLayout(buttons, firstRow + 12, 9, 3, 2);

    // Tab order: name and selections, the table row by row, the annual figures, the buttons.
    std::vector<QWidget *> order = {txtnam, cbonps, cboclass1, cboclass3, chkinc};
    for (int i = 0; i < kRows; ++i) {
        order.push_back(txtbp[i]);
        order.push_back(txtgp[i]);
    }
    for (QLineEdit *field : txtoth)
        order.push_back(field);
    order.insert(order.end(), {cmdcal, cmdprn, cmdbak});
    for (size_t i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);

    for (int i = 0; i < kRows; ++i) {
        connect(txtbp[i], &QLineEdit::textChanged, this, [this, i] { txtbp_Change(i); });
        connect(txtgp[i], &QLineEdit::textChanged, this, [this, i] { txtgp_Change(i); });
    }
    for (int i = 0; i < kOthers; ++i)
        connect(txtoth[i], &QLineEdit::textChanged, this, [this, i] { txtoth_Change(i); });
    // Only typing counts as a change: picking an entry from the list leaves the buttons.
    connect(cboclass1->lineEdit(), &QLineEdit::textEdited, this, &Form1::cboclass1_Change);
    connect(cboclass3->lineEdit(), &QLineEdit::textEdited, this, &Form1::cboclass3_Change);
    connect(cbonps->lineEdit(), &QLineEdit::textEdited, this, &Form1::cbonps_Change);
    hraClass->gotFocus = [this] { cboclass1_GotFocus(); };
    tpaClass->gotFocus = [this] { cboclass3_GotFocus(); };

    connect(cmdcal, &QPushButton::clicked, this, &Form1::cmdcal_Click);
    connect(cmdprn, &QPushButton::clicked, this, &Form1::cmdprn_Click);
    connect(cmdbak, &QPushButton::clicked, this, &Form1::cmdbak_Click);

    Form_Load();
}

void Form1::Form_Load()
{
    cbonps->addItems({QStringLiteral("Y"), QStringLiteral("N")});
    cboclass1->addItems({QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z"),
                         QStringLiteral("NA")});
    cboclass3->addItems({QStringLiteral("A/A-1"), QStringLiteral("Oth."), QStringLiteral("NA")});
    // Adding to an empty list shows its first entry; the sheet starts with its own texts.
    cbonps->setCurrentIndex(cbonps->findText(QStringLiteral("N")));
    cboclass1->setCurrentIndex(cboclass1->findText(QStringLiteral("X")));
    cboclass3->setCurrentIndex(cboclass3->findText(QStringLiteral("A/A-1")));
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Not QDialog's: it would go through reject(), which Escape must not trigger.
    event->accept();
    emit closedByUser();
}

void Form1::setGuardsEnabled(bool enabled)
{
    for (QPushButton *button : guardButtons())
        button->setEnabled(enabled);
}

QString Form1::monthOf(int row) const
{
    return Label1[row]->text();
}

void Form1::payCellChanged(const std::array<QLineEdit *, kRows> &column, int index)
{
    setGuardsEnabled(false);
    // Each write raises the next row's change at once, so the text runs down to the last
    // month before this returns.
    if (index + 1 < kRows)
        fields::writeText(column[index + 1], column[index]->text());
    if (column[index]->text().isEmpty())
        fields::writeText(column[index], QStringLiteral("0"));
}

void Form1::txtbp_Change(int index)
{
    payCellChanged(txtbp, index);
}

void Form1::txtgp_Change(int index)
{
    payCellChanged(txtgp, index);
}

void Form1::txtoth_Change(int index)
{
    setGuardsEnabled(false);
    if (txtoth[index]->text().isEmpty())
        fields::writeText(txtoth[index], QStringLiteral("0"));
}

void Form1::cboclass1_Change()
{
    setGuardsEnabled(false);
}

void Form1::cboclass3_Change()
{
    setGuardsEnabled(false);
}

void Form1::cbonps_Change()
{
    setGuardsEnabled(false);
}

void Form1::cboclass1_GotFocus()
{
    fields::selectWhole(cboclass1->lineEdit());
}

void Form1::cboclass3_GotFocus()
{
    fields::selectWhole(cboclass3->lineEdit());
}

void Form1::cmdcal_Click()
{
    // A calculation that stopped half-way must not be printed or handed back.
    if (!calculate())
        setGuardsEnabled(false);
}

bool Form1::calculate()
{
    using pay::Period;
    auto basic = [this](int row) { return readAmount(txtbp[row]->text()); };
    auto grade = [this](int row) { return readAmount(txtgp[row]->text()); };

    setGuardsEnabled(true);

    if (chkinc->isChecked()) {
        const double raise = pay::increment(basic(pay::kJuneRow), grade(pay::kJuneRow));
        // The copy-down carries July's basic pay on to February.
        if (!fields::writeResult(this, txtbp[pay::kFirstJulyRow], basic(pay::kJuneRow) + raise,
                       QStringLiteral("increment of %1").arg(monthOf(pay::kFirstJulyRow))))
            return false;
    }

    setGuardsEnabled(true); // the increment's write disabled them

    for (int i = 0; i < kRows; ++i) {
        if (!fields::writeResult(this, txtda[i],
                pay::dearnessAllowance(pay::periodOfRow(i), basic(i), grade(i)),
                QStringLiteral("dearness allowance of %1").arg(monthOf(i))))
            return false;
    }

    if (const auto cls = pay::hraClassFromText(cboclass1->currentText())) {
        for (int i = pay::kFirstCurrentRow; i < kRows; ++i) {
            if (!fields::writeResult(this, txthra[i],
                    pay::houseRentAllowance(*cls, basic(i), grade(i)),
                    QStringLiteral("house rent allowance of %1").arg(monthOf(i))))
                return false;
        }
    }

    if (const auto cls = pay::transportClassFromText(cboclass3->currentText())) {
        for (int i = 0; i < kRows; ++i) {
            if (*cls == pay::TransportClass::NotApplicable) {
                fields::writeText(txttpa2[i], QStringLiteral("0"));
                continue;
            }
            // A row in no tier keeps what it shows.
            if (const auto tier = pay::transportTier(*cls, basic(i), grade(i)))
                fields::writeAmount(txttpa2[i],
                                    pay::transportAllowance(*cls, *tier, pay::periodOfRow(i)));
        }
    }

    const QString nps = cbonps->currentText();
    if (nps == u"Y") {
        for (int i = 0; i < kRows; ++i) {
            const double dearness = readAmount(txtda[i]->text());
            const double contribution =
                pay::periodOfRow(i) == Period::Arrears
                    ? pay::pensionContributionArrears(dearness)
                    : pay::pensionContribution(basic(i), grade(i), dearness);
            if (!fields::writeResult(this, txtmgc[i], contribution,
                           QStringLiteral("pension contribution of %1").arg(monthOf(i))))
                return false;
        }
    } else if (nps == u"N") {
        for (QLineEdit *cell : txtmgc)
            fields::writeText(cell, QStringLiteral("0"));
    }

    for (int i = 0; i < kRows; ++i) {
        auto cell = [](const QLineEdit *field) { return readAmount(field->text()); };
        double total;
        if (pay::periodOfRow(i) == Period::Arrears)
            total = cell(txtda[i]) + cell(txttpa2[i]) + cell(txtmgc[i]);
        else
            total = cell(txtbp[i]) + cell(txtgp[i]) + cell(txtda[i]) + cell(txthra[i])
                + cell(txttpa2[i]) + cell(txtmgc[i]);
        if (!fields::writeResult(
                this, txtttl[i], total, QStringLiteral("total of %1").arg(monthOf(i))))
            return false;
    }

    auto columnTotal = [](const std::array<QLineEdit *, kRows> &column, int from) {
        double sum = 0;
        for (int i = from; i < kRows; ++i)
            sum += readAmount(column[i]->text());
        return sum;
    };
    const struct
    {
        QLineEdit *total;
        const std::array<QLineEdit *, kRows> &column;
        int from;
        const char *what;
    } columns[] = {
        {txtbpt, txtbp, pay::kFirstCurrentRow, "total of basic pay"},
        {txtgpt, txtgp, pay::kFirstCurrentRow, "total of grade pay"},
        {txtdat, txtda, 0, "total of dearness allowance"},
        {txthrat, txthra, pay::kFirstCurrentRow, "total of house rent allowance"},
        {txtmgct, txtmgc, 0, "total of pension contribution"},
        {txttpat, txttpa2, 0, "total of transport allowance"},
        {txtttlt, txtttl, 0, "total of the months"},
    };
    for (const auto &c : columns) {
        if (!fields::writeResult(
                this, c.total, columnTotal(c.column, c.from), QString::fromLatin1(c.what)))
            return false;
    }

    double grand = readAmount(txtttlt->text());
    for (const QLineEdit *other : txtoth)
        grand += readAmount(other->text());
    return fields::writeResult(this, txtgtotal, grand, QStringLiteral("grand total"));
}

void Form1::takeName(const QString &name)
{
    fields::writeText(txtnam, name);
    cbonps->setFocus();
}

void Form1::cmdprn_Click()
{
    emit printWanted();
}

void Form1::cmdbak_Click()
{
    // Back is enabled only after a Calculate that wrote every total, so all are finite.
    pay::YearFigures figures;
    figures.basicPay = readAmount(txtbpt->text());
    figures.dearness = readAmount(txtdat->text());
    figures.gross = readAmount(txtgtotal->text());
    figures.hraReceived = readAmount(txthrat->text());
    figures.gradePay = readAmount(txtgpt->text());
    figures.pension = readAmount(txtmgct->text());

    std::array<double, kRows - pay::kFirstCurrentRow> months{};
    for (int i = pay::kFirstCurrentRow; i < kRows; ++i)
        months[i - pay::kFirstCurrentRow] = readAmount(txttpa2[i]->text());
    figures.transportExempt = pay::transportExemption(months);
    emit handedBack(figures);
}
