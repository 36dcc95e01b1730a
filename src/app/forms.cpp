#include "app/forms.h"

#include "app/branding.h"
#include "app/dialogkeyboard.h"
#include "app/statements.h"
#include "fields/messages.h"
#include "print/printing.h"
#include "sheets/deductions/frmreb88.h"
#include "sheets/hra/form2.h"
#include "sheets/house/form4.h"
#include "sheets/main/frmmain.h"
#include "sheets/relief/frmrel89.h"
#include "sheets/salary/form1.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>

Forms::Forms()
    : programEnder([] { QCoreApplication::exit(0); })
    , urlOpener([](const QUrl &url) { return QDesktopServices::openUrl(url); })
    , chooseReturnFile([](QWidget *parent, bool saving, const QString &suggested) {
        const QString filter = QStringLiteral("Morvel returns (*.morvel)");
        QString name = saving ? QFileDialog::getSaveFileName(parent, QStringLiteral("Save Return"), suggested, filter)
                              : QFileDialog::getOpenFileName(parent, QStringLiteral("Open Return"), suggested, filter);
        if (saving && !name.isEmpty() && !name.endsWith(QLatin1String(".morvel"), Qt::CaseInsensitive))
            name += QStringLiteral(".morvel");
        return name;
    })
    , askToSave([](QWidget *parent, const QString &question) {
        QMessageBox box(QMessageBox::NoIcon, QString::fromUtf16(fields::kApplicationTitle), question,
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        const int answer = box.exec();
        return answer == QMessageBox::Save ? Answer::Save
            : answer == QMessageBox::Discard ? Answer::Discard : Answer::Cancel;
    })
{
    QCoreApplication::instance()->installEventFilter(this);
    DialogKeyboard::install();
}

bool Forms::isSheet(const QWidget *window) const
{
    return window
        && (window == m_main.get() || window == m_salary.get() || window == m_hra.get()
            || window == m_house.get() || window == m_deductions.get() || window == m_relief.get());
}

bool Forms::eventFilter(QObject *watched, QEvent *event)
{
    // A key pressed with Alt reaches a box only when no enabled access key took it, and the
    // box would type its letter (Alt+P while Print is off): on a sheet it changes nothing.
    // Alt+Down still opens a list; AltGr, and Ctrl+Alt where it stands for AltGr, still type.
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<const QKeyEvent *>(event);
        const auto *widget = qobject_cast<const QWidget *>(watched);
        const int code = key->key();
        if ((key->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) == Qt::AltModifier
            && code != Qt::Key_Down && code != Qt::Key_Alt && code != Qt::Key_Shift
            && code != Qt::Key_Control && code != Qt::Key_Meta && widget && isSheet(widget->window()))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

Forms::~Forms()
{
    // Sub-forms first: their destruction must not find the main sheet gone.
    m_salary.reset();
    m_hra.reset();
    m_house.reset();
    m_deductions.reset();
    m_relief.reset();
    m_main.reset();
}

frmmain *Forms::mainSheet()
{
    if (m_main)
        return m_main.get();
    m_main = std::make_unique<frmmain>();
    frmmain *main = m_main.get();
    main->showCredits(branding::authorCredit(), branding::homePage());
    connect(main, &frmmain::salarySheetWanted, this, &Forms::openSalarySheet);
    connect(main, &frmmain::hraSheetWanted, this, &Forms::openHraSheet);
    connect(main, &frmmain::houseSheetWanted, this, &Forms::openHouseSheet);
    connect(main, &frmmain::deductionsSheetWanted, this, &Forms::openDeductionsSheet);
    connect(main, &frmmain::relief89SheetWanted, this, &Forms::openRelief89Sheet);
    connect(main, &frmmain::printWanted, this, &Forms::printTaxStatement);
    connect(main, &frmmain::openWanted, this, &Forms::open);
    connect(main, &frmmain::saveWanted, this, &Forms::save);
    connect(main, &frmmain::saveAsWanted, this, &Forms::saveAs);
    connect(main, &frmmain::exitWanted, this, &Forms::exit);
    connect(main, &frmmain::homePageWanted, this, &Forms::showHomePage);
    return main;
}

template <class Sheet, class Figure>
Sheet *Forms::subSheet(std::unique_ptr<Sheet> &sheet, void (frmmain::*take)(Figure))
{
    if (!sheet) {
        sheet = std::make_unique<Sheet>();
        connect(sheet.get(), &Sheet::handedBack, this, [this, take](Figure figure) {
            present(mainSheet());
            (mainSheet()->*take)(figure);
        });
    }
    return sheet.get();
}

Form1 *Forms::salarySheet()
{
    const bool made = !m_salary;
    Form1 *salary = subSheet(m_salary, &frmmain::takeSalary);
    if (made) {
        connect(salary, &Form1::printWanted, this, &Forms::printSalaryStatement);
        connect(salary, &Form1::closedByUser, this, &Forms::discardSalarySheet);
    }
    return salary;
}

void Forms::discardSalarySheet()
{
    // The window is being closed from inside its own event: delete it once that returns.
    if (m_salary)
        m_salary.release()->deleteLater();
}

Form2 *Forms::hraSheet()
{
    return subSheet(m_hra, &frmmain::takeHraExemption);
}

Form4 *Forms::houseSheet()
{
    return subSheet(m_house, &frmmain::takeHouseIncome);
}

frmreb88 *Forms::deductionsSheet()
{
    return subSheet(m_deductions, &frmmain::takeDeductions);
}

frmrel89 *Forms::reliefSheet()
{
    const bool made = !m_relief;
    frmrel89 *relief = subSheet(m_relief, &frmmain::takeRelief89);
    if (made)
        connect(relief, &frmrel89::printWanted, this, &Forms::printForm10E);
    return relief;
}

void Forms::openSalarySheet(const QString &name)
{
    Form1 *salary = salarySheet();
    present(salary);
    salary->takeName(name);
}

void Forms::openHraSheet(double basicPay, double gradePay, double dearness, double hraDrawn)
{
    Form2 *hra = hraSheet();
    present(hra);
    hra->takePay(basicPay, gradePay, dearness, hraDrawn);
}

void Forms::openHouseSheet()
{
    present(houseSheet());
}

void Forms::openDeductionsSheet(double pensionContribution)
{
    frmreb88 *deductions = deductionsSheet();
    present(deductions);
    deductions->takePensionContribution(pensionContribution);
}

void Forms::openRelief89Sheet(double netTaxableIncome, tax::AgeGroup age, const QString &name)
{
    frmrel89 *relief = reliefSheet();
    present(relief);
    relief->takeMain(netTaxableIncome, age, name);
}

void Forms::printForm10E()
{
    print::printForm10E(reliefSheet(), statements::form10eFields(*reliefSheet()));
}

void Forms::printTaxStatement()
{
    print::printTaxStatement(mainSheet(), taxStatement());
}

void Forms::printSalaryStatement()
{
    print::printSalaryStatement(salarySheet(), statements::salaryStatementFields(*salarySheet()));
}

void Forms::exit()
{
    if (mayLeave(false))
        endProgram();
}

void Forms::showHomePage()
{
    if (!openHomePage())
        fields::showMessage(mainSheet(), QStringLiteral("Unable to start Web browser !"));
}

print::TaxStatementFields Forms::taxStatement()
{
    return statements::taxStatementFields(*mainSheet(), m_house.get(), m_deductions.get());
}

void Forms::present(QWidget *form)
{
    form->show();
    form->raise();
    form->activateWindow();
}

void Forms::endProgram()
{
    if (programEnder)
        programEnder();
}

bool Forms::openHomePage()
{
    return urlOpener && urlOpener(QUrl(branding::homePage()));
}

bool Forms::mayLeave(bool evenWithoutFile)
{
    if ((m_returnFile.isEmpty() && !evenWithoutFile) || !changed())
        return true;
    const QString question = m_returnFile.isEmpty()
        ? QStringLiteral("What was typed is in no file. Save it?")
        : QStringLiteral("The return \"%1\" has changed since it was opened or saved. Save the changes?")
              .arg(QFileInfo(m_returnFile).fileName());
    switch (askToSave(mainSheet(), question)) {
    case Answer::Save:
        return save();
    case Answer::Discard:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

void Forms::openReturnFile(const QString &fileName)
{
    if (const QString why = openReturn(fileName); !why.isEmpty())
        fields::showMessage(mainSheet(), QStringLiteral("The return \"%1\" was not opened: %2.")
                                             .arg(QDir::toNativeSeparators(fileName), why));
    else
        mainSheet()->showReturnFile(fileName);
}

bool Forms::saveReturnFile(const QString &fileName)
{
    if (const QString why = saveReturn(fileName); !why.isEmpty()) {
        fields::showMessage(mainSheet(),
            QStringLiteral("The return was not saved in \"%1\": %2. A file that was there stays as it was.")
                .arg(QDir::toNativeSeparators(fileName), why));
        return false;
    }
    mainSheet()->showReturnFile(fileName);
    return true;
}

void Forms::open()
{
    if (!mayLeave(true))
        return;
    const QString fileName = chooseReturnFile(mainSheet(), false, returnFolder().path());
    if (!fileName.isEmpty())
        openReturnFile(fileName);
}

bool Forms::save()
{
    return m_returnFile.isEmpty() ? saveAs() : saveReturnFile(m_returnFile);
}

bool Forms::saveAs()
{
    // A name such as "Ram S/O Shyam" names a file, not a folder.
    QString name = mainSheet()->txtname->text().trimmed().replace(QLatin1Char('/'), QLatin1Char('-'));
    const QString fileName = chooseReturnFile(
        mainSheet(), true, returnFolder().filePath((name.isEmpty() ? QStringLiteral("return") : name) + ".morvel"));
    return !fileName.isEmpty() && saveReturnFile(fileName);
}

QDir Forms::returnFolder() const
{
    return m_returnFile.isEmpty() ? QDir::home() : QFileInfo(m_returnFile).dir();
}
