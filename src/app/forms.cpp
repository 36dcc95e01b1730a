#include "app/forms.h"

#include "app/branding.h"
#include "app/dialogkeyboard.h"
#include "fields/messages.h"
#include "print/sheetfields.h"
#include "sheets/deductions/frmreb88.h"
#include "sheets/hra/form2.h"
#include "sheets/house/form4.h"
#include "sheets/main/frmmain.h"
#include "sheets/salary/form1.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QKeyEvent>
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
            || window == m_house.get() || window == m_deductions.get());
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
    m_main.reset();
}

frmmain *Forms::mainSheet()
{
    if (!m_main)
        m_main = std::make_unique<frmmain>(*this);
    return m_main.get();
}

Form1 *Forms::salarySheet()
{
    if (!m_salary) {
        m_salary = std::make_unique<Form1>(*this);
        connect(m_salary.get(), &Form1::closedByUser, this, &Forms::discardSalarySheet);
    }
    return m_salary.get();
}

void Forms::discardSalarySheet()
{
    // The window is being closed from inside its own event: delete it once that returns.
    if (m_salary)
        m_salary.release()->deleteLater();
}

Form2 *Forms::hraSheet()
{
    if (!m_hra)
        m_hra = std::make_unique<Form2>(*this);
    return m_hra.get();
}

Form4 *Forms::houseSheet()
{
    if (!m_house)
        m_house = std::make_unique<Form4>(*this);
    return m_house.get();
}

frmreb88 *Forms::deductionsSheet()
{
    if (!m_deductions)
        m_deductions = std::make_unique<frmreb88>(*this);
    return m_deductions.get();
}

print::TaxStatementFields Forms::taxStatement()
{
    return print::taxStatementFields(*mainSheet(), m_house.get(), m_deductions.get());
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
