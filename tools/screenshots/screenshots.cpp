// Fills the windows of one run with a worked example, the way a user would (type, Calculate,
// Back), saves a picture of each window as a small PNG and renders both printed statements
// of the example into PDF files:
//   morvel_screenshots OUTDIR
#include "app/app.h"
#include "app/frmsplash.h"
#include "app/statements.h"
#include "fields/amountfield.h"
#include "fields/messages.h"
#include "print/printing.h"
#include "print/salarystatement.h"
#include "print/taxstatement.h"
#include "sheets/deductions/deductionssheet.h"
#include "sheets/form16/form16sheet.h"
#include "sheets/house/housesheet.h"
#include "sheets/hra/hrasheet.h"
#include "sheets/main/mainsheet.h"
#include "sheets/plan/plansheet.h"
#include "sheets/relief/reliefsheet.h"
#include "sheets/salary/salarysheet.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
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

bool fillWorkedExample(App &run)
{
    MainSheet *main = run.windows.main();
    Windows::present(main);
    if (!type(main->txtname, QStringLiteral("R. K. Sharma")) || !type(main->txtpan, QStringLiteral("ABCPS1234K")))
        return false;

    // Basic pay and grade pay typed into the first row run down the column.
    if (!press(main->cmdcalgs))
        return false;
    SalarySheet *salary = run.windows.sheet<SalarySheet>();
    salary->cboclass1->setCurrentText(QStringLiteral("X"));
    salary->cboclass3->setCurrentText(QStringLiteral("A/A-1"));
    if (!type(salary->txtbp[0], QStringLiteral("15000"))
        || !type(salary->txtgp[0], QStringLiteral("2400")) || !press(salary->cmdcal)
        || !press(salary->cmdbak))
        return false;

    if (!press(main->cmdcalhr))
        return false;
    HraSheet *hra = run.windows.sheet<HraSheet>();
    if (!type(hra->txtRP, QStringLiteral("100000")) || !press(hra->cmdcal) || !press(hra->cmdback))
        return false;

    if (!press(main->cmdcalhp))
        return false;
    HouseSheet *house = run.windows.sheet<HouseSheet>();
    if (!type(house->txtarv, QStringLiteral("120000"))
        || !type(house->txtptax, QStringLiteral("12000"))
        || !type(house->txtintt, QStringLiteral("150000")) || !press(house->cmdtot)
        || !press(house->cmdbk))
        return false;

    if (!press(main->cmdcalded80))
        return false;
    DeductionsSheet *deductions = run.windows.sheet<DeductionsSheet>();
    if (!type(deductions->txtgpf, QStringLiteral("60000"))
        || !type(deductions->txtlic, QStringLiteral("40000")) || !press(deductions->cmdtot)
        || !press(deductions->cmdbk))
        return false;

    return type(main->txtrel89, QStringLiteral("0"))
        && type(main->txtdedtax, QStringLiteral("12000")) && press(main->cmdcalc);
}

// Form 16 of the worked example: the employee's particulars and an office's.
bool fillForm16(App &run)
{
    if (!press(run.windows.main()->cmdform16))
        return false;
    auto *form16 = run.windows.sheet<Form16Sheet>();
    const std::pair<const char *, const char *> typed[] = { { "txtdesig", "Section Officer" },
        { "txtaddr", "C-14, Sector 7, R. K. Puram, New Delhi 110022" }, { "txtemployer", "Pay and Accounts Office" },
        { "txtemployeraddr", "Lok Nayak Bhawan, Khan Market, New Delhi 110003" }, { "txtdedpan", "PANNOTREQD" },
        { "txttan", "DELP01234E" }, { "txtcit", "Aaykar Bhawan, Laxmi Nagar, Delhi 110092" },
        { "txtsigname", "S. P. Verma" }, { "txtsigfather", "K. L. Verma" }, { "txtsigdesig", "Pay and Accounts Officer" },
        { "txtplace", "New Delhi" }, { "txtdate", "30/05/2015" } };
    for (const auto &[box, text] : typed)
        if (!type(form16->findChild<QLineEdit *>(QString::fromLatin1(box)), QString::fromLatin1(text))) {
            std::fprintf(stderr, "cannot type into %s\n", box);
            return false;
        }
    return press(form16->cmdcalc) && form16->cmdprint->isEnabled();
}

