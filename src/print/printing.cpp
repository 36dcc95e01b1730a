#include "print/printing.h"

#include "fields/messages.h"
#include "print/cupsqueue.h"
#include "print/fonts.h"
#include "print/page.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>

namespace print {
namespace {

PrintDialogs &currentDialogs()
{
    static PrintDialogs dialogs;
    return dialogs;
}

bool askToSavePdf(QWidget *parent, const QString &message)
{
    if (const auto &hook = currentDialogs().askToSavePdf)
        return hook(parent, message);
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf16(fields::kApplicationTitle), message,
        QMessageBox::Save | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("printFailedBox"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Save;
}

QString choosePdfFile(QWidget *parent, const QString &suggestedName)
{
    if (const auto &hook = currentDialogs().choosePdfFile)
        return hook(parent, suggestedName);
    QString name = QFileDialog::getSaveFileName(parent, QStringLiteral("Save as PDF"),
        QDir::home().filePath(suggestedName + QStringLiteral(".pdf")),
        QStringLiteral("PDF files (*.pdf)"));
    if (!name.isEmpty() && !name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        name += QStringLiteral(".pdf");
    return name;
}

void tell(QWidget *parent, const QString &message)
{
    if (const auto &hook = currentDialogs().tell)
        hook(parent, message);
    else
        fields::showMessage(parent, message);
}

// Why the default printer cannot take a job before one is made; empty when it can.
QString printerProblem(const QPrinterInfo &printer)
{
    if (printer.isNull())
        return QStringLiteral("there is no printer installed");
    const QString name
        = printer.description().isEmpty() ? printer.printerName() : printer.description();
    if (printer.state() == QPrinter::Error)
        return QStringLiteral("the printer \"%1\" is stopped").arg(name);
    if (cups::acceptsJobs(printer.printerName()) == false)
        return QStringLiteral("the printer \"%1\" is not accepting jobs").arg(name);
    return {};
}

// Prints and reports why it failed; empty when the job was handed to the printer.
QString printPage(const QPrinterInfo &info, const QString &documentName, const DrawPage &draw)
{
    const QString name = info.description().isEmpty() ? info.printerName() : info.description();
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(documentName);
    preparePage(printer);
    PrinterPage page(printer);
    if (!draw(page))
        return QStringLiteral("the printer \"%1\" could not print it").arg(name);
    // Ending the document hands the job to CUPS as its last request, and Qt ignores the
    // answer: ask CUPS what it answered.
    const QString refusal = cups::lastRequestError();
    if (!refusal.isEmpty())
        return QStringLiteral("the printer \"%1\" refused the job (%2)").arg(name, refusal);
    return {};
}

} // namespace

PrintDialogs setPrintDialogs(PrintDialogs dialogs)
{
    PrintDialogs previous = std::move(currentDialogs());
    currentDialogs() = std::move(dialogs);
    return previous;
}

PrintOutcome printOnDefaultPrinter(
    QWidget *parent, const QString &documentName, const DrawPage &draw)
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    QString problem = printerProblem(printer);
    if (problem.isEmpty())
        problem = printPage(printer, documentName, draw);
    if (problem.isEmpty())
        return PrintOutcome::Printed;

    const QString message = QStringLiteral("The page could not be printed: %1.\n\n"
                                           "Do you want to save it as a PDF file instead?")
                                .arg(problem);
    if (!askToSavePdf(parent, message))
        return PrintOutcome::Abandoned;
    const QString fileName = choosePdfFile(parent, documentName);
    if (fileName.isEmpty())
        return PrintOutcome::Abandoned;
    if (!renderToPdf(fileName, documentName, draw)) {
        tell(parent,
            QStringLiteral("The PDF file \"%1\" could not be written.")
                .arg(QDir::toNativeSeparators(fileName)));
        return PrintOutcome::Abandoned;
    }
    return PrintOutcome::SavedAsPdf;
}

void prepareRendering()
{
    installedFamily(QString::fromLatin1(kStatementFont));
    QPrinter printer(QPrinter::HighResolution);
}

bool renderToPdf(const QString &fileName, const QString &documentName, const DrawPage &draw)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    preparePdf(printer, fileName);
    PrinterPage page(printer);
    return draw(page);
}

} // namespace print
