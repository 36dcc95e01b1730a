// The file of one employee's return ("NAME.morvel"): UTF-8 JSON that holds, sheet by sheet,
// the text or state of every control, so that other programs and scripts can write and read
// it too. Plain data here: what each sheet may hold is the sheet list's business.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <variant>

namespace returnformat {

inline constexpr char kFormat[] = "morvel-return";
inline constexpr int kVersion = 1;
inline constexpr char kYear[] = "2014-15";
inline constexpr qint64 kLargestFile = 1024 * 1024;
inline constexpr qsizetype kLongestText = 10000;
// A control's text, or "1"/"0" for a box ticked or an option chosen, by the control's name
// ("txtbp(3)" for an element of an array); the controls by the name of their sheet.
using Controls = QMap<QString, QString>;
using Sheets = QMap<QString, Controls>;

QByteArray write(const Sheets &sheets);

// The sheets a file holds, or, in plain words, why it is not a return this program can open
// (also when it holds a sheet that is none of `sheetNames`).
std::variant<Sheets, QString> read(const QByteArray &bytes, const QStringList &sheetNames);

} // namespace returnformat
