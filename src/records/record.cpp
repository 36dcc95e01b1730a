#include "records/record.h"

namespace records::detail {

std::optional<QString> fillSlots(Places &places, const QString &sheet, const Controls &controls)
{
    for (auto value = controls.begin(); value != controls.end(); ++value) {
        const auto found = places.byName.constFind(value.key());
        if (found == places.byName.constEnd())
            return QStringLiteral("the sheet \"%1\" has no control \"%2\"").arg(sheet, value.key());
        const Slot &slot = *found;
        const QString where = QStringLiteral("\"%1\" on the sheet \"%2\"").arg(value.key(), sheet);
        switch (slot.kind) {
        case Slot::Box:
            *slot.text = slot.maxLength >= 0 ? value->left(slot.maxLength) : *value;
            break;
        case Slot::List:
            if (!slot.editable && !slot.items->contains(*value))
                return where + QStringLiteral(" is none of its choices");
            *slot.text = *value;
            break;
        case Slot::Tick:
        case Slot::Option:
            if (*value != u"1" && *value != u"0")
                return where + QStringLiteral(" is neither \"1\" nor \"0\"");
            if (slot.kind == Slot::Tick) {
                *slot.on = *value == u"1";
            } else if (*value == u"1") { // an option goes off only when another is chosen
                for (const Slot &other : std::as_const(places.byName))
                    if (other.kind == Slot::Option && other.group == slot.group)
                        *other.on = false;
                *slot.on = true;
            }
            break;
        }
    }
    for (auto value = controls.begin(); value != controls.end(); ++value) {
        const Slot &slot = places.byName[value.key()];
        if (slot.kind == Slot::Option && *slot.on != (*value == u"1"))
            return QStringLiteral("the options on the sheet \"%1\" do not say which one is chosen").arg(sheet);
    }
    return std::nullopt;
}

} // namespace records::detail
