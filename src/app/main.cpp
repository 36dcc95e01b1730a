// Morvel: income-tax calculator for central government employees, year 2014-15.
#include "app/forms.h"
#include "app/frmsplash.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/morvel/morvel.svg")));
    // The main sheet ends the run itself (Exit, or closing its window); hidden sub-forms
    // must neither keep the program alive nor end it.
    QApplication::setQuitOnLastWindowClosed(false);

    Forms forms;
    auto *splash = new frmSplash(forms);
    splash->show();
    return QApplication::exec();
}
