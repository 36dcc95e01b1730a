// Time of the relief sheet's Calculate with arrears in every earlier year (target: median
// under 1 ms). Run: build/bench/relief/bench_frmrel89 -median 11 -iterations 500
#include "fields/amountfield.h"
#include "sheets/relief/frmrel89.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class bench_frmrel89 : public QObject
{
    Q_OBJECT
private slots:
    void calculate();
};

void bench_frmrel89::calculate()
{
    frmrel89 sheet;
    sheet.show();
    sheet.takeMain(2500000, tax::AgeGroup::Below60, QStringLiteral("R. K. Sharma"));
    fields::writeText(sheet.txtdob, QStringLiteral("15/08/1960"));
    for (int i = 0; i < frmrel89::kYears; ++i) {
        fields::writeText(sheet.txtti[i], QString::number(300000 + 90000 * i));
        fields::writeText(sheet.txtarr[i], QString::number(20000 + 5000 * i));
    }
    QBENCHMARK {
        sheet.cmdcalc->click();
    }
    QVERIFY(sheet.cmdback->isEnabled());
}

QTEST_MAIN(bench_frmrel89)
#include "bench_frmrel89.moc"
