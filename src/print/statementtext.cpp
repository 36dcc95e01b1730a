#include "print/statementtext.h"

#include "fields/conversions.h"

#include <cmath>

namespace print::detail {

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
