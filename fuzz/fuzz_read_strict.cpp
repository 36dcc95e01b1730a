// The strict reading accepts the program's own number text in every locale, reading it as
// the lenient reading does, and never gives a value beyond a double on any text.
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

    for (double value : doublesFrom(data, size)) {
        const QString written = fields::numberText(value);
        const double lenient = fields::readAmount(written);
        for (const QLocale &locale : locales()) {
            const std::optional<double> strict = fields::readStrict(written, locale);
            const std::string shown = localeName(locale) + ", text \"" + written.toStdString()
                + "\", lenient " + describe(lenient);
            if (!strict)
                fail("the strict reading accepts number text", data, size, shown);
            if (!sameBits(*strict, lenient))
                fail("the strict reading reads number text as the lenient reading does", data, size,
                    shown + ", strict " + describe(*strict));
        }
    }
    return 0;
}
