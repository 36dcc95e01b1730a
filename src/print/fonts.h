// Which installed font family stands for the font a statement asks for.
#pragma once

#include <QString>

namespace print {

inline constexpr char kStatementFont[] = "Tahoma";

// "Tahoma" when the system has it; otherwise the Tahoma-metric files that Debian ships with
// Wine (fonts-wine), loaded for this run; otherwise a common sans-serif font. Other names are
// returned unchanged. Needs a QGuiApplication.
QString installedFamily(const QString &requested);

// Where the Tahoma-metric files are looked for (a test may point elsewhere before the first
// call of installedFamily).
inline constexpr char kWineTahoma[] = "/usr/share/wine/fonts/tahoma.ttf";
inline constexpr char kWineTahomaBold[] = "/usr/share/wine/fonts/tahomabd.ttf";
inline constexpr char kFallbackFamily[] = "DejaVu Sans";

} // namespace print
