#include "sheets/salary/salarysheet.h"

#include "fields/amountfield.h"
#include "fields/conversions.h"
#include "fields/labels.h"
#include "records/salary.h"

#include <QCheckBox>
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

const char *const kOtherLabels[SalarySheet::kOthers] = {"Arrears:-", "Bonus", "OTA",
                                                   "T.Fee",     "Hon.",  "Oth."};

} // namespace

SalarySheet::SalarySheet()
    : SheetWindow(kFormName, QStringLiteral("Morvel1415 - Income Calculator"))
{
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
        Label1[i] = makeLabel(this, fields::elementName("Label1", i), QString::fromLatin1(pay::kMonthNames[i]));
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
    setButtons(cmdcal, { cmdprn, cmdbak });

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
    connect(cboclass1->lineEdit(), &QLineEdit::textEdited, this, &SalarySheet::cboclass1_Change);
    connect(cboclass3->lineEdit(), &QLineEdit::textEdited, this, &SalarySheet::cboclass3_Change);
    connect(cbonps->lineEdit(), &QLineEdit::textEdited, this, &SalarySheet::cbonps_Change);
    hraClass->gotFocus = [this] { cboclass1_GotFocus(); };
    tpaClass->gotFocus = [this] { cboclass3_GotFocus(); };

    connect(cmdcal, &QPushButton::clicked, this, &SalarySheet::cmdcal_Click);
    connect(cmdprn, &QPushButton::clicked, this, &SalarySheet::printWanted);
    connect(cmdbak, &QPushButton::clicked, this, &SalarySheet::backWanted);

    Form_Load();
}

void SalarySheet::Form_Load()
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

void SalarySheet::payCellChanged(const std::array<QLineEdit *, kRows> &column, int index)
{
    setGuardsEnabled(false);
    // The text runs down to the last month before this returns, as each write would raise
    // the next row's change at once.
    records::SalaryRecord::Column texts;
    for (int i = 0; i < kRows; ++i)
        texts[i] = column[i]->text();
    records::payCellChanged(texts, index);
    for (int i = 0; i < kRows; ++i) {
        if (column[i]->text() != texts[i]) {
            const QSignalBlocker done(column[i]);
            fields::writeText(column[i], texts[i]);
        }
    }
}

void SalarySheet::txtbp_Change(int index)
{
    payCellChanged(txtbp, index);
}

void SalarySheet::txtgp_Change(int index)
{
    payCellChanged(txtgp, index);
}

void SalarySheet::txtoth_Change(int index)
{
    setGuardsEnabled(false);
    if (txtoth[index]->text().isEmpty())
        fields::writeText(txtoth[index], QStringLiteral("0"));
}

void SalarySheet::cboclass1_Change()
{
    setGuardsEnabled(false);
}

void SalarySheet::cboclass3_Change()
{
    setGuardsEnabled(false);
}

void SalarySheet::cbonps_Change()
{
    setGuardsEnabled(false);
}

void SalarySheet::cboclass1_GotFocus()
{
    fields::selectWhole(cboclass1->lineEdit());
}

void SalarySheet::cboclass3_GotFocus()
{
    fields::selectWhole(cboclass3->lineEdit());
}

void SalarySheet::cmdcal_Click()
{
    auto salary = record<records::SalaryRecord>();
    const std::optional<records::Said> said = records::calculate(salary);
    showRecord(salary, false);
    // A calculation that stopped half-way must not be printed or handed back.
    if (said)
        refuse(said->message, said->box);
    else
        setGuardsEnabled(true);
}
