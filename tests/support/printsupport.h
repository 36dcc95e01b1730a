// What the printing tests share: a private CUPS scheduler, the listing of a drawn page, and
// the comparison of a printed PDF page with that listing.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace print {
class RecordingPage;
}

namespace printsupport {

// A CUPS scheduler of the test's own, under `dir`: its configuration, spool, Unix socket,
// and a backend that keeps each job's PDF as dir/out/job-N.pdf. Every CUPS client of this
// process (Qt's included) and of the programs it starts talks to it and to nothing else.
class CupsSandbox
{
public:
    explicit CupsSandbox(const QString &dir);
    ~CupsSandbox() { stop(); }

    // "printer": one raw queue, the default; "noprinter": none; "full": the queue takes one
    // job at a time, so a job held in it makes it refuse the next.
    bool start(const QString &mode);
    void stop();
    // Runs a CUPS client program (lp, cupsdisable, ...) against the scheduler.
    bool run(const QString &program, const QStringList &arguments);
    // The printed jobs' files, oldest first.
    QStringList jobs() const;

    static inline const QString queue = QStringLiteral("morvel-test");

private:
    QString m_dir;
    QProcess m_cupsd;
};

// One line per drawing operation, as a reader of the page sees it: texts by their alignment
// (L left edge, R right edge, C centred) with position, font and text; rules; orientation.
QStringList listing(const print::RecordingPage &page);

// The listing kept in `file`. With MORVEL_UPDATE_LISTINGS=1 and an `actual` one, that is
// written there first (review the difference before committing it).
QStringList readListing(const QString &file, const QStringList &actual = {});

// Where the one page of a PDF disagrees with a listing: every text at its place (within
// 0.02 in of the printable area) and the orientation. Empty when they agree.
QStringList pdfDiffers(const QString &pdfFile, const QStringList &listing);

} // namespace printsupport
