#include "fields/sheetwindow.h"

#include "fields/amountfield.h"
#include "fields/labels.h"
#include "fields/messages.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace fields {

SheetWindow::SheetWindow(const QString &formName, const QString &title)
    : QDialog(nullptr, Qt::Window)
{
    setObjectName(formName);
    setWindowTitle(title);
}

void SheetWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closedByUser();
}

void SheetWindow::setButtons(QPushButton *calculate, const QList<QPushButton *> &guards)
{
    calculate->setDefault(true);
    m_guards = guards;
    setGuardsEnabled(false);
}

void SheetWindow::setGuardsEnabled(bool enabled)
{
    for (QPushButton *button : std::as_const(m_guards))
        button->setEnabled(enabled);
}

QWidget *SheetWindow::control(const QString &name) const
{
    if (m_controls.isEmpty()) {
        for (QWidget *widget : findChildren<QWidget *>())
            if (!widget->objectName().isEmpty())
                m_controls.insert(widget->objectName(), widget);
    }
    return m_controls.value(name);
}

void SheetWindow::refuse(const QString &message, const QString &box)
{
    setGuardsEnabled(false);
    showMessage(this, message);
    if (QWidget *widget = control(box))
        widget->setFocus();
}

QString SheetWindow::textOf(const QString &name) const
{
    QWidget *widget = control(name);
    if (const auto *box = qobject_cast<const QLineEdit *>(widget))
        return box->text();
    return static_cast<const QComboBox *>(widget)->currentText();
}

bool SheetWindow::isOn(const QString &name) const
{
    return static_cast<const QAbstractButton *>(control(name))->isChecked();
}

void SheetWindow::setText(const QString &name, const QString &text, bool react)
{
    QWidget *widget = control(name);
    const QSignalBlocker quiet(react ? nullptr : widget);
    if (auto *box = qobject_cast<QLineEdit *>(widget)) {
        if (box->text() != text)
            writeText(box, text);
        return;
    }
    auto *list = static_cast<QComboBox *>(widget);
    if (list->currentText() == text)
        return;
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    index < 0 ? list->setEditText(text) : list->setCurrentIndex(index);
}

void SheetWindow::setOn(const QString &name, bool on, bool)
{
    // Not quietly: what follows from a choice in the window alone (which option is a Tab
    // stop) must follow; the sheets react to a click, which setChecked() is not.
    auto *button = static_cast<QAbstractButton *>(control(name));
    if (button->isChecked() != on)
        button->setChecked(on);
}

QHBoxLayout *SheetWindow::makeCalculatePrintBack(QPushButton *&calculate, QPushButton *&print, QPushButton *&back)
{
    calculate = makeButton(this, QStringLiteral("cmdcalc"), QStringLiteral("&Calculate"));
    print = makeButton(this, QStringLiteral("cmdprint"), QStringLiteral("&Print"));
    back = makeButton(this, QStringLiteral("cmdback"), QStringLiteral("&Back"));
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton *button : { calculate, print, back })
        row->addWidget(button);
    return row;
}

} // namespace fields
