#include "fields/amountfield.h"

#include "fields/conversions.h"
#include "fields/messages.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QValidator>
#include <cmath>

namespace fields {

AmountField::AmountField(QWidget *parent)
    : QLineEdit(parent)
{
}

void AmountField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    selectWhole(this);
    // A click that gave the focus would move the cursor and drop the selection right after.
    m_selectAfterPress = event->reason() == Qt::MouseFocusReason;
}

void AmountField::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    if (m_selectAfterPress) {
        m_selectAfterPress = false;
        selectWhole(this);
    }
}

void selectWhole(QLineEdit *field)
{
    const int length = int(field->text().size());
    field->setSelection(length, -length);
}

AmountField *makeAmountField(QWidget *parent, const QString &name)
{
    auto *field = new AmountField(parent);
    field->setObjectName(name);
    field->setText(QStringLiteral("0"));
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setCursorPosition(0);
    return field;
}

AmountField *makeTextField(QWidget *parent, const QString &name)
{
    auto *field = new AmountField(parent);
    field->setObjectName(name);
    return field;
}

namespace {

// A PAN is typed in capitals and is ten characters long; what the program writes is not cut.
class PanValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        input = input.toUpper();
        return input.size() <= 10 ? Acceptable : Invalid;
    }
};

} // namespace

AmountField *makePanField(QWidget *parent, const QString &name)
{
    AmountField *field = makeTextField(parent, name);
    field->setValidator(new PanValidator(field));
    return field;
}

void makeComputed(QLineEdit *field)
{
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Text, QColor(Qt::darkRed));
    field->setPalette(palette);
}

QLineEdit *makeComputedField(QWidget *parent, const QString &name)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setText(QStringLiteral("0"));
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setCursorPosition(0);
    makeComputed(field);
    return field;
}

void writeText(QLineEdit *field, const QString &text)
{
    field->setText(text);
    field->setCursorPosition(0);
}

bool writeAmount(QLineEdit *field, double value)
{
    if (!std::isfinite(value))
        return false;
    const QString text = numberText(value);
    // Every later step reads the field back: its text must still be a finite amount.
    if (!std::isfinite(readAmount(text)))
        return false;
    writeText(field, text);
    return true;
}

bool writeResult(QWidget *form, QLineEdit *field, double value, const QString &what)
{
    if (writeAmount(field, value))
        return true;
    showMessage(form, QStringLiteral("The %1 could not be worked out: the amounts are too "
                                     "large. Calculation stopped there.")
                          .arg(what));
    return false;
}

std::optional<double> readTypedStrict(QWidget *form, QLineEdit *field, const QString &caption)
{
    const QString text = field->text();
    if (const std::optional<double> value = readStrict(text))
        return value;
    showMessage(form, QStringLiteral("The box \"%1\" holds \"%2\", which is not a number. "
                                     "Please correct it and calculate again.")
                          .arg(caption.trimmed(), text));
    field->setFocus();
    return std::nullopt;
}

void connectCommonChange(QLineEdit *field, const QObject *context,
                         std::function<void()> disableGuards)
{
    QObject::connect(field, &QLineEdit::textChanged, context,
                     [field, disableGuards = std::move(disableGuards)](const QString &text) {
                         disableGuards();
                         if (text.isEmpty())
                             writeText(field, QStringLiteral("0"));
                     });
}

} // namespace fields
