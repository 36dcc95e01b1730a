// Who made the program and where to find it: one home for each text, set at build time.
#pragma once

#include <QString>

namespace branding {

QString authorCredit();   // "name, affiliation"
QString department();
QString homePage();
QString contactEmail();

} // namespace branding
