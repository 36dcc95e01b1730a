// The page layer: which font stands for Tahoma, how widths are measured, and where the
// printer back end puts text and rules on a real (PDF) page.
#include "pdfwords.h"

#include "print/fonts.h"
#include "print/page.h"
#include "print/printing.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

using print::PageFont;
using print::RecordingPage;

namespace {

using pdfwords::kPoints;
using pdfwords::kTolerance;

double widthOf(
    RecordingPage &page, const QString &name, float points, bool bold, const QString &text)
{
    page.setFontName(name);
    page.setFontSize(points);
    page.setBold(bold);
    return page.textWidth(text);
}

} // namespace

class tst_Page : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void tahomaIsTheRealFace();
    void otherNamesUnchanged();
    void widthsFollowTheFont();
    void recordsTheFontInForce();
    void pdfPlacesTopLeftAndRightEdges_data();
    void pdfPlacesTopLeftAndRightEdges();
    void oneDocumentOnly();
    void unwritablePdfIsReported();

private:
    QTemporaryDir m_dir;
};

void tst_Page::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(!pdfwords::pdftotext().isEmpty(),
        "pdftotext (poppler-utils) is needed: scripts/deps.sh test");
}

void tst_Page::tahomaIsTheRealFace()
{
    const QString family = print::installedFamily(QStringLiteral("Tahoma"));
    // With Tahoma or its Wine-metric stand-in at hand, the statements never fall back.
    const bool tahomaAvailable = QFontDatabase::hasFamily(QStringLiteral("Tahoma"))
        || QFile::exists(QString::fromLatin1(print::kWineTahoma));
    if (tahomaAvailable)
        QCOMPARE(family, QStringLiteral("Tahoma"));
    else
        QCOMPARE(family, QString::fromLatin1(print::kFallbackFamily));
    for (bool bold : { false, true }) {
        const QFont font
            = print::resolvedFont(PageFont { QStringLiteral("Tahoma"), 9, bold, false, false });
        const QFontInfo info(font);
        QCOMPARE(info.family(), family); // not silently substituted
        QCOMPARE(info.bold(), bold);
    }
    if (tahomaAvailable)
        QVERIFY(QFontDatabase::styles(family).contains(QStringLiteral("Bold")));
}

void tst_Page::otherNamesUnchanged()
{
    QCOMPARE(print::installedFamily(QStringLiteral("Courier New")), QStringLiteral("Courier New"));
    QCOMPARE(print::installedFamily(QStringLiteral("tahoma")),
        print::installedFamily(QStringLiteral("Tahoma")));
}

void tst_Page::widthsFollowTheFont()
{
    RecordingPage page;
    const QString tahoma = QStringLiteral("Tahoma");
    QCOMPARE(widthOf(page, tahoma, 9, false, QString()), 0.0);
    const double regular9 = widthOf(page, tahoma, 9, false, QStringLiteral("1234567"));
    const double regular18 = widthOf(page, tahoma, 18, false, QStringLiteral("1234567"));
    const double bold9 = widthOf(page, tahoma, 9, true, QStringLiteral("1234567"));
    QVERIFY(regular9 > 0.3 && regular9 < 0.6); // seven digits at 9 pt: about 0.4 in
    QVERIFY(std::abs(regular18 - 2 * regular9) < 0.01 * regular18);
    QVERIFY(bold9 > regular9 * 1.02);
    page.setUnderline(true);
    page.setItalic(true);
    QCOMPARE(widthOf(page, tahoma, 9, false, QStringLiteral("1234567")) > 0, true);
    // Independently: the advance at 1200 dots per inch.
    QFont font(print::installedFamily(tahoma));
    font.setPointSizeF(9);
    font.setHintingPreference(QFont::PreferNoHinting);
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(qRound(1200 / 0.0254));
    device.setDotsPerMeterY(qRound(1200 / 0.0254));
    QCOMPARE(
        regular9, QFontMetricsF(font, &device).horizontalAdvance(QStringLiteral("1234567")) / 1200);
}

void tst_Page::recordsTheFontInForce()
{
    RecordingPage page;
    page.setFontName(QStringLiteral("Tahoma"));
    page.setFontSize(8);
    page.setItalic(true);
    page.printText(1.0f, 10.25f, QStringLiteral("footer"));
    page.drawLine(6.0f, 8.8f, 7.0f, 8.8f);
    QVERIFY(page.endDocument());
    QCOMPARE(page.operations.size(), 6);
    const auto &text = page.operations[3];
    QCOMPARE(text.kind, RecordingPage::Kind::Text);
    QCOMPARE(text.text, QStringLiteral("footer"));
    QCOMPARE(text.x, 1.0);
    QCOMPARE(text.y, double(10.25f));
    QVERIFY((text.font == PageFont { QStringLiteral("Tahoma"), 8, false, true, false }));
    const auto &line = page.operations[4];
    QCOMPARE(line.kind, RecordingPage::Kind::Line);
    QCOMPARE(line.x, 6.0);
    QCOMPARE(line.y, double(8.8f));
    QCOMPARE(line.x2, 7.0);
    QCOMPARE(line.y2, double(8.8f));
    QCOMPARE(page.operations[5].kind, RecordingPage::Kind::End);
}

