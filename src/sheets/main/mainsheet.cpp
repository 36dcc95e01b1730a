#include "sheets/main/mainsheet.h"

#include "fields/amountfield.h"
#include "fields/conversions.h"
#include "fields/labels.h"
#include "records/main.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

using fields::makeButton;
using fields::makeLabel;

namespace {

QLineEdit *makeHiddenField(QWidget *parent, const QString &name)
{
    auto *field = new QLineEdit(QStringLiteral("0"), parent);
    field->setObjectName(name);
    field->setVisible(false);
    field->setFocusPolicy(Qt::NoFocus);
    return field;
}

} // namespace

MainSheet::MainSheet()
    : SheetWindow(kFormName, QStringLiteral("Morvel1415 - Income Tax Calculator"))
{
    using fields::makeAmountField;
    using fields::makeComputedField;

    txtname = fields::makeTextField(this, QStringLiteral("txtname"));
    txtpan = fields::makePanField(this, QStringLiteral("txtpan"));
    txtgs = makeAmountField(this, QStringLiteral("txtgs"));
    txttp = makeAmountField(this, QStringLiteral("txttp"));
    txthra = makeAmountField(this, QStringLiteral("txthra"));
    txtexall = makeComputedField(this, QStringLiteral("txtexall"));
    txtnsal = makeComputedField(this, QStringLiteral("txtnsal"));
    txtos = makeAmountField(this, QStringLiteral("txtos"));
    txthp = makeComputedField(this, QStringLiteral("txthp"));
    txtgti = makeComputedField(this, QStringLiteral("txtgti"));
    txtded80 = makeComputedField(this, QStringLiteral("txtded80"));
    txtnti = makeComputedField(this, QStringLiteral("txtnti"));
    txtgtax = makeComputedField(this, QStringLiteral("txtgtax"));
    txtrel87A = makeComputedField(this, QStringLiteral("txtrel87A"));
    txtrel89 = makeAmountField(this, QStringLiteral("txtrel89"));
    txtntax = makeComputedField(this, QStringLiteral("txtntax"));
    txtcess = makeComputedField(this, QStringLiteral("txtcess"));
    txtttax = makeComputedField(this, QStringLiteral("txtttax"));
    txtdedtax = makeAmountField(this, QStringLiteral("txtdedtax"));
    txtbaltax = makeComputedField(this, QStringLiteral("txtbaltax"));
    txtsurch = makeComputedField(this, QStringLiteral("txtsurch"));
    cboage = new QComboBox(this);
    cboage->setObjectName(QStringLiteral("cboage"));
    cboage->addItems(tax::kAgeGroups);
    txtbp = makeHiddenField(this, QStringLiteral("txtbp"));
    txtda = makeHiddenField(this, QStringLiteral("txtda"));
    txthrr = makeHiddenField(this, QStringLiteral("txthrr"));
    txtnpa = makeHiddenField(this, QStringLiteral("txtnpa"));
    txtmgc = makeHiddenField(this, QStringLiteral("txtmgc"));

    const QString calc = QStringLiteral("Calc.");
    cmdcalgs = makeButton(this, QStringLiteral("cmdcalgs"), calc);
    cmdcalhr = makeButton(this, QStringLiteral("cmdcalhr"), calc);
    cmdcalhp = makeButton(this, QStringLiteral("cmdcalhp"), calc);
    cmdcalded80 = makeButton(this, QStringLiteral("cmdcalded80"), calc);
    cmdcalrel89 = makeButton(this, QStringLiteral("cmdcalrel89"), calc);
    cmdform16 = makeButton(this, QStringLiteral("cmdform16"), QStringLiteral("Form 16"));
    cmdplan = makeButton(this, QStringLiteral("cmdplan"), QStringLiteral("Planner"));
    cmdcalc = makeButton(this, QStringLiteral("cmdcalc"), QStringLiteral("&Calculate"));
    cmdprint = makeButton(this, QStringLiteral("cmdprint"), QStringLiteral("&Print"));
    cmdexit = makeButton(this, QStringLiteral("cmdexit"), QStringLiteral("E&xit"));
    setButtons(cmdcalc, { cmdprint });

    Label7 = makeLabel(this, QStringLiteral("Label7"), QString());
    QPalette blue = Label7->palette();
    blue.setColor(QPalette::WindowText, QColor(Qt::blue));
    Label7->setPalette(blue);
    Label7->setCursor(Qt::PointingHandCursor);
    Label7->installEventFilter(this);

    // Columns: label | button | inner amount | button | main amount | gap | label | amount
    auto *grid = new QGridLayout(this);
    grid->setColumnMinimumWidth(5, 24);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(4, 1);
    grid->setColumnStretch(7, 1);
    // Each label is tied to the field it captions; the "Calc." buttons also say which
    // figure they work out, since their caption alone does not.
    auto left = [&](int row, const char *name, const QString &caption, QLineEdit *field,
                    QPushButton *calc = nullptr, int indent = 0) {
        QLabel *label = makeLabel(this, QString::fromLatin1(name), caption);
        label->setIndent(indent);
        grid->addWidget(label, row, 0);
        fields::labelField(label, field);
        if (calc)
            calc->setAccessibleName(calc->text() + QLatin1Char(' ') + field->accessibleName());
    };
    auto right = [&](int row, const char *name, const QString &caption, QLineEdit *field) {
        QLabel *label = makeLabel(this, QString::fromLatin1(name), caption);
        grid->addWidget(label, row, 6);
        grid->addWidget(field, row, 7);
        fields::labelField(label, field);
    };
    left(0, "lblname", QStringLiteral("Name"), txtname);
    grid->addWidget(txtname, 0, 1, 1, 4);
    QLabel *lblage = makeLabel(this, QStringLiteral("lblage"), QStringLiteral("A&ge"));
    grid->addWidget(lblage, 0, 6);
    grid->addWidget(cboage, 0, 7);
    fields::labelField(lblage, cboage);
    QLabel *lblpan = makeLabel(this, QStringLiteral("lblpan"), QStringLiteral("PAN"));
    grid->addWidget(lblpan, 0, 8);
    grid->addWidget(txtpan, 0, 9);
    fields::labelField(lblpan, txtpan);
    grid->addWidget(cmdform16, 1, 9);
    grid->addWidget(cmdplan, 2, 9);
    left(1, "lblgsal", QStringLiteral("Gross Salary"), txtgs, cmdcalgs);
    grid->addWidget(cmdcalgs, 1, 3);
    grid->addWidget(txtgs, 1, 4);
    right(1, "lblgtax", QStringLiteral("Gross Tax"), txtgtax);
    left(2, "lblexall", QStringLiteral("Less:- Allowances Exempt u/s 10 :-"), txtexall);
    right(2, "Label4", QStringLiteral("Relief u/s 87A"), txtrel87A);
    left(3, "lbltpa", QStringLiteral("Transport Allowance"), txttp, nullptr, 20);
    grid->addWidget(txttp, 3, 2);
    right(3, "Label1", QStringLiteral("Relief u/s 89"), txtrel89);
    grid->addWidget(cmdcalrel89, 3, 8);
    cmdcalrel89->setAccessibleName(cmdcalrel89->text() + QLatin1Char(' ') + txtrel89->accessibleName());
    left(4, "lblhra", QStringLiteral("House Rent Allowance"), txthra, cmdcalhr, 20);
    grid->addWidget(cmdcalhr, 4, 1);
    grid->addWidget(txthra, 4, 2);
    grid->addWidget(txtexall, 4, 4);
    right(4, "lblntax", QStringLiteral("Net Tax"), txtntax);
    QLabel *lblsurch = makeLabel(this, QStringLiteral("lblsurch"), QStringLiteral("Surcharge"));
    grid->addWidget(lblsurch, 4, 8);
    grid->addWidget(txtsurch, 4, 9);
    fields::labelField(lblsurch, txtsurch);
    left(5, "lblsalinc", QStringLiteral("Income from Salary"), txtnsal);
    grid->addWidget(txtnsal, 5, 4);
    right(5, "Label5", QStringLiteral("Education Cess"), txtcess);
    left(6, "lblos", QStringLiteral("Income from Other Sources"), txtos);
    grid->addWidget(txtos, 6, 4);
    right(6, "Label6", QStringLiteral("Total Tax"), txtttax);
    left(7, "lblhp", QStringLiteral("Income from House Property"), txthp, cmdcalhp);
    grid->addWidget(cmdcalhp, 7, 3);
    grid->addWidget(txthp, 7, 4);
    right(7, "Label8", QStringLiteral("Tax Deducted"), txtdedtax);
    left(8, "lblgti", QStringLiteral("Gross Total Income"), txtgti);
    grid->addWidget(txtgti, 8, 4);
    right(8, "Label9", QStringLiteral("Balance Tax"), txtbaltax);
    left(9, "lblded80", QStringLiteral("Less:- Deductions u/s 80"), txtded80, cmdcalded80);
    grid->addWidget(cmdcalded80, 9, 3);
    grid->addWidget(txtded80, 9, 4);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdcalc);
    buttons->addWidget(cmdprint);
    buttons->addWidget(cmdexit);
    grid->addLayout(buttons, 9, 6, 1, 2);
    left(10, "lblnti", QStringLiteral("Net Taxable Income"), txtnti);
    grid->addWidget(txtnti, 10, 4);
    grid->addWidget(makeLabel(this, QStringLiteral("Label2"),
                              QStringLiteral("Use Tab to move between fields")),
                    10, 6, 1, 2);
    Label3 = makeLabel(this, QStringLiteral("Label3"), QString());
    grid->addWidget(Label3, 11, 6, 1, 2);
    grid->addWidget(Label7, 12, 6, 1, 2);
    lblfile = makeLabel(this, QStringLiteral("lblfile"), QString());
    grid->addWidget(lblfile, 12, 0, 1, 5);

    auto *menus = new QMenuBar(this);
    QMenu *mnufile = menus->addMenu(QStringLiteral("&File"));
    mnufile->addAction(QStringLiteral("&Open..."), QKeySequence::Open, this, &MainSheet::mnuopen_Click);
    mnufile->addAction(QStringLiteral("&Save"), QKeySequence::Save, this, &MainSheet::mnusave_Click);
    // Not QKeySequence::SaveAs: the plain X11 key bindings have none.
    mnufile->addAction(QStringLiteral("Save &As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this,
        &MainSheet::mnusaveas_Click);
    grid->setMenuBar(menus);

    // Every amount column holds a seven-figure amount with paise; the "Calc." buttons stay
    // as wide as their caption, so the spare width goes to the amounts.
    const int amountWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000000000.00"));
    for (QLineEdit *amount : {txtgs, txttp, txthra, txtexall, txtnsal, txtos, txthp, txtgti,
                              txtded80, txtnti, txtgtax, txtrel87A, txtrel89, txtntax, txtcess,
                              txtttax, txtdedtax, txtbaltax, txtsurch})
        amount->setMinimumWidth(amountWidth);
    for (QPushButton *calc : {cmdcalgs, cmdcalhr, cmdcalhp, cmdcalded80, cmdcalrel89})
        calc->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    QWidget *order[] = {txtname, cmdcalgs, txtgs, txttp, cmdcalhr, txthra, txtos, cmdcalhp,
                        cmdcalded80, txtrel89, txtdedtax, cmdcalc, cmdprint, cmdexit, cboage, cmdcalrel89,
                        txtpan, cmdform16, cmdplan};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    auto disablePrint = [this] { setGuardsEnabled(false); };
    for (QLineEdit *field : {txtgs, txttp, txthra, txtos, txthp, txtrel89, txtdedtax})
        fields::connectCommonChange(field, this, disablePrint);
    connect(txtname, &QLineEdit::textChanged, this, &MainSheet::txtname_Change);
    connect(cboage, &QComboBox::currentIndexChanged, this, &MainSheet::cboage_Change);

    connect(cmdcalc, &QPushButton::clicked, this, &MainSheet::cmdcalc_Click);
    for (QPushButton *calc : { cmdcalgs, cmdcalhr, cmdcalhp, cmdcalded80, cmdcalrel89, cmdform16, cmdplan })
        connect(calc, &QPushButton::clicked, this, [this, calc] { emit calcWanted(calc->objectName()); });
    connect(cmdprint, &QPushButton::clicked, this, &MainSheet::printWanted);
    connect(cmdexit, &QPushButton::clicked, this, &MainSheet::cmdexit_Click);

    txtname->setFocus();
}

