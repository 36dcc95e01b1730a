#include "app/batch.h"

#include "app/forms.h"
#include "app/statements.h"
#include "fields/conversions.h"
#include "fields/messages.h"
#include "print/page.h"
#include "print/printing.h"
#include "sheets/main/frmmain.h"
#include "sheets/relief/frmrel89.h"
#include "sheets/salary/form1.h"

#include <QDir>
#include <QFileInfo>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QTextStream>

namespace batch {
namespace {

// Prints one return; empty when done, with the files written in `written`, otherwise why not
// (and no file is left behind).
QString printReturn(const QString &file, const QString &name, QStringList &written)
{
    QStringList told; // what a person would have been told: the first thing is why
    const fields::MessageHandler previous
        = fields::setMessageHandler([&told](QWidget *, const QString &text) { told << text; });
    Forms run;
    QString why = run.openReturn(file);
    QList<std::pair<QString, print::DrawPage>> pages; // the file of each page, and its drawing
    QStringList names; // as the printer's jobs are named
    print::TaxStatementFields tax;
    print::SalaryStatementFields salary;
    print::Form10EFields form10e;
    if (why.isEmpty()) {
        run.mainSheet()->cmdcalc->click();
        tax = run.taxStatement();
        pages.append({ name + "-tax.pdf", [&tax](print::Page &page) { return print::drawTaxStatement(page, tax); } });
        names << QStringLiteral("Income tax statement");
        if (run.hasSalarySheet()) {
            run.salarySheet()->cmdcal->click();
            salary = statements::salaryStatementFields(*run.salarySheet());
            pages.append({ name + "-salary.pdf", [&salary](print::Page &page) { return print::drawSalaryStatement(page, salary); } });
            names << QStringLiteral("Salary statement");
        }
        if (run.hasReliefSheet()) { // with the figures of the main sheet just calculated
            const frmmain *main = run.mainSheet();
            run.reliefSheet()->takeMain(fields::readAmount(main->txtnti->text()),
                tax::AgeGroup(main->cboage->currentIndex()), main->txtname->text());
            run.reliefSheet()->cmdcalc->click();
            form10e = statements::form10eFields(*run.reliefSheet());
            pages.append({ name + "-10e.pdf", [&form10e](print::Page &page) { return print::drawForm10E(page, form10e); } });
            names << QStringLiteral("Form 10E");
        }
        told << print::taxStatementProblem(tax) << (run.hasSalarySheet() ? print::salaryStatementProblem(salary) : QString());
        told.removeAll(QString());
        why = told.value(0);
    }
    fields::setMessageHandler(previous);
    for (qsizetype i = 0; i < pages.size() && why.isEmpty(); ++i) {
        if (!print::renderToPdf(pages[i].first + ".part", names[i], pages[i].second))
            why = QStringLiteral("%1 could not be written").arg(QDir::toNativeSeparators(pages[i].first));
    }
    for (const auto &[pdf, draw] : pages) { // all of them, or none
        if (why.isEmpty() && ((!QFile::remove(pdf) && QFile::exists(pdf)) || !QFile::rename(pdf + ".part", pdf)))
            why = QStringLiteral("%1 could not be written").arg(QDir::toNativeSeparators(pdf));
        QFile::remove(pdf + ".part");
        if (why.isEmpty())
            written << QDir::toNativeSeparators(pdf);
    }
    return why;
}

} // namespace

bool printToPdf(const QString &dir, const QStringList &files, QTextStream &out)
{
    QDir().mkpath(dir);
    bool all = true;
    // Returns of the same name from two folders would print over each other: the first keeps
    // its statements. By the file itself, so that one named twice is simply printed again.
    QHash<QString, QString> printedFrom; // a statement's name, and the return printed into it
    for (const QString &file : files) {
        const QString name = QDir(dir).filePath(QFileInfo(file).completeBaseName());
        const QString taxPdf = name + "-tax.pdf";
        const QString earlier = printedFrom.value(name), self = QFileInfo(file).canonicalFilePath();
        QStringList written;
        const QString why = !earlier.isEmpty() && earlier != self
            ? QStringLiteral("%1 holds the statement of %2").arg(QDir::toNativeSeparators(taxPdf), QDir::toNativeSeparators(earlier))
            : printReturn(file, name, written);
        if (!why.isEmpty()) {
            all = false;
            out << file << ": not printed: " << why << Qt::endl;
        } else {
            printedFrom.insert(name, self);
            out << file << ": " << written.join(' ') << Qt::endl;
        }
    }
    return all;
}

} // namespace batch
