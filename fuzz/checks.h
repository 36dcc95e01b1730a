// What the fuzz targets share: an independent reading of amount text to compare the program
// with, the doubles a fuzz input stands for, and the report of a broken property.
#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fuzzcheck {

// The fuzz input as text: its bytes as UTF-8 (bad sequences become U+FFFD).
QString inputText(const uint8_t *data, size_t size);

// The amount the lenient reading should give for these UTF-8 bytes, written from the rules
// rather than from the program: blanks, tabs and line feeds dropped; "&H"/"&O" and the hex or
// octal digits after it as a whole number, correctly rounded; otherwise the longest prefix of
// the form [+-]digits[.[digits]] or [+-].digits, with an exponent only if digits follow the
// E, read by strtod in the C locale; anything else 0.
double referenceAmount(std::string_view bytes);

// Finite doubles the input stands for: every whole 8-byte word of it, the number its text
// reads as, and the neighbours of that number (so limits like DBL_MAX are reached).
std::vector<double> doublesFrom(const uint8_t *data, size_t size);

// Checks that text is what number text may look like for a value read back as readBack:
// [-]digits[.digits][E(+|-)digits], no leading or trailing zeros, at most 15 significant
// digits, the exponent form exactly for 1E+15 and up and below 1E-04, never "-0".
// Returns an empty string when it is, else what is wrong.
std::string numberTextFault(const QString &text, double readBack);

// Whether value rounds, at 15 significant digits, past the largest double: its number text
// 1.79769313486232E+308 reads back as infinity, and the program refuses to write it.
bool roundsPastLargest(double value);

// value to 15 significant digits, as "d.dddddddddddddde+XX".
std::string digits15(double value);

// Whether value lies exactly halfway between two 15-digit decimals, where rounding either
// way is as near.
bool isTieAt15Digits(double value);

bool sameBits(double a, double b);
std::string describe(double value);

// Prints what broke, on which input, and aborts so that libFuzzer keeps the input.
[[noreturn]] void fail(
    const char *property, const uint8_t *data, size_t size, const std::string &detail);

} // namespace fuzzcheck
