#include "print/statementtext.h"

#include "fields/conversions.h"

#include <cmath>

namespace print::detail {

void centredAt(Page &page, float y, const QString &text)
{
    page.printText(static_cast<float>(kPortraitCentre - page.textWidth(text) / 2), y, text);
}

QString fitted(Page &page, const QString &text, double width)
{
    if (page.textWidth(text) <= width + 0.001) // not cut for a rounding of the width
        return text;
    QString cut = text;
    while (!cut.isEmpty() && page.textWidth(cut + QStringLiteral("...")) > width)
        cut.chop(1);
    return cut.isEmpty() ? QString() : cut.trimmed() + QStringLiteral("...");
}

std::optional<QString> sumText(std::initializer_list<QString> texts)
{
    double sum = 0;
    for (const QString &text : texts)
        sum += fields::readAmount(text);
    if (!std::isfinite(sum))
        return std::nullopt;
    return fields::numberText(sum);
}

} // namespace print::detail
