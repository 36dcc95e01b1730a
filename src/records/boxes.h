// Writing and reading a record's boxes as the windows do: every amount written as number text
// and read back by the next step, refusals that name the box.
#pragma once

#include "records/record.h"

#include <QLocale>
#include <optional>

namespace records {

// An amount as number text. A value that is not finite, or whose text would not read back as
// a finite amount, is refused: nothing is written and the result is false.
bool writeAmount(QString &box, double value);

// One result of a Calculate, written like writeAmount; when refused, what the user is told:
// which step (`what`, e.g. "gross total income") could not be worked out.
std::optional<Said> writeResult(QString &box, double value, const QString &what);

// What the user is told when a result is too large to work out.
Said tooLarge(const QString &what);

// As writeResult, with `what()` put together only when it is told: Calculate writes many
// results, and almost always every one of them stands.
template <class What> std::optional<Said> writeResultOf(QString &box, double value, What &&what)
{
    if (writeAmount(box, value))
        return std::nullopt;
    return tooLarge(what());
}

// What the user is told of a typed box whose text is not a number.
Said notANumber(const QString &text, const QString &name, const QString &caption);

// Strict reading of a typed box in the user's number format; when its text is not a number as
// a whole, what the user is told, naming the box by its caption and by its control `name`.
std::optional<double> readTyped(const QString &text, const QString &name, const QString &caption, Said &refusal,
    const QLocale &locale = QLocale());

} // namespace records
