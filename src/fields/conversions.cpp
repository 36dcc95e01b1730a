#include "fields/conversions.h"

#include <QByteArray>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace fields {
namespace {

bool isIgnoredBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isAsciiDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// strtod in the "C" locale whatever LC_NUMERIC the desktop set: the point is always ".".
double parseCDouble(const QByteArray &ascii)
{
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr));
    return strtod_l(ascii.constData(), nullptr, cLocale);
}

// "&H..." / "&O..." after the blanks are gone: a whole number in base 16 or 8, rounded once
// to the nearest double as decimal text is, however many digits it has.
double readRadix(const QString &text, qsizetype start, int base)
{
    const int bitsPerDigit = base == 16 ? 4 : 3;
    quint64 leadingBits = 0; // the first 64 significant bits
    qsizetype droppedBits = 0; // bits after those, each a factor of 2
    bool droppedOne = false;
    for (qsizetype i = start; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        int digit = -1;
        if (isAsciiDigit(c))
            digit = c - u'0';
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        if (digit < 0 || digit >= base)
            break;
        for (int bit = bitsPerDigit - 1; bit >= 0; --bit) {
            const bool one = (digit >> bit) & 1;
            if (leadingBits >> 63) {
                ++droppedBits;
                droppedOne = droppedOne || one;
            } else {
                leadingBits = leadingBits << 1 | quint64(one);
            }
        }
    }
    // 64 bits are 11 more than a double keeps, so the dropped bits can only decide a tie:
    // folding them into the lowest bit keeps the single rounding of the conversion right.
    if (droppedOne)
        leadingBits |= 1;
    if (droppedBits > 2048) // only once leadingBits is full: far beyond the largest double
        return std::numeric_limits<double>::infinity();
    return std::ldexp(double(leadingBits), int(droppedBits));
}

// The format of number text: decimal point ".", no grouping.
const QLocale &programFormat()
{
    static const QLocale format = [] {
        QLocale c = QLocale::c();
        c.setNumberOptions(QLocale::RejectGroupSeparator);
        return c;
    }();
    return format;
}

} // namespace

double readAmount(const QString &text)
{
    // Most amounts are whole rupees as the program writes them: read those at once. Fifteen
    // digits at most, so that the value is the exact double strtod would give.
    if (const qsizetype n = text.size(); n > 0 && n <= 16) {
        const bool sign = text.at(0) == u'-' || text.at(0) == u'+';
        qint64 whole = 0;
        qsizetype i = sign ? 1 : 0;
        for (; i < n && isAsciiDigit(text.at(i).unicode()); ++i)
            whole = whole * 10 + (text.at(i).unicode() - u'0');
        if (i == n && n - (sign ? 1 : 0) > 0 && n - (sign ? 1 : 0) <= 15)
            return text.at(0) == u'-' ? -double(whole) : double(whole);
    }

    QString compact;
    compact.reserve(text.size());
    for (const QChar c : text) {
        if (!isIgnoredBlank(c))
            compact.append(c);
    }

    if (compact.size() >= 2 && compact.at(0) == u'&') {
        const QChar radix = compact.at(1).toUpper();
        if (radix == u'H')
            return readRadix(compact, 2, 16);
        if (radix == u'O')
            return readRadix(compact, 2, 8);
    }

    // Find the longest leading part of the form [sign] digits [. digits] [E [sign] digits].
    qsizetype i = 0;
    const qsizetype n = compact.size();
    if (i < n && (compact.at(i) == u'+' || compact.at(i) == u'-'))
        ++i;
    qsizetype mantissaDigits = 0;
    while (i < n && isAsciiDigit(compact.at(i).unicode())) {
        ++i;
        ++mantissaDigits;
    }
    if (i < n && compact.at(i) == u'.') {
        ++i;
        while (i < n && isAsciiDigit(compact.at(i).unicode())) {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return 0;
    qsizetype end = i;
    if (i < n && (compact.at(i) == u'E' || compact.at(i) == u'e')) {
        qsizetype j = i + 1;
        if (j < n && (compact.at(j) == u'+' || compact.at(j) == u'-'))
            ++j;
        const qsizetype exponentStart = j;
        while (j < n && isAsciiDigit(compact.at(j).unicode()))
            ++j;
        if (j > exponentStart)
            end = j; // "1e" and "1e+" stop before the E
    }
    return parseCDouble(compact.left(end).toLatin1());
}

std::optional<double> readStrict(const QString &text, const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;

    bool ok = false;
    double value = locale.toDouble(trimmed, &ok);
    if (!ok)
        value = programFormat().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> readNumberText(const QString &text)
{
    return readStrict(text, programFormat());
}

QString numberText(double value)
{
    if (value == 0)
        return QStringLiteral("0"); // also for -0, which is no amount of its own
    // A whole amount below 1E+15 has at most fifteen digits: its text is the integer's.
    if (std::abs(value) < 1e15 && value == std::trunc(value))
        return QString::number(qint64(value));
    QString text = QString::number(value, 'g', 15);
    const qsizetype e = text.indexOf(u'e');
    if (e >= 0)
        text[e] = u'E';
    return text;
}

} // namespace fields
