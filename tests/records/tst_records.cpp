// The sheets' arithmetic on their records, with no window: each Calculate, the copy-down of
// the salary sheet's pay, the mediclaim ceiling, what a sheet takes on opening and hands back,
// and a file's controls put on a record.
#include "records/deductions.h"
#include "records/house.h"
#include "records/hra.h"
#include "records/main.h"
#include "records/relief.h"
#include "records/salary.h"
#include "support/testsupport.h"

using namespace testsupport;
using records::Controls;

namespace {

// "25000*3 0*11": the texts, each repeated as often as it says.
QString expanded(const QString &runs)
{
    QStringList out;
    for (const QString &run : runs.split(' ', Qt::SkipEmptyParts))
        for (int i = 0; i < (run.contains('*') ? run.section('*', 1).toInt() : 1); ++i)
            out << run.section('*', 0, 0);
    return out.join(' ');
}

// A record of the sheet the windows name `sheet`, in its start-up state, given to `f`.
template <class R, class F> bool on(const QString &sheet, const char *name, F &f)
{
    R record;
    return sheet == QLatin1String(name) && (f(record), true);
}

template <class F> void onSheet(const QString &sheet, F &&f)
{
    using namespace records;
    if (!(on<MainRecord>(sheet, "frmmain", f) || on<SalaryRecord>(sheet, "Form1", f) || on<HraRecord>(sheet, "Form2", f)
            || on<HouseRecord>(sheet, "Form4", f) || on<DeductionsRecord>(sheet, "frmreb88", f)
            || on<ReliefRecord>(sheet, "frmrel89", f)))
        QTest::qFail(qPrintable("no sheet " + sheet), __FILE__, __LINE__);
}

// A step on the salary sheet's pay: "txtbp(3)=x" typed, "txtbp(3):x" put there without a
// change reaction (as a file does), "txtbp(3)!" its change reaction, "calc" a Calculate.
void payStep(records::SalaryRecord &r, const QString &step)
{
    if (step == u"calc") {
        QCOMPARE(told(records::calculate(r)), QString());
        return;
    }
    auto &column = step.startsWith(u"txtgp") ? r.txtgp : r.txtbp;
    const int index = step.section('(', 1).section(')', 0, 0).toInt();
    const QString rest = step.section(')', 1), typed = rest.mid(1) == u"''" ? QString() : rest.mid(1);
    if (rest.startsWith('='))
        records::writePayCell(column, index, typed);
    else if (rest.startsWith(':'))
        column[index] = typed;
    else
        records::payCellChanged(column, index);
}

} // namespace

class tst_Records : public QObject
{
    Q_OBJECT
private slots:
    // Typed boxes are read in the user's number format: the tables are written in C's.
    void init() { QLocale::setDefault(QLocale::c()); }
    void mainCalculate_data();
    void mainCalculate();
    void payCopyDown_data();
    void payCopyDown();
    void salaryRules_data();
    void salaryRules();
    void calculate_data();
    void calculate();
    void mediclaim_data();
    void mediclaim();
    void openAndBack_data();
    void openAndBack();
    void fill_data();
    void fill();
};

