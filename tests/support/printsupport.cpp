#include "support/printsupport.h"

#include "print/page.h"

#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <csignal>
#include <sys/prctl.h>
#include <sys/stat.h>

namespace printsupport {
namespace {

QString tool(const QString &name)
{
    return QStandardPaths::findExecutable(name, { "/usr/sbin", "/usr/bin", "/sbin", "/bin" });
}

// Writes a file of tests/support/cups/ with its placeholders filled in.
void configure(const QString &from, const QString &to, const QString &dir, const QString &jobs = {})
{
    QFile in(MORVEL_TESTS_DIR "/support/cups/" + from), out(to);
    if (in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly))
        out.write(in.readAll().replace("@DIR@", dir.toUtf8()).replace("@JOBS@", jobs.toUtf8()));
}

} // namespace

CupsSandbox::CupsSandbox(const QString &dir)
    : m_dir(dir)
{
    qputenv("CUPS_SERVER", (dir + "/cups.sock").toLocal8Bit());
    qputenv("CUPS_SERVERROOT", (dir + "/conf").toLocal8Bit());
    qputenv("HOME", dir.toLocal8Bit()); // no lpoptions of the user's choosing another printer
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
}

bool CupsSandbox::start(const QString &mode)
{
    stop();
    QDir(m_dir + "/out").removeRecursively(); // the jobs of an earlier start
    for (const char *sub : { "conf", "bin/backend", "spool/tmp", "cache", "state", "log", "out" })
        QDir().mkpath(m_dir + '/' + sub);
    ::chmod(qPrintable(m_dir + "/spool/tmp"), 01770);
    for (const char *sub : { "daemon", "filter", "cgi-bin", "driver", "monitor", "notifier" })
        QFile::link(QStringLiteral("/usr/lib/cups/") + sub, m_dir + "/bin/" + sub);
    // The backend runs as the owner of its file, mode 0700: as whoever runs the tests.
    configure("morvelcopy", m_dir + "/bin/backend/morvelcopy", m_dir);
    ::chmod(qPrintable(m_dir + "/bin/backend/morvelcopy"), 0700);
    configure("cups-files.conf", m_dir + "/conf/cups-files.conf", m_dir);
    configure("cupsd.conf", m_dir + "/conf/cupsd.conf", m_dir, mode == "full" ? "1" : "0");
    QFile::remove(m_dir + "/conf/printers.conf");
    QFile::remove(m_dir + "/conf/printers.conf.O");
    if (mode != "noprinter")
        configure("printers.conf", m_dir + "/conf/printers.conf", m_dir);
    m_cupsd.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); }); // ends with us
    m_cupsd.start(tool("cupsd"), { "-f", "-c", m_dir + "/conf/cupsd.conf", "-s", m_dir + "/conf/cups-files.conf" });
    m_cupsd.waitForStarted();
    // Ready once this process sees the queue too: libcups keeps its connection to a
    // scheduler that was stopped, and the first request after a restart fails on it.
    const QString expected = mode == "noprinter" ? QString() : queue;
    for (int waited = 0; waited < 15000 && m_cupsd.state() == QProcess::Running; waited += 100) {
        if (run("lpstat", { "-r" }) && QPrinterInfo::defaultPrinter().printerName() == expected
            && (expected.isEmpty() || run("lpstat", { "-a", queue })))
            return true;
        QTest::qWait(100);
    }
    return false;
}

void CupsSandbox::stop()
{
    m_cupsd.terminate();
    m_cupsd.waitForFinished(10000);
}

