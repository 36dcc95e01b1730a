// The lenient reading never fails and takes exactly the longest leading number of the text.
#include "checks.h"
#include "fields/conversions.h"

#include <cmath>

using namespace fuzzcheck;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const double read = fields::readAmount(inputText(data, size));
    const double expected
        = referenceAmount(std::string_view(reinterpret_cast<const char *>(data), size));
    if (std::isnan(read))
        fail("the lenient reading never gives NaN", data, size, describe(read));
    if (!sameBits(read, expected))
        fail("the lenient reading takes the longest leading number", data, size,
            "read " + describe(read) + ", expected " + describe(expected));
    return 0;
}