void tst_Records::mainCalculate_data()
{
    // The age group; gross salary, transport, HRA, other sources, relief 89, tax deducted;
    // house property and deductions as the sub-sheets leave them; every computed box from the
    // exempt allowances to the balance. (Every box read, and a result too large: tst_mainsheet.)
    testsupport::table(R"(
        250000 is nil              | Below 60     | 250000 0 0 0 0 0        | 0       | 0      | 0 250000 250000 250000 0 0 0 0 0 0 0
        250010                     | Below 60     | 250010 0 0 0 0 0        | 0       | 0      | 0 250010 250010 250010 1 1 0 0 0 0 0
        270000                     | Below 60     | 270000 0 0 0 0 0        | 0       | 0      | 0 270000 270000 270000 2000 2000 0 0 0 0 0
        280000                     | Below 60     | 280000 0 0 0 0 0        | 0       | 0      | 0 280000 280000 280000 3000 2000 1000 0 30 1030 1030
        1000010                    | Below 60     | 1000010 0 0 0 0 0       | 0       | 0      | 0 1000010 1000010 1000010 125003 0 125003 0 3750 128753 128753
        relief 89 beyond the tax   | Below 60     | 480000 0 0 0 30000 0    | 0       | 0      | 0 480000 480000 480000 23000 2000 0 0 0 0 0
        cess 1.5 to 2              | Below 60     | 480000 0 0 0 20950 0    | 0       | 0      | 0 480000 480000 480000 23000 2000 50 0 2 52 52
        cess 4.5 to 4              | Below 60     | 480000 0 0 0 20850 0    | 0       | 0      | 0 480000 480000 480000 23000 2000 150 0 4 154 154
        tens: 5 to even            | Below 60     | 480005 0 0 0 0 0        | 0       | 0      | 0 480005 480005 480000 23000 2000 21000 0 630 21630 21630
        tens: 15 to even           | Below 60     | 480015 0 0 0 0 0        | 0       | 0      | 0 480015 480015 480020 23002 2000 21002 0 630 21632 21632
        tens: paise count          | Below 60     | 480005.5 0 0 0 0 0      | 0       | 0      | 0 480005.5 480005.5 480010 23001 2000 21001 0 630 21631 21631
        negative income            | Below 60     | -20000 0 0 0 0 0        | 0       | 0      | 0 -20000 -20000 -20000 0 0 0 0 0 0 0
        grouping ends the number   | Below 60     | 1,50,000 0 0 0 abc 0    | 0       | 0      | 0 1 1 0 0 0 0 0 0 0 0
        below 60: 1000000          | Below 60     | 1000000 0 0 0 0 0       | 0       | 0      | 0 1000000 1000000 1000000 125000 0 125000 0 3750 128750 128750
        below 60: full 10%         | Below 60     | 11000000 0 0 0 0 0      | 0       | 0      | 0 11000000 11000000 11000000 3125000 0 3125000 312500 103125 3540625 3540625
        60 to 79: 300000           | 60 to 79     | 300000 0 0 0 0 0        | 0       | 0      | 0 300000 300000 300000 0 0 0 0 0 0 0
        60 to 79: 500000           | 60 to 79     | 500000 0 0 0 0 0        | 0       | 0      | 0 500000 500000 500000 20000 2000 18000 0 540 18540 18540
        60 to 79: 500010           | 60 to 79     | 500010 0 0 0 0 0        | 0       | 0      | 0 500010 500010 500010 20002 0 20002 0 600 20602 20602
        60 to 79: 1000000          | 60 to 79     | 1000000 0 0 0 0 0       | 0       | 0      | 0 1000000 1000000 1000000 120000 0 120000 0 3600 123600 123600
        60 to 79: marginal         | 60 to 79     | 10010000 0 0 0 0 0      | 0       | 0      | 0 10010000 10010000 10010000 2823000 0 2823000 7000 84900 2914900 2914900
        80 and above: 500000       | 80 and above | 500000 0 0 0 0 0        | 0       | 0      | 0 500000 500000 500000 0 0 0 0 0 0 0
        80 and above: 500010       | 80 and above | 500010 0 0 0 0 0        | 0       | 0      | 0 500010 500010 500010 2 0 2 0 0 2 2
        80 and above: 1000000      | 80 and above | 1000000 0 0 0 0 0       | 0       | 0      | 0 1000000 1000000 1000000 100000 0 100000 0 3000 103000 103000
        80 and above: marginal     | 80 and above | 10010000 0 0 0 0 0      | 0       | 0      | 0 10010000 10010000 10010000 2803000 0 2803000 7000 84300 2894300 2894300
    )");
}

