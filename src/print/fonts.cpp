#include "print/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace print {
namespace {

QString findTahoma()
{
    const QString tahoma = QString::fromLatin1(kStatementFont);
    if (QFontDatabase::hasFamily(tahoma))
        return tahoma;
    // Both weights, so that bold rows are drawn (and measured) with the real bold face
    // rather than an emboldened regular one.
    QString family;
    for (const char *file : { kWineTahoma, kWineTahomaBold }) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        if (id < 0)
            continue;
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (family.isEmpty() && !families.isEmpty())
            family = families.first();
    }
    if (!family.isEmpty())
        return family;
    return QString::fromLatin1(kFallbackFamily);
}

} // namespace

QString installedFamily(const QString &requested)
{
    if (requested.compare(QLatin1String(kStatementFont), Qt::CaseInsensitive) != 0)
        return requested;
    static const QString family = findTahoma();
    return family;
}

} // namespace print
