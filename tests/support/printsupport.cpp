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

void write(const QString &path, const QString &text, int mode = 0644)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text.toUtf8());
    ::chmod(qPrintable(path), mode);
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
    for (const QString &job : jobs())
        QFile::remove(job);
    for (const char *sub : { "conf", "bin/backend", "spool/tmp", "cache", "state", "log", "out" })
        QDir().mkpath(m_dir + '/' + sub);
    ::chmod(qPrintable(m_dir + "/spool/tmp"), 01770);
    // The system's helpers and filters; the only backend is ours, which runs as the owner of
    // its file (mode 0700) and keeps each job as it came.
    for (const char *sub : { "daemon", "filter", "cgi-bin", "driver", "monitor", "notifier" })
        QFile::link(QStringLiteral("/usr/lib/cups/") + sub, m_dir + "/bin/" + sub);
    write(m_dir + "/bin/backend/morvelcopy", QStringLiteral(R"(#!/bin/sh
[ $# -eq 0 ] && { echo 'direct morvelcopy "Unknown" "Morvel test"'; exit 0; }
if [ $# -ge 6 ]; then cat "$6"; else cat; fi >"%1/out/.job-$1" && mv "%1/out/.job-$1" "%1/out/job-$1.pdf"
)").arg(m_dir), 0700);
    write(m_dir + "/conf/cups-files.conf", QStringLiteral(R"(ServerRoot %1/conf
ServerBin %1/bin
RequestRoot %1/spool
TempDir %1/spool/tmp
CacheDir %1/cache
StateDir %1/state
ErrorLog %1/log/error_log
AccessLog %1/log/access_log
Printcap %1/state/printcap
Sandboxing Relaxed
SystemGroup root
)").arg(m_dir));
    write(m_dir + "/conf/cupsd.conf", QStringLiteral(R"(Listen %1/cups.sock
Browsing No
WebInterface No
PreserveJobHistory No
MaxJobsPerPrinter %2
<Policy default>
<Limit All>
Order deny,allow
</Limit>
</Policy>
)").arg(m_dir, mode == "full" ? "1" : "0"));
    QFile::remove(m_dir + "/conf/printers.conf.O");
    write(m_dir + "/conf/printers.conf", mode == "noprinter" ? QString() : "<DefaultPrinter " + queue
            + ">\nDeviceURI morvelcopy:/\nState Idle\nAccepting Yes\n</DefaultPrinter>\n");
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
    return process.waitForFinished(15000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
}

QStringList CupsSandbox::jobs() const
{
    QStringList files;
    for (int id = 1; id < 100; ++id)
        if (QFile::exists(m_dir + QStringLiteral("/out/job-%1.pdf").arg(id)))
            files << m_dir + QStringLiteral("/out/job-%1.pdf").arg(id);
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
        if (op.kind == Kind::Landscape || op.kind == Kind::End)
            lines << (op.kind == Kind::End ? "end" : "landscape");
        if (op.kind == Kind::Line)
            lines << QStringLiteral("line %1 %2 %3 %4").arg(n(op.x), n(op.y), n(op.x2), n(op.y2));
        if (op.kind != Kind::Text)
            continue;
        // A text measured right before it was printed is right-aligned or centred.
        QString align = "L";
        double x = op.x;
        if (i > 0 && ops[i - 1].kind == Kind::TextWidth && ops[i - 1].text == op.text) {
            const double width = ops[i - 1].x;
            const bool centred = std::abs(op.x - (10 - width) / 2) < 1e-4;
            align = centred ? "C" : "R";
            x = centred ? 5 : op.x + width;
        }
        const QString style = QString(op.font.bold ? "B" : "") + (op.font.italic ? "I" : "") + (op.font.underline ? "U" : "");
        lines << QStringLiteral("text %1 %2 %3 %4 %5 %6 \"%7\"").arg(align, n(x), n(op.y), op.font.name,
                     QString::number(op.font.points), style.isEmpty() ? "-" : style, op.text);
    }
    return lines;
}

QStringList readListing(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts)
                                       : QStringList("cannot read " + file);
}

QStringList expectedListing(const QString &file, const QStringList &actual)
{
    if (qEnvironmentVariableIntValue("MORVEL_UPDATE_LISTINGS"))
        write(file, actual.join('\n') + '\n');
    return readListing(file);
}

QStringList pdfDiffers(const QString &pdfFile, const QStringList &listing)
{
    QProcess pdftotext;
    pdftotext.start(tool("pdftotext"), { "-bbox", pdfFile, "-" });
    pdftotext.waitForFinished(30000);
    QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QList<QRegularExpressionMatch> pages;
    for (auto p = QRegularExpression(R"re(<page width="([\d.]+)" height="([\d.]+)">)re").globalMatch(html); p.hasNext();)
        pages << p.next();
    QStringList problems;
    QList<QRegularExpressionMatch> words; // box and text of each word, top to bottom
    for (auto w = QRegularExpression(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)<)re")
                      .globalMatch(html.replace("&amp;", "&").replace("&apos;", "'").replace("&quot;", "\""));
         w.hasNext();)
        words << w.next();
    if (pages.size() != 1)
        return { QStringLiteral("%1 pages in %2").arg(pages.size()).arg(pdfFile) };
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