void tst_Records::mainCalculate()
{
    const auto [age, typed, house, deductions, computed] = testsupport::cells<5>();
    const QStringList names = { "txtgs", "txttp", "txthra", "txtos", "txtrel89", "txtdedtax", "txthp", "txtded80" };
    const QStringList texts = QString(typed + ' ' + house + ' ' + deductions).split(' ', Qt::SkipEmptyParts);
    QCOMPARE(texts.size(), names.size());
    records::MainRecord main;
    main.cboage = age;
    for (qsizetype i = 0; i < names.size(); ++i)
        put(main, names[i] + '=' + texts[i]);
    QCOMPARE(told(records::calculate(main)), QString());
    QCOMPARE(shown(main, "txtexall txtnsal txtgti txtnti txtgtax txtrel87A txtntax txtsurch txtcess txtttax txtbaltax"), computed);
}

void tst_Records::payCopyDown_data()
{
    // Steps on the pay columns (see payStep), then basic pay and grade pay, Jan 14 to Feb 15.
    testsupport::table(R"(
        emptied in the last month    | txtgp(0)=1800 txtgp(13)=''                                        | 0*14 | 1800*13 0
        the same text stops the run  | txtbp(0)=25000 txtbp(6):27000 txtbp(9):31000 txtbp(0)=27000       | 27000*7 25000*2 31000 25000*4 | 0*14
        a cell already changed       | txtbp(0)=14000 txtbp(3):15200 txtbp(3)!                           | 14000*3 15200*11 | 0*14
        a cell already emptied       | txtgp(0)=2400 txtgp(5):'' txtgp(5)!                               | 0*14 | 2400*5 0*9
        increment from June's pay    | txtbp(0)=23450 txtgp(0)=4600 txtbp(5)=23800 txtbp(10):30000 calc  | 23450*5 23800 24660*8 | 4600*14
        increment meets its own text | txtbp(0)=23450 txtgp(0)=4600 txtbp(9):24300 txtbp(10):30000 calc  | 23450*6 24300*4 30000 23450*3 | 4600*14
    )");
}

void tst_Records::payCopyDown()
{
    const auto [steps, basic, grade] = testsupport::cells<3>();
    records::SalaryRecord r;
    for (const QString &step : steps.split(' '))
        payStep(r, step);
    QCOMPARE(QStringList(r.txtbp.begin(), r.txtbp.end()).join(' '), expanded(basic));
    QCOMPARE(QStringList(r.txtgp.begin(), r.txtgp.end()).join(' '), expanded(grade));
}

