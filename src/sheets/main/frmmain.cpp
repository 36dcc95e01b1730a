#include "sheets/main/frmmain.h"

#include "fields/amountfield.h"
#include "fields/conversions.h"
#include "fields/labels.h"
#include "rules/tax.h"

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
using fields::readAmount;

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

frmmain::frmmain(QWidget *parent)
    : QDialog(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmmain"));
    setWindowTitle(QStringLiteral("Morvel1415 - Income Tax Calculator"));

    using fields::makeAmountField;
    using fields::makeComputedField;

    txtname = fields::makeTextField(this, QStringLiteral("txtname"));
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
    cmdcalc = makeButton(this, QStringLiteral("cmdcalc"), QStringLiteral("&Calculate"));
    cmdprint = makeButton(this, QStringLiteral("cmdprint"), QStringLiteral("&Print"));
    cmdexit = makeButton(this, QStringLiteral("cmdexit"), QStringLiteral("E&xit"));
    cmdcalc->setDefault(true);
    cmdprint->setEnabled(false);

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
    mnufile->addAction(QStringLiteral("&Open..."), QKeySequence::Open, this, &frmmain::mnuopen_Click);
    mnufile->addAction(QStringLiteral("&Save"), QKeySequence::Save, this, &frmmain::mnusave_Click);
    // Not QKeySequence::SaveAs: the plain X11 key bindings have none.
    mnufile->addAction(QStringLiteral("Save &As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this,
        &frmmain::mnusaveas_Click);
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
                        cmdcalded80, txtrel89, txtdedtax, cmdcalc, cmdprint, cmdexit, cboage, cmdcalrel89};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    auto disablePrint = [this] { cmdprint->setEnabled(false); };
    for (QLineEdit *field : {txtgs, txttp, txthra, txtos, txthp, txtrel89, txtdedtax})
        fields::connectCommonChange(field, this, disablePrint);
    connect(txtname, &QLineEdit::textChanged, this, &frmmain::txtname_Change);
    connect(cboage, &QComboBox::currentIndexChanged, this, &frmmain::cboage_Change);

    connect(cmdcalc, &QPushButton::clicked, this, &frmmain::cmdcalc_Click);
    connect(cmdcalgs, &QPushButton::clicked, this, &frmmain::cmdcalgs_Click);
    connect(cmdcalhr, &QPushButton::clicked, this, &frmmain::cmdcalhr_Click);
    connect(cmdcalhp, &QPushButton::clicked, this, &frmmain::cmdcalhp_Click);
    connect(cmdcalded80, &QPushButton::clicked, this, &frmmain::cmdcalded80_Click);
    connect(cmdcalrel89, &QPushButton::clicked, this, &frmmain::cmdcalrel89_Click);
    connect(cmdprint, &QPushButton::clicked, this, &frmmain::cmdprint_Click);
    connect(cmdexit, &QPushButton::clicked, this, &frmmain::cmdexit_Click);

    txtname->setFocus();
}

void frmmain::showCredits(const QString &authorCredit, const QString &homePage)
{
    Label3->setText(authorCredit);
    Label7->setText(QStringLiteral("Free Download:- ") + homePage);
}

void frmmain::closeEvent(QCloseEvent *event)
{
    // The run decides: it ends (hidden sub-forms must not keep it alive with no window to
    // see), or it keeps this window when a changed return is not to be lost.
    event->ignore();
    emit exitWanted();
}

void frmmain::takeSalary(const pay::YearFigures &figures)
{
    fields::writeAmount(txtgs, figures.gross);
    fields::writeAmount(txttp, figures.transportExempt);
    fields::writeAmount(txtbp, figures.basicPay);
    fields::writeAmount(txtda, figures.dearness);
    fields::writeAmount(txthrr, figures.hraReceived);
    fields::writeAmount(txtnpa, figures.gradePay);
    fields::writeAmount(txtmgc, figures.pension);
    cmdcalhr->setFocus();
}

void frmmain::takeHraExemption(double exemption)
{
    fields::writeAmount(txthra, exemption);
    txtos->setFocus();
}

void frmmain::takeHouseIncome(double income)
{
    fields::writeAmount(txthp, income);
    cmdcalded80->setFocus();
}

void frmmain::takeDeductions(double total)
{
    fields::writeAmount(txtded80, total);
    txtrel89->setFocus();
}

void frmmain::takeRelief89(double relief)
{
    fields::writeAmount(txtrel89, relief);
    txtdedtax->setFocus();
}

