// A run's return in a file and back: the controls of the sheets, read and shown by name.
#include "app/forms.h"

#include "sheets/deductions/frmreb88.h"
#include "sheets/hra/form2.h"
#include "sheets/house/form4.h"
#include "sheets/main/frmmain.h"
#include "sheets/relief/frmrel89.h"
#include "sheets/salary/form1.h"

#include "fields/amountfield.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>

namespace {

// The controls a return holds: every box (hidden and computed ones too), selection box,
// check box and option of a sheet; a selection box's own edit line is part of the box.
QList<QWidget *> controls(const QWidget *sheet)
{
    QList<QWidget *> found;
    for (QWidget *widget : sheet->findChildren<QWidget *>()) {
        if ((qobject_cast<QLineEdit *>(widget) || qobject_cast<QComboBox *>(widget)
                || qobject_cast<QCheckBox *>(widget) || qobject_cast<QRadioButton *>(widget))
            && !widget->objectName().isEmpty() && !qobject_cast<QComboBox *>(widget->parent()))
            found << widget;
    }
    return found;
}

QString valueOf(const QWidget *control)
{
    if (const auto *box = qobject_cast<const QLineEdit *>(control))
        return box->text();
    if (const auto *list = qobject_cast<const QComboBox *>(control))
        return list->currentText();
    return static_cast<const QAbstractButton *>(control)->isChecked() ? "1" : "0";
}

// Shows a value in a control as it is, without the change reaction its writing would run.
// Empty when done; otherwise what is wrong with the value.
QString show(QWidget *control, const QString &value)
{
    const QSignalBlocker quiet(qobject_cast<QAbstractButton *>(control) ? nullptr : control);
    if (auto *box = qobject_cast<QLineEdit *>(control)) {
        fields::writeText(box, value);
    } else if (auto *list = qobject_cast<QComboBox *>(control)) {
        const int index = list->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index < 0 && !list->isEditable())
            return QStringLiteral("is none of its choices");
        index < 0 ? list->setEditText(value) : list->setCurrentIndex(index);
    } else if (value == "1" || value == "0") {
        auto *button = static_cast<QAbstractButton *>(control);
        if (value == "1" || !button->autoExclusive()) // an option goes off when another is chosen
            button->setChecked(value == "1");
    } else {
        return QStringLiteral("is neither \"1\" nor \"0\"");
    }
    return {};
}

} // namespace

QWidget *Forms::sheet(const QString &name, bool make)
{
    if (name == "frmmain")
        return make || m_main ? mainSheet() : nullptr;
    if (name == "Form1")
        return make || m_salary ? salarySheet() : nullptr;
    if (name == "Form2")
        return make || m_hra ? hraSheet() : nullptr;
    if (name == "Form4")
        return make || m_house ? houseSheet() : nullptr;
    if (name == "frmreb88")
        return make || m_deductions ? deductionsSheet() : nullptr;
    return make || m_relief ? reliefSheet() : nullptr;
}

returnformat::Sheets Forms::sheets()
{
    returnformat::Sheets all;
    for (const QString &name : returnformat::kSheets) {
        if (const QWidget *form = sheet(name, name == "frmmain")) {
            for (const QWidget *control : controls(form))
                all[name].insert(control->objectName(), valueOf(control));
        }
    }
    return all;
}

QString Forms::show(const returnformat::Sheets &sheets)
{
    for (const QString &name : returnformat::kSheets) {
        if (!sheets.contains(name)) { // the main sheet stays; another is as if never opened
            if (name == "Form1")
                m_salary.reset();
            if (name == "Form2")
                m_hra.reset();
            if (name == "Form4")
                m_house.reset();
            if (name == "frmreb88")
                m_deductions.reset();
            if (name == "frmrel89")
                m_relief.reset();
            continue;
        }
        QHash<QString, QWidget *> byName;
        for (QWidget *control : controls(sheet(name, true)))
            byName.insert(control->objectName(), control);
        const returnformat::Controls &values = sheets[name];
        for (auto value = values.begin(); value != values.end(); ++value) {
            const QString where = QStringLiteral("\"%1\" on the sheet \"%2\"").arg(value.key(), name);
            QWidget *control = byName.value(value.key());
            if (!control)
                return QStringLiteral("the sheet \"%1\" has no control \"%2\"").arg(name, value.key());
            if (const QString wrong = ::show(control, value.value()); !wrong.isEmpty())
                return where + ' ' + wrong;
        }
        for (auto value = values.begin(); value != values.end(); ++value) {
            if (auto *option = qobject_cast<QRadioButton *>(byName.value(value.key()));
                option && option->isChecked() != (value.value() == "1"))
                return QStringLiteral("the options on the sheet \"%1\" do not say which one is chosen").arg(name);
        }
    }
    if (m_house)
        m_house->showOccupancy();
    // As after an edit: nothing is printed or handed back before a Calculate.
    auto off = [](const auto &buttons) {
        for (QPushButton *button : buttons)
            button->setEnabled(false);
    };
    off(m_main->guardButtons());
    if (m_salary)
        off(m_salary->guardButtons());
    if (m_hra)
        off(m_hra->guardButtons());
    if (m_house)
        off(m_house->guardButtons());
    if (m_deductions)
        off(m_deductions->guardButtons());
    if (m_relief)
        off(m_relief->guardButtons());
    return {};
}

QString Forms::openReturn(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    const auto read = returnformat::read(file.read(returnformat::kLargestFile + 1));
    if (const QString *why = std::get_if<QString>(&read))
        return *why;
    // The whole file goes on sheets of their own first, so that a control or a value this
    // program does not have leaves the run's sheets as they were.
    Forms staging;
    if (const QString why = staging.show(std::get<returnformat::Sheets>(read)); !why.isEmpty())
        return why;
    show(staging.sheets()); // complete: start-up values where the file says nothing
    m_returnFile = fileName;
    m_returnState = sheets();
    return {};
}

QString Forms::saveReturn(const QString &fileName)
{
    const returnformat::Sheets now = sheets();
    const QByteArray bytes = returnformat::write(now);
    QSaveFile file(fileName); // a new file that takes the old one's place only when complete
    // Unbuffered, so that a disk that fills up shows in what write() returns: a buffered
    // QSaveFile commits (and reports success) after a flush that wrote only part of the file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size()
        || !file.commit())
        return file.error() == QFileDevice::NoError ? QStringLiteral("the disk is full") : file.errorString();
    m_returnFile = fileName;
    m_returnState = now;
    return {};
}

bool Forms::changed()
{
    const returnformat::Sheets now = sheets();
    if (!m_returnFile.isEmpty())
        return now != m_returnState;
    Forms fresh;
    for (auto form = now.begin(); form != now.end(); ++form) {
        for (const QWidget *control : controls(fresh.sheet(form.key(), true)))
            if (form->value(control->objectName()) != valueOf(control))
                return true;
    }
    return false;
}