void tst_Records::salaryRules_data()
{
    // The classes (HRA, transport, pension scheme), whether the increment is worked out, and
    // the pay typed into Jan 14 (then later months typed, as "txtbp(3)=15200"). Every computed
    // cell first holds "99", so a cell that a rule leaves alone keeps it. Checked: basic pay of
    // Jul 14, then DA, HRA, transport and MGC of Jan 14, Mar 14 and Jul 14; or "!" and what
    // the user is told.
    testsupport::table(R"(
        worked example            | X A/A-1 N | no  | 15000 2400 | 15000 / 1740 17400 18618 / 5220 5220 / 160 3200 3312 / 0 0 0
        increment 841.5 to 850    | Y Oth. N  | yes | 23450 4600 | 24300 / 2805 28050 30923 / 5610 5780 / 80 1600 1656 / 0 0 0
        increment exactly 630     | Z A/A-1 N | yes | 15600 5400 | 16230 / 2100 21000 23144 / 2100 2163 / 320 6400 6624 / 0 0 0
        grade pay 5399: tier 2    | NA Oth. N | no  | 20000 5399 | 20000 / 2540 25399 27177 / 0 0 / 80 1600 1656 / 0 0 0
        grade pay 5400: tier 1    | NA Oth. N | no  | 20000 5400 | 20000 / 2540 25400 27178 / 0 0 / 160 3200 3312 / 0 0 0
        months of their own       | X A/A-1 Y | no  | 15000 2400 txtbp(1)=15050 txtgp(1)=2450 txtbp(2)=15100 txtgp(2)=2500 txtbp(3)=15200 txtgp(3)=2600 txtbp(5)=15400 txtgp(5)=2800 txtbp(6)=15600 txtgp(6)=2920 txtbp(7)=15800 txtgp(7)=3000 | 15600 / 1740 17600 19816 / 5280 5556 / 160 3200 3312 / 174 3520 3834
        grade pay 4200: tier 2    | X A/A-1 N | no  | 7000 4200  | 7000 / 1120 11200 11984 / 3360 3360 / 160 3200 3312 / 0 0 0
        basic 7440: tier 3        | X A/A-1 N | no  | 7440 4199  | 7440 / 1164 11639 12454 / 3492 3492 / 160 3200 3312 / 0 0 0
        basic 7439: tier 4        | X A/A-1 N | no  | 7439 1800  | 7439 / 924 9239 9886 / 2772 2772 / 60 1200 1242 / 0 0 0
        tier 4, other cities      | X Oth. N  | no  | 7439 1800  | 7439 / 924 9239 9886 / 2772 2772 / 40 800 828 / 0 0 0
        0.4 counts in A/A-1       | X A/A-1 N | no  | 0.4 1800   | 0.4 / 180 1800 1926 / 540 540 / 60 1200 1242 / 0 0 0
        0.4 is no pay elsewhere   | X Oth. N  | no  | 0.4 1800   | 0.4 / 180 1800 1926 / 540 540 / 99 99 99 / 0 0 0
        no basic pay: no tier     | X A/A-1 N | no  | 0 1800     | 0 / 180 1800 1926 / 540 540 / 99 99 99 / 0 0 0
        no transport allowance    | X NA N    | no  | 15000 2400 | 15000 / 1740 17400 18618 / 5220 5220 / 0 0 0 / 0 0 0
        classes not in the lists  | x a/a-1 n | no  | 15000 2400 | 15000 / 1740 17400 18618 / 99 99 / 99 99 99 / 99 99 99
        too large: stops there    | X A/A-1 N | yes | 1e308 0    | ! The total of Mar 14 could not be worked out: the amounts are too large. Calculation stopped there.
    )");
}

void tst_Records::salaryRules()
{
    const auto [classes, increment, pay, expected] = testsupport::cells<4>();
    records::SalaryRecord r;
    const QStringList lists = classes.split(' ');
    r.cboclass1 = lists[0], r.cboclass3 = lists[1], r.cbonps = lists[2];
    r.chkinc = increment == u"yes";
    const QStringList typed = pay.split(' ');
    for (const QString &step : QStringList { "txtbp(0)=" + typed[0], "txtgp(0)=" + typed[1] } + typed.mid(2))
        payStep(r, step);
    for (int i = 0; i < records::SalaryRecord::kRows; ++i) {
        r.txttpa2[i] = r.txtmgc[i] = "99";
        if (i >= pay::kFirstCurrentRow)
            r.txthra[i] = "99";
    }
    const bool refused = expected.startsWith('!');
    QCOMPARE(told(records::calculate(r)), refused ? expected.mid(1).trimmed() + " @" : QString());
    if (!refused)
        QCOMPARE(shown(r, "txtbp(6) txtda(0) txtda(2) txtda(6) txthra(2) txthra(6) txttpa2(0) txttpa2(2) txttpa2(6) "
                          "txtmgc(0) txtmgc(2) txtmgc(6)"), QString(expected).remove("/ "));
}

