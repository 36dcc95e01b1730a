// The amount conversions on any input: the lenient reading agrees with a reading written
// here from the rules; number text has the documented form, at most 15 digits, and reads
// back the same both ways; the strict reading never gives an amount that is not finite.
#include "fields/conversions.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>
#include <vector>

namespace {

double cRead(const std::string &text)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(text.c_str(), nullptr, c);
}

std::string run(const std::string &s, size_t from, const char *digits)
{
    size_t end = from;
    while (end < s.size() && s[end] != '\0' && std::strchr(digits, s[end]))
        ++end;
    return s.substr(from, end - from);
}

// Blanks, tabs and line feeds dropped; "&H"/"&O" and hex or octal digits as a whole number;
// otherwise the longest [+-]digits[.digits][E[+-]digits] with at least one mantissa digit.
double reference(std::string_view bytes)
{
    std::string s;
    for (char c : bytes)
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h')) {
        const std::string hex = run(s, 2, "0123456789abcdefABCDEF");
        return hex.empty() ? 0 : cRead("0x" + hex);
    }
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'O' || s[1] == 'o')) {
        std::string bits, hex; // three bits an octal digit, read as hex so strtod rounds it
        for (char c : run(s, 2, "01234567"))
            for (int bit = 2; bit >= 0; --bit)
                bits += ((c - '0') >> bit & 1) ? '1' : '0';
        bits.insert(0, (4 - bits.size() % 4) % 4, '0');
        for (size_t i = 0; i < bits.size(); i += 4)
            hex += "0123456789abcdef"[std::stoi(bits.substr(i, 4), nullptr, 2)];
        return hex.empty() ? 0 : cRead("0x" + hex);
    }
    size_t i = s.size() && (s[0] == '+' || s[0] == '-') ? 1 : 0;
    const size_t whole = run(s, i, "0123456789").size();
    i += whole;
    size_t fraction = 0;
    if (i < s.size() && s[i] == '.')
        i += 1 + (fraction = run(s, i + 1, "0123456789").size());
    if (whole + fraction == 0)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        const size_t sign = i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-') ? 1 : 0;
        if (const size_t exponent = run(s, i + 1 + sign, "0123456789").size())
            i += 1 + sign + exponent;
    }
    return cRead(s.substr(0, i));
}

[[noreturn]] void fail(const char *what, const std::string &detail)
{
    std::fprintf(stderr, "broken: %s: %s\n", what, detail.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const QString text = QString::fromUtf8(bytes.data(), qsizetype(size));
    const double read = fields::readAmount(text), expected = reference(bytes);
    if (std::memcmp(&read, &expected, sizeof read) != 0)
        fail("lenient reading", std::to_string(read) + " instead of " + std::to_string(expected));
    if (const auto strict = fields::readStrict(text, QLocale::c()); strict && !std::isfinite(*strict))
        fail("strict reading", "not finite");

    std::vector<double> values = { read }; // and every whole 8-byte word of the input
    for (size_t at = 0; at + sizeof(double) <= size; at += sizeof(double))
        std::memcpy(&values.emplace_back(), data + at, sizeof(double));
    for (const double value : values) {
        if (!std::isfinite(value))
            continue;
        const QString written = fields::numberText(value);
        // "%.15G" writes the same form; at an exact tie between two 15-digit texts either
        // neighbour is as near, so only the form is checked there.
        char exact[80], canonical[40];
        std::snprintf(exact, sizeof exact, "%.60e", std::fabs(value));
        const bool tie = exact[16] == '5' && std::strspn(exact + 17, "0") == 45;
        std::snprintf(canonical, sizeof canonical, "%.15G", value == 0 ? 0.0 : value);
        if (!tie && written != QLatin1String(canonical))
            fail("number text", written.toStdString() + " instead of " + canonical);
        const double back = fields::readAmount(written);
        if (fields::readNumberText(written).value_or(NAN) != back && std::isfinite(back))
            fail("number text read back", written.toStdString());
    }
    return 0;
}