// The planner in a run of its own, from December on: a gross salary of 8,12,345 with GPF of
// 60,000, a self-occupied house with interest of 80,000, and 30,000 of tax deducted so far.
bool fillPlannerExample(App &run)
{
    MainSheet *main = run.windows.main();
    Windows::present(main);
    if (!type(main->txtname, QStringLiteral("R. K. Sharma")) || !type(main->txtgs, QStringLiteral("812345"))
        || !type(main->txttp, QStringLiteral("9600")) || !type(main->txtdedtax, QStringLiteral("30000"))
        || !press(main->cmdcalhp))
        return false;
    HouseSheet *house = run.windows.sheet<HouseSheet>();
    house->optso->click();
    if (!type(house->txtintt, QStringLiteral("80000")) || !press(house->cmdtot) || !press(house->cmdbk)
        || !press(main->cmdcalded80))
        return false;
    DeductionsSheet *deductions = run.windows.sheet<DeductionsSheet>();
    if (!type(deductions->txtgpf, QStringLiteral("60000")) || !press(deductions->cmdtot) || !press(deductions->cmdbk)
        || !press(main->cmdcalc) || !press(main->cmdplan))
        return false;
    auto *plan = run.windows.sheet<PlanSheet>();
    plan->cbofrom->setCurrentText(QStringLiteral("Dec 14"));
    return plan->cbofrom->currentText() == QLatin1String("Dec 14") && press(plan->cmdcalc) && plan->cmdprint->isEnabled();
}

// Relief u/s 89 in a run of its own: a net taxable income of 9,00,000 with arrears of 1,00,000
// that belong to 2012-13, whose total income was 4,00,000.
bool fillReliefExample(App &run)
{
    MainSheet *main = run.windows.main();
    Windows::present(main);
    if (!type(main->txtname, QStringLiteral("R. K. Sharma")) || !type(main->txtgs, QStringLiteral("900000"))
        || !press(main->cmdcalc) || !press(main->cmdcalrel89))
        return false;
    ReliefSheet *relief = run.windows.sheet<ReliefSheet>();
    return type(relief->txtdob, QStringLiteral("15/08/1970")) && type(relief->txtpan, QStringLiteral("ABCPS1234K"))
        && type(relief->txtaddr, QStringLiteral("12 Rajpath, New Delhi 110001"))
        && type(relief->txtti[7], QStringLiteral("400000")) && type(relief->txtarr[7], QStringLiteral("100000"))
        && press(relief->cmdcalc);
}

// Eight bits a pixel and the strongest compression (quality 0) keep the pictures small;
// the windows have few colours.
bool save(QWidget *window, const QDir &folder, const QString &file)
{
    Windows::present(window);
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
bool renderStatements(App &run, const QDir &folder, const QString &sheet, const QString &pdf)
{
    const sheetlist::Sheet *entry = sheetlist::named(sheet);
    const sheetlist::Page page = entry->page(run.windows.sheets());
    const bool ok = page.problem.isEmpty() && print::renderToPdf(folder.filePath(pdf), entry->jobName, page.draw);
    if (!ok)
        std::fprintf(stderr, "cannot render %s into %s\n", qPrintable(pdf), qPrintable(folder.path()));
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

    App run;
    run.programEnder = [] {};
    auto *splash = new frmSplash(run);
    splash->Timer1->stop(); // the picture is taken before it would give way
    bool ok = save(splash, folder, QStringLiteral("splash.png"));
    delete splash;

    ok = ok && fillWorkedExample(run) && !messaged;
    ok = ok && save(run.windows.sheet<SalarySheet>(), folder, QStringLiteral("salary-sheet.png"))
        && save(run.windows.sheet<HraSheet>(), folder, QStringLiteral("hra-exemption.png"))
        && save(run.windows.sheet<HouseSheet>(), folder, QStringLiteral("house-property.png"))
        && save(run.windows.sheet<DeductionsSheet>(), folder, QStringLiteral("deductions.png"))
        && save(run.windows.main(), folder, QStringLiteral("main-sheet.png"));
    ok = ok && renderStatements(run, folder, "frmmain", "tax-statement.pdf")
        && renderStatements(run, folder, "Form1", "salary-statement.pdf");
    ok = ok && fillForm16(run) && !messaged && save(run.windows.sheet<Form16Sheet>(), folder, QStringLiteral("form-16-sheet.png"))
        && renderStatements(run, folder, "frmf16", "form-16.pdf");

    App reliefRun;
    reliefRun.programEnder = [] {};
    ok = ok && fillReliefExample(reliefRun) && !messaged
        && save(reliefRun.windows.sheet<ReliefSheet>(), folder, QStringLiteral("relief-89.png"))
        && renderStatements(reliefRun, folder, "frmrel89", "form-10e.pdf");

    App planRun;
    planRun.programEnder = [] {};
    ok = ok && fillPlannerExample(planRun) && !messaged
        && save(planRun.windows.sheet<PlanSheet>(), folder, QStringLiteral("planner.png"))
        && renderStatements(planRun, folder, "frmplan", "planner-page.pdf");
    return ok ? 0 : 1;
}
