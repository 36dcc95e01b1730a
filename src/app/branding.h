// Who made the program and where to find it: one home for each text, set at build time.
#pragma once

#include <QString>

class QIcon;

namespace branding {

QString authorCredit();   // "name, affiliation"
QString department();
QString homePage();
QString contactEmail();

// The program's icon: the bitmaps rendered from its SVG at build time, or, in a build
// without them, the SVG itself.
QIcon icon();

} // namespace branding
