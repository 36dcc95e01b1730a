#include "app/branding.h"

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

} // namespace branding
