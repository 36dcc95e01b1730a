#include "print/page.h"

#include "print/fonts.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPrinter>

namespace print {

QFont resolvedFont(const PageFont &font)
{
    QFont result(installedFamily(font.name));
    result.setPointSizeF(font.points);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    // Widths must not depend on the pixel grid of the device: measure and draw with the
    // outlines' own advances.
    result.setHintingPreference(QFont::PreferNoHinting);
    return result;
}

// ---- RecordingPage

RecordingPage::RecordingPage()
    : m_measure(1, 1, QImage::Format_RGB32)
{
    const int dotsPerMeter = qRound(kResolution / 0.0254);
    m_measure.setDotsPerMeterX(dotsPerMeter);
    m_measure.setDotsPerMeterY(dotsPerMeter);
}

void RecordingPage::record(Kind kind, const QString &text, double x, double y, double x2, double y2)
{
    operations.append(Operation { kind, m_font, text, x, y, x2, y2 });
}

void RecordingPage::setFontName(const QString &name)
{
    m_font.name = name;
    record(Kind::FontName, name);
}

void RecordingPage::setFontSize(float points)
{
    m_font.points = points;
    record(Kind::FontSize, {}, points);
}

void RecordingPage::setBold(bool on)
{
    m_font.bold = on;
    record(Kind::Bold, {}, 0, on ? 1 : 0);
}

void RecordingPage::setItalic(bool on)
{
    m_font.italic = on;
    record(Kind::Italic, {}, 0, on ? 1 : 0);
}

void RecordingPage::setUnderline(bool on)
{
    m_font.underline = on;
    record(Kind::Underline, {}, 0, on ? 1 : 0);
}

double RecordingPage::textWidth(const QString &text)
{
    const QFontMetricsF metrics(resolvedFont(m_font), &m_measure);
    const double width = metrics.horizontalAdvance(text) / kResolution;
    record(Kind::TextWidth, text, width);
    return width;
}

void RecordingPage::printText(float x, float y, const QString &text)
{
    record(Kind::Text, text, x, y);
}

void RecordingPage::drawLine(float x1, float y1, float x2, float y2)
{
    record(Kind::Line, {}, x1, y1, x2, y2);
}

void RecordingPage::setLandscape()
{
    landscape = true;
    record(Kind::Landscape);
}

void RecordingPage::newPage()
{
    record(Kind::NewPage);
}

bool RecordingPage::endDocument()
{
    record(Kind::End);
    return true;
}

// ---- PrinterPage

PrinterPage::PrinterPage(QPrinter &printer)
    : m_printer(printer)
{
}

PrinterPage::~PrinterPage()
{
    // A page that was begun but not ended is abandoned, not sent.
    if (m_painter && m_painter->isActive())
        m_printer.abort();
}

void PrinterPage::setFontName(const QString &name)
{
    m_font.name = name;
}

void PrinterPage::setFontSize(float points)
{
    m_font.points = points;
}

void PrinterPage::setBold(bool on)
{
    m_font.bold = on;
}

void PrinterPage::setItalic(bool on)
{
    m_font.italic = on;
}

void PrinterPage::setUnderline(bool on)
{
    m_font.underline = on;
}

double PrinterPage::textWidth(const QString &text)
{
    const QFontMetricsF metrics(resolvedFont(m_font), &m_printer);
    return metrics.horizontalAdvance(text) / m_printer.resolution();
}

bool PrinterPage::ensureBegun()
{
    if (m_began)
        return !m_failed;
    m_began = true;
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(&m_printer)) {
        m_failed = true;
        return false;
    }
    return true;
}

void PrinterPage::printText(float x, float y, const QString &text)
{
    if (!ensureBegun())
        return;
    const QFont font = resolvedFont(m_font);
    m_painter->setFont(font);
    const double dpi = m_printer.resolution();
    // drawText places the baseline: go down by the ascent to put the top of the line at y.
    const QFontMetricsF metrics(font, &m_printer);
    m_painter->drawText(QPointF(x * dpi, y * dpi + metrics.ascent()), text);
}

void PrinterPage::drawLine(float x1, float y1, float x2, float y2)
{
    if (!ensureBegun())
        return;
    const double dpi = m_printer.resolution();
    m_painter->setPen(QPen(Qt::black, 1)); // one device pixel: the painter is not scaled
    m_painter->drawLine(QPointF(x1 * dpi, y1 * dpi), QPointF(x2 * dpi, y2 * dpi));
}

void PrinterPage::setLandscape()
{
    if (!m_began)
        m_printer.setPageOrientation(QPageLayout::Landscape);
}

void PrinterPage::newPage()
{
    // A page that could not be started fails the document: endDocument reports it.
    if (ensureBegun() && !m_printer.newPage())
        m_failed = true;
}

bool PrinterPage::endDocument()
{
    if (m_ended)
        return false; // one page per document
    m_ended = true;
    if (!ensureBegun())
        return false;
    if (!m_painter->end())
        return false;
    const QPrinter::PrinterState state = m_printer.printerState();
    return state != QPrinter::Error && state != QPrinter::Aborted;
}

void preparePage(QPrinter &printer)
{
    printer.setFullPage(false);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(
        QMarginsF(kMarginInches, kMarginInches, kMarginInches, kMarginInches), QPageLayout::Inch);
}

void preparePdf(QPrinter &printer, const QString &fileName)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    const bool usLetter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    printer.setPageSize(QPageSize(usLetter ? QPageSize::Letter : QPageSize::A4));
    preparePage(printer);
}

} // namespace print
