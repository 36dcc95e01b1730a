// Time of the main sheet's Calculate on a filled sheet (target: median under 50 us).
// Run: build/bench/main/bench_frmmain -median 21 -iterations 2000
#include "app/forms.h"
#include "fields/amountfield.h"
#include "sheets/main/frmmain.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class bench_frmmain : public QObject
{
    Q_OBJECT
private slots:
    void calculate();
};

void bench_frmmain::calculate()
{
    Forms forms;
    frmmain *main = forms.mainSheet();
    main->show();
    fields::writeText(main->txtgs, "533080");
    fields::writeText(main->txttp, "9600");
    fields::writeText(main->txthra, "17000");
    fields::writeText(main->txtos, "5000");
    fields::writeText(main->txthp, "-74400");
    fields::writeText(main->txtded80, "150000");
    fields::writeText(main->txtrel89, "1500");
    fields::writeText(main->txtdedtax, "20000");
    QBENCHMARK {
        main->cmdcalc->click();
    }
    QCOMPARE(main->txtnti->text(), QString("287080"));
}

QTEST_MAIN(bench_frmmain)
#include "bench_frmmain.moc"
