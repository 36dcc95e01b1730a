// Number text has the program's form and reads back as the same number to 15 digits.
#include "checks.h"
#include "fields/conversions.h"

#include <cmath>

using namespace fuzzcheck;

namespace {

const QString largest = QStringLiteral("1.79769313486232E+308");

void check(double value, const uint8_t *data, size_t size)
{
    const QString text = fields::numberText(value);
    const double readBack = fields::readAmount(text);
    const std::string shown = "value " + describe(value) + ", text \"" + text.toStdString()
        + "\", read back " + describe(readBack);

    if (!std::isfinite(readBack)) {
        // Only the very largest doubles, whose text the program refuses to write.
        if (!roundsPastLargest(value)
            || text != (value < 0 ? QStringLiteral("-") : QString()) + largest)
            fail("number text reads back as a finite number", data, size, shown);
        return;
    }
    const std::string fault = numberTextFault(text, readBack);
    if (!fault.empty())
        fail("number text has the program's form", data, size, fault + ": " + shown);
    if ((value == 0) != (text == u"0"))
        fail("number text is \"0\" for zero and only for zero", data, size, shown);
    if (text.startsWith(u'-') != (value < 0))
        fail("number text has a minus sign exactly for negative values", data, size, shown);

    const double amount = value == 0 ? 0.0 : value; // -0 is no amount of its own: "0"
    // Halfway between two 15-digit numbers either one is as near.
    const bool tieRoundedOtherWay = isTieAt15Digits(amount)
        && (digits15(readBack) == digits15(std::nextafter(amount, 0.0))
            || digits15(readBack) == digits15(std::nextafter(amount, 2 * amount)));
    if (digits15(readBack) != digits15(amount) && !tieRoundedOtherWay)
        fail("number text reads back as the same number to 15 significant digits", data, size,
            shown);
    if (fields::numberText(readBack) != text)
        fail("number text of the number read back is the same text", data, size,
            shown + ", written again as \"" + fields::numberText(readBack).toStdString() + "\"");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    for (double value : doublesFrom(data, size))
        check(value, data, size);
    return 0;
}
