// The amount field shared by all sheets: a right-aligned text box that starts at "0",
// selects its whole text when it receives the focus, and the helpers through which code
// writes fields (so that every write leaves the insertion point at the start).
#pragma once

#include <QLineEdit>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace fields {

// A typed text box whose GotFocus reaction selects the whole text with the insertion point
// at the start, whether the focus came by Tab, by a click or from code.
class AmountField : public QLineEdit
{
    Q_OBJECT
public:
    explicit AmountField(QWidget *parent = nullptr);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    bool m_selectAfterPress = false;
};

// Select the whole text of a line edit with the insertion point at its start.
void selectWhole(QLineEdit *field);

// Typed amount field, named `name`, text "0", right-aligned.
AmountField *makeAmountField(QWidget *parent, const QString &name);
// Typed text field (the name boxes): same focus reaction, left-aligned, starts empty.
AmountField *makeTextField(QWidget *parent, const QString &name);
// A PAN box: capitals whatever the keyboard is set to, ten characters at most as typed.
AmountField *makePanField(QWidget *parent, const QString &name);
// Computed field: read-only, dark red, not a Tab stop, text "0".
QLineEdit *makeComputedField(QWidget *parent, const QString &name);
// Turn an existing line edit into a computed field's look and behaviour.
void makeComputed(QLineEdit *field);

// Every write by code goes through here: set the text (raising the change reaction at once
// when it differs) and leave the insertion point at the start, as a typed digit then
// stands in front of what was written.
void writeText(QLineEdit *field, const QString &text);

// Write an amount as number text. A value that is not finite, or whose 15-digit text would
// no longer read back as a number (1.79769313486232E+308), is refused: nothing is written
// and the result is false, so the caller can stop and say so.
bool writeAmount(QLineEdit *field, double value);

// One result of a Calculate: written like writeAmount; when refused, the user is told which
// step (`what`, e.g. "gross total income") could not be worked out, and the result is false
// so that the Calculate stops there.
bool writeResult(QWidget *form, QLineEdit *field, double value, const QString &what);

// Strict reading of a typed field. When its text is not a number as a whole, the user is told
// which box (`caption`) holds what text, the focus goes to that box, and the result is empty.
std::optional<double> readTypedStrict(QWidget *form, QLineEdit *field, const QString &caption);

// The common change reaction: run `disableGuards`, then refill an emptied field with "0"
// (which raises the reaction once more; that nested run only disables the guards again).
void connectCommonChange(QLineEdit *field, const QObject *context,
                         std::function<void()> disableGuards);

} // namespace fields