void tst_Records::calculate_data()
{
    // The sheet, its boxes as typed, the boxes it then shows; or the box refused and what it
    // says. A refusal writes nothing: the boxes shown keep what was there before. (The relief
    // sheet's age group and net taxable income are the main sheet's: txtage, txtnti.)
    testsupport::table(R"~(
        HRA drawn              | Form2 | txtbp=300000 txtnpa=50000 txtda=350000 txthra=180000 txtRP=300000 | txtns=700000 txthrx=180000
        excess equal to HRA    | Form2 | txtbp=300000 txtnpa=50000 txtda=350000 txthra=180000 txtRP=250000 | txtns=700000 txthrx=180000
        rent below a tenth     | Form2 | txtbp=300000 txtnpa=50000 txtda=350000 txthra=180000 txtRP=50000 | txtns=700000 txthrx=0
        no HRA drawn           | Form2 | txtbp=300000 txtnpa=50000 txtda=350000 txthra=0 txtRP=240000 | txtns=700000 txthrx=0
        tenth 30000.5 to 30000 | Form2 | txtbp=200005 txtnpa=40000 txtda=60000 txthra=100000 txtRP=120000 | txtns=300005 txthrx=90000
        tenth 30001.5 to 30002 | Form2 | txtbp=200015 txtnpa=40000 txtda=60000 txthra=110000 txtRP=100000 | txtns=300015 txthrx=69998
        ten digits, as typed   | Form2 | txtbp=300000 txtnpa=50000 txtda=350000 txthra=9999999999 txtRP=1000000000 | txthra=9999999999 txtRP=1000000000 txtns=700000 txthrx=999930000
        emptied rent reads 0   | Form2 | txtbp=300000 txtnpa=50000 txtda=350000 txthra=180000 txtRP='' | txtRP=0 txtns=700000 txthrx=0
        emptied DA reads 0     | Form2 | txtbp=300000 txtnpa=50000 txtda='' txthra=210000 txtRP=240000 | txtda=0 txtns=350000 txthrx=205000
        emptied, then a word   | Form2 | txtns=-1 txthrx=-2 txtbp='' txtnpa=200 txtda=300 txthra=5x0 txtRP=700 | txtbp=0 txtns=-1 txthrx=-2 | txthra | The box "HRA Drawn" holds "5x0", which is not a number.
        repairs 10.5 to 10     | Form4 | txtarv=45 txtptax=10 txtintt=7 txtoth=3 | txtghi=35 txtrep=10 txttd=20 txtihp=15
        repairs 7.5 to 8       | Form4 | txtarv=40 txtptax=15 txtintt=6 txtoth=2 | txtghi=25 txtrep=8 txttd=16 txtihp=9
        no ceiling when let out| Form4 | txtarv=300 txtptax=100 txtintt=250000 txtoth=50 | txtghi=200 txtrep=60 txttd=250110 txtihp=-249910
        taxes above the rent   | Form4 | txtarv=1000 txtptax=2000 txtintt=40 txtoth=500 | txtghi=-1000 txtrep=-300 txttd=240 txtihp=-1240
        after 1-4-99, a rupee over   | Form4 | optso=1 txtintt=200001 | txtintt=200001 txtghi=0 txtrep=0 txttd=200000 txtihp=-200000
        after 1-4-99, at the ceiling | Form4 | optso=1 txtintt=200000 | txttd=200000 txtihp=-200000
        after 1-4-99, a rupee under  | Form4 | optso=1 txtintt=199999 | txttd=199999 txtihp=-199999
        before 1-4-99, 30001         | Form4 | optso=1 optb499=1 txtintt=30001 | txtintt=30001 txttd=30000 txtihp=-30000
        before 1-4-99, at the ceiling| Form4 | optso=1 optb499=1 txtintt=30000 | txttd=30000 txtihp=-30000
        before 1-4-99, 29999         | Form4 | optso=1 optb499=1 txtintt=29999 | txttd=29999 txtihp=-29999
        taxes a word           | Form4 | txtghi=-1 txtrep=-2 txttd=-3 txtihp=-4 txtarv=120000 txtptax=12x txtintt=150000 txtoth=3000 | txtghi=-1 txtrep=-2 txttd=-3 txtihp=-4 | txtptax | The box "Less:- Property Taxes" holds "12x", which is not a number. Please correct it and calculate again.
        interest a lone point  | Form4 | optso=1 optb499=1 txttd=-3 txtihp=-4 txtintt=. | txttd=-3 txtihp=-4 | txtintt | The box "Interest on Borrowed Capital" holds ".", which is not a number.
        over the ceiling          | frmreb88 | txtgpf=150000 txtnsci=50000 txt80ccdec=10000 txt80ccdgc=14000 | txt80c=200000 txttot1=164000 txt80ccf=0 txtgt80=164000
        a rupee over the ceiling  | frmreb88 | txtppf=145000 txt80ccdec=5001 txt80ccdgc=7000 | txt80c=145000 txttot1=157000 txtgt80=157000
        exactly at the ceiling    | frmreb88 | txtppf=145000 txt80ccdec=5000 txt80ccdgc=7000 | txttot1=157000 txtgt80=157000
        a rupee under the ceiling | frmreb88 | txtppf=145000 txt80ccdec=4999 txt80ccdgc=7000 | txttot1=156999 txtgt80=156999
        80CCF a rupee over        | frmreb88 | txt80ccf=20001 | txt80ccf=20000 txtgt80=20000
        80CCF at 20000            | frmreb88 | txt80ccf=20000 | txt80ccf=20000 txtgt80=20000
        80CCF a rupee under       | frmreb88 | txt80ccf=19999 | txt80ccf=19999 txtgt80=19999
        grouping ends the number  | frmreb88 | txtlic=1,50,000 | txt80c=1 txttot1=1 txt80ccf=0 txtgt80=1
        fraction carried          | frmreb88 | txtoth=1234.5 | txt80c=0 txttot1=0 txtgt80=1234.5
        a woman in 2009-10    | frmrel89 | txtnti=640000 txtdob=10/10/1975 chkwoman=1 txtti(4)=150000 txtarr(4)=40000 | txttax1(4)=0 txttax2(4)=0 txtrelief=8000
        a man in 2009-10      | frmrel89 | txtnti=640000 txtdob=10/10/1975 txtti(4)=150000 txtarr(4)=40000 | txttax1(4)=0 txttax2(4)=3000 txtrelief=5000
        senior, 87A           | frmrel89 | txtage=60~to~79 txtnti=330000 txtdob=01/04/1955 txtti(5)=100000 txtarr(5)=60000 | txttaxincl=1000 txttaxexcl=0 txtrelief=1000
        born on the last day  | frmrel89 | txtnti=900000 txtdob=31/03/2015 txtti(2)=50000 | txtexcl=900000 txtarrtot=0 txtrelief=0
        no arrears, no date   | frmrel89 | txtnti=900000 txtti(2)=50000 txtpan=ABCDE1234F | txtexcl=900000 txttaxincl=105000 txtrelief=0
        all of it arrears     | frmrel89 | txtnti=900000 txtdob=15/08/1970 txtti(6)=0 txtarr(6)=900000 | txtexcl=0 txttaxexcl=0 txtdiff(6)=122000 txtrelief=0
        PAN as the box shows  | frmrel89 | txtnti=900000 txtdob=15/08/1970 txtpan=ABCDE1234F | txtpan=ABCDE1234F txtrelief=0
        total income a word   | frmrel89 | txtrelief=-9 txtnti=900000 txtdob=15/08/1970 txtti(3)=12a txtarr(3)=5000 | txtrelief=-9 | txtti(3) | The box "Total Income 2008-09" holds "12a", which is not a number.
        arrears below 0       | frmrel89 | txtrelief=-9 txtnti=900000 txtdob=15/08/1970 txtti(2)=300000 txtarr(2)=-5 | txtrelief=-9 | txtarr(2) | The box "Arrears 2007-08" holds "-5", which is below 0.
        no such day           | frmrel89 | txtrelief=-9 txtnti=900000 txtdob=31/02/2000 txtti(7)=400000 txtarr(7)=100000 | txtrelief=-9 | txtdob | holds "31/02/2000", which is not a date (dd/mm/yyyy)
        born after the year   | frmrel89 | txtrelief=-9 txtnti=900000 txtdob=01/04/2015 | txtrelief=-9 | txtdob | holds "01/04/2015", which is after 31/03/2015
        arrears, no date      | frmrel89 | txtrelief=-9 txtnti=900000 txtti(1)=200000 txtarr(1)=5000 | txtrelief=-9 | txtdob | The box "Date of Birth" is empty
        PAN without letter    | frmrel89 | txtrelief=-9 txtnti=900000 txtdob=15/08/1970 txtpan=ABCDE1234 | txtrelief=-9 | txtpan | holds "ABCDE1234", which is not a PAN
        arrears over income   | frmrel89 | txtrelief=-9 txtnti=900000 txtdob=15/08/1970 txtti(6)=100000 txtarr(6)=900000 txtarr(8)=10 | txtrelief=-9 | txtarr(6) | The arrears, 900010 in all, are more than the net taxable income of 2014-15 that includes them, 900000. Please correct the box "Arrears 2011-12"
        another age group     | frmrel89 | txtrelief=-9 txtnti=900000 txtdob=01/04/1955 txtti(7)=400000 txtarr(7)=100000 | txtrelief=-9 | txtdob | puts the employee in the age group "60 to 79" for 2014-15, but the main sheet says "Below 60"
    )~");
}

