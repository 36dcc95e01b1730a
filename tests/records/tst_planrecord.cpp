// The planner's record with no window: what each limit still leaves and the tax it would save
// where a slab rate would be wrong (near 87A, across a slab edge, under marginal relief, with
// relief u/s 89, for a senior), the rate of the next rupee (nothing while a relief takes the tax
// up, a boundary belonging to the lower slab) and where it changes, and the tax spread over
// the months to come.
#include "records/boxes.h"
#include "records/plan.h"
#include "support/testsupport.h"

using namespace testsupport;

namespace {

QString names(const char *array, int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << fields::elementName(array, i);
    return list.join(' ');
}

// The main sheet calculated once the deductions and house-property sheets (the return's only
// when there is one) are worked out and handed back, as the program leaves them.
records::MainRecord worked(const QString &age, const QString &boxes, records::DeductionsRecord &d, records::HouseRecord *house)
{
    records::MainRecord main;
    main.cboage = age;
    put(main, "txtname=A.~Rao " + boxes);
    const bool refused = records::calculate(d) || records::handBack(d, main)
        || (house && (records::calculate(*house) || records::handBack(*house, main))) || records::calculate(main);
    return refused ? records::MainRecord {} : main;
}

} // namespace

class tst_PlanRecord : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void limits_data();
    void limits();
    void months_data();
    void months();
    void refusedWithTheMainSheet();
};

void tst_PlanRecord::limits_data()
{
    // The age group; the main sheet's typed boxes; the deductions sheet's; the house sheet's
    // ("-": the return has none); then the room of each limit and all together, the tax each
    // would save, the rate of the next rupee, and where it changes.
    testsupport::table(R"(
        above 5,00,000: 87A returns | Below 60     | txtgs=612340 txttp=9600 txtdedtax=9870 | txtgpf=41000 txtlic=9150 txt80d=12000 | optso=1 optrent=0 optb499=1 opta499=0 txtintt=12000 | 99850 20000 18000 18000 155850 | 15290 4120 3708 3708 21058 | 20.6% with cess | Above 1000000 (471410 more): 30.9% with cess
        across the 30% slab edge   | Below 60     | txtgs=1395670 txttp=9600 txtdedtax=20000 | txtppf=120000 txt80ccf=25000 txt80d=30000 | optso=1 optrent=0 txtintt=250000 | 30000 0 0 0 30000 | 7836 0 0 0 7836 | 30.9% with cess | Above 10000000 (8983930 more): 103% with cess, with the surcharge
        marginal relief            | Below 60     | txtgs=10245680 txttp=9600 txtdedtax=3000000 | txtnsc=100000 | - | 50000 20000 30000 0 100000 | 51500 20600 30900 0 103000 | 103% with cess |
        relief u/s 89              | Below 60     | txtgs=640000 txttp=9600 txtrel89=41000 | txttf1=30000 | optso=0 optrent=1 txtarv=60000 txtintt=5000 | 120000 20000 30000 0 170000 | 11824 4120 6180 0 11824 | 20.6% with cess | Above 1000000 (362600 more): 30.9% with cess
        relief u/s 89 beyond tax   | Below 60     | txtgs=560000 txttp=9600 txtrel89=60000 | - | - | 150000 20000 30000 0 200000 | 0 0 0 0 0 | 0% with cess | Above 1000000 (449600 more): 30.9% with cess
        a senior                   | 60 to 79     | txtgs=375430 txttp=9600 | - | - | 150000 20000 30000 0 200000 | 4720 2060 3090 0 4720 | 10.3% with cess | Above 500000 (134170 more): 20.6% with cess, and no relief u/s 87A (2000 now)
        87A takes the tax up       | Below 60     | txtgs=249600 txttp=9600 | - | - | 150000 20000 30000 0 200000 | 0 0 0 0 0 | 0% with cess | Above 500000 (260000 more): 20.6% with cess
        very senior at 5,00,000    | 80 and above | txtgs=509600 txttp=9600 | - | - | 150000 20000 30000 0 200000 | 0 0 0 0 0 | 20.6% with cess | Above 1000000 (500000 more): 30.9% with cess
        surcharge in full, 89      | 60 to 79     | txtgs=12109600 txttp=9600 txtrel89=7000 | txtgpf=150000 | - | 0 20000 30000 0 50000 | 0 6798 10197 0 16995 | 33.99% with cess |
        nothing left to save       | Below 60     | txtgs=812340 txttp=9600 | txtgpf=90000 txt80ccc=40000 txt80ccdec=30000 txt80ccf=20000 txt80d=30000 | optso=1 optrent=0 txtintt=200000 | 0 0 0 0 0 | 0 0 0 0 0 | 10.3% with cess | Above 500000 (97260 more): 20.6% with cess, and no relief u/s 87A (2000 now)
    )");
}

