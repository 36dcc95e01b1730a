// A private CUPS scheduler for the printing tests, run by tests/print/cups-sandbox.sh in
// the foreground and ended with the test (or with the test process, should it die).
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTest>
#include <optional>

#include <csignal>
#include <cstring>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace cupssandbox {

inline const QString kQueue = QStringLiteral("morvel-test");

inline QString findTool(const QString &name)
{
    return QStandardPaths::findExecutable(name,
        { QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"), QStringLiteral("/sbin"),
            QStringLiteral("/usr/local/sbin") });
}

// The scheduler and its folder: configuration, socket, and out/ where each job lands.
class Sandbox
{
public:
    explicit Sandbox(const QString &dir)
        : m_dir(dir)
    {
    }
    ~Sandbox() { stop(); }

    QString socket() const { return m_dir + QStringLiteral("/cups.sock"); }
    QString outDir() const { return m_dir + QStringLiteral("/out"); }

    bool start(const QString &mode)
    {
        stop();
        QFile::remove(socket());
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        // If the test dies, the scheduler goes with it.
        m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_process.start(
            QStringLiteral("/bin/bash"), { QStringLiteral(CUPS_SANDBOX_SCRIPT), m_dir, mode });
        if (!m_process.waitForStarted(10000))
            return false;
        for (int waited = 0; waited < 15000; waited += 50) {
            if (m_process.state() != QProcess::Running)
                return false;
            if (answers())
                return true;
            QTest::qWait(50);
        }
        return false;
    }

    // The scheduler listens once its socket takes a connection.
    bool answers() const
    {
        const QByteArray path = socket().toLocal8Bit();
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        if (path.size() >= qsizetype(sizeof address.sun_path))
            return false;
        std::memcpy(address.sun_path, path.constData(), path.size());
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (fd < 0)
            return false;
        const bool connected
            = ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
        ::close(fd);
        return connected;
    }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(10000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    QString output() { return QString::fromLocal8Bit(m_process.readAll()); }

    // Runs a CUPS client program against this scheduler; its output, or nullopt on failure.
    std::optional<QString> run(
        const QString &program, const QStringList &arguments, const QByteArray &input = {})
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(findTool(program), arguments);
        if (!process.waitForStarted(5000))
            return std::nullopt;
        process.write(input);
        process.closeWriteChannel();
        if (!process.waitForFinished(15000) || process.exitCode() != 0)
            return std::nullopt;
        return QString::fromLocal8Bit(process.readAll());
    }

    QStringList jobFiles() const
    {
        return QDir(outDir()).entryList({ QStringLiteral("job-*.pdf") }, QDir::Files, QDir::Name);
    }

private:
    QString m_dir;
    QProcess m_process;
};

// Points every CUPS client of this process, Qt's included, at the scheduler in `dir` and
// nowhere else. Call before anything asks CUPS for printers.
inline void useOnly(const QString &dir, const QString &home)
{
    qputenv("CUPS_SERVER", (dir + QStringLiteral("/cups.sock")).toLocal8Bit());
    qputenv("CUPS_SERVERROOT", (dir + QStringLiteral("/conf")).toLocal8Bit());
    qputenv("HOME", home.toLocal8Bit()); // no personal lpoptions
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
}

} // namespace cupssandbox
