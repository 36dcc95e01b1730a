// Reading back what a PDF shows, with poppler's pdftotext -bbox: each page's size and every
// word with its box, in points from the page's top-left corner.
#pragma once

#include "print/page.h"

#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTest>
#include <optional>

namespace pdfwords {

struct Word
{
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    QString text;
};

struct Page
{
    double width = 0, height = 0;
    QList<Word> words;
};

inline QString pdftotext()
{
    return QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
}

inline QString unescape(QString text)
{
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&apos;"), QLatin1String("'"));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

// nullopt when pdftotext is missing or cannot read the file.
inline std::optional<QList<Page>> read(const QString &pdfFile)
{
    const QString tool = pdftotext();
    if (tool.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(tool, { QStringLiteral("-bbox"), pdfFile, QStringLiteral("-") });
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return std::nullopt;
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression pageTag(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    static const QRegularExpression wordTag(QStringLiteral(
        R"re(<word xMin="([\d.-]+)" yMin="([\d.-]+)" xMax="([\d.-]+)" yMax="([\d.-]+)">([^<]*)</word>)re"));
    QList<Page> pages;
    for (const QString &line : html.split(u'\n')) {
        if (const auto m = pageTag.match(line); m.hasMatch()) {
            pages.append(Page { m.captured(1).toDouble(), m.captured(2).toDouble(), {} });
        } else if (const auto w = wordTag.match(line); w.hasMatch() && !pages.isEmpty()) {
            pages.last().words.append(Word { w.captured(1).toDouble(), w.captured(2).toDouble(),
                w.captured(3).toDouble(), w.captured(4).toDouble(), unescape(w.captured(5)) });
        }
    }
    return pages;
}

// The box of a phrase: consecutive words on one line spelling it. All occurrences.
inline QList<Word> find(const Page &page, const QString &phrase)
{
    const QStringList parts = phrase.split(u' ', Qt::SkipEmptyParts);
    QList<Word> found;
    if (parts.isEmpty())
        return found;
    for (int i = 0; i + parts.size() <= page.words.size(); ++i) {
        bool match = true;
        for (int k = 0; k < parts.size() && match; ++k) {
            const Word &w = page.words[i + k];
            match = w.text == parts[k] && std::abs(w.yMin - page.words[i].yMin) < 0.5;
        }
        if (match) {
            const Word &first = page.words[i];
            const Word &last = page.words[i + parts.size() - 1];
            found.append(Word { first.xMin, first.yMin, last.xMax, last.yMax, phrase });
        }
    }
    return found;
}

constexpr double kPoints = 72.0;
constexpr double kTolerance = 0.02 * kPoints; // 0.02 in

// Checks that a text stands with its top-left corner at (x, top), inches on the printable
// area, within the tolerance.
inline void checkLeft(const pdfwords::Page &page, const QString &text, double x, double top)
{
    const double origin = print::kMarginInches * kPoints;
    const auto found = pdfwords::find(page, text);
    bool placed = false;
    for (const auto &w : found)
        placed = placed
            || (std::abs(w.xMin - (origin + x * kPoints)) < kTolerance
                && std::abs(w.yMin - (origin + top * kPoints)) < kTolerance);
    QVERIFY2(placed,
        qPrintable(QStringLiteral("\"%1\" not at (%2, %3): %4 found")
                       .arg(text)
                       .arg(x)
                       .arg(top)
                       .arg(found.size())));
}

// Checks that a text ends on the right edge `edge` with its top at `top`.
inline void checkRight(const pdfwords::Page &page, const QString &text, double edge, double top)
{
    const double origin = print::kMarginInches * kPoints;
    const auto found = pdfwords::find(page, text);
    bool placed = false;
    for (const auto &w : found)
        placed = placed
            || (std::abs(w.xMax - (origin + edge * kPoints)) < kTolerance
                && std::abs(w.yMin - (origin + top * kPoints)) < kTolerance);
    QVERIFY2(placed,
        qPrintable(QStringLiteral("\"%1\" does not end at %2 on %3: %4 found")
                       .arg(text)
                       .arg(edge)
                       .arg(top)
                       .arg(found.size())));
}

} // namespace pdfwords
