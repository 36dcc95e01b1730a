// One run of the program with its windows: the sheets and their wiring, the return in use,
// the keys refused with Alt, the keyboard around dialogs, and how the run ends.
#pragma once

#include "app/altkeys.h"
#include "app/returndocument.h"
#include "app/windows.h"

#include <QUrl>

class App : public QObject
{
    Q_OBJECT
public:
    App();

    Windows windows;
    ReturnDocument document { windows };

    // Ends the program at once, whatever is open.
    void endProgram();
    // Asks the desktop to open the home page; false when it could not.
    bool openHomePage();

    // How the run ends and how a web address is opened; tests put their own in place.
    std::function<void()> programEnder;
    std::function<bool(const QUrl &)> urlOpener;

private:
    void wire(MainSheet *main);
    void exit();

    AltKeys m_altKeys;
};
