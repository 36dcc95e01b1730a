// Calculate of every sheet on its record, with no window (target: each under 50 us; the
// whole planner, every limit with its own recomputation, under 1 ms).
// Each round starts from the same typed record, so that every step writes again: the salary
// sheet's increment runs down the column, the relief sheet works out all nine earlier years.
// Run: build/bench/records/bench_records -median 11 -iterations 2000
#include "records/deductions.h"
#include "records/house.h"
#include "records/hra.h"
#include "records/plan.h"
#include "records/relief.h"
#include "records/salary.h"

#include <QTest>

class bench_Records : public QObject
{
    Q_OBJECT
private slots:
    void main();
    void salary();
    void hra();
    void house();
    void deductions();
    void relief();
    void plan();

private:
    // Calculates a copy of `typed` in each round; the figures must all stand.
    template <class Record> void calculate(const Record &typed)
    {
        Record first = typed;
        QVERIFY(!records::calculate(first));
        QBENCHMARK {
            Record record = typed;
            std::optional<records::Said> said = records::calculate(record);
            Q_UNUSED(said);
        }
    }
};

void bench_Records::main()
{
    records::MainRecord r;
    r.txtgs = "10712345";
    r.txttp = "9600";
    r.txthra = "41234";
    r.txtos = "5678";
    r.txthp = "-74400";
    r.txtded80 = "123456";
    r.txtrel89 = "1234";
    r.txtdedtax = "23456";
    calculate(r);
}

void bench_Records::salary()
{
    records::SalaryRecord r;
    r.cbonps = "Y";
    records::writePayCell(r.txtbp, 0, "15000");
    records::writePayCell(r.txtgp, 0, "2400");
    calculate(r);
}

void bench_Records::hra()
{
    records::HraRecord r;
    r.txtbp = "186000";
    r.txtnpa = "28800";
    r.txtda = "212520";
    r.txthra = "64440";
    r.txtRP = "120000";
    calculate(r);
}

void bench_Records::house()
{
    records::HouseRecord r;
    r.txtarv = "120000";
    r.txtptax = "12000";
    r.txtintt = "150000";
    r.txtoth = "1000";
    calculate(r);
}

void bench_Records::deductions()
{
    records::DeductionsRecord r;
    r.txtgpf = "60000";
    r.txtlic = "40000";
    r.txtppf = "30000";
    r.txt80ccdec = "20000";
    r.txt80ccdgc = "20000";
    r.txt80ccf = "25000";
    r.txt80d = "15000";
    calculate(r);
}

void bench_Records::relief()
{
    records::ReliefRecord r;
    r.txtnti = "2500000";
    r.txtdob = "15/08/1950";
    r.txtage = "60 to 79";
    for (int i = 0; i < records::ReliefRecord::kYears; ++i) {
        r.txtti[i] = QString::number(300000 + 10000 * i);
        r.txtarr[i] = QString::number(20000 + 1000 * i);
    }
    calculate(r);
}

void bench_Records::plan()
{
    // Every limit with room left, a self-occupied house, the balance spread over all twelve
    // months: each of the five lines runs the main sheet's Calculate again.
    records::MainRecord main;
    main.txtgs = "1212345";
    main.txttp = "9600";
    main.txthp = "-120000";
    main.txtded80 = "62000";
    main.txtrel89 = "1234";
    records::DeductionsRecord deductions;
    deductions.txtgpf = "50000";
    deductions.txt80d = "12000";
    records::HouseRecord house;
    records::chooseSelfOccupied(house);
    house.txtintt = "120000";
    QVERIFY(!records::calculate(main));
    records::PlanRecord first;
    QVERIFY(!records::calculate(first, main, deductions, &house));
    QVERIFY(first.txtsave[records::PlanRecord::AllLimits] != "0");
    QBENCHMARK {
        records::PlanRecord plan;
        std::optional<records::Said> said = records::calculate(plan, main, deductions, &house);
        Q_UNUSED(said);
    }
}

QTEST_GUILESS_MAIN(bench_Records)
#include "bench_records.moc"
