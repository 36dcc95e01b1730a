// What the widget tests share: a fresh run of the sheets for every test, the messages the
// program shows, and typing as a user types.
#pragma once

#include "app/app.h"
#include "fields/messages.h"
#include "records/record.h"
#include "sheets/deductions/deductionssheet.h"
#include "sheets/house/housesheet.h"
#include "sheets/hra/hrasheet.h"
#include "sheets/main/mainsheet.h"
#include "sheets/relief/reliefsheet.h"
#include "sheets/salary/salarysheet.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <array>
#include <memory>

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

    // A sheet's window, made as when anything first asks for it.
    template <class Window> Window *sheet() { return run->windows.sheet<Window>(); }

    std::unique_ptr<App> run;
    MainSheet *main = nullptr;
    int ended = 0; // how often the run was ended

protected slots:
    void init();
    void cleanup();

private:
    QStringList m_messages;
};

// A table of test data: a row for each line of `rows`, its name first, then its cells, all
// separated by "|" (blanks around them do not count; "\t" and "\n" stand for a tab and a
// line feed). The test function takes its row's cells with cells<N>().
void table(const char *rows);
template <size_t N> std::array<QString, N> cells()
{
    QFETCH(QStringList, row);
    std::array<QString, N> cells;
    std::copy_n(row.begin(), std::min(N, size_t(row.size())), cells.begin());
    return cells;
}

// Selects the whole text of a box (or a combo box's) and types over it with key events;
// an empty text deletes it.
void type(QWidget *box, const QString &text);
// Clicks a button with the mouse (a disabled one does nothing).
void press(QAbstractButton *button);
// Types each of the blank-separated texts over the sheet's box of the same place in `boxes`,
// and the texts the sheet's named boxes show, joined by blanks.
void fill(const QWidget *sheet, const QString &boxes, const QString &texts);
QString shown(const QWidget *sheet, const QString &boxes);
// Writes a file; its name.
QString write(const QString &path, const QByteArray &bytes);

// Records with no window. "name=text" pairs, "~" standing for a blank and '' for an emptied box.
records::Controls pairs(const QString &entries);
// Puts them on a record as a file does; the test fails when they are refused.
template <class R> void put(R &record, const QString &entries)
{
    const std::optional<QString> why = records::fill(record, "test", pairs(entries));
    QVERIFY2(!why, qPrintable(why.value_or(QString())));
}
// The texts a record shows for the blank-separated names, joined by blanks.
template <class R> requires(!std::is_pointer_v<R>) QString shown(const R &record, const QString &names)
{
    const records::Controls controls = records::controlsOf(record);
    QStringList out;
    for (const QString &name : names.split(' ', Qt::SkipEmptyParts))
        out << controls.value(name, "<none>");
    return out.join(' ');
}
// Compares what a record shows with "name=text" pairs.
template <class R> void compareShown(const R &record, const QString &entries)
{
    const records::Controls expected = pairs(entries);
    QCOMPARE(shown(record, expected.keys().join(' ')), expected.values().join(' '));
}
// What the user is told and, after "@", the box the keyboard goes to; empty: nothing.
QString told(const std::optional<records::Said> &said);

} // namespace testsupport
