// Placement helpers shared by the two statements.
#pragma once

#include "print/page.h"

#include <QString>
#include <optional>

namespace print::detail {

// Left edge at x.
inline void leftAligned(Page &page, float x, float y, const QString &text)
{
    page.printText(x, y, text);
}

// Right edge at `edge`, measured in the font in force.
inline void rightAligned(Page &page, float edge, float y, const QString &text)
{
    const double width = page.textWidth(text);
    page.printText(static_cast<float>(edge - width), y, text);
}

// Centred on a 10 inch line.
inline void centred(Page &page, float y, const QString &text)
{
    const double width = page.textWidth(text);
    page.printText(static_cast<float>((10 - width) / 2), y, text);
}

// The middle of the printable width of A4 and Letter alike, on a portrait page.
inline constexpr float kPortraitCentre = 3.9f;

// Centred on kPortraitCentre, measured in the font in force.
void centredAt(Page &page, float y, const QString &text);

// The text, shortened with "..." when it is wider than `width` inches: typed texts have no
// limit.
QString fitted(Page &page, const QString &text, double width);

// Number text of the sum of the lenient readings of the texts; nullopt when the sum is
// beyond a double, so that nothing like "inf" reaches paper.
std::optional<QString> sumText(std::initializer_list<QString> texts);

} // namespace print::detail
