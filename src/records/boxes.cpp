#include "records/boxes.h"

#include "fields/conversions.h"

#include <cmath>

namespace records {

bool writeAmount(QString &box, double value)
{
    if (!std::isfinite(value))
        return false;
    QString text = fields::numberText(value);
    // Every later step reads the box back: its text must still be a finite amount.
    if (!std::isfinite(fields::readAmount(text)))
        return false;
    box = std::move(text);
    return true;
}

Said tooLarge(const QString &what)
{
    return { QStringLiteral("The %1 could not be worked out: the amounts are too large. Calculation stopped there.")
                 .arg(what),
        QString() };
}

std::optional<Said> writeResult(QString &box, double value, const QString &what)
{
    if (writeAmount(box, value))
        return std::nullopt;
    return tooLarge(what);
}

std::optional<double> readTyped(const QString &text, const QString &name, const QString &caption, Said &refusal,
    const QLocale &locale)
{
    if (const std::optional<double> value = fields::readStrict(text, locale))
        return value;
    refusal = notANumber(text, name, caption);
    return std::nullopt;
}

Said notANumber(const QString &text, const QString &name, const QString &caption)
{
    return { QStringLiteral("The box \"%1\" holds \"%2\", which is not a number. Please correct it and calculate again.")
                 .arg(caption.trimmed(), text),
        name };
}

} // namespace records
