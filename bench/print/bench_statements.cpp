// Time to render each statement into a PDF file, from the first drawing operation to the
// closed file: what a user waits for after Print when the page goes to PDF.
//   bench_statements [--keep DIR] [google benchmark flags]
// With --keep the two PDFs are left in DIR for inspection.
#include "print/printing.h"
#include "print/salarystatement.h"
#include "print/taxstatement.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QString g_dir;

print::TaxStatementFields taxSheet()
{
    print::TaxStatementFields f;
    f.mainName = QStringLiteral("R. K. SHARMA");
    f.mainGs = QStringLiteral("612480");
    f.mainTp = QStringLiteral("38400");
    f.mainHra = QStringLiteral("45210");
    f.mainExall = QStringLiteral("83610");
    f.mainNsal = QStringLiteral("528870");
    f.mainOs = QStringLiteral("12000");
    f.mainGti = QStringLiteral("340870");
    f.mainNti = QStringLiteral("340870");
    f.mainGtax = QStringLiteral("9087");
    f.deductionsGpf = QStringLiteral("60000");
    f.deductions80c = QStringLiteral("150000");
    f.deductionsGt80 = QStringLiteral("200000");
    return f;
}

print::SalaryStatementFields salarySheet()
{
    print::SalaryStatementFields f;
    f.name = QStringLiteral("R. K. SHARMA");
    for (int i = 2; i < 14; ++i) {
        f.basicPay[i] = QStringLiteral("21000");
        f.gradePay[i] = QStringLiteral("4600");
        f.da[i] = QStringLiteral("25600");
        f.hra[i] = QStringLiteral("7680");
        f.rowTotal[i] = QStringLiteral("58880");
    }
    return f;
}

void BM_TaxStatementToPdf(benchmark::State &state)
{
    const print::TaxStatementFields fields = taxSheet();
    const QString file = QDir(g_dir).filePath(QStringLiteral("tax-statement.pdf"));
    for (auto _ : state) {
        const bool ok = print::renderToPdf(file, QStringLiteral("Tax statement"),
            [&](print::Page &page) { return drawTaxStatement(page, fields); });
        if (!ok)
            state.SkipWithError("the PDF could not be written");
    }
}

void BM_SalaryStatementToPdf(benchmark::State &state)
{
    const print::SalaryStatementFields fields = salarySheet();
    const QString file = QDir(g_dir).filePath(QStringLiteral("salary-statement.pdf"));
    for (auto _ : state) {
        const bool ok = print::renderToPdf(file, QStringLiteral("Salary statement"),
            [&](print::Page &page) { return drawSalaryStatement(page, fields); });
        if (!ok)
            state.SkipWithError("the PDF could not be written");
    }
}

BENCHMARK(BM_TaxStatementToPdf)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SalaryStatementToPdf)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir temporary;
    g_dir = temporary.path();
    std::vector<char *> rest;
    for (int i = 0; i < argc; ++i) {
        if (qstrcmp(argv[i], "--keep") == 0 && i + 1 < argc) {
            g_dir = QString::fromLocal8Bit(argv[++i]);
            QDir().mkpath(g_dir);
            continue;
        }
        rest.push_back(argv[i]);
    }
    int restCount = static_cast<int>(rest.size());
    benchmark::Initialize(&restCount, rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