void tst_Page::pdfPlacesTopLeftAndRightEdges_data()
{
    QTest::addColumn<bool>("landscape");
    QTest::newRow("portrait") << false;
    QTest::newRow("landscape") << true;
}

void tst_Page::pdfPlacesTopLeftAndRightEdges()
{
    QFETCH(bool, landscape);
    const QString file = m_dir.filePath(QStringLiteral("page-%1.pdf").arg(landscape));
    const bool ok = print::renderToPdf(file, QStringLiteral("page test"), [&](print::Page &page) {
        page.setFontName(QStringLiteral("Tahoma"));
        page.setFontSize(12);
        page.setBold(true);
        page.setUnderline(true);
        page.setItalic(false);
        if (landscape)
            page.setLandscape();
        page.printText(1.0f, 0.40f, QStringLiteral("HEADING"));
        page.setFontSize(9);
        page.setUnderline(false);
        for (bool bold : { false, true }) {
            page.setBold(bold);
            const float top = bold ? 2.15f : 2.0f;
            page.printText(1.2f, top, QStringLiteral("Label"));
            const double width = page.textWidth(QStringLiteral("612480"));
            page.printText(static_cast<float>(6.0 - width), top, QStringLiteral("612480"));
        }
        page.drawLine(5.0f, 2.5f, 6.0f, 2.5f);
        return page.endDocument();
    });
    QVERIFY(ok);
    const auto pages = pdfwords::read(file);
    QVERIFY(pages);
    QCOMPARE(pages->size(), 1);
    const pdfwords::Page &page = pages->first();
    QCOMPARE(page.width > page.height, landscape);

    const double origin = print::kMarginInches * kPoints;
    const auto heading = pdfwords::find(page, QStringLiteral("HEADING"));
    QCOMPARE(heading.size(), 1);
    QVERIFY2(std::abs(heading[0].xMin - (origin + 1.0 * kPoints)) < kTolerance,
        qPrintable(QString::number(heading[0].xMin)));
    QVERIFY2(std::abs(heading[0].yMin - (origin + 0.40 * kPoints)) < kTolerance,
        qPrintable(QString::number(heading[0].yMin)));

    const auto labels = pdfwords::find(page, QStringLiteral("Label"));
    const auto amounts = pdfwords::find(page, QStringLiteral("612480"));
    QCOMPARE(labels.size(), 2);
    QCOMPARE(amounts.size(), 2);
    for (int k = 0; k < 2; ++k) {
        const double top = origin + (k ? 2.15 : 2.0) * kPoints;
        QVERIFY(std::abs(labels[k].xMin - (origin + 1.2 * kPoints)) < kTolerance);
        QVERIFY(std::abs(labels[k].yMin - top) < kTolerance);
        QVERIFY2(std::abs(amounts[k].xMax - (origin + 6.0 * kPoints)) < kTolerance,
            qPrintable(QString::number(amounts[k].xMax)));
        QVERIFY(std::abs(amounts[k].yMin - top) < kTolerance);
    }
    // The bold amount is wider and still ends on the same edge.
    QVERIFY(amounts[1].xMin < amounts[0].xMin - 0.5);
}

void tst_Page::oneDocumentOnly()
{
    QPrinter printer(QPrinter::HighResolution);
    print::preparePdf(printer, m_dir.filePath(QStringLiteral("once.pdf")));
    print::PrinterPage page(printer);
    page.setFontName(QStringLiteral("Tahoma"));
    page.printText(1, 1, QStringLiteral("x"));
    QVERIFY(page.endDocument());
    QVERIFY(!page.endDocument());
}

void tst_Page::unwritablePdfIsReported()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("QPainter::begin")));
    const QString file = m_dir.filePath(QStringLiteral("no/such/folder/x.pdf"));
    const bool ok = print::renderToPdf(file, QStringLiteral("x"), [](print::Page &page) {
        page.printText(1, 1, QStringLiteral("x"));
        return page.endDocument();
    });
    QVERIFY(!ok);
}

QTEST_MAIN(tst_Page)
#include "tst_page.moc"
