#include "app/office.h"

#include <QSettings>

namespace office {
namespace {

// One settings file of the program's own, whatever the application and organisation names.
constexpr auto kFormat = QSettings::IniFormat;
constexpr auto kScope = QSettings::UserScope;
const QString kProgram = QStringLiteral("Morvel");
const QString kGroup = QStringLiteral("office");

} // namespace

const QStringList &boxes()
{
    static const QStringList names = { "txtemployer", "txtemployeraddr", "txtdedpan", "txttan", "txtcit",
        "txtsigname", "txtsigfather", "txtsigdesig", "txtplace", "txtdate" };
    return names;
}

void recall(records::Controls &form16)
{
    QSettings stored(kFormat, kScope, kProgram, kProgram);
    stored.beginGroup(kGroup);
    for (const QString &box : boxes())
        if (stored.contains(box))
            form16[box] = stored.value(box).toString();
}

void remember(const records::Controls &form16)
{
    QSettings stored(kFormat, kScope, kProgram, kProgram);
    stored.beginGroup(kGroup);
    for (const QString &box : boxes())
        stored.setValue(box, form16.value(box));
}

void apply(const records::Controls &office, records::Controls &form16)
{
    for (const QString &box : boxes())
        form16[box] = office.value(box);
}

} // namespace office
