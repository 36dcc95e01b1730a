// The template behind records::fill(); included by record.h only.
#pragma once

#include <QHash>
#include <QList>

namespace records::detail {

struct Slot
{
    enum Kind { Box, List, Tick, Option } kind = Box;
    QString *text = nullptr;
    bool *on = nullptr;
    int maxLength = -1;
    const QStringList *items = nullptr;
    bool editable = false;
    int group = 0;
};

struct Places
{
    QHash<QString, Slot> byName;
    void box(const QString &name, QString &text, int maxLength = -1) { byName.insert(name, { Slot::Box, &text, nullptr, maxLength }); }
    void list(const QString &name, QString &text, const QStringList &items, bool editable)
    {
        byName.insert(name, { Slot::List, &text, nullptr, -1, &items, editable });
    }
    void tick(const QString &name, bool &on) { byName.insert(name, { Slot::Tick, nullptr, &on }); }
    void option(const QString &name, bool &on, int group)
    {
        byName.insert(name, { Slot::Option, nullptr, &on, -1, nullptr, false, group });
    }
};

std::optional<QString> fillSlots(Places &places, const QString &sheet, const Controls &controls);

} // namespace records::detail

template <class Record>
std::optional<QString> records::fill(Record &record, const QString &sheet, const Controls &controls)
{
    Record staged = record;
    detail::Places places;
    Record::visit(staged, places);
    if (std::optional<QString> why = detail::fillSlots(places, sheet, controls))
        return why;
    record = std::move(staged);
    return std::nullopt;
}
