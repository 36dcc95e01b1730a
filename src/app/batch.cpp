#include "app/batch.h"

#include "app/returnfile.h"
#include "app/sheetlist.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QTextStream>
#include <QThread>
#include <atomic>
#include <thread>
#include <vector>

namespace batch {
namespace {

// One return worked out and rendered: why it cannot be printed (empty: it can), and each
// statement's file with the file it was rendered into meanwhile.
struct Rendered
{
    QString why;
    QList<std::pair<QString, QString>> pdfs;
};

QString couldNotWrite(const QString &pdf)
{
    return QStringLiteral("%1 could not be written").arg(QDir::toNativeSeparators(pdf));
}

// Works on no window and on nothing another return shares, so that returns can be rendered
// side by side. The pages go into files of this return's own until the order of the command
// line says whether they may take their statements' names.
Rendered render(const QString &file, const QString &name, int index)
{
    Rendered rendered;
    auto loaded = returnfile::load(file);
    if (const QString *why = std::get_if<QString>(&loaded)) {
        rendered.why = *why;
        return rendered;
    }
    auto &sheets = std::get<sheetlist::Sheets>(loaded);
    QStringList told; // what a person would have been told: the first thing is why
    for (const sheetlist::Sheet &sheet : sheetlist::all()) {
        if (sheet.calculate && sheets.contains(sheet.name))
            if (const std::optional<records::Said> said = sheet.calculate(sheets))
                told << said->message;
    }
    QList<std::tuple<QString, QString, print::DrawPage>> pages; // file, job name, drawing
    for (const sheetlist::Sheet &sheet : sheetlist::all()) {
        if (!sheet.page || !sheets.contains(sheet.name))
            continue;
        sheetlist::Page page = sheet.page(sheets);
        told << page.problem;
        pages.append({ name + sheet.pdfSuffix, sheet.jobName, std::move(page.draw) });
    }
    told.removeAll(QString());
    rendered.why = told.value(0);
    for (const auto &[pdf, job, draw] : pages) {
        if (!rendered.why.isEmpty())
            break;
        const QString part = QStringLiteral("%1.part%2").arg(pdf).arg(index);
        rendered.pdfs.append({ pdf, part });
        if (!print::renderToPdf(part, job, draw))
            rendered.why = couldNotWrite(pdf);
    }
    return rendered;
}

} // namespace

bool printToPdf(const QString &dir, const QStringList &files, QTextStream &out)
{
    QDir().mkpath(dir);
    QStringList names;
    for (const QString &file : files)
        names << QDir(dir).filePath(QFileInfo(file).completeBaseName());

    print::prepareRendering();
    std::vector<Rendered> rendered(size_t(files.size()));
    std::atomic<qsizetype> next { 0 };
    auto work = [&] {
        for (qsizetype i = next++; i < files.size(); i = next++)
            rendered[size_t(i)] = render(files[i], names[i], int(i));
    };
    std::vector<std::thread> workers;
    const int cores = std::max(1, QThread::idealThreadCount());
    for (int i = 1; i < std::min<qsizetype>(cores, files.size()); ++i)
        workers.emplace_back(work);
    work();
    for (std::thread &worker : workers)
        worker.join();

    bool all = true;
    // Returns of the same name from two folders would print over each other: the first keeps
    // its statements. By the file itself, so that one named twice is simply printed again.
    QHash<QString, QString> printedFrom; // a statement's name, and the return printed into it
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString &file = files[i], &name = names[i];
        Rendered &result = rendered[size_t(i)];
        const QString earlier = printedFrom.value(name), self = QFileInfo(file).canonicalFilePath();
        if (!earlier.isEmpty() && earlier != self)
            result.why = QStringLiteral("%1 holds the statement of %2")
                             .arg(QDir::toNativeSeparators(name + "-tax.pdf"), QDir::toNativeSeparators(earlier));
        QStringList written;
        for (const auto &[pdf, part] : result.pdfs) { // all of them, or none
            if (result.why.isEmpty() && ((!QFile::remove(pdf) && QFile::exists(pdf)) || !QFile::rename(part, pdf)))
                result.why = couldNotWrite(pdf);
            QFile::remove(part);
            if (result.why.isEmpty())
                written << QDir::toNativeSeparators(pdf);
        }
        if (!result.why.isEmpty()) {
            all = false;
            out << file << ": not printed: " << result.why << Qt::endl;
        } else {
            printedFrom.insert(name, self);
            out << file << ": " << written.join(' ') << Qt::endl;
        }
    }
    return all;
}

} // namespace batch
