// The page the printed statements draw on: text and rules placed at absolute positions in
// inches from the top-left corner of the printable area, fonts in points. One interface,
// two back ends: RecordingPage keeps every operation for the tests, PrinterPage paints on
// a QPrinter (a real printer or a PDF file).
#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <memory>

class QFont;
class QPainter;
class QPrinter;

namespace print {

// The font the statements ask for, as they asked for it.
struct PageFont
{
    QString name;
    float points = 12;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    friend bool operator==(const PageFont &, const PageFont &) = default;
};

// The font a back end draws and measures with: the family is the one installed for the
// requested name (see fonts.h), the size stays in points.
QFont resolvedFont(const PageFont &font);

class Page
{
public:
    virtual ~Page() = default;

    virtual void setFontName(const QString &name) = 0;
    virtual void setFontSize(float points) = 0;
    virtual void setBold(bool on) = 0;
    virtual void setItalic(bool on) = 0;
    virtual void setUnderline(bool on) = 0;

    // Width, in inches, that the text will occupy when printed in the current font.
    virtual double textWidth(const QString &text) = 0;
    // Prints the text with its top-left corner at (x, y), inches.
    virtual void printText(float x, float y, const QString &text) = 0;
    // A straight rule, one device pixel wide, in black.
    virtual void drawLine(float x1, float y1, float x2, float y2) = 0;
    // Takes effect only before anything is drawn.
    virtual void setLandscape() = 0;
    // Ends the page drawn so far and starts another of the same size and orientation.
    virtual void newPage() = 0;
    // Completes the page and hands it on; false when the document could not be completed.
    virtual bool endDocument() = 0;
};

// Keeps every operation with its arguments and the font in force when it was made.
// Widths are measured at a fixed resolution in the font the printer would use.
class RecordingPage : public Page
{
public:
    enum class Kind {
        FontName,
        FontSize,
        Bold,
        Italic,
        Underline,
        TextWidth,
        Text,
        Line,
        Landscape,
        End,
        NewPage
    };

    struct Operation
    {
        Kind kind;
        PageFont font; // in force when the operation was made (after it, for font changes)
        QString text; // Text, TextWidth, FontName
        double x = 0; // Text: left; Line: x1; TextWidth: the width returned; FontSize: points
        double y = 0; // Text: top; Line: y1; Bold/Italic/Underline: 1 or 0
        double x2 = 0;
        double y2 = 0;
    };

    static constexpr int kResolution = 1200; // dots per inch of the measurement

    RecordingPage();

    void setFontName(const QString &name) override;
    void setFontSize(float points) override;
    void setBold(bool on) override;
    void setItalic(bool on) override;
    void setUnderline(bool on) override;
    double textWidth(const QString &text) override;
    void printText(float x, float y, const QString &text) override;
    void drawLine(float x1, float y1, float x2, float y2) override;
    void setLandscape() override;
    void newPage() override;
    bool endDocument() override;

    QList<Operation> operations;
    bool landscape = false;

private:
    void record(Kind kind, const QString &text = {}, double x = 0, double y = 0, double x2 = 0,
        double y2 = 0);

    PageFont m_font;
    QImage m_measure; // only its resolution matters
};

// Paints on a printer that the caller has set up (output format, page size, file name).
// The painter begins at the first drawing operation, so the orientation can still be
// chosen before it; positions are converted to device pixels with the printer's
// resolution, and widths are measured with the printer's own font metrics.
class PrinterPage : public Page
{
public:
    explicit PrinterPage(QPrinter &printer);
    ~PrinterPage() override;

    void setFontName(const QString &name) override;
    void setFontSize(float points) override;
    void setBold(bool on) override;
    void setItalic(bool on) override;
    void setUnderline(bool on) override;
    double textWidth(const QString &text) override;
    void printText(float x, float y, const QString &text) override;
    void drawLine(float x1, float y1, float x2, float y2) override;
    void setLandscape() override;
    void newPage() override;
    bool endDocument() override;

private:
    bool ensureBegun();

    QPrinter &m_printer;
    std::unique_ptr<QPainter> m_painter;
    PageFont m_font;
    bool m_began = false;
    bool m_failed = false;
    bool m_ended = false;
};

// The margins around the printable area of every page we make: the statements measure
// from its top-left corner.
inline constexpr double kMarginInches = 0.2;

// Prepares a printer for one statement page: margins, portrait, high resolution is the
// caller's choice when constructing it.
void preparePage(QPrinter &printer);

// Points a printer at a PDF file of the usual paper size (A4, or Letter where the locale
// measures in US units).
void preparePdf(QPrinter &printer, const QString &fileName);

} // namespace print