bool CupsSandbox::run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(tool(program), arguments);
    return process.waitForFinished(15000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QStringList CupsSandbox::jobs() const
{
    QStringList files; // by job number, which the name carries: the order they were printed in
    for (const QFileInfo &job : QDir(m_dir + "/out").entryInfoList({ "job-*.pdf" }, QDir::Files, QDir::Name))
        files << job.filePath();
    return files;
}

QStringList listing(const print::RecordingPage &page)
{
    using Kind = print::RecordingPage::Kind;
    auto n = [](double value) { return QString::number(value, 'f', 3); };
    QStringList lines;
    const auto &ops = page.operations;
    for (qsizetype i = 0; i < ops.size(); ++i) {
        const auto &op = ops[i];
        if (op.kind == Kind::Landscape || op.kind == Kind::End || op.kind == Kind::NewPage)
            lines << (op.kind == Kind::End ? "end" : op.kind == Kind::NewPage ? "new page" : "landscape");
        if (op.kind == Kind::Line)
            lines << QStringLiteral("line %1 %2 %3 %4").arg(n(op.x), n(op.y), n(op.x2), n(op.y2));
        if (op.kind != Kind::Text)
            continue;
        // A text measured right before it was printed is right-aligned or centred.
        const bool measured = i > 0 && ops[i - 1].kind == Kind::TextWidth && ops[i - 1].text == op.text;
        const double width = measured ? ops[i - 1].x : 0;
        // Centred on a landscape line of 10 inches, or on the printable width of a portrait page.
        const double middle = op.x + width / 2;
        const bool centred = measured && (std::abs(middle - 5) < 1e-4 || std::abs(middle - 3.9) < 1e-4);
        const QString style = QString(op.font.bold ? "B" : "") + (op.font.italic ? "I" : "") + (op.font.underline ? "U" : "");
        lines << QStringLiteral("text %1 %2 %3 %4 %5 %6 \"%7\"")
                     .arg(centred ? "C" : measured ? "R" : "L", n(centred ? middle : op.x + width), n(op.y), op.font.name,
                         QString::number(op.font.points), style.isEmpty() ? "-" : style, op.text);
    }
    return lines;
}

QStringList readListing(const QString &file, const QStringList &actual)
{
    QFile f(file);
    if (!actual.isEmpty() && qEnvironmentVariableIntValue("MORVEL_UPDATE_LISTINGS") && f.open(QIODevice::WriteOnly))
        f.write((actual.join('\n') + '\n').toUtf8());
    f.close();
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts)
                                       : QStringList("cannot read " + file);
}

QStringList pdfDiffers(const QString &pdfFile, const QStringList &listing)
{
    QProcess pdftotext;
    pdftotext.start(tool("pdftotext"), { "-bbox", pdfFile, "-" });
    pdftotext.waitForFinished(30000);
    QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    html.replace("&amp;", "&").replace("&apos;", "'").replace("&quot;", "\"");
    html.replace(QChar(0xFB01), "fi").replace(QChar(0xFB02), "fl"); // ligatures the font drew
    QList<QRegularExpressionMatch> pages, words; // pages, then each word's box and text
    for (auto p = QRegularExpression(R"re(<page width="([\d.]+)" height="([\d.]+)">)re").globalMatch(html); p.hasNext();)
        pages << p.next();
    const QRegularExpression word(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)<)re");
    for (auto w = word.globalMatch(html); w.hasNext();)
        words << w.next();
    if (pages.size() != 1)
        return { QStringLiteral("%1 pages in %2").arg(pages.size()).arg(pdfFile) };
    QStringList problems;
    if ((pages[0].captured(1).toDouble() > pages[0].captured(2).toDouble()) != listing.contains("landscape"))
        problems << "the page's orientation";

    // Positions in points from the page's corner; the listing's from the printable area's.
    const double inch = 72, tolerance = 0.02 * inch, origin = print::kMarginInches * inch;
    for (const QString &line : listing) {
        const auto m = QRegularExpression(R"re(^text ([LRC]) (\S+) (\S+) \S+ \S+ \S+ "(.*)"$)re").match(line);
        const QStringList parts = m.captured(4).split(' ', Qt::SkipEmptyParts);
        bool placed = parts.isEmpty();
        for (qsizetype i = 0; i + parts.size() <= words.size() && !placed; ++i) {
            bool same = true; // the words of the text, in a row on one line
            for (qsizetype k = 0; k < parts.size() && same; ++k)
                same = words[i + k].captured(4) == parts[k] && words[i + k].captured(2) == words[i].captured(2);
            const double left = words[i].captured(1).toDouble(), right = words[i + parts.size() - 1].captured(3).toDouble();
            const double at = m.captured(1) == "L" ? left : m.captured(1) == "R" ? right : (left + right) / 2;
            placed = same && std::abs(at - origin - m.captured(2).toDouble() * inch) < tolerance
                && std::abs(words[i].captured(2).toDouble() - origin - m.captured(3).toDouble() * inch) < tolerance;
        }
        if (!placed)
            problems << "not in its place: " + line;
    }
    return problems;
}

} // namespace printsupport
