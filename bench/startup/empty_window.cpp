// The smallest Qt Widgets program with a window, for comparison with Morvel's start-up.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("empty"));
    window.resize(400, 300);
    window.show();
    return QApplication::exec();
}
