// What the widget tests share: a fresh run of the sheets for every test, the messages the
// program shows, and typing as a user types.
#pragma once

#include "app/forms.h"
#include "fields/messages.h"

#include <QObject>
#include <QStringList>
#include <memory>

class QLineEdit;
class QAbstractButton;
class frmmain;

namespace testsupport {

// Base of the widget test classes. Each test starts from a new run with the main sheet
// shown and active. Messages are recorded instead of opening a box: one that the test did
// not take with takeMessages() fails it when it ends.
class SheetTest : public QObject
{
    Q_OBJECT
protected:
    QStringList takeMessages() { return std::exchange(m_messages, {}); }
    // Opens a sheet by its name with its "Calc." button ("frmmain": the main sheet itself)
    // and waits until it has the keyboard; nullptr when it does not come.
    QWidget *openSheet(const QString &name);

    std::unique_ptr<Forms> forms;
    frmmain *main = nullptr;
    int ended = 0; // how often the run was ended

protected slots:
    void init();
    void cleanup();

private:
    QStringList m_messages;
};

// A table of test data: a text column for each name, and a row for each line of `rows`, its
// name first, then its texts, all separated by "|" (blanks around them do not count).
void table(std::initializer_list<const char *> columns, const char *rows);

// Selects the whole text of a box (or a combo box's) and types over it with key events;
// an empty text deletes it.
void type(QWidget *box, const QString &text);
// Clicks a button with the mouse (a disabled one does nothing).
void press(QAbstractButton *button);
// The texts of boxes, in order.
QStringList texts(std::initializer_list<const QLineEdit *> boxes);

} // namespace testsupport
