// What every sheet's record shares. A record is the state of one sheet as plain values: the
// text of each box by its control name (a member of an array as "txtbp(3)"), the text of each
// list, and whether each tick or option is on, exactly as the window shows them. A record
// names its controls once, in visit(); files, windows and tests all go through that list.
#pragma once

#include <QLocale>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

namespace records {

// A sheet's controls as a file holds them: a box's or list's text, "1" or "0" for a tick or
// an option, by the control's name.
using Controls = QMap<QString, QString>;

// What a Calculate or a hand-back would tell the user, and the control the keyboard then goes
// to (empty: it stays where it is). A window shows it in a message box; the batch reports it.
struct Said
{
    QString message;
    QString box;
};

// The visitors a record's visit() is called with see four kinds of control:
//   box(name, text, maxLength)            a text box; a longer text is cut as the window cuts it
//   list(name, text, items, editable)     a selection list; a fixed one shows only its items
//   tick(name, on)                        a check box
//   option(name, on, group)               an option button; one of its group is on
// `text` and `on` are references into the record, const when the record is.

namespace detail {

struct ToControls
{
    Controls *out;
    template <class T> void box(const QString &name, T &text, int = -1) { out->insert(name, text); }
    template <class T> void list(const QString &name, T &text, const QStringList &, bool) { out->insert(name, text); }
    template <class T> void tick(const QString &name, T &on) { out->insert(name, on ? "1" : "0"); }
    template <class T> void option(const QString &name, T &on, int) { out->insert(name, on ? "1" : "0"); }
};

} // namespace detail

template <class Record> Controls controlsOf(const Record &record)
{
    Controls controls;
    detail::ToControls visitor { &controls };
    Record::visit(record, visitor);
    return controls;
}

// Puts a file's controls on a record that holds its start-up values, as the window would show
// them: the texts as they stand (cut to a box's longest text), a fixed list only to one of its
// items, an option on turning the others of its group off. Nothing: done. Otherwise why the
// values do not fit (`sheet` names the sheet in it), and the record is as it was.
template <class Record> std::optional<QString> fill(Record &record, const QString &sheet, const Controls &controls);

} // namespace records

#include "records/record_impl.h"
