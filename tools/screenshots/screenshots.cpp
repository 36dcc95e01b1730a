// Fills the windows of one run with a worked example, the way a user would (type, Calculate,
// Back), saves a picture of each window as a small PNG and renders both printed statements
// of the example into PDF files:
//   morvel_screenshots OUTDIR
#include "app/forms.h"
#include "app/frmsplash.h"
#include "app/statements.h"
#include "fields/amountfield.h"
#include "fields/messages.h"
#include "print/printing.h"
#include "print/salarystatement.h"
#include "print/taxstatement.h"
#include "sheets/deductions/frmreb88.h"
#include "sheets/house/form4.h"
#include "sheets/hra/form2.h"
#include "sheets/main/frmmain.h"
#include "sheets/relief/frmrel89.h"
#include "sheets/salary/form1.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

namespace {

// Lets the windows lay themselves out and paint before a picture is taken.
void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// Presses a button as a click would, refusing one that a user could not press.
bool press(QPushButton *button)
{
    settle();
    if (!button->isEnabled()) {
        std::fprintf(stderr, "%s is disabled\n", qPrintable(button->objectName()));
        return false;
    }
    button->click();
    settle();
    return true;
}

bool type(QLineEdit *field, const QString &text)
{
    fields::writeText(field, text);
    return field->text() == text;
}

bool fillWorkedExample(Forms &forms)
{
    frmmain *main = forms.mainSheet();
    Forms::present(main);
    if (!type(main->txtname, QStringLiteral("R. K. Sharma")))
        return false;

    // Basic pay and grade pay typed into the first row run down the column.
    if (!press(main->cmdcalgs))
        return false;
    Form1 *salary = forms.salarySheet();
    salary->cboclass1->setCurrentText(QStringLiteral("X"));
    salary->cboclass3->setCurrentText(QStringLiteral("A/A-1"));
    if (!type(salary->txtbp[0], QStringLiteral("15000"))
        || !type(salary->txtgp[0], QStringLiteral("2400")) || !press(salary->cmdcal)
        || !press(salary->cmdbak))
        return false;

    if (!press(main->cmdcalhr))
        return false;
    Form2 *hra = forms.hraSheet();
    if (!type(hra->txtRP, QStringLiteral("100000")) || !press(hra->cmdcal) || !press(hra->cmdback))
        return false;

    if (!press(main->cmdcalhp))
        return false;
    Form4 *house = forms.houseSheet();
    if (!type(house->txtarv, QStringLiteral("120000"))
        || !type(house->txtptax, QStringLiteral("12000"))
        || !type(house->txtintt, QStringLiteral("150000")) || !press(house->cmdtot)
        || !press(house->cmdbk))
        return false;

    if (!press(main->cmdcalded80))
        return false;
    frmreb88 *deductions = forms.deductionsSheet();
    if (!type(deductions->txtgpf, QStringLiteral("60000"))
        || !type(deductions->txtlic, QStringLiteral("40000")) || !press(deductions->cmdtot)
        || !press(deductions->cmdbk))
        return false;

    return type(main->txtrel89, QStringLiteral("0"))
        && type(main->txtdedtax, QStringLiteral("12000")) && press(main->cmdcalc);
}

// Relief u/s 89 in a run of its own: a net taxable income of 9,00,000 with arrears of 1,00,000
// that belong to 2012-13, whose total income was 4,00,000.
bool fillReliefExample(Forms &forms)
{
    frmmain *main = forms.mainSheet();
    Forms::present(main);
    if (!type(main->txtname, QStringLiteral("R. K. Sharma")) || !type(main->txtgs, QStringLiteral("900000"))
        || !press(main->cmdcalc) || !press(main->cmdcalrel89))
        return false;
    frmrel89 *relief = forms.reliefSheet();
    return type(relief->txtdob, QStringLiteral("15/08/1970")) && type(relief->txtpan, QStringLiteral("ABCPS1234K"))
        && type(relief->txtaddr, QStringLiteral("12 Rajpath, New Delhi 110001"))
        && type(relief->txtti[7], QStringLiteral("400000")) && type(relief->txtarr[7], QStringLiteral("100000"))
        && press(relief->cmdcalc);
}

// Eight bits a pixel and the strongest compression (quality 0) keep the pictures small;
// the windows have few colours.
bool save(QWidget *window, const QDir &folder, const QString &file)
{
    Forms::present(window);
    settle();
    const QImage picture = window->grab().toImage().convertToFormat(
        QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    const QString path = folder.filePath(file);
    if (!picture.save(path, "PNG", 0)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The statements exactly as Print would send them to the printer.
bool renderStatements(Forms &forms, const QDir &folder)
{
    const print::TaxStatementFields tax = statements::taxStatementFields(
        *forms.mainSheet(), forms.houseSheet(), forms.deductionsSheet());
    const print::SalaryStatementFields salary = statements::salaryStatementFields(*forms.salarySheet());
    const bool ok = print::renderToPdf(folder.filePath(QStringLiteral("tax-statement.pdf")),
                                       QStringLiteral("Tax statement"),
                                       [&](print::Page &page) { return drawTaxStatement(page, tax); })
        && print::renderToPdf(folder.filePath(QStringLiteral("salary-statement.pdf")),
                              QStringLiteral("Salary statement"),
                              [&](print::Page &page) { return drawSalaryStatement(page, salary); });
    if (!ok)
        std::fprintf(stderr, "cannot render the statements into %s\n", qPrintable(folder.path()));
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    // A message would wait for an answer that never comes: the example must not raise one.
    bool messaged = false;
    fields::setMessageHandler([&messaged](QWidget *, const QString &text) {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        messaged = true;
    });

    Forms forms;
    forms.programEnder = [] {};
    auto *splash = new frmSplash(forms);
    splash->Timer1->stop(); // the picture is taken before it would give way
    bool ok = save(splash, folder, QStringLiteral("splash.png"));
    delete splash;

    ok = ok && fillWorkedExample(forms) && !messaged;
    ok = ok && save(forms.salarySheet(), folder, QStringLiteral("salary-sheet.png"))
        && save(forms.hraSheet(), folder, QStringLiteral("hra-exemption.png"))
        && save(forms.houseSheet(), folder, QStringLiteral("house-property.png"))
        && save(forms.deductionsSheet(), folder, QStringLiteral("deductions.png"))
        && save(forms.mainSheet(), folder, QStringLiteral("main-sheet.png"));
    ok = ok && renderStatements(forms, folder);

    Forms reliefRun;
    reliefRun.programEnder = [] {};
    ok = ok && fillReliefExample(reliefRun) && !messaged
        && save(reliefRun.reliefSheet(), folder, QStringLiteral("relief-89.png"));
    const print::Form10EFields form = statements::form10eFields(*reliefRun.reliefSheet());
    ok = ok && print::renderToPdf(folder.filePath(QStringLiteral("form-10e.pdf")), QStringLiteral("Form 10E"),
                   [&](print::Page &page) { return drawForm10E(page, form); });
    return ok ? 0 : 1;
}
