// The real program on a private X server, driven by the keyboard alone: one employee through
// every sheet and both statements, printed to a private CUPS queue and read back from the
// PDFs it received.
#include "support/printsupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class tst_e2e : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void oneEmployeeByKeyboard();

private:
    QString xdo(const QStringList &arguments);

    QTemporaryDir m_temp;
    std::unique_ptr<printsupport::CupsSandbox> m_cups;
    QProcess m_xvfb, m_program;
};

void tst_e2e::initTestCase()
{
    m_cups = std::make_unique<printsupport::CupsSandbox>(m_temp.filePath("cups"));
    QVERIFY(m_cups->start("printer"));
    // Xvfb picks a free display and says which on its standard output.
    m_xvfb.start("Xvfb", { "-displayfd", "1", "-noreset", "-nolisten", "tcp", "-screen", "0", "1366x768x24" });
    QVERIFY(m_xvfb.waitForReadyRead(15000));
    qputenv("DISPLAY", ":" + m_xvfb.readLine().trimmed());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QTRY_VERIFY_WITH_TIMEOUT(QProcess::execute("sh", { "-c", "xdpyinfo >/dev/null 2>&1" }) == 0, 15000);
}

QString tst_e2e::xdo(const QStringList &arguments)
{
    QProcess xdotool;
    xdotool.start("xdotool", arguments);
    xdotool.waitForFinished(20000);
    return QString::fromLatin1(xdotool.readAllStandardOutput()).section('\n', 0, 0);
}

void tst_e2e::oneEmployeeByKeyboard()
{
    // Each step: wait until that window has the keyboard, press keys, type a text, or wait
    // for that many jobs at the printer. Keys follow each other 30 ms apart, as a fast typist's:
    // refused access keys (Print and Back still off) must type nothing, a key after an access
    // key must find its button's work done, and one after a message opens must answer it.
    const char *script = R"(
        window Morvel1415 - Income Tax Calculator
        type   R. K. Sharma
        keys   alt+p alt+b alt+z Tab space
        window Morvel1415 - Income Calculator
        keys   Up Tab Tab Tab space Tab
        type   30000\t5400\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t3500\t1200\t\t800
        keys   alt+c alt+b
        window Morvel1415 - Income Tax Calculator
        keys   space
        window Morvel1415 - HRA Exemption
        keys   alt+b
        type   12a
        keys   alt+c Return
        window Morvel1415 - HRA Exemption
        type   180000
        keys   alt+c alt+b
        window Morvel1415 - Income Tax Calculator
        type   5000
        keys   Tab space
        window Morvel1415 - Income from House Property
        keys   Tab
        type   120000\t12000\t150000
        keys   alt+c alt+b
        window Morvel1415 - Income Tax Calculator
        keys   space
        window Morvel1415 - Deductions Under Section 80
        type   60000\t\t\t40000
        keys   alt+c alt+b
        window Morvel1415 - Income Tax Calculator
        type   500\t12000
        keys   alt+c alt+p
        jobs   1
        keys   shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space
        window Morvel1415 - Income Calculator
        keys   alt+p
        jobs   2
        keys   alt+b
        window Morvel1415 - Income Tax Calculator
        keys   alt+x
    )";
    m_program.setProcessChannelMode(QProcess::ForwardedChannels);
    m_program.start(MORVEL_BINARY);
    bool first = true;
    for (QString step : QString(script).split('\n', Qt::SkipEmptyParts)) {
        const QString what = step.trimmed().section(QChar(32), 0, 0);
        QString rest = step.trimmed().section(QChar(32), 1).trimmed();
        if (what == "window") { // shown, then given the keyboard (there is no window manager)
            QString id;
            QTRY_VERIFY2_WITH_TIMEOUT(!(id = xdo({ "search", "--onlyvisible", "--name", "^" + rest + "$" })).isEmpty(),
                qPrintable(rest), 15000);
            if (std::exchange(first, false)) // the program gives the others the keyboard itself
                xdo({ "windowfocus", "--sync", id });
            QTRY_VERIFY2_WITH_TIMEOUT(xdo({ "getwindowfocus" }) == id, qPrintable(rest), 15000);
        } else if (what == "keys") {
            xdo(QStringList { "key", "--delay", "30" } + rest.split(' '));
        } else if (what == "type") {
            xdo({ "type", "--delay", "30", rest.replace("\\t", "\t") });
        } else if (what == "jobs") {
            QTRY_COMPARE_WITH_TIMEOUT(m_cups->jobs().size(), rest.toInt(), 20000);
        }
    }
    QVERIFY(m_program.waitForFinished(10000));
    QCOMPARE(m_program.exitCode(), 0);
    QCOMPARE(printsupport::pdfDiffers(m_cups->jobs()[0], printsupport::readListing(MORVEL_TESTS_DIR "/print/tax-statement.txt")),
        QStringList());
    QCOMPARE(printsupport::pdfDiffers(m_cups->jobs()[1], printsupport::readListing(MORVEL_TESTS_DIR "/print/salary-statement.txt")),
        QStringList());
    m_xvfb.terminate();
    m_xvfb.waitForFinished();
}

QTEST_MAIN(tst_e2e)
#include "tst_e2e.moc"
