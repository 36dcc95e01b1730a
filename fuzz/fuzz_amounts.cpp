// The amount conversions on any input: the lenient reading agrees with a reading written
// here from the rules; number text has the documented form, at most 15 digits, and reads
// back the same both ways; the strict reading never gives an amount that is not finite.
#include "fields/conversions.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <regex>
#include <string>
#include <vector>

namespace {

double cRead(const std::string &text)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(text.c_str(), nullptr, c);
}

// Blanks, tabs and line feeds dropped; "&H"/"&O" and hex or octal digits as a whole number;
// otherwise the longest [+-]digits[.digits][E[+-]digits] with at least one mantissa digit.
double reference(std::string_view bytes)
{
    static const std::regex hex("^&[hH]([0-9a-fA-F]*)"), octal("^&[oO]([0-7]*)"),
        decimal(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)");
    std::string s;
    for (char c : bytes)
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;
    std::smatch m;
    if (std::regex_search(s, m, hex))
        return m[1].length() ? cRead("0x" + m[1].str()) : 0;
    if (std::regex_search(s, m, octal)) {
        std::string bits, digits; // three bits an octal digit, read as hex so strtod rounds it
        for (char c : m[1].str())
            for (int bit = 2; bit >= 0; --bit)
                bits += ((c - '0') >> bit & 1) ? '1' : '0';
        bits.insert(0, (4 - bits.size() % 4) % 4, '0');
        for (size_t i = 0; i < bits.size(); i += 4)
            digits += "0123456789abcdef"[std::stoi(bits.substr(i, 4), nullptr, 2)];
        return digits.empty() ? 0 : cRead("0x" + digits);
    }
    return std::regex_search(s, m, decimal) ? cRead(m[0].str()) : 0;
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
