// Time to render each statement into a PDF file, from the first drawing operation to the
// closed file (target: median under 50 ms; Form 16 under 20 ms).
// Run: QT_QPA_PLATFORM=offscreen build/bench/print/bench_statements -median 15 -iterations 10
#include "print/form16.h"
#include "print/printing.h"
#include "print/salarystatement.h"
#include "print/taxstatement.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class bench_statements : public QObject
{
    Q_OBJECT
private slots:
    void taxStatementToPdf();
    void salaryStatementToPdf();
    void form16ToPdf();

private:
    QTemporaryDir m_dir;
};

void bench_statements::taxStatementToPdf()
{
    print::TaxStatementFields f;
    f.mainName = QStringLiteral("R. K. SHARMA");
    f.mainGs = QStringLiteral("612480");
    f.mainTp = QStringLiteral("9600");
    f.mainHra = QStringLiteral("45210");
    f.mainExall = QStringLiteral("54810");
    f.mainNsal = QStringLiteral("557670");
    f.mainOs = QStringLiteral("12000");
    f.mainGti = QStringLiteral("569670");
    f.deductionsGpf = QStringLiteral("60000");
    f.deductions80c = QStringLiteral("150000");
    f.deductionsGt80 = QStringLiteral("150000");
    f.mainNti = QStringLiteral("419670");
    f.mainGtax = QStringLiteral("21967");
    const QString file = m_dir.filePath(QStringLiteral("tax.pdf"));
    bool ok = true;
    QBENCHMARK
    {
        ok = ok
            && print::renderToPdf(file, QStringLiteral("Income tax statement"),
                [&](print::Page &page) { return print::drawTaxStatement(page, f); });
    }
    QVERIFY(ok);
    QVERIFY(QFileInfo(file).size() > 1000);
}

void bench_statements::salaryStatementToPdf()
{
    print::SalaryStatementFields f;
    f.name = QStringLiteral("R. K. SHARMA");
    for (int i = 2; i < 14; ++i) {
        f.basicPay[i] = QStringLiteral("21000");
        f.gradePay[i] = QStringLiteral("4600");
        f.da[i] = QStringLiteral("25600");
        f.hra[i] = QStringLiteral("7680");
        f.transport[i] = QStringLiteral("3200");
        f.rowTotal[i] = QStringLiteral("62080");
    }
    const QString file = m_dir.filePath(QStringLiteral("salary.pdf"));
    bool ok = true;
    QBENCHMARK
    {
        ok = ok
            && print::renderToPdf(file, QStringLiteral("Salary statement"),
                [&](print::Page &page) { return print::drawSalaryStatement(page, f); });
    }
    QVERIFY(ok);
    QVERIFY(QFileInfo(file).size() > 1000);
}

void bench_statements::form16ToPdf()
{
    print::Form16Fields f;
    f.employerName = QStringLiteral("Office of the Accountant General");
    f.employeeName = QStringLiteral("R. K. SHARMA");
    f.employeePan = QStringLiteral("ABCPS1234K");
    f.salary17_1 = f.grossSalary = QStringLiteral("612480");
    for (int i = 0; i < 10; ++i)
        f.sectionA.append({ QStringLiteral("80C line %1").arg(i), QStringLiteral("15000"), QString(), QStringLiteral("15000") });
    f.sectionB.append({ QStringLiteral("80D"), QStringLiteral("25000"), QStringLiteral("25000"), QStringLiteral("25000") });
    f.taxPayable = QStringLiteral("21967");
    const QString file = m_dir.filePath(QStringLiteral("form16.pdf"));
    bool ok = true;
    QBENCHMARK
    {
        ok = ok && print::renderToPdf(file, QStringLiteral("Form 16"), [&](print::Page &page) { return print::drawForm16(page, f); });
    }
    QVERIFY(ok);
    QVERIFY(QFileInfo(file).size() > 1000);
}

QTEST_MAIN(bench_statements)
#include "bench_statements.moc"
