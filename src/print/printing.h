// Sending one statement page to the system's default printer, and the way out when that
// cannot be done: the user is told why, and may save the same page as a PDF file instead.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace print {

class Page;

// Draws the whole page and ends the document; returns what ending it returned (false: the
// page was not completed).
using DrawPage = std::function<bool(Page &page)>;

enum class PrintOutcome {
    Printed, // the default printer took the job
    SavedAsPdf, // printing failed and the user saved the page as a PDF file instead
    Abandoned, // printing failed and the page was given up
};

// The questions asked when printing fails. Tests put their own answers in place; an empty
// member stands for the real dialog.
struct PrintDialogs
{
    // Shows why the page was not printed and offers to save it as a PDF; true: save.
    std::function<bool(QWidget *parent, const QString &message)> askToSavePdf;
    // Lets the user choose the PDF file; an empty name: cancelled.
    std::function<QString(QWidget *parent, const QString &suggestedName)> choosePdfFile;
    // Tells the user that the PDF file could not be written.
    std::function<void(QWidget *parent, const QString &message)> tell;
};
// Replaces the dialogs; returns the previous ones.
PrintDialogs setPrintDialogs(PrintDialogs dialogs);

// Prints the page on the default printer without asking anything. When there is no
// printer, or it is stopped, refuses the job or fails it, the user is told so and offered
// to save the page as a PDF; the program goes on either way. `documentName` names the
// print job and the suggested PDF file.
PrintOutcome printOnDefaultPrinter(
    QWidget *parent, const QString &documentName, const DrawPage &draw);

// Loads once what every page needs (the statements' fonts, the printer support), so that
// pages may then be rendered to PDF files on several threads at once.
void prepareRendering();

// Renders the page into a PDF file; false when the file could not be written.
bool renderToPdf(const QString &fileName, const QString &documentName, const DrawPage &draw);

} // namespace print