void tst_Records::calculate()
{
    const auto [sheet, typed, after, box, message] = testsupport::cells<5>();
    onSheet(sheet, [&](auto &r) {
        put(r, typed);
        const QString said = told(records::calculate(r));
        QVERIFY2(box.isEmpty() ? said.isEmpty() : said.contains(message) && said.endsWith(" @" + box), qPrintable(said));
        compareShown(r, after);
    });
}

void tst_Records::mediclaim_data()
{
    // The user's number format, the mediclaim typed, and the box then.
    testsupport::table(R"(
        30000                     | C     | 30000  | 30000
        30001                     | C     | 30001  | 30000
        a lone minus              | C     | -      | -
        a point in C              | C     | 30.001 | 30.001
        grouping in German        | de_DE | 30.001 | 30000
    )");
}

void tst_Records::mediclaim()
{
    const auto [locale, typed, after] = testsupport::cells<3>();
    QLocale::setDefault(QLocale(locale));
    records::DeductionsRecord r;
    r.txt80d = typed;
    const QString said = told(records::mediclaimTyped(r));
    QCOMPARE(r.txt80d, after);
    const bool restricted = after == u"30000" && typed != u"30000";
    QCOMPARE(said, restricted ? records::mediclaimMessage() + " @txt80g" : "");
}

