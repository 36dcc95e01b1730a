// A return in a file and back, with no window: the records of the sheets it holds.
#pragma once

#include "app/sheetlist.h"

#include <variant>

namespace returnfile {

// Every sheet the file holds, each completed with its start-up values; or, in plain words,
// why the file is not a return this program can open (the whole file is checked first).
std::variant<sheetlist::Sheets, QString> load(const QString &fileName);

// Written whole or not at all: a new file takes the old one's place only when complete.
// Empty when done; otherwise why not.
QString save(const QString &fileName, const sheetlist::Sheets &sheets);

} // namespace returnfile
