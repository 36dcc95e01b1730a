#include "app/app.h"

#include "app/branding.h"
#include "app/dialogkeyboard.h"
#include "fields/messages.h"
#include "sheets/main/mainsheet.h"

#include <QCoreApplication>
#include <QDesktopServices>

App::App()
    : programEnder([] { QCoreApplication::exit(0); })
    , urlOpener([](const QUrl &url) { return QDesktopServices::openUrl(url); })
    , m_altKeys([this](const QWidget *window) { return windows.isSheet(window); })
{
    DialogKeyboard::install();
    connect(&windows, &Windows::mainMade, this, &App::wire);
}

void App::wire(MainSheet *main)
{
    main->showCredits(branding::authorCredit(), branding::homePage());
    connect(main, &MainSheet::openWanted, &document, &ReturnDocument::openChosen);
    connect(main, &MainSheet::saveWanted, &document, &ReturnDocument::saveCurrent);
    connect(main, &MainSheet::saveAsWanted, &document, &ReturnDocument::saveAs);
    connect(main, &MainSheet::exitWanted, this, &App::exit);
    connect(main, &MainSheet::homePageWanted, this, [this, main] {
        if (!openHomePage())
            fields::showMessage(main, QStringLiteral("Unable to start Web browser !"));
    });
}

void App::exit()
{
    if (document.mayLeave(false))
        endProgram();
}

void App::endProgram()
{
    if (programEnder)
        programEnder();
}

bool App::openHomePage()
{
    return urlOpener && urlOpener(QUrl(branding::homePage()));
}
