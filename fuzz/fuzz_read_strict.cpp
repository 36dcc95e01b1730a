// The strict readings accept the program's own number text, reading it as the lenient
// reading does, and never give a value beyond a double on any text.
#include "checks.h"
#include "fields/conversions.h"

#include <QLocale>
#include <array>
#include <cmath>

using namespace fuzzcheck;

namespace {

const std::array<QLocale, 5> &locales()
{
    static const std::array<QLocale, 5> all = {
        QLocale(QStringLiteral("C")),
        QLocale(QStringLiteral("en_US")),
        QLocale(QStringLiteral("en_IN")),
        QLocale(QStringLiteral("de_DE")),
        QLocale(QStringLiteral("fr_FR")),
    };
    return all;
}

std::string localeName(const QLocale &locale)
{
    return locale.name().toStdString();
}

// Where "." groups thousands (German), typed "1.234" is 1234: the user's format comes first
// for typed text, and the program reads its own text with readNumberText instead.
bool readsPointAsGrouping(const QLocale &locale, const QString &text)
{
    return locale.groupSeparator() == u"." && text.contains(u'.');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = inputText(data, size);
    for (const QLocale &locale : locales()) {
        const std::optional<double> value = fields::readStrict(text, locale);
        if (value && !std::isfinite(*value))
            fail("the strict reading never gives a value beyond a double", data, size,
                localeName(locale) + ": " + describe(*value));
    }
    if (const std::optional<double> value = fields::readNumberText(text);
        value && !std::isfinite(*value))
        fail("the reading of number text never gives a value beyond a double", data, size,
            describe(*value));

    for (double value : doublesFrom(data, size)) {
        const QString written = fields::numberText(value);
        const double lenient = fields::readAmount(written);
        if (!std::isfinite(lenient))
            continue; // text the program refuses to write (fuzz_number_text checks which)
        const std::string shown
            = "text \"" + written.toStdString() + "\", lenient " + describe(lenient);

        const std::optional<double> own = fields::readNumberText(written);
        if (!own)
            fail("the reading of number text accepts number text", data, size, shown);
        if (!sameBits(*own, lenient))
            fail("the reading of number text reads it as the lenient reading does", data, size,
                shown + ", read " + describe(*own));

        for (const QLocale &locale : locales()) {
            const std::optional<double> strict = fields::readStrict(written, locale);
            if (!strict)
                fail("the strict reading accepts number text", data, size,
                    localeName(locale) + ", " + shown);
            if (!sameBits(*strict, lenient) && !readsPointAsGrouping(locale, written))
                fail("the strict reading reads number text as the lenient reading does", data, size,
                    localeName(locale) + ", " + shown + ", strict " + describe(*strict));
        }
    }
    return 0;
}