void MainSheet::showCredits(const QString &authorCredit, const QString &homePage)
{
    Label3->setText(authorCredit);
    Label7->setText(QStringLiteral("Free Download:- ") + homePage);
}

void MainSheet::closeEvent(QCloseEvent *event)
{
    // The run decides: it ends (hidden sub-forms must not keep it alive with no window to
    // see), or it keeps this window when a changed return is not to be lost.
    event->ignore();
    emit exitWanted();
}

void MainSheet::showReturnFile(const QString &fileName)
{
    lblfile->setText(QStringLiteral("File: ") + QDir::toNativeSeparators(fileName));
}

void MainSheet::mnuopen_Click()
{
    emit openWanted();
}

void MainSheet::mnusave_Click()
{
    emit saveWanted();
}

void MainSheet::mnusaveas_Click()
{
    emit saveAsWanted();
}

bool MainSheet::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label7 && event->type() == QEvent::MouseButtonRelease) {
        Label7_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void MainSheet::txtname_Change()
{
    setGuardsEnabled(false); // the name may be empty: no refill
}

void MainSheet::cboage_Change()
{
    setGuardsEnabled(false); // other slabs: the figures are out of date
}

void MainSheet::cmdcalc_Click()
{
    auto main = record<records::MainRecord>();
    const std::optional<records::Said> said = records::calculate(main);
    showRecord(main, false);
    // A calculation that stopped half-way must not be printed.
    if (said)
        refuse(said->message, said->box);
    else
        setGuardsEnabled(true);
}

void MainSheet::cmdexit_Click()
{
    emit exitWanted();
}

void MainSheet::Label7_Click()
{
    emit homePageWanted();
}
