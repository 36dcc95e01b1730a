#include "app/branding.h"

#include <QFile>
#include <QIcon>

namespace branding {

QString authorCredit()
{
    return QStringLiteral(MORVEL_AUTHOR_CREDIT);
}

QString department()
{
    return QStringLiteral(MORVEL_DEPARTMENT);
}

QString homePage()
{
    return QStringLiteral(MORVEL_HOME_PAGE);
}

QString contactEmail()
{
    return QStringLiteral(MORVEL_CONTACT_EMAIL);
}

QIcon icon()
{
    QIcon icon;
    for (int size : { 16, 32, 48, 64, 96, 128, 256 })
        if (const QString png = QStringLiteral(":/morvel/morvel-%1.png").arg(size); QFile::exists(png))
            icon.addFile(png, QSize(size, size));
    return icon.isNull() ? QIcon(QStringLiteral(":/morvel/morvel.svg")) : icon;
}

} // namespace branding
