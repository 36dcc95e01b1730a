// The reading of a return file on any bytes: it never fails to answer, and what it accepts
// is written back as a file that reads the same.
#include "app/returnformat.h"

#include <cstdio>
#include <cstdlib>

// The program's sheets, as the fuzzer's dictionary knows them.
static const QStringList kSheets = { "frmmain", "Form1", "Form2", "Form4", "frmreb88", "frmrel89" };

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto read = returnformat::read(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), kSheets);
    if (const auto *sheets = std::get_if<returnformat::Sheets>(&read)) {
        const auto again = returnformat::read(returnformat::write(*sheets), kSheets);
        if (!std::holds_alternative<returnformat::Sheets>(again) || std::get<returnformat::Sheets>(again) != *sheets) {
            std::fprintf(stderr, "broken: a return read back differs after writing it\n");
            std::abort();
        }
    }
    return 0;
}
