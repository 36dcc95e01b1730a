// The three conversions between field text and amounts, and the one rounding rule.
// Every amount on every sheet goes through these, so that a value read, computed and
// written back behaves the same everywhere.
#pragma once

#include <QLocale>
#include <QString>
#include <cmath>
#include <optional>

namespace fields {

// Lenient reading of an amount field: blanks, tabs and line feeds anywhere are ignored,
// then the longest leading number is taken ("12,500" -> 12, "Rs. 500" -> 0, "1e3" -> 1000,
// "&H1F" -> 31, "&O17" -> 15; hex and octal of any length are rounded to the nearest double
// like decimal text). The decimal point is always ".". Never fails; text too large for a
// double reads as +/-infinity, which every computation then refuses to write.
double readAmount(const QString &text);

// Strict reading of the whole text as a number in the given locale's format (blanks around
// it, sign, grouping, the locale's decimal separator, exponent). The program's own number
// text (decimal point ".") is accepted too, so that a figure written by one sheet always
// reads back on another. Empty text, anything else, and values beyond a double: nullopt.
std::optional<double> readStrict(const QString &text, const QLocale &locale = QLocale());

// Reading of text the program wrote itself (number text): strict, whatever the desktop's
// number format, so that "1.234" is always one rupee and a fraction.
std::optional<double> readNumberText(const QString &text);

// Number text: the shortest text with at most 15 significant digits, no grouping, no
// trailing zeros; exponent form from 1E+15 up ("1E+15") and below 1E-4 ("1E-05").
// The value must be finite; -0 is written as "0".
QString numberText(double value);

// Rounding to a whole number with ties to the even neighbour (0.5 -> 0, 1.5 -> 2, 2.5 -> 2).
// Relies on the default FE_TONEAREST mode, which the program never changes.
inline double roundHalfEven(double value)
{
    return std::nearbyint(value);
}

} // namespace fields
