// The one list of sheets. Each entry says what a sheet is called, how its record is read from
// a file and shown in its window, how it is opened from the main sheet and what it hands back
// there, how the batch works it out, and what its Print prints. Files, windows, print and the
// batch all take their list from here: a new sheet is its own files and one entry in sheetlist.cpp.
#pragma once

#include "print/printing.h"
#include "records/main.h"

#include <QList>
#include <functional>
#include <variant>

namespace fields {
class SheetWindow;
}

namespace sheetlist {

// A return as the program holds it: the records of the sheets it uses, as controls by name.
using Sheets = QMap<QString, records::Controls>;

// A printed page of a return: why it cannot be printed (empty: it can), and how it is drawn.
struct Page
{
    QString problem;
    print::DrawPage draw;
};

struct Sheet
{
    QString name;            // the form's name, as files, key scripts and tests know it
    QString opener;          // the main sheet's "Calc." button that opens it (none: the main sheet)
    QString focusOnOpen;     // where the keyboard goes on the sheet once opened (none: it stays)
    QString focusAfterBack;  // where the keyboard goes on the main sheet after Back
    bool backHides = true;   // false: the sheet stays open behind the main sheet
    bool closeDiscards = false; // closing its window discards the sheet and its values
    bool staleOnOpen = false;   // its figures come from other sheets: out of date at each opening
    records::Controls startUp; // a new sheet's controls

    // A file's controls completed with the start-up values, or why they do not fit.
    std::function<std::variant<records::Controls, QString>(const records::Controls &)> complete;
    // The window: made, read and shown (quietly: the values as they stand). A new sheet's
    // controls may start from elsewhere than its record's start-up values (none: they do not).
    std::function<fields::SheetWindow *()> make;
    std::function<void(records::Controls &)> starting;
    std::function<records::Controls(const fields::SheetWindow &)> read;
    std::function<void(fields::SheetWindow &, const records::Controls &)> show;
    // Opening from the main sheet: what it takes over from the return's sheets, written as
    // typing would.
    std::function<void(const Sheets &, fields::SheetWindow &)> open;
    // Back: the sheet's result written into the main record, or what the user is told.
    std::function<std::optional<records::Said>(const fields::SheetWindow &, records::MainRecord &)> handBack;

    // The batch: what Calculate says when worked out on a return (none: the batch leaves the
    // sheet as the file holds it); a sheet the main sheet opens takes over its figures first.
    // A window that asks the app to calculate it (its figures come from other sheets) is
    // worked out the same way, and then `worked` has its controls.
    std::function<std::optional<records::Said>(Sheets &)> calculate;
    std::function<void(const records::Controls &)> worked;

    // Its Print: the statement's file ending and job name, and the page from the records.
    QString pdfSuffix;
    QString jobName;
    std::function<Page(const Sheets &)> page;
};

const QList<Sheet> &all();
// The forms' names, in the list's order.
QStringList names();
// The entry of a form's name, or of the main sheet's button that opens it; nullptr: none.
const Sheet *named(const QString &name);
const Sheet *openedBy(const QString &button);

// The typed record of a sheet in `sheets`: the start-up record where the return does not
// hold the sheet.
template <class Record> Record recordOf(const Sheets &sheets, const QString &name)
{
    Record record;
    if (const auto found = sheets.constFind(name); found != sheets.constEnd())
        records::fill(record, name, *found);
    return record;
}

} // namespace sheetlist