void tst_PlanRecord::limits()
{
    const auto [age, mainBoxes, deductionBoxes, houseBoxes, rooms, saves, rate, next] = testsupport::cells<8>();
    records::DeductionsRecord deductions;
    put(deductions, deductionBoxes == "-" ? QString() : deductionBoxes);
    std::optional<records::HouseRecord> house;
    if (houseBoxes != "-")
        put(house.emplace(), houseBoxes);
    const records::MainRecord main = worked(age, mainBoxes, deductions, house ? &*house : nullptr);
    QVERIFY(main.txtnti != "0");
    records::PlanRecord plan;
    QCOMPARE(told(records::calculate(plan, main, deductions, house ? &*house : nullptr)), QString());
    QCOMPARE(shown(plan, names("txtroom", records::PlanRecord::kLimits)), rooms);
    QCOMPARE(shown(plan, names("txtsave", records::PlanRecord::kLimits)), saves);
    QCOMPARE(plan.txtrate, rate);
    QCOMPARE(plan.txtnext, next);
    QCOMPARE(shown(plan, "txtname txtnti txtttax txtdedtax txtbaltax"),
        shown(main, "txtname txtnti txtttax txtdedtax txtbaltax"));
}

void tst_PlanRecord::months_data()
{
    // The main sheet's boxes (its balance: total tax less tax deducted), the first month to
    // come; the tax to deduct in each month ("-": gone) and what is refundable.
    testsupport::table(R"(
        even shares from December   | txtgs=612340 txtdedtax=30082      | Dec 14 | - - - - - - - - - 6270 6270 6270 | 0
        remainders on the last      | txtgs=612340 txtdedtax=1000       | Mar 14 | 4000 4000 3990 3990 3990 3990 3990 3990 3990 3990 3990 3982 | 0
        under ten a month           | txtgs=612340 txtdedtax=48887      | Jan 15 | - - - - - - - - - - 0 5 | 0
        the last month alone        | txtgs=612340 txtdedtax=37392.5    | Feb 15 | - - - - - - - - - - - 11499.5 | 0
        more deducted than the tax  | txtgs=612340 txtdedtax=57392      | Oct 14 | - - - - - - - 0 0 0 0 0 | 8500
    )");
}

void tst_PlanRecord::months()
{
    const auto [mainBoxes, from, planned, refund] = testsupport::cells<4>();
    records::DeductionsRecord none;
    const records::MainRecord main = worked("Below 60", mainBoxes, none, nullptr);
    records::PlanRecord plan;
    put(plan, "cbofrom=" + QString(from).replace(' ', '~'));
    QCOMPARE(told(records::calculate(plan, main, none, nullptr)), QString());
    QStringList months;
    double sum = 0;
    for (const QString &month : plan.txtmonth) {
        months << (month.isEmpty() ? "-" : month);
        sum += month.toDouble();
        QVERIFY(month.toDouble() >= 0);
    }
    QCOMPARE(months.join(' '), planned);
    QCOMPARE(plan.txtrefund, refund);
    // The months to come add up to the balance exactly, all but the last in tens.
    QCOMPARE(sum, std::max(0.0, main.txtbaltax.toDouble()));
    for (qsizetype i = 0; i + 1 < months.size(); ++i)
        QCOMPARE(std::fmod(months[i].toDouble(), 10), 0.0);
}

void tst_PlanRecord::refusedWithTheMainSheet()
{
    // A saving whose tax cannot be worked out is refused with the step that stopped, and no
    // month is planned.
    records::MainRecord main;
    put(main, "txtgs=1e308 txtos=1e308 txtded80=1e308");
    records::PlanRecord plan;
    QCOMPARE(told(records::calculate(plan, main, records::DeductionsRecord {}, nullptr)),
        told(records::tooLarge("gross total income")));
    QCOMPARE(plan.txtmonth[0], "0");
}

QTEST_GUILESS_MAIN(tst_PlanRecord)
#include "tst_planrecord.moc"