void tst_Records::openAndBack_data()
{
    // The sheet, the user's number format; the main sheet's boxes (each other one a number of its
    // own) and the sheet's; the sheet's boxes once it has opened; the main sheet's after Back (the
    // others as they were), or what the user is told and the box the keyboard goes to.
    testsupport::table(R"(
        HRA: number text    | Form2    | C     | txtbp=1.8e5 txtnpa=2.88E+04 txtda=222024.50 txthrr=062640 | txtbp=5 | txtbp=180000 txtnpa=28800 txtda=222024.5 txthra=62640 | txthra=0
        HRA, German desktop | Form2    | de_DE | | txthrx=1.234 txtns=300015 | | txthra=1.234
        HRA not a number    | Form2    | C     | | txthrx=abc txtns=700000 | | | The HRA exemption "abc" cannot be handed back. Please calculate again.
        salary              | Form1    | C     | txtname=R.~K.~Sharma | txtnam=Old txtgtotal=533143 txtttlt=1 txtbpt=180000 txtgpt=28800 txtdat=222024 txthrat=62640 txtmgct=43084 txttpa2(0)=9000 txttpa2(1)=9100 txttpa2(2)=3312 txttpa2(5)=650 txttpa2(9)=801 txttpa2(13)=799 | txtnam=R.~K.~Sharma | txtgs=533143 txttp=3049 txtbp=180000 txtnpa=28800 txtda=222024 txthrr=62640 txtmgc=43084
        house               | Form4    | C     | | txtihp=-77400 txttd=185400 | | txthp=-77400
        house not a number  | Form4    | C     | | txtihp=abc txttd=185400 | | | The income from house property "abc" cannot be handed back. Please calculate again.
        deductions: pension | frmreb88 | C     | txtmgc=43084 | txt80ccdec=5 txt80ccdgc=6 txt80d=15000 txtgt80=164000 txttot1=157000 | txt80ccdec=43084 txt80ccdgc=43084 txt80d=15000 txtgt80=164000 | txtded80=164000
        relief              | frmrel89 | C     | cboage=80~and~above txtnti=1e6 | txtnti=5 txtdob=01/04/1930 txtrelief=10000 txttablea=9000 | txtage=80~and~above txtnti=1000000 txtdob=01/04/1930 | txtrel89=10000
        relief not a number | frmrel89 | C     | | txtrelief=abc txttablea=9000 | | | The relief "abc" cannot be handed back. Please calculate again. | cmdcalc
    )");
}

