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

using records::Controls;

namespace {

// A text of a table: "~" stands for a blank, and '' for an emptied box.
QString text(QString cell)
{
    return cell == u"''" ? QString() : cell.replace('~', ' ');
}

// Controls from names and texts in the same places, or from "name=text" pairs.
Controls zip(const QString &names, const QString &texts)
{
    const QStringList n = names.split(' ', Qt::SkipEmptyParts), t = texts.split(' ', Qt::SkipEmptyParts);
    if (n.size() != t.size())
        QTest::qFail("the names and texts of the row do not pair up", __FILE__, __LINE__);
    Controls controls;
    for (qsizetype i = 0; i < n.size(); ++i)
        controls.insert(n[i], text(t.value(i)));
    return controls;
}

Controls pairs(const QString &entries)
{
    Controls controls;
    for (const QString &pair : entries.split(' ', Qt::SkipEmptyParts))
        controls.insert(pair.section('=', 0, 0), text(pair.section('=', 1)));
    return controls;
}

// "25000*3 0*11": the texts, each repeated as often as it says.
QString expanded(const QString &runs)
{
    QStringList out;
    for (const QString &run : runs.split(' ', Qt::SkipEmptyParts))
        for (int i = 0; i < (run.contains('*') ? run.section('*', 1).toInt() : 1); ++i)
            out << run.section('*', 0, 0);
    return out.join(' ');
}

QString listed(const Controls &controls)
{
    QStringList out;
    for (auto c = controls.begin(); c != controls.end(); ++c)
        out << c.key() + '=' + *c;
    return out.join(' ');
}

template <class R> void put(R &record, const Controls &controls)
{
    const std::optional<QString> why = records::fill(record, "test", controls);
    QVERIFY2(!why, qPrintable(why.value_or(QString())));
}

template <class R> QString shown(const R &record, const QString &names)
{
    const Controls controls = records::controlsOf(record);
    QStringList out;
    for (const QString &name : names.split(' ', Qt::SkipEmptyParts))
        out << controls.value(name, "<none>");
    return out.join(' ');
}

// The texts a record shows for the names of `expected`, to compare with its texts.
template <class R> void compareShown(const R &record, const Controls &expected)
{
    QCOMPARE(shown(record, expected.keys().join(' ')), expected.values().join(' '));
}

// A record of the sheet the windows name `sheet`, in its start-up state, given to `f`.
template <class R, class F> bool on(const QString &sheet, const char *name, F &f)
{
    if (sheet != QLatin1String(name))
        return false;
    R record;
    f(record);
    return true;
}

template <class F> void onSheet(const QString &sheet, F &&f)
{
    using namespace records;
    if (!(on<MainRecord>(sheet, "frmmain", f) || on<SalaryRecord>(sheet, "Form1", f) || on<HraRecord>(sheet, "Form2", f)
            || on<HouseRecord>(sheet, "Form4", f) || on<DeductionsRecord>(sheet, "frmreb88", f)
            || on<ReliefRecord>(sheet, "frmrel89", f)))
        QTest::qFail(qPrintable("no sheet " + sheet), __FILE__, __LINE__);
}

// What the user is told and, after "@", the box the keyboard goes to; empty: nothing.
QString told(const std::optional<records::Said> &said)
{
    return said ? said->message + " @" + said->box : QString();
}

QString notANumber(const QString &caption, const QString &text, const QString &box)
{
    return QString("The box \"%1\" holds \"%2\", which is not a number. Please correct it and calculate again. @%3")
        .arg(caption, text, box);
}

// Gives every control a text of its own, or the other state of its tick or option.
struct Distinct
{
    int n = 0;
    void box(const QString &, QString &text, int = -1) { text = QString::number(++n); }
    void list(const QString &, QString &text, const QStringList &items, bool editable)
    {
        text = editable ? "e" + QString::number(++n) : items.last();
    }
    void tick(const QString &, bool &on) { on = !on; }
    void option(const QString &, bool &on, int) { on = !on; } // every group here has two
};

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
    const QString rest = step.section(')', 1);
    if (rest.startsWith('='))
        records::writePayCell(column, index, text(rest.mid(1)));
    else if (rest.startsWith(':'))
        column[index] = text(rest.mid(1));
    else
        records::payCellChanged(column, index);
}

} // namespace

class tst_Records : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();
    void mainCalculate_data();
    void mainCalculate();
    void payCopyDown_data();
    void payCopyDown();
    void salaryRules_data();
    void salaryRules();
    void salaryTotals_data();
    void salaryTotals();
    void hraExemption_data();
    void hraExemption();
    void houseIncome_data();
    void houseIncome();
    void chooseSelfOccupied();
    void deductionTotals_data();
    void deductionTotals();
    void mediclaim_data();
    void mediclaim();
    void relief_data();
    void relief();
    void reliefGoesBackToMain();
    void take_data();
    void take();
    void handBack_data();
    void handBack();
    void controls_data();
    void controls();
    void fill_data();
    void fill();

