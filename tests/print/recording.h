// Looking things up in what a RecordingPage recorded.
#pragma once

#include "print/page.h"

#include <QList>
#include <QString>

namespace recording {

using Op = print::RecordingPage::Operation;
using Kind = print::RecordingPage::Kind;

inline QList<int> indicesOf(const print::RecordingPage &page, Kind kind)
{
    QList<int> found;
    for (int i = 0; i < page.operations.size(); ++i)
        if (page.operations[i].kind == kind)
            found.append(i);
    return found;
}

// Indices of the printed texts equal to `text`.
inline QList<int> textsEqual(const print::RecordingPage &page, const QString &text)
{
    QList<int> found;
    for (int i = 0; i < page.operations.size(); ++i)
        if (page.operations[i].kind == Kind::Text && page.operations[i].text == text)
            found.append(i);
    return found;
}

// Indices of the printed texts whose top is at y (as the page received it).
inline QList<int> textsAt(const print::RecordingPage &page, float y)
{
    QList<int> found;
    for (int i = 0; i < page.operations.size(); ++i)
        if (page.operations[i].kind == Kind::Text && page.operations[i].y == double(y))
            found.append(i);
    return found;
}

// The width measured for the text printed by operation `index`: the measurement must be the
// operation right before it, of the very same text in the very same font. -1 otherwise.
inline double widthMeasuredFor(const print::RecordingPage &page, int index)
{
    if (index < 1)
        return -1;
    const Op &measured = page.operations[index - 1];
    const Op &printed = page.operations[index];
    if (measured.kind != Kind::TextWidth || measured.text != printed.text
        || !(measured.font == printed.font))
        return -1;
    return measured.x;
}

} // namespace recording
