// The real program on a private X server, driven by the keyboard alone (one-employee.keys):
// both statements printed to a private CUPS queue and read back from the PDFs it received.
#include "app/returnformat.h"
#include "app/sheetlist.h"
#include "support/printsupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class tst_e2e : public QObject
{
    Q_OBJECT
private slots:
    void oneEmployeeByKeyboard();
};

namespace {

QString xdo(const QStringList &arguments)
{
    QProcess xdotool;
    xdotool.start("xdotool", arguments);
    xdotool.waitForFinished(20000);
    return QString::fromLatin1(xdotool.readAllStandardOutput()).section('\n', 0, 0);
}

// Waits, by the clock, until `done` holds; a sanitizer build on a busy machine is slow, and
// a step that is not done within a minute will not be.
bool waitFor(const std::function<bool()> &done)
{
    QDeadlineTimer deadline(60000);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(50);
    }
    return true;
}

// Which window has the keyboard, and which are shown: what a failed step is told with.
QString screen()
{
    QString shown;
    for (const QString &id : xdo({ "search", "--onlyvisible", "--name", "." }).split(' '))
        shown += " [" + xdo({ "getwindowname", id }) + "]";
    return "keyboard on [" + xdo({ "getwindowname", xdo({ "getwindowfocus" }) }) + "], shown:" + shown;
}

} // namespace

void tst_e2e::oneEmployeeByKeyboard()
{
    QTemporaryDir temp;
    printsupport::CupsSandbox cups(temp.filePath("cups"));
    QVERIFY(cups.start("printer"));
    QProcess xvfb, program; // Xvfb picks a free display and says which on its output
    xvfb.start("Xvfb", { "-displayfd", "1", "-noreset", "-nolisten", "tcp", "-screen", "0", "1366x768x24" });
    QVERIFY(xvfb.waitForReadyRead(15000));
    qputenv("DISPLAY", ":" + xvfb.readLine().trimmed());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QTRY_VERIFY_WITH_TIMEOUT(QProcess::execute("sh", { "-c", "xdpyinfo >/dev/null 2>&1" }) == 0, 15000);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", temp.path()); // where Save As starts
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(MORVEL_BINARY);

    QFile script(MORVEL_TESTS_DIR "/e2e/one-employee.keys");
    QVERIFY(script.open(QIODevice::ReadOnly));
    bool first = true;
    int number = 0;
    for (QString line : QString(script.readAll()).split('\n')) {
        ++number;
        line = line.startsWith("x11") ? line.mid(3).trimmed() : line; // a real X server, here
        const QString what = line.section(' ', 0, 0);
        QString rest = line.section(' ', 1).trimmed();
        if (what == "window") { // shown, then holding the keyboard: there is no window manager
            QString id;
            const QString step = QStringLiteral("line %1, %2: ").arg(number).arg(rest);
            QVERIFY2(waitFor([&] { return !(id = xdo({ "search", "--onlyvisible", "--name", "^" + rest + "$" })).isEmpty(); }),
                qPrintable(step + "never shown; " + screen()));
            if (std::exchange(first, false)) // the program gives the others the keyboard itself
                xdo({ "windowfocus", "--sync", id });
            QVERIFY2(waitFor([&] { return xdo({ "getwindowfocus" }) == id; }), qPrintable(step + screen()));
        } else if (what == "keys" || what == "burst") {
            xdo(QStringList { "key", "--delay", what == "keys" ? "30" : "0" } + rest.split(' '));
        } else if (what == "type") {
            xdo({ "type", "--delay", "30", rest.replace("\\t", "\t") });
        } else if (what == "jobs") {
            QVERIFY2(waitFor([&] { return cups.jobs().size() == rest.toInt(); }), qPrintable(QString::number(number)));
        }
    }
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 0);
    for (const auto &[job, listing] : { std::pair { 0, "salary" }, { 1, "tax" } })
        QCOMPARE(printsupport::pdfDiffers(cups.jobs()[job],
                     printsupport::readListing(MORVEL_TESTS_DIR "/print/" + QString(listing) + "-statement.txt")),
            QStringList());
    // The return saved at the start, and saved again by the question at the end.
    QFile saved(temp.filePath("R. K. Sharma.morvel"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const auto sheets = std::get<returnformat::Sheets>(returnformat::read(saved.readAll(), sheetlist::names()));
    QCOMPARE(sheets["frmmain"]["txtdedtax"], "12000");
    QCOMPARE(sheets["Form4"]["txtintt"], "150000");
    xvfb.terminate();
    xvfb.waitForFinished();
}

QTEST_MAIN(tst_e2e)
#include "tst_e2e.moc"