private:
    QLocale desktop;
};

void tst_Records::initTestCase()
{
    // Typed boxes are read in the user's number format: the tables are written in C's.
    desktop = QLocale();
    QLocale::setDefault(QLocale::c());
}

void tst_Records::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void tst_Records::cleanupTestCase()
{
    QLocale::setDefault(desktop);
}

void tst_Records::mainCalculate_data()
{
    // The age group; gross salary, transport, HRA, other sources, relief 89, tax deducted;
    // house property and deductions as the sub-sheets leave them; every computed box from the
    // exempt allowances to the balance; what the user is told.
    testsupport::table(R"(
        fresh sheet                | Below 60     | 0 0 0 0 0 0             | 0       | 0      | 0 0 0 0 0 0 0 0 0 0 0
        every box its own          | Below 60     | 712345 9600 41234 5678 1234 23456 | -74400 | 123456 | 50834 661511 592789 469330 21933 2000 18699 0 561 19260 -4196
        income heads               | Below 60     | 600000 9600 0 5000 0 0  | -150000 | 100000 | 9600 590400 445400 345400 9540 2000 7540 0 226 7766 7766
        250000 is nil              | Below 60     | 250000 0 0 0 0 0        | 0       | 0      | 0 250000 250000 250000 0 0 0 0 0 0 0
        250010                     | Below 60     | 250010 0 0 0 0 0        | 0       | 0      | 0 250010 250010 250010 1 1 0 0 0 0 0
        270000                     | Below 60     | 270000 0 0 0 0 0        | 0       | 0      | 0 270000 270000 270000 2000 2000 0 0 0 0 0
        280000                     | Below 60     | 280000 0 0 0 0 0        | 0       | 0      | 0 280000 280000 280000 3000 2000 1000 0 30 1030 1030
        500000 has 87A             | Below 60     | 500000 0 0 0 0 0        | 0       | 0      | 0 500000 500000 500000 25000 2000 23000 0 690 23690 23690
        500010 has none            | Below 60     | 500010 0 0 0 0 0        | 0       | 0      | 0 500010 500010 500010 25002 0 25002 0 750 25752 25752
        1000010                    | Below 60     | 1000010 0 0 0 0 0       | 0       | 0      | 0 1000010 1000010 1000010 125003 0 125003 0 3750 128753 128753
        1250000, a refund          | Below 60     | 1250000 0 0 0 0 210000  | 0       | 0      | 0 1250000 1250000 1250000 200000 0 200000 0 6000 206000 -4000
        relief 89 and tax deducted | Below 60     | 480000 0 0 0 1500 20000 | 0       | 0      | 0 480000 480000 480000 23000 2000 19500 0 585 20085 85
        relief 89 beyond the tax   | Below 60     | 480000 0 0 0 30000 0    | 0       | 0      | 0 480000 480000 480000 23000 2000 0 0 0 0 0
        cess 1.5 to 2              | Below 60     | 480000 0 0 0 20950 0    | 0       | 0      | 0 480000 480000 480000 23000 2000 50 0 2 52 52
        cess 4.5 to 4              | Below 60     | 480000 0 0 0 20850 0    | 0       | 0      | 0 480000 480000 480000 23000 2000 150 0 4 154 154
        tens: 5 to even            | Below 60     | 480005 0 0 0 0 0        | 0       | 0      | 0 480005 480005 480000 23000 2000 21000 0 630 21630 21630
        tens: 15 to even           | Below 60     | 480015 0 0 0 0 0        | 0       | 0      | 0 480015 480015 480020 23002 2000 21002 0 630 21632 21632
        tens: paise count          | Below 60     | 480005.5 0 0 0 0 0      | 0       | 0      | 0 480005.5 480005.5 480010 23001 2000 21001 0 630 21631 21631
        negative income            | Below 60     | -20000 0 0 0 0 0        | 0       | 0      | 0 -20000 -20000 -20000 0 0 0 0 0 0 0
        grouping ends the number   | Below 60     | 1,50,000 0 0 0 abc 0    | 0       | 0      | 0 1 1 0 0 0 0 0 0 0 0
        too large: stops there     | Below 60     | 1e308 0 0 1e308 0 0     | 0       | 0      | 0 1E+308 0 0 0 0 0 0 0 0 0 | The gross total income could not be worked out: the amounts are too large. Calculation stopped there.
        below 60: 1000000          | Below 60     | 1000000 0 0 0 0 0       | 0       | 0      | 0 1000000 1000000 1000000 125000 0 125000 0 3750 128750 128750
        below 60: 1 crore          | Below 60     | 10000000 0 0 0 0 0      | 0       | 0      | 0 10000000 10000000 10000000 2825000 0 2825000 0 84750 2909750 2909750
        below 60: marginal         | Below 60     | 10010000 0 0 0 0 0      | 0       | 0      | 0 10010000 10010000 10010000 2828000 0 2828000 7000 85050 2920050 2920050
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
    const auto [age, typed, house, deductions, computed, message] = testsupport::cells<6>();
    records::MainRecord main;
    main.cboage = age;
    put(main, zip("txtgs txttp txthra txtos txtrel89 txtdedtax txthp txtded80", typed + ' ' + house + ' ' + deductions));
    QCOMPARE(told(records::calculate(main)), message.isEmpty() ? QString() : message + " @");
    QCOMPARE(shown(main, "txtexall txtnsal txtgti txtnti txtgtax txtrel87A txtntax txtsurch txtcess txtttax txtbaltax"),
        computed);
}

void tst_Records::payCopyDown_data()
{
    // Steps on the pay columns (see payStep), then basic pay and grade pay, Jan 14 to Feb 15.
    testsupport::table(R"(
        runs down to Feb 15          | txtbp(0)=25000 txtgp(0)=2400                                      | 25000*14 | 2400*14
        a later month runs from there| txtbp(0)=25000 txtbp(6)=26000 txtgp(13)=2400                      | 25000*6 26000*8 | 0*13 2400
        an emptied cell becomes 0    | txtbp(0)=25000 txtbp(6)=26000 txtbp(3)=''                         | 25000*3 0*11 | 0*14
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
        increment of June's pay   | Y Oth. N  | yes | 23450 4600 txtbp(5)=23800 | 24660 / 2805 28050 31308 / 5610 5852 / 80 1600 1656 / 0 0 0
        increment exactly 630     | Z A/A-1 N | yes | 15600 5400 | 16230 / 2100 21000 23144 / 2100 2163 / 320 6400 6624 / 0 0 0
        grade pay 5399: tier 2    | NA Oth. N | no  | 20000 5399 | 20000 / 2540 25399 27177 / 0 0 / 80 1600 1656 / 0 0 0
        grade pay 5400: tier 1    | NA Oth. N | no  | 20000 5400 | 20000 / 2540 25400 27178 / 0 0 / 160 3200 3312 / 0 0 0
        months of their own       | X A/A-1 Y | no  | 15000 2400 txtbp(1)=15050 txtgp(1)=2450 txtbp(2)=15100 txtgp(2)=2500 txtbp(3)=15200 txtgp(3)=2600 txtbp(5)=15400 txtgp(5)=2800 txtbp(6)=15600 txtgp(6)=2920 txtbp(7)=15800 txtgp(7)=3000 | 15600 / 1740 17600 19816 / 5280 5556 / 160 3200 3312 / 174 3520 3834
        grade pay 4200: tier 2    | X A/A-1 N | no  | 7000 4200  | 7000 / 1120 11200 11984 / 3360 3360 / 160 3200 3312 / 0 0 0
        basic 7440: tier 3        | X A/A-1 N | no  | 7440 4199  | 7440 / 1164 11639 12454 / 3492 3492 / 160 3200 3312 / 0 0 0
        arrears of 7440 and 2800  | X A/A-1 N | no  | 7440 2800  | 7440 / 1024 10240 10957 / 3072 3072 / 160 3200 3312 / 0 0 0
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
    put(r, zip("cboclass1 cboclass3 cbonps", classes));
    r.chkinc = increment == u"yes";
    const QStringList typed = pay.split(' ');
    payStep(r, "txtbp(0)=" + typed[0]);
    payStep(r, "txtgp(0)=" + typed[1]);
    for (const QString &month : typed.mid(2))
        payStep(r, month);
    for (int i = 0; i < records::SalaryRecord::kRows; ++i) {
        r.txttpa2[i] = r.txtmgc[i] = "99";
        if (i >= pay::kFirstCurrentRow)
            r.txthra[i] = "99";
    }
    const bool refused = expected.startsWith('!');
    QCOMPARE(told(records::calculate(r)), refused ? expected.mid(1).trimmed() + " @" : QString());
    if (!refused)
        QCOMPARE(shown(r, "txtbp(6) txtda(0) txtda(2) txtda(6) txthra(2) txthra(6) txttpa2(0) txttpa2(2) txttpa2(6) "
                      "txtmgc(0) txtmgc(2) txtmgc(6)"),
        QString(expected).remove("/ "));
}

void tst_Records::salaryTotals_data()
{
    // The classes, the pay of every month, the six annual figures (arrears to others); the
    // totals of basic pay, grade pay, DA, HRA, transport, MGC, the months, and the grand total.
    testsupport::table(R"(
        worked example   | X A/A-1 N | 15000 2400 | 1 2 4 8 16 32              | 180000 28800 222024 62640 39616 0 533080 533143
        pension scheme   | X A/A-1 Y | 15000 2400 | 64 128 256 512 1024 2048   | 180000 28800 222024 62640 39616 43084 576164 580196
    )");
}

void tst_Records::salaryTotals()
{
    const auto [classes, pay, others, totals] = testsupport::cells<4>();
    records::SalaryRecord r;
    r.chkinc = false;
    put(r, zip("cboclass1 cboclass3 cbonps txtoth(0) txtoth(1) txtoth(2) txtoth(3) txtoth(4) txtoth(5)",
               classes + ' ' + others));
    payStep(r, "txtbp(0)=" + pay.section(' ', 0, 0));
    payStep(r, "txtgp(0)=" + pay.section(' ', 1, 1));
    QCOMPARE(told(records::calculate(r)), QString());
    QCOMPARE(shown(r, "txtbpt txtgpt txtdat txthrat txttpat txtmgct txtttlt txtgtotal"), totals);
}

void tst_Records::hraExemption_data()
{
    // Basic pay, grade pay, DA, HRA drawn and rent; the total salary and the exemption, or
    // the box refused with its caption.
    testsupport::table(R"(
        rent excess            | 300000 50000 350000 180000 240000 | 700000 170000
        HRA drawn              | 300000 50000 350000 180000 300000 | 700000 180000
        excess equal to HRA    | 300000 50000 350000 180000 250000 | 700000 180000
        rent below a tenth     | 300000 50000 350000 180000 50000  | 700000 0
        no HRA drawn           | 300000 50000 350000 0 240000      | 700000 0
        tenth 30000.5 to 30000 | 200005 40000 60000 100000 120000  | 300005 90000
        tenth 30001.5 to 30002 | 200015 40000 60000 110000 100000  | 300015 69998
        ten digits, as typed   | 300000 50000 350000 9999999999 1000000000 | 700000 999930000
        emptied rent reads 0   | 300000 50000 350000 180000 ''     | 700000 0
        emptied DA reads 0     | 300000 50000 '' 210000 240000     | 350000 205000
        rent not a number      | 1000 200 300 500 12a              | txtRP Rent Paid (Annual)
        DA a lone point        | 1000 200 . 500 700                | txtda Dearness Allow.
        emptied, then a word   | '' 200 300 5x0 700                | txthra HRA Drawn
    )");
}

void tst_Records::hraExemption()
{
    const auto [figures, computed] = testsupport::cells<2>();
    records::HraRecord r;
    put(r, pairs("txtns=-1 txthrx=-2"));
    put(r, zip("txtbp txtnpa txtda txthra txtRP", figures));
    const QString said = told(records::calculate(r));
    QCOMPARE(shown(r, "txtbp txtnpa txtda txthra txtRP"), QString(figures).replace("''", "0"));
    const QString box = computed.section(' ', 0, 0);
    const bool refused = box.startsWith(u"txt"); // then nothing is written
    QCOMPARE(said, refused ? notANumber(computed.section(' ', 1), shown(r, box), box) : QString());
    QCOMPARE(shown(r, "txtns txthrx"), refused ? "-1 -2" : computed);
}

void tst_Records::houseIncome_data()
{
    // Rented out, or self occupied with its loan date; rental value, property taxes, interest
    // and others (for a self-occupied house only the interest); gross income, repairs, total
    // deductions and income, or "!", the box refused and its caption.
    testsupport::table(R"(
        let out                      | rented | 120000 12000 150000 3000 | 108000 32400 185400 -77400
        repairs 10.5 to 10           | rented | 45 10 7 3                | 35 10 20 15
        repairs 7.5 to 8             | rented | 40 15 6 2                | 25 8 16 9
        no ceiling when let out      | rented | 300 100 250000 50        | 200 60 250110 -249910
        taxes above the rent         | rented | 1000 2000 40 500         | -1000 -300 240 -1240
        after 1-4-99, a rupee over   | after  | 200001                   | 0 0 200000 -200000
        after 1-4-99, at the ceiling | after  | 200000                   | 0 0 200000 -200000
        after 1-4-99, a rupee under  | after  | 199999                   | 0 0 199999 -199999
        before 1-4-99, 30001         | before | 30001                    | 0 0 30000 -30000
        before 1-4-99, at the ceiling| before | 30000                    | 0 0 30000 -30000
        before 1-4-99, 29999         | before | 29999                    | 0 0 29999 -29999
        taxes a word                 | rented | 120000 12x 150000 3000   | ! txtptax Less:- Property Taxes
        interest a lone point        | before | .                        | ! txtintt Interest on Borrowed Capital
    )");
}

void tst_Records::houseIncome()
{
    const auto [option, figures, results] = testsupport::cells<3>();
    records::HouseRecord r;
    put(r, pairs("txtarv=120001 txtptax=12001 txtoth=3001 txtghi=-1 txtrep=-2 txttd=-3 txtihp=-4"));
    if (option != u"rented")
        records::chooseSelfOccupied(r); // drops what was typed for letting out
    if (option == u"before")
        put(r, pairs("optb499=1"));
    put(r, zip(option == u"rented" ? "txtarv txtptax txtintt txtoth" : "txtintt", figures));
    const QString said = told(records::calculate(r));
    QCOMPARE(r.txtintt, figures.section(' ', option == u"rented" ? 2 : 0).section(' ', 0, 0)); // as typed
    const QString box = results.section(' ', 1, 1);
    const bool refused = results.startsWith('!'); // then nothing is written
    QCOMPARE(said, refused ? notANumber(results.section(' ', 2), shown(r, box), box) : QString());
    QCOMPARE(shown(r, "txtghi txtrep txttd txtihp"),
        !refused ? results : option == u"rented" ? "-1 -2 -3 -4" : "0 0 -3 -4");
}

void tst_Records::chooseSelfOccupied()
{
    records::HouseRecord r;
    put(r, pairs("txtarv=120000 txtptax=12000 txtghi=108000 txtrep=32400 txtintt=150000 txtoth=3000 txttd=185400 "
                 "txtihp=-77400 optb499=1"));
    records::chooseSelfOccupied(r);
    QCOMPARE(shown(r, "optso optrent optb499 opta499 txtarv txtptax txtghi txtrep txtintt txtoth txttd txtihp"),
        "1 0 1 0 0 0 0 0 150000 0 185400 -77400");
}

void tst_Records::deductionTotals_data()
{
    // Boxes typed; the 80C total, 80C+80CCC+80CCD, 80CCF and the grand total.
    testsupport::table(R"(
        GPF and LIC               | txtgpf=60000 txtlic=40000                                       | 100000 100000 0 100000
        over the ceiling          | txtgpf=150000 txtnsci=50000 txt80ccdec=10000 txt80ccdgc=14000   | 200000 164000 0 164000
        a rupee over the ceiling  | txtppf=145000 txt80ccdec=5001 txt80ccdgc=7000                   | 145000 157000 0 157000
        exactly at the ceiling    | txtppf=145000 txt80ccdec=5000 txt80ccdgc=7000                   | 145000 157000 0 157000
        a rupee under the ceiling | txtppf=145000 txt80ccdec=4999 txt80ccdgc=7000                   | 145000 156999 0 156999
        every item counts once    | txtgpf=1 txtgis=2 txthba=4 txtlic=8 txtppf=16 txtnsc=32 txtnsci=64 txttf1=128 txttf2=256 txtinf=512 txtos=1024 txt80ccc=2048 txt80ccf=4096 txt80d=8192 txt80g=16384 txtoth=32768 | 2047 4095 4096 65535
        80CCF a rupee over        | txt80ccf=20001                                                  | 0 0 20000 20000
        80CCF at 20000            | txt80ccf=20000                                                  | 0 0 20000 20000
        80CCF a rupee under       | txt80ccf=19999                                                  | 0 0 19999 19999
        grouping ends the number  | txtlic=1,50,000                                                 | 1 1 0 1
        fraction carried          | txtoth=1234.5                                                   | 0 0 0 1234.5
    )");
}

void tst_Records::deductionTotals()
{
    const auto [typed, totals] = testsupport::cells<2>();
    records::DeductionsRecord r;
    put(r, pairs(typed));
    QCOMPARE(told(records::calculate(r)), QString());
    QCOMPARE(shown(r, "txt80c txttot1 txt80ccf txtgt80"), totals);
}

void tst_Records::mediclaim_data()
{
    // The user's number format, the mediclaim typed, and the box then.
    testsupport::table(R"(
        29999                     | C     | 29999  | 29999
        30000                     | C     | 30000  | 30000
        30001                     | C     | 30001  | 30000
        35000                     | C     | 35000  | 30000
        a lone minus              | C     | -      | -
        emptied                   | C     | ''     | 0
        a point in C              | C     | 30.001 | 30.001
        grouping in German        | de_DE | 30.001 | 30000
    )");
}

void tst_Records::mediclaim()
{
    const auto [locale, typed, after] = testsupport::cells<3>();
    QLocale::setDefault(QLocale(locale));
    records::DeductionsRecord r;
    r.txt80d = text(typed);
    const QString said = told(records::mediclaimTyped(r));
    QCOMPARE(r.txt80d, after);
    const bool restricted = after == u"30000" && typed != u"30000";
    QCOMPARE(said, restricted ? "Deduction for Mediclaim Restricted to Rs.30,000/- only (Rs. 15,000/- for self and "
                                "dependents and Rs. 15,000/- for parents @txt80g" : "");
}

void tst_Records::relief_data()
{
    // The main sheet's age group and gross salary; the boxes typed and their texts; the boxes
    // then shown and their texts, or "!", the box refused and part of what it says.
    testsupport::table(R"(
        worked example        | Below 60 | 900000 | txtdob txtti(7) txtarr(7) | 15/08/1970 400000 100000 | txtexcl txtarrtot txtnti txttaxincl txttaxexcl txtcurdiff txtinc(7) txttax1(7) txttax2(7) txtdiff(7) txttablea txtrelief | 800000 100000 900000 105000 85000 20000 500000 20000 30000 10000 10000 10000
        three years           | Below 60 | 730000 | txtdob txtti(0) txtarr(0) txtti(4) txtarr(4) txtti(8) txtarr(8) | 02/11/1968 240000 20000 310000 30000 480000 40000 | txtarrtot txtcurdiff txtdiff(0) txtdiff(4) txtdiff(8) txttablea txtrelief txtinc(1) | 90000 18000 5000 6000 8000 19000 0 0
        a woman in 2009-10    | Below 60 | 640000 | txtdob chkwoman txtti(4) txtarr(4) | 10/10/1975 1 150000 40000 | txttax1(4) txttax2(4) txtrelief | 0 0 8000
        a man in 2009-10      | Below 60 | 640000 | txtdob txtti(4) txtarr(4) | 10/10/1975 150000 40000 | txttax1(4) txttax2(4) txtrelief | 0 3000 5000
        senior, 87A           | 60 to 79 | 330000 | txtdob txtti(5) txtarr(5) | 01/04/1955 100000 60000 | txttaxincl txttaxexcl txtrelief | 1000 0 1000
        born a day later      | Below 60 | 330000 | txtdob txtti(5) txtarr(5) | 02/04/1955 100000 60000 | txttaxincl txttaxexcl txtrelief | 6000 0 6000
        born on the last day  | Below 60 | 900000 | txtdob txtti(2) | 31/03/2015 50000 | txtexcl txtarrtot txtrelief | 900000 0 0
        no arrears, no date   | Below 60 | 900000 | txtti(2) txtpan | 50000 ABCDE1234F | txtexcl txttaxincl txtrelief | 900000 105000 0
        all of it arrears     | Below 60 | 900000 | txtdob txtti(6) txtarr(6) | 15/08/1970 0 900000 | txtexcl txttaxexcl txtdiff(6) txtrelief | 0 0 122000 0
        total income a word   | Below 60 | 900000 | txtdob txtti(3) txtarr(3) | 15/08/1970 12a 5000 | ! txtti(3) | The box "Total Income 2008-09" holds "12a", which is not a number.
        arrears below 0       | Below 60 | 900000 | txtdob txtti(2) txtarr(2) | 15/08/1970 300000 -5 | ! txtarr(2) | The box "Arrears 2007-08" holds "-5", which is below 0.
        no such day           | Below 60 | 900000 | txtdob txtti(7) txtarr(7) | 31/02/2000 400000 100000 | ! txtdob | holds "31/02/2000", which is not a date (dd/mm/yyyy)
        born after the year   | Below 60 | 900000 | txtdob | 01/04/2015 | ! txtdob | holds "01/04/2015", which is after 31/03/2015
        arrears, no date      | Below 60 | 900000 | txtti(1) txtarr(1) | 200000 5000 | ! txtdob | The box "Date of Birth" is empty
        PAN as the box shows  | Below 60 | 900000 | txtdob txtpan | 15/08/1970 ABCDE1234F | txtpan txtrelief | ABCDE1234F 0
        PAN without letter    | Below 60 | 900000 | txtdob txtpan | 15/08/1970 ABCDE1234 | ! txtpan | holds "ABCDE1234", which is not a PAN
        arrears over income   | Below 60 | 900000 | txtdob txtti(6) txtarr(6) txtarr(8) | 15/08/1970 100000 900000 10 | ! txtarr(6) | The arrears, 900010 in all, are more than the net taxable income of 2014-15 that includes them, 900000. Please correct the box "Arrears 2011-12"
        another age group     | Below 60 | 900000 | txtdob txtti(7) txtarr(7) | 01/04/1955 400000 100000 | ! txtdob | puts the employee in the age group "60 to 79" for 2014-15, but the main sheet says "Below 60"
    )");
}

void tst_Records::relief()
{
    const auto [age, gross, boxes, typed, checked, expected] = testsupport::cells<6>();
    records::MainRecord main;
    main.cboage = age;
    main.txtgs = gross;
    QVERIFY(!records::calculate(main));
    records::ReliefRecord r;
    records::take(main, r);
    put(r, zip(boxes, typed));
    r.txtrelief = "-9"; // what a refusal leaves alone
    const QString said = told(records::calculate(r));
    if (checked.startsWith('!')) {
        QVERIFY2(said.contains(expected) && said.endsWith(" @" + checked.mid(1).trimmed()), qPrintable(said));
        QCOMPARE(r.txtrelief, "-9");
    } else {
        QCOMPARE(said, QString());
        QCOMPARE(shown(r, checked), expected);
    }
}

void tst_Records::reliefGoesBackToMain()
{
    records::MainRecord main;
    put(main, pairs("txtname=R.~K.~Sharma txtgs=900000"));
    QVERIFY(!records::calculate(main));
    records::ReliefRecord r;
    records::take(main, r);
    QCOMPARE(shown(r, "txtnti txtname txtage"), "900000 R. K. Sharma Below 60");
    put(r, pairs("txtdob=15/08/1970 txtti(7)=400000 txtarr(7)=100000"));
    QVERIFY(!records::calculate(r));
    QVERIFY(!records::handBack(r, main));
    QCOMPARE(main.txtrel89, "10000");
    QVERIFY(!records::calculate(main));
    QCOMPARE(shown(main, "txtgtax txtntax txtcess txtttax"), "105000 95000 2850 97850");

    // Opened again after the main sheet changed: its new figures, and what was typed stays.
    main.txtgs = "910000";
    QVERIFY(!records::calculate(main));
    records::take(main, r);
    QCOMPARE(shown(r, "txtnti txtdob txtarr(7)"), "910000 15/08/1970 100000");
}

void tst_Records::take_data()
{
    // The sheet; the main sheet's boxes; the sheet's boxes before it opens; what it shows then.
    testsupport::table(R"(
        salary: the name     | Form1    | txtname=R.~K.~Sharma txtgs=533080 | txtnam=Old txtbp(0)=15000 | txtnam=R.~K.~Sharma txtbp(0)=15000
        HRA: the pay totals  | Form2    | txtbp=180000 txtnpa=28800 txtda=222024 txthrr=62640 txthra=9600 txtgs=533080 | txtRP=240000 txthra=1 txtns=700000 | txtbp=180000 txtnpa=28800 txtda=222024 txthra=62640 txtRP=240000 txtns=700000
        HRA: as number text  | Form2    | txtbp=1.8e5 txtnpa=2.88E+04 txtda=222024.50 txthrr=062640 | txtbp=5 | txtbp=180000 txtnpa=28800 txtda=222024.5 txthra=62640
        deductions: pension  | frmreb88 | txtmgc=43084 txtnpa=28800 txtded80=100000 | txt80ccdec=5 txt80ccdgc=6 txt80d=15000 txtgt80=7 | txt80ccdec=43084 txt80ccdgc=43084 txt80d=15000 txtgt80=7
        relief: the heading  | frmrel89 | txtname=R.~K.~Sharma cboage=60~to~79 txtnti=330000 txtgti=330005 | txtdob=01/04/1955 txtarr(5)=60000 txtname=Old | txtname=R.~K.~Sharma txtage=60~to~79 txtnti=330000 txtdob=01/04/1955 txtarr(5)=60000
        relief: number text  | frmrel89 | cboage=80~and~above txtnti=1e6 | txtnti=5 | txtage=80~and~above txtnti=1000000
    )");
}

void tst_Records::take()
{
    const auto [sheet, mainBoxes, before, after] = testsupport::cells<4>();
    records::MainRecord main;
    put(main, pairs(mainBoxes));
    onSheet(sheet, [&](auto &r) {
        if constexpr (requires { records::take(main, r); }) {
            put(r, pairs(before));
            records::take(main, r);
            compareShown(r, pairs(after));
        } else {
            QFAIL("the sheet takes nothing on opening");
        }
    });
}

void tst_Records::handBack_data()
{
    // The sheet, the user's number format, its boxes, the main sheet's boxes after Back (the
    // others as they were), or what the user is told and the box the keyboard goes to.
    testsupport::table(R"(
        salary              | Form1    | C     | txtgtotal=533143 txtttlt=1 txtbpt=180000 txtgpt=28800 txtdat=222024 txthrat=62640 txtmgct=43084 txttpa2(0)=9000 txttpa2(1)=9100 txttpa2(2)=3312 txttpa2(5)=650 txttpa2(9)=801 txttpa2(13)=799 | txtgs=533143 txttp=3049 txtbp=180000 txtnpa=28800 txtda=222024 txthrr=62640 txtmgc=43084
        HRA                 | Form2    | C     | txthrx=170000 txtns=700000    | txthra=170000
        HRA, German desktop | Form2    | de_DE | txthrx=1.234 txtns=300015     | txthra=1.234
        HRA not a number    | Form2    | C     | txthrx=abc txtns=700000       | | The HRA exemption "abc" cannot be handed back. Please calculate again.
        house               | Form4    | C     | txtihp=-77400 txttd=185400    | txthp=-77400
        house not a number  | Form4    | C     | txtihp=abc txttd=185400       | | The income from house property "abc" cannot be handed back. Please calculate again.
        deductions          | frmreb88 | C     | txtgt80=164000 txttot1=157000 | txtded80=164000
        relief              | frmrel89 | C     | txtrelief=10000 txttablea=9000 | txtrel89=10000
        relief not a number | frmrel89 | C     | txtrelief=abc txttablea=9000  | | The relief "abc" cannot be handed back. Please calculate again. | cmdcalc
    )");
}

void tst_Records::handBack()
{
    const auto [sheet, locale, boxes, written, message, focus] = testsupport::cells<6>();
    QLocale::setDefault(QLocale(locale));
    records::MainRecord main;
    Controls expected = records::controlsOf(main);
    int n = 0;
    for (auto c = expected.begin(); c != expected.end(); ++c)
        if (c.key() != u"cboage")
            *c = QString::number(++n * 11);
    put(main, expected);
    expected.insert(pairs(written));
    onSheet(sheet, [&](auto &r) {
        if constexpr (requires { records::handBack(r, main); }) {
            put(r, pairs(boxes));
            QCOMPARE(told(records::handBack(r, main)), message.isEmpty() ? QString() : message + " @" + focus);
            QCOMPARE(listed(records::controlsOf(main)), listed(expected));
        } else {
            QFAIL("the sheet hands nothing back");
        }
    });
}

void tst_Records::controls_data()
{
    // The sheet, how many controls it has, some it has, some it has not.
    testsupport::table(R"(
        main       | frmmain  | 27  | txtname txtpan cboage txthp txtded80 txtmgc | txtnam txtbp(0)
        salary     | Form1    | 115 | chkinc cbonps txtbp(0) txtbp(13) txthra(2) txthra(13) txtoth(5) txtgtotal | txthra(0) txthra(1) txtbp(14) txtoth(6)
        HRA        | Form2    | 7   | txtRP txthrx txtns                          | txtrp txthrr
        house      | Form4    | 12  | optso optrent optb499 opta499 txtihp        | txtrent
        deductions | frmreb88 | 21  | txt80ccf txt80d txtgt80                     | txt80ccd
        relief     | frmrel89 | 68  | chkwoman txtdob txtti(0) txtdiff(8) txtrelief | txtti(9) cboage
    )");
}

void tst_Records::controls()
{
    const auto [sheet, count, has, hasNot] = testsupport::cells<4>();
    onSheet(sheet, [&](auto &r) {
        const Controls start = records::controlsOf(r);
        QCOMPARE(start.size(), count.toInt());
        for (const QString &name : has.split(' '))
            QVERIFY2(start.contains(name), qPrintable(name));
        for (const QString &name : hasNot.split(' '))
            QVERIFY2(!start.contains(name), qPrintable(name));

        // Every control of its own, through a file and back onto a record at its start-up values.
        auto changed = r;
        Distinct distinct;
        std::remove_reference_t<decltype(r)>::visit(changed, distinct);
        const Controls saved = records::controlsOf(changed);
        for (auto c = saved.begin(); c != saved.end(); ++c)
            QVERIFY2(*c != start.value(c.key()), qPrintable(c.key()));
        const std::optional<QString> why = records::fill(r, sheet, saved);
        QVERIFY2(!why, qPrintable(why.value_or(QString())));
        QCOMPARE(listed(records::controlsOf(r)), listed(saved));
    });
}

void tst_Records::fill_data()
{
    // The sheet, the controls of a file, why they are refused (nothing: they are not), and
    // some controls after.
    testsupport::table(R"~(
        unknown control         | Form4    | txtarv=120000 x=1        | the sheet "Form4" has no control "x"
        an array beyond its end | Form1    | txthra(1)=5220           | the sheet "Form1" has no control "txthra(1)"
        fixed list, no choice   | frmmain  | txtgs=500000 cboage=Below~61 | "cboage" on the sheet "frmmain" is none of its choices
        fixed list, a choice    | frmmain  | txtgs=500000 cboage=60~to~79 | | txtgs=500000 cboage=60~to~79
        editable lists take any | Form1    | cbonps=y cboclass1=Q cboclass3=Other | | cbonps=y cboclass1=Q cboclass3=Other
        tick 2                  | frmrel89 | txtpan=ABCDE1234F chkwoman=2 | "chkwoman" on the sheet "frmrel89" is neither "1" nor "0"
        tick off                | Form1    | chkinc=0 txtnam=Rao      | | chkinc=0 txtnam=Rao
        option yes              | Form4    | optso=yes                | "optso" on the sheet "Form4" is neither "1" nor "0"
        both options on         | Form4    | optso=1 optrent=1        | the options on the sheet "Form4" do not say which one is chosen
        both options off        | Form4    | optso=0 optrent=0        | the options on the sheet "Form4" do not say which one is chosen
        the chosen one off      | Form4    | optrent=0                | the options on the sheet "Form4" do not say which one is chosen
        another option chosen   | Form4    | optb499=1 txtintt=30001  | | optb499=1 opta499=0 optso=0 optrent=1 txtintt=30001
        both of a group said    | Form4    | optso=1 optrent=0        | | optso=1 optrent=0 optb499=0 opta499=1
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
            QCOMPARE(listed(records::controlsOf(r)), listed(start)); // nothing of it taken
        else
            compareShown(r, pairs(after));
    });
}

QTEST_GUILESS_MAIN(tst_Records)
#include "tst_records.moc"