void frmmain::showReturnFile(const QString &fileName)
{
    lblfile->setText(QStringLiteral("File: ") + QDir::toNativeSeparators(fileName));
}

void frmmain::mnuopen_Click()
{
    emit openWanted();
}

void frmmain::mnusave_Click()
{
    emit saveWanted();
}

void frmmain::mnusaveas_Click()
{
    emit saveAsWanted();
}

bool frmmain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label7 && event->type() == QEvent::MouseButtonRelease) {
        Label7_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmmain::txtname_Change()
{
    cmdprint->setEnabled(false); // the name may be empty: no refill
}

void frmmain::cboage_Change()
{
    cmdprint->setEnabled(false); // other slabs: the figures are out of date
}

void frmmain::cmdcalc_Click()
{
    cmdprint->setEnabled(true);

    // Each step reads the fields afresh, so it sees the text the step before wrote.
    if (!fields::writeResult(this, txtexall, readAmount(txttp->text()) + readAmount(txthra->text()),
                   QStringLiteral("total of the exempt allowances")))
        return;
    if (!fields::writeResult(this, txtnsal,
            readAmount(txtgs->text()) - readAmount(txtexall->text()),
            QStringLiteral("income from salary")))
        return;
    if (!fields::writeResult(this, txtgti,
                   readAmount(txtnsal->text()) + readAmount(txthp->text())
                       + readAmount(txtos->text()),
                   QStringLiteral("gross total income")))
        return;
    if (!fields::writeResult(this, txtnti,
                   tax::roundToTens(readAmount(txtgti->text()) - readAmount(txtded80->text())),
                   QStringLiteral("net taxable income")))
        return;

    const auto age = tax::AgeGroup(cboage->currentIndex());
    if (!fields::writeResult(this, txtgtax, tax::taxBySlabs(readAmount(txtnti->text()), age),
                   QStringLiteral("gross tax")))
        return;
    if (!fields::writeResult(this, txtrel87A,
                   tax::relief87A(readAmount(txtnti->text()), readAmount(txtgtax->text())),
                   QStringLiteral("relief u/s 87A")))
        return;
    if (!fields::writeResult(this, txtntax,
                   tax::netTax(readAmount(txtgtax->text()), readAmount(txtrel87A->text()),
                               readAmount(txtrel89->text())),
                   QStringLiteral("net tax")))
        return;
    const double netTaxAtThreshold
        = tax::netTax(tax::taxBySlabs(tax::kSurchargeThreshold, age), 0, readAmount(txtrel89->text()));
    if (!fields::writeResult(this, txtsurch,
            tax::surcharge(readAmount(txtnti->text()), readAmount(txtntax->text()), netTaxAtThreshold),
            QStringLiteral("surcharge")))
        return;
    if (!fields::writeResult(this, txtcess,
            tax::educationCess(readAmount(txtntax->text()) + readAmount(txtsurch->text())),
            QStringLiteral("education cess")))
        return;
    if (!fields::writeResult(this, txtttax,
            readAmount(txtntax->text()) + readAmount(txtsurch->text()) + readAmount(txtcess->text()),
            QStringLiteral("total tax")))
        return;
    fields::writeResult(this, txtbaltax,
        readAmount(txtttax->text()) - readAmount(txtdedtax->text()), QStringLiteral("balance tax"));
}

void frmmain::cmdcalgs_Click()
{
    emit salarySheetWanted(txtname->text());
}

void frmmain::cmdcalhr_Click()
{
    // These hidden fields only ever hold number text written by the salary sheet.
    auto readHidden = [](const QLineEdit *field) {
        return fields::readNumberText(field->text()).value_or(readAmount(field->text()));
    };
    emit hraSheetWanted(readHidden(txtbp), readHidden(txtnpa), readHidden(txtda), readHidden(txthrr));
}

void frmmain::cmdcalhp_Click()
{
    emit houseSheetWanted();
}

void frmmain::cmdcalded80_Click()
{
    emit deductionsSheetWanted(readAmount(txtmgc->text()));
}

void frmmain::cmdcalrel89_Click()
{
    emit relief89SheetWanted(readAmount(txtnti->text()), tax::AgeGroup(cboage->currentIndex()), txtname->text());
}

void frmmain::cmdprint_Click()
{
    emit printWanted();
}

void frmmain::cmdexit_Click()
{
    emit exitWanted();
}

void frmmain::Label7_Click()
{
    emit homePageWanted();
}