void tst_Records::openAndBack()
{
    const auto [sheet, locale, mainBoxes, boxes, opened, written, message, focus] = testsupport::cells<8>();
    QLocale::setDefault(QLocale(locale));
    records::MainRecord main;
    Controls start = records::controlsOf(main);
    int n = 0;
    for (auto c = start.begin(); c != start.end(); ++c)
        if (c.key() != u"cboage")
            *c = QString::number(++n * 11);
    QVERIFY(!records::fill(main, "test", start));
    put(main, mainBoxes);
    Controls expected = records::controlsOf(main);
    expected.insert(pairs(written));
    onSheet(sheet, [&](auto &r) {
        put(r, boxes);
        if constexpr (requires { records::take(main, r); })
            records::take(main, r);
        compareShown(r, opened);
        if constexpr (requires { records::handBack(r, main); })
            QCOMPARE(told(records::handBack(r, main)), message.isEmpty() ? QString() : message + " @" + focus);
        QCOMPARE(records::controlsOf(main), expected);
    });
}

void tst_Records::fill_data()
{
    // The sheet, the controls of a file, why they are refused (nothing: they are not), and
    // some controls after.
    testsupport::table(R"~(
        an array beyond its end | Form1    | txthra(1)=5220           | the sheet "Form1" has no control "txthra(1)"
        fixed list, no choice   | frmmain  | txtgs=500000 cboage=Below~61 | "cboage" on the sheet "frmmain" is none of its choices
        tick 2                  | frmrel89 | txtpan=ABCDE1234F chkwoman=2 | "chkwoman" on the sheet "frmrel89" is neither "1" nor "0"
        option yes              | Form4    | optso=yes                | "optso" on the sheet "Form4" is neither "1" nor "0"
        both options on         | Form4    | optso=1 optrent=1        | the options on the sheet "Form4" do not say which one is chosen
        the chosen one off      | Form4    | optrent=0                | the options on the sheet "Form4" do not say which one is chosen
        another option chosen   | Form4    | optb499=1 txtintt=30001  | | optb499=1 opta499=0 optso=0 optrent=1 txtintt=30001
        date cut to ten         | frmrel89 | txtdob=15/08/1970xyz txtaddr=12~Rajpath,~New~Delhi | | txtdob=15/08/1970 txtaddr=12~Rajpath,~New~Delhi
        emptied box             | Form2    | txtRP=''                 | | txtRP=
    )~");
}

void tst_Records::fill()
{
    const auto [sheet, controls, why, after] = testsupport::cells<4>();
    onSheet(sheet, [&](auto &r) {
        const Controls start = records::controlsOf(r);
        const std::optional<QString> refused = records::fill(r, sheet, pairs(controls));
        QCOMPARE(refused.value_or(QString()), why);
        if (refused)
            QCOMPARE(records::controlsOf(r), start); // nothing of it taken
        else
            compareShown(r, after);
    });
}

QTEST_GUILESS_MAIN(tst_Records)
#include "tst_records.moc"
