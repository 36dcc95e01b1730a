// An office's returns printed with no window: each its Form 16 with the office's particulars, a
// refused one printing nothing, the register of those printed with its totals, an office that is none.
#include "app/batch.h"
#include "support/testsupport.h"

#include <QProcess>
#include <QTemporaryDir>

const QString kOffice = R"("frmf16":{"txtemployer":"Pay and Accounts Office","txtdedpan":"PANNOTREQD","txttan":"DELP01234E"})";

// A PDF file's words, with "fi" and "fl" as two letters where the font drew one.
static QString pdfText(const QString &pdf)
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", { pdf, "-" });
    pdftotext.waitForFinished(30000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).replace(QChar(0xFB01), "fi").replace(QChar(0xFB02), "fl").simplified();
}

class tst_Batch : public QObject
{
    Q_OBJECT
private slots:
    void everyReturnItsForm16();
    void notTheOffice_data();
    void notTheOffice();
    void withoutOffice();

private:
    // A return NAME.morvel holding `sheets` (JSON members); its file's name.
    QString write(const QString &name, const QString &sheets)
    {
        return testsupport::write(m_temp.filePath(name + ".morvel"),
            R"({"format":"morvel-return","version":1,"year":"2014-15","sheets":{)" + sheets.toUtf8() + "}}");
    }

    QTemporaryDir m_temp;
    QString m_told;
    QTextStream m_out { &m_told };
};

void tst_Batch::everyReturnItsForm16()
{
    const QString office = write("office", kOffice), pdf = m_temp.filePath("office-pdf");
    const QString sharma = write("sharma", R"("frmmain":{"txtname":"Sharma, R. K. \"Ravi\"","txtpan":"ABCPS1234K",
        "txtgs":"912345","txttp":"9600"},"frmf16":{"txtdesig":"Section Officer","txtemployer":"Old Bureau"})");
    const QString gupta = write("gupta", R"("frmmain":{"txtname":"Meena Gupta","txtpan":"BCDPG2345L","txtgs":"654321","txtos":"4321"})");
    const QString nopan = write("nopan", R"("frmmain":{"txtname":"K. Iyer","txtpan":"ABC12","txtgs":"500000"})");
    QVERIFY(!batch::printToPdf(pdf, { sharma, nopan, gupta }, m_out, office));
    const QStringList lines = m_told.split('\n');
    QCOMPARE(lines[0], sharma + ": " + pdf + "/sharma-tax.pdf " + pdf + "/sharma-form16.pdf");
    QVERIFY2(lines[1].startsWith(nopan + ": not printed: ") && lines[1].contains("\"ABC12\", which is not a PAN"), qPrintable(lines[1]));
    QCOMPARE(lines[2], gupta + ": " + pdf + "/gupta-tax.pdf " + pdf + "/gupta-form16.pdf");
    QCOMPARE(QDir(pdf).entryList(QDir::Files),
        QStringList({ "gupta-form16.pdf", "gupta-tax.pdf", "register.csv", "register.pdf", "sharma-form16.pdf", "sharma-tax.pdf" }));
    // The office's particulars over the return's own; its designation kept.
    const QString first = pdfText(pdf + "/sharma-form16.pdf"), second = pdfText(pdf + "/gupta-form16.pdf");
    QVERIFY2(first.contains("Section Officer") && first.contains("Pay and Accounts Office") && !first.contains("Old Bureau"), qPrintable(first));
    QVERIFY2(second.contains("Pay and Accounts Office") && second.contains("BCDPG2345L"), qPrintable(second));

    QFile file(pdf + "/register.csv");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString csv = QString::fromUtf8(file.readAll());
    QVERIFY(csv.endsWith("\r\n") && csv.count('\n') == csv.count("\r\n"));
    // The one field that needs quotes has them, its own doubled; no other field has any.
    QVERIFY(csv.contains(R"(,"Sharma, R. K. ""Ravi""",ABCPS1234K,912345,)"));
    QList<QStringList> rows; // the headings, the two printed, the total
    for (const QString &line : csv.replace(R"("Sharma, R. K. ""Ravi""")", "Sharma").split("\r\n", Qt::SkipEmptyParts))
        rows << line.split(',');
    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows[1].mid(0, 4), QStringList({ sharma, "Sharma", "ABCPS1234K", "912345" }));
    QCOMPARE(rows[2].mid(0, 4), QStringList({ gupta, "Meena Gupta", "BCDPG2345L", "654321" }));
    QCOMPARE(rows[3].mid(0, 3), QStringList({ "Total", "", "" }));
    QVERIFY(rows[1].size() == rows[0].size() && rows[2].size() == rows[0].size() && rows[3].size() == rows[0].size());
    for (qsizetype column = 3; column < rows[0].size(); ++column) {
        bool ok[3];
        const double a = rows[1][column].toDouble(&ok[0]), b = rows[2][column].toDouble(&ok[1]);
        QVERIFY2(ok[0] && ok[1] && rows[3][column].toDouble(&ok[2]) == a + b && ok[2], qPrintable(rows[0][column]));
    }
}

void tst_Batch::notTheOffice_data()
{
    // The office file's sheets (none: no such file); what the line says.
    testsupport::table(R"(
        missing file  |                                 | No such file
        no Form 16    | "frmmain":{"txtname":"P. Nair"} | it holds no Form 16 sheet
    )");
}

void tst_Batch::notTheOffice()
{
    const auto [sheets, why] = testsupport::cells<2>();
    const QString office = sheets.isEmpty() ? m_temp.filePath("absent.morvel") : write("clerk", sheets);
    const QString worker = write("worker", R"("frmmain":{"txtname":"V. Rao","txtpan":"EFGPR5678P","txtgs":"400000"})");
    m_told.clear();
    QVERIFY(!batch::printToPdf(m_temp.filePath("none-pdf"), { worker }, m_out, office));
    QVERIFY2(m_told.startsWith(office + ": not the office: ") && m_told.contains(why) && m_told.count('\n') == 1, qPrintable(m_told));
    QCOMPARE(QDir(m_temp.filePath("none-pdf")).entryList(QDir::Files), QStringList());
}

void tst_Batch::withoutOffice()
{
    const QString own = write("own", R"("frmmain":{"txtname":"A. Menon","txtpan":"CDEPM3456M","txtgs":"700000"},)"
        R"("frmplan":{"cbofrom":"Dec 14"},)" + kOffice);
    const QString none = write("none", R"("frmmain":{"txtname":"B. Das","txtpan":"DEFPD4567N","txtgs":"600000"})");
    const QString pdf = m_temp.filePath("own-pdf");
    QVERIFY(batch::printToPdf(pdf, { own, none }, m_out));
    QCOMPARE(QDir(pdf).entryList(QDir::Files), QStringList({ "none-tax.pdf", "own-form16.pdf", "own-plan.pdf", "own-tax.pdf", "register.csv", "register.pdf" }));
    // The return's planner worked out: its balance spread from December.
    const QString planned = pdfText(pdf + "/own-plan.pdf");
    QVERIFY2(planned.contains("A. Menon") && planned.contains("Dec 14 22320 Jan 15 22320 Feb 15 22310"), qPrintable(planned));
    QFile file(pdf + "/register.pdf");
    QVERIFY(file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-");
    const QString listed = pdfText(file.fileName());
    QVERIFY2(listed.contains("A. Menon") && listed.contains("B. Das"), qPrintable(listed));
}

QTEST_MAIN(tst_Batch)
#include "tst_batch.moc"
