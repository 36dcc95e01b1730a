#include "checks.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>

namespace fuzzcheck {
namespace {

double cStrtod(const std::string &text)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(text.c_str(), nullptr, cLocale);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isHexDigit(char c)
{
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
bool isOctalDigit(char c)
{
    return c >= '0' && c <= '7';
}

size_t digitRun(const std::string &s, size_t from, bool (*digit)(char))
{
    size_t end = from;
    while (end < s.size() && digit(s[end]))
        ++end;
    return end - from;
}

// The octal digits as the same number in hex digits, three bits per octal digit, so that
// strtod's hex reading rounds it.
std::string octalAsHex(const std::string &octal)
{
    std::string bits;
    for (char c : octal) {
        const int d = c - '0';
        bits += (d & 4) ? '1' : '0';
        bits += (d & 2) ? '1' : '0';
        bits += (d & 1) ? '1' : '0';
    }
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    std::string hex;
    for (size_t i = 0; i < bits.size(); i += 4) {
        int nibble = 0;
        for (size_t j = 0; j < 4; ++j)
            nibble = nibble * 2 + (bits[i + j] - '0');
        hex += "0123456789abcdef"[nibble];
    }
    return hex;
}

} // namespace

QString inputText(const uint8_t *data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}

double referenceAmount(std::string_view bytes)
{
    std::string s;
    for (char c : bytes) {
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;
    }

    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h')) {
        const std::string digits = s.substr(2, digitRun(s, 2, isHexDigit));
        return digits.empty() ? 0.0 : cStrtod("0x" + digits);
    }
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'O' || s[1] == 'o')) {
        const std::string digits = s.substr(2, digitRun(s, 2, isOctalDigit));
        return digits.empty() ? 0.0 : cStrtod("0x" + octalAsHex(digits));
    }

    size_t pos = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    const size_t wholeDigits = digitRun(s, pos, isDigit);
    pos += wholeDigits;
    size_t fractionDigits = 0;
    if (pos < s.size() && s[pos] == '.') {
        fractionDigits = digitRun(s, pos + 1, isDigit);
        pos += 1 + fractionDigits;
    }
    if (wholeDigits + fractionDigits == 0)
        return 0.0;
    if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
        size_t exponent = pos + 1;
        if (exponent < s.size() && (s[exponent] == '+' || s[exponent] == '-'))
            ++exponent;
        const size_t exponentDigits = digitRun(s, exponent, isDigit);
        if (exponentDigits > 0)
            pos = exponent + exponentDigits;
    }
    return cStrtod(s.substr(0, pos));
}

std::vector<double> doublesFrom(const uint8_t *data, size_t size)
{
    std::vector<double> values;
    for (size_t at = 0; at + sizeof(double) <= size && values.size() < 32; at += sizeof(double)) {
        double value;
        std::memcpy(&value, data + at, sizeof value);
        values.push_back(value);
    }
    const double read
        = referenceAmount(std::string_view(reinterpret_cast<const char *>(data), size));
    values.push_back(read);
    values.push_back(std::nextafter(read, HUGE_VAL));
    values.push_back(std::nextafter(read, -HUGE_VAL));

    std::vector<double> finite;
    for (double value : values) {
        if (std::isfinite(value))
            finite.push_back(value);
    }
    return finite;
}

std::string numberTextFault(const QString &text, double readBack)
{
    for (QChar c : text) {
        if (!QStringView(u"0123456789.-+E").contains(c))
            return "character outside -0123456789.E+";
    }
    const std::string s = text.toStdString();
    if (s == "-0")
        return "minus zero";
    size_t pos = s[0] == '-' ? 1 : 0;
    const size_t mantissaStart = pos;
    while (pos < s.size() && isDigit(s[pos]))
        ++pos;
    const size_t wholeDigits = pos - mantissaStart;
    if (wholeDigits == 0)
        return "no digit before the point";
    if (wholeDigits > 1 && s[mantissaStart] == '0')
        return "leading zero";
    size_t significant = s[mantissaStart] == '0' ? 0 : wholeDigits;
    if (pos < s.size() && s[pos] == '.') {
        const size_t fractionStart = ++pos;
        while (pos < s.size() && isDigit(s[pos]))
            ++pos;
        if (pos == fractionStart)
            return "point without digits after it";
        if (s[pos - 1] == '0')
            return "trailing zero after the point";
        size_t fractionSignificant = pos - fractionStart;
        if (significant == 0) {
            size_t leadingZeros = 0;
            while (s[fractionStart + leadingZeros] == '0')
                ++leadingZeros;
            fractionSignificant -= leadingZeros;
        }
        significant += fractionSignificant;
    }
    if (significant > 15)
        return "more than 15 significant digits";

    const bool hasExponent = pos < s.size();
    if (hasExponent) {
        if (s[pos] != 'E' || pos + 2 >= s.size() || (s[pos + 1] != '+' && s[pos + 1] != '-'))
            return "exponent not of the form E+dd or E-dd";
        for (size_t i = pos + 2; i < s.size(); ++i) {
            if (!isDigit(s[i]))
                return "exponent not of the form E+dd or E-dd";
        }
        if (wholeDigits != 1 || s[mantissaStart] == '0')
            return "exponent form without one leading digit";
    }
    const double magnitude = std::fabs(readBack);
    const bool wantExponent = magnitude != 0 && (magnitude >= 1e15 || magnitude < 1e-4);
    if (hasExponent != wantExponent)
        return wantExponent ? "no exponent form for a value from 1E+15 up or below 1E-04"
                            : "exponent form for a value between 1E-04 and 1E+15";
    return {};
}

bool roundsPastLargest(double value)
{
    return std::fabs(value) >= 1.797693134862315e308;
}

std::string digits15(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    return buffer;
}

bool isTieAt15Digits(double value)
{
    // glibc prints a double's exact decimal expansion, which is never longer than this.
    static char buffer[1200];
    std::snprintf(buffer, sizeof buffer, "%.1100e", std::fabs(value));
    const std::string_view text(buffer);
    const std::string_view digits = text.substr(2, text.find('e') - 2); // after "d."
    return digits.size() > 15 && digits[14] == '5'
        && digits.find_first_not_of('0', 15) == std::string_view::npos;
}

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

std::string describe(double value)
{
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%.17g (%a)", value, value);
    return buffer;
}

void fail(const char *property, const uint8_t *data, size_t size, const std::string &detail)
{
    std::fprintf(stderr, "\n*** property broken: %s\n*** %s\n*** input (%zu bytes):", property,
        detail.c_str(), size);
    for (size_t i = 0; i < size && i < 256; ++i)
        std::fprintf(stderr, " %02x", data[i]);
    std::fprintf(stderr, "\n");
    std::abort();
}

} // namespace fuzzcheck
