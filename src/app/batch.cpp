#include "app/batch.h"

#include "app/office.h"
#include "app/returnfile.h"
#include "app/sheetlist.h"
#include "app/statements.h"
#include "fields/conversions.h"
#include "print/register.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QTextStream>
#include <QThread>
#include <atomic>
#include <thread>
#include <vector>

namespace batch {
namespace {

QString couldNotWrite(const QString &pdf)
{
    return QStringLiteral("%1 could not be written").arg(QDir::toNativeSeparators(pdf));
}

// One return worked out and rendered: why it cannot be printed (empty: it can), and each
// statement's file with the file it was rendered into meanwhile.
struct Rendered
{
    QString why;
    QList<std::pair<QString, QString>> pdfs;
    QStringList registerLine; // the return's figures, as the register lists them
};

// The register's columns after the file, the name and the PAN: the main sheet's figures.
const std::pair<const char *, const char *> kRegisterAmounts[] = { { "Gross salary", "txtgs" },
    { "Exempt allowances", "txtexall" }, { "Income from salary", "txtnsal" }, { "House property", "txthp" },
    { "Other sources", "txtos" }, { "Gross total income", "txtgti" }, { "Deductions u/s 80", "txtded80" },
    { "Net taxable income", "txtnti" }, { "Gross tax", "txtgtax" }, { "Relief 87A", "txtrel87A" },
    { "Surcharge", "txtsurch" }, { "Relief 89", "txtrel89" }, { "Cess", "txtcess" }, { "Total tax", "txtttax" },
    { "Tax deducted", "txtdedtax" }, { "Balance", "txtbaltax" } };

// A CSV field as RFC 4180 quotes it: in quotes, with its quotes doubled, when it needs them.
QString csvField(QString text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    return QLatin1Char('"') + text.replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
}

// The register of the returns printed, with the total of each amount column; empty when both
// files were written, otherwise why not.
QString writeRegister(const QString &dir, const QList<QStringList> &rows)
{
    print::RegisterFields fields;
    fields.title = QStringLiteral("Register of income tax 2014-15 (assessment year 2015-16)");
    fields.headings = QStringList { "File", "Name", "PAN" };
    for (const auto &[heading, box] : kRegisterAmounts)
        fields.headings << QString::fromLatin1(heading);
    fields.rows = rows;
    fields.totals = QStringList { "Total", QString(), QString() };
    for (int column = 3; column < fields.headings.size(); ++column) {
        double total = 0;
        for (const QStringList &row : rows)
            total += fields::readAmount(row[column]);
        fields.totals << fields::numberText(total);
    }
    fields.footerCredit = statements::footerCredit();

    QStringList lines;
    for (const QStringList &row : QList<QStringList> { fields.headings } + rows + QList<QStringList> { fields.totals }) {
        QStringList quoted;
        for (const QString &field : row)
            quoted << csvField(field);
        lines << quoted.join(QLatin1Char(','));
    }
    const QString csv = QDir(dir).filePath(QStringLiteral("register.csv"));
    QSaveFile file(csv);
    const QByteArray bytes = (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size() || !file.commit())
        return couldNotWrite(csv);
    const QString pdf = QDir(dir).filePath(QStringLiteral("register.pdf"));
    if (!print::renderToPdf(pdf, QStringLiteral("Register"), [&fields](print::Page &page) { return print::drawRegister(page, fields); }))
        return couldNotWrite(pdf);
    return {};
}

// Works on no window and on nothing another return shares, so that returns can be rendered
// side by side. The pages go into files of this return's own until the order of the command
// line says whether they may take their statements' names.
Rendered render(const QString &file, const QString &name, int index, const records::Controls *office)
{
    Rendered rendered;
    auto loaded = returnfile::load(file);
    if (const QString *why = std::get_if<QString>(&loaded)) {
        rendered.why = *why;
        return rendered;
    }
    auto &sheets = std::get<sheetlist::Sheets>(loaded);
    if (office) { // every return gets its Form 16, with the office's particulars
        if (!sheets.contains("frmf16"))
            sheets.insert("frmf16", sheetlist::named("frmf16")->startUp);
        office::apply(*office, sheets["frmf16"]);
    }
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
    const records::Controls &main = sheets["frmmain"];
    rendered.registerLine = QStringList { file, main.value("txtname"), main.value("txtpan") };
    for (const auto &[heading, box] : kRegisterAmounts)
        rendered.registerLine << main.value(QLatin1String(box));
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

bool printToPdf(const QString &dir, const QStringList &files, QTextStream &out, const QString &officeFile)
{
    QDir().mkpath(dir);
    std::optional<records::Controls> office;
    if (!officeFile.isEmpty()) {
        auto loaded = returnfile::load(officeFile);
        const auto *sheets = std::get_if<sheetlist::Sheets>(&loaded);
        const QString why = !sheets ? std::get<QString>(loaded)
            : !sheets->contains("frmf16") ? QStringLiteral("it holds no Form 16 sheet") : QString();
        if (!why.isEmpty()) {
            out << officeFile << ": not the office: " << why << "; nothing printed" << Qt::endl;
            return false;
        }
        office = sheets->value("frmf16");
    }
    QStringList names;
    for (const QString &file : files)
        names << QDir(dir).filePath(QFileInfo(file).completeBaseName());

    print::prepareRendering();
    std::vector<Rendered> rendered(size_t(files.size()));
    std::atomic<qsizetype> next { 0 };
    auto work = [&] {
        for (qsizetype i = next++; i < files.size(); i = next++)
            rendered[size_t(i)] = render(files[i], names[i], int(i), office ? &*office : nullptr);
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
    QList<QStringList> registerRows;
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
            registerRows << result.registerLine;
            out << file << ": " << written.join(' ') << Qt::endl;
        }
    }
    if (const QString why = writeRegister(dir, registerRows); !why.isEmpty()) {
        out << "register: not written: " << why << Qt::endl;
        return false;
    }
    out << "register: " << QDir::toNativeSeparators(QDir(dir).filePath("register.csv")) << ' '
        << QDir::toNativeSeparators(QDir(dir).filePath("register.pdf")) << Qt::endl;
    return all;
}

} // namespace batch
