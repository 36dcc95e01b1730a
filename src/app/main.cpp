// Morvel: income-tax calculator for central government employees, year 2014-15.
//   morvel [FILE]                 the sheets, with a return opened from FILE
//   morvel --pdf DIR [--office OFFICE] FILE...
//                                 each return's statements and Form 16 as PDF files in DIR, with
//                                 the office register, no window
#include "app/batch.h"
#include "app/branding.h"
#include "app/app.h"
#include "app/frmsplash.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>
#include <cstring>
#include <memory>

int main(int argc, char *argv[])
{
    // Printing to PDF files ("--pdf DIR" or "--pdf=DIR"), help and version need no display,
    // and the batch no widgets at all.
    bool windowless = false, batch = false;
    for (int i = 1; i < argc; ++i) {
        for (const char *option : { "--pdf", "--help", "-h", "--help-all", "--version", "-v" })
            if (std::strncmp(argv[i], option, std::strlen(option)) == 0)
                windowless = true;
        batch = batch || std::strncmp(argv[i], "--pdf", 5) == 0;
    }
    if (windowless && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QGuiApplication> application
        = batch ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QApplication>(argc, argv);
    QGuiApplication &app = *application;
    QGuiApplication::setApplicationName(QStringLiteral("Morvel"));
    QGuiApplication::setApplicationVersion(QStringLiteral(MORVEL_VERSION));
    QGuiApplication::setWindowIcon(branding::icon());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Income tax of a central government employee, 2014-15."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption pdf(QStringLiteral("pdf"),
        QStringLiteral("Print the statements of each FILE as PDF files in DIR, with no window."),
        QStringLiteral("DIR"));
    parser.addOption(pdf);
    const QCommandLineOption office(QStringLiteral("office"),
        QStringLiteral("With --pdf: the return whose Form 16 sheet gives the employer and the person responsible "
                       "for every FILE, each of which then gets its Form 16."),
        QStringLiteral("OFFICE"));
    parser.addOption(office);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A return (NAME.morvel)."),
        QStringLiteral("[FILE...]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (parser.isSet(pdf)) {
        QTextStream out(stdout);
        return batch::printToPdf(parser.value(pdf), files, out, parser.value(office)) ? 0 : 1;
    }
    if (files.size() > 1)
        parser.showHelp(2);

    // The main sheet ends the run itself (Exit, or closing its window); hidden sub-forms
    // must neither keep the program alive nor end it.
    QApplication::setQuitOnLastWindowClosed(false);
    App run;
    auto *splash = new frmSplash(run);
    if (!files.isEmpty()) // once the main sheet shows, where a problem with the file is told
        QObject::connect(splash, &QObject::destroyed, &run,
            [&run, file = QFileInfo(files.first()).absoluteFilePath()] { run.document.openFile(file); });
    splash->show();
    return QApplication::exec();
}
