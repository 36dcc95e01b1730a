// The pay rules of the salary sheet, checked without a window.
#include "sheets/salary/pay.h"

#include "fields/conversions.h"

#include <QTest>
#include <array>

using namespace pay;

Q_DECLARE_METATYPE(pay::Period)
Q_DECLARE_METATYPE(pay::TransportClass)
Q_DECLARE_METATYPE(pay::Tier)
Q_DECLARE_METATYPE(pay::HraClass)

namespace {
// Exact figures compare as number text: QCOMPARE on doubles is fuzzy.
QString text(double value)
{
    return fields::numberText(value);
}
} // namespace

class tst_Pay : public QObject
{
    Q_OBJECT
private slots:
    void periods();
    void raisingToTen_data();
    void raisingToTen();
    void increments_data();
    void increments();
    void dearness_data();
    void dearness();
    void houseRent_data();
    void houseRent();
    void classesCompareExactly();
    void tiers_data();
    void tiers();
    void transportAmounts_data();
    void transportAmounts();
    void transportNotApplicable();
    void pension();
    void exemption_data();
    void exemption();
};

void tst_Pay::periods()
{
    const std::array<Period, 14> expected = {
        Period::Arrears,  Period::Arrears,  Period::UpToJune, Period::UpToJune, Period::UpToJune,
        Period::UpToJune, Period::FromJuly, Period::FromJuly, Period::FromJuly, Period::FromJuly,
        Period::FromJuly, Period::FromJuly, Period::FromJuly, Period::FromJuly};
    for (int row = 0; row < 14; ++row)
        QCOMPARE(periodOfRow(row), expected[row]);
}

void tst_Pay::raisingToTen_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("expected");
    QTest::newRow("522") << 522.0 << "530";
    QTest::newRow("846") << 846.0 << "850";
    QTest::newRow("842") << 842.0 << "850";
    QTest::newRow("multiple stays") << 630.0 << "630";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("one") << 1.0 << "10";
    QTest::newRow("tie down to even tens") << 25.0 << "30";
    QTest::newRow("tie up to even tens") << 15.0 << "20";
    QTest::newRow("five") << 5.0 << "10";
}

void tst_Pay::raisingToTen()
{
    QFETCH(double, amount);
    QFETCH(QString, expected);
    QCOMPARE(text(raiseToTen(amount)), expected);
}

void tst_Pay::increments_data()
{
    QTest::addColumn<double>("basic");
    QTest::addColumn<double>("grade");
    QTest::addColumn<QString>("expected");
    QTest::newRow("841.5 rounds to 842, raised to 850") << 23450.0 << 4600.0 << "850";
    QTest::newRow("exactly 630") << 15600.0 << 5400.0 << "630";
    QTest::newRow("522 raised to 530") << 15000.0 << 2400.0 << "530";
    QTest::newRow("no pay") << 0.0 << 0.0 << "0";
}

void tst_Pay::increments()
{
    QFETCH(double, basic);
    QFETCH(double, grade);
    QFETCH(QString, expected);
    QCOMPARE(text(increment(basic, grade)), expected);
}

void tst_Pay::dearness_data()
{
    QTest::addColumn<Period>("period");
    QTest::addColumn<double>("basic");
    QTest::addColumn<double>("grade");
    QTest::addColumn<QString>("expected");
    QTest::newRow("arrears 17400 - 15660") << Period::Arrears << 15000.0 << 2400.0 << "1740";
    QTest::newRow("arrears 10240 - 9216") << Period::Arrears << 7440.0 << 2800.0 << "1024";
    QTest::newRow("arrears of fractional pay") << Period::Arrears << 100.4 << 0.0 << "10";
    QTest::newRow("up to June 100%") << Period::UpToJune << 15000.0 << 2400.0 << "17400";
    QTest::newRow("up to June rounds") << Period::UpToJune << 100.5 << 0.0 << "100";
    QTest::newRow("from July 107%") << Period::FromJuly << 15000.0 << 2400.0 << "18618";
    QTest::newRow("from July, raised pay") << Period::FromJuly << 24300.0 << 4600.0 << "30923";
}

void tst_Pay::dearness()
{
    QFETCH(Period, period);
    QFETCH(double, basic);
    QFETCH(double, grade);
    QFETCH(QString, expected);
    QCOMPARE(text(dearnessAllowance(period, basic, grade)), expected);
}

void tst_Pay::houseRent_data()
{
    QTest::addColumn<HraClass>("cls");
    QTest::addColumn<QString>("expected");
    QTest::newRow("X 30%") << HraClass::X << "5220";
    QTest::newRow("Y 20%") << HraClass::Y << "3480";
    QTest::newRow("Z 10%") << HraClass::Z << "1740";
    QTest::newRow("NA") << HraClass::NotApplicable << "0";
}

void tst_Pay::houseRent()
{
    QFETCH(HraClass, cls);
    QFETCH(QString, expected);
    QCOMPARE(text(houseRentAllowance(cls, 15000, 2400)), expected);
}

void tst_Pay::classesCompareExactly()
{
    QVERIFY(hraClassFromText("X") == HraClass::X);
    QVERIFY(hraClassFromText("Y") == HraClass::Y);
    QVERIFY(hraClassFromText("Z") == HraClass::Z);
    QVERIFY(hraClassFromText("NA") == HraClass::NotApplicable);
    for (const char *other : {"x", "na", " X", "X ", "", "W"})
        QVERIFY2(!hraClassFromText(QString::fromLatin1(other)), other);

    QVERIFY(transportClassFromText("A/A-1") == TransportClass::A);
    QVERIFY(transportClassFromText("Oth.") == TransportClass::Other);
    QVERIFY(transportClassFromText("NA") == TransportClass::NotApplicable);
    for (const char *other : {"a/a-1", "Oth", "oth.", "A", "", "Na"})
        QVERIFY2(!transportClassFromText(QString::fromLatin1(other)), other);
}

void tst_Pay::tiers_data()
{
    QTest::addColumn<TransportClass>("cls");
    QTest::addColumn<double>("basic");
    QTest::addColumn<double>("grade");
    QTest::addColumn<int>("tier"); // 0: no tier
    const auto A = TransportClass::A;
    const auto O = TransportClass::Other;
    QTest::newRow("grade 5400 is T1") << A << 0.0 << 5400.0 << 1;
    QTest::newRow("grade just below 5400 is T2") << A << 0.0 << 5399.99 << 2;
    QTest::newRow("grade 4200 is T2") << A << 0.0 << 4200.0 << 2;
    QTest::newRow("basic 7440 is T3") << A << 7440.0 << 4199.0 << 3;
    QTest::newRow("basic just below 7440 is T4") << A << 7439.99 << 4199.0 << 4;
    QTest::newRow("A: basic 0 in no tier") << A << 0.0 << 1800.0 << 0;
    QTest::newRow("A: basic 0.4 is T4") << A << 0.4 << 1800.0 << 4;
    QTest::newRow("A: negative basic in no tier") << A << -5.0 << 0.0 << 0;
    QTest::newRow("Oth.: basic 0 in no tier") << O << 0.0 << 1800.0 << 0;
    QTest::newRow("Oth.: basic 0.4 rounds to 0") << O << 0.4 << 1800.0 << 0;
    QTest::newRow("Oth.: basic 0.5 rounds to 0") << O << 0.5 << 1800.0 << 0;
    QTest::newRow("Oth.: basic 0.6 rounds to 1") << O << 0.6 << 1800.0 << 4;
    QTest::newRow("Oth.: grade 5400 is T1") << O << 0.0 << 5400.0 << 1;
    QTest::newRow("Oth.: basic 7440 is T3") << O << 7440.0 << 0.0 << 3;
}

void tst_Pay::tiers()
{
    QFETCH(TransportClass, cls);
    QFETCH(double, basic);
    QFETCH(double, grade);
    QFETCH(int, tier);
    const std::optional<Tier> found = transportTier(cls, basic, grade);
    if (tier == 0) {
        QVERIFY(!found);
    } else {
        QVERIFY(found);
        QCOMPARE(int(*found) + 1, tier);
    }
}

void tst_Pay::transportAmounts_data()
{
    QTest::addColumn<TransportClass>("cls");
    QTest::addColumn<Tier>("tier");
    QTest::addColumn<QString>("arrears");
    QTest::addColumn<QString>("upToJune");
    QTest::addColumn<QString>("fromJuly");
    const auto A = TransportClass::A;
    const auto O = TransportClass::Other;
    QTest::newRow("A/A-1 T1") << A << Tier::T1 << "320" << "6400" << "6624";
    QTest::newRow("A/A-1 T2") << A << Tier::T2 << "160" << "3200" << "3312";
    QTest::newRow("A/A-1 T3") << A << Tier::T3 << "160" << "3200" << "3312";
    QTest::newRow("A/A-1 T4") << A << Tier::T4 << "60" << "1200" << "1242";
    QTest::newRow("Oth. T1") << O << Tier::T1 << "160" << "3200" << "3312";
    QTest::newRow("Oth. T2") << O << Tier::T2 << "80" << "1600" << "1656";
    QTest::newRow("Oth. T3") << O << Tier::T3 << "80" << "1600" << "1656";
    QTest::newRow("Oth. T4") << O << Tier::T4 << "40" << "800" << "828";
}

void tst_Pay::transportAmounts()
{
    QFETCH(TransportClass, cls);
    QFETCH(Tier, tier);
    QFETCH(QString, arrears);
    QFETCH(QString, upToJune);
    QFETCH(QString, fromJuly);
    QCOMPARE(text(transportAllowance(cls, tier, Period::Arrears)), arrears);
    QCOMPARE(text(transportAllowance(cls, tier, Period::UpToJune)), upToJune);
    QCOMPARE(text(transportAllowance(cls, tier, Period::FromJuly)), fromJuly);
}

void tst_Pay::transportNotApplicable()
{
    for (Tier tier : {Tier::T1, Tier::T2, Tier::T3, Tier::T4})
        for (Period period : {Period::Arrears, Period::UpToJune, Period::FromJuly})
            QCOMPARE(text(transportAllowance(TransportClass::NotApplicable, tier, period)), "0");
}

void tst_Pay::pension()
{
    QCOMPARE(text(pensionContributionArrears(1740)), "174");
    QCOMPARE(text(pensionContributionArrears(1025)), "102"); // 102.5, ties to even
    QCOMPARE(text(pensionContribution(15000, 2400, 17400)), "3480");
    QCOMPARE(text(pensionContribution(15000, 2400, 18618)), "3602"); // 3601.8
}

void tst_Pay::exemption_data()
{
    QTest::addColumn<QList<double>>("months");
    QTest::addColumn<QString>("expected");
    QTest::newRow("6624 every month") << QList<double>(12, 6624) << "9600";
    QTest::newRow("exactly 800 counts 800") << QList<double>{800} << "800";
    QTest::newRow("799 counts 799") << QList<double>{799} << "799";
    QTest::newRow("just above 800 counts 800") << QList<double>{800.5} << "800";
    QTest::newRow("NA months count 0") << QList<double>(12, 0) << "0";
    QTest::newRow("mixed") << QList<double>{3200, 800, 799, 0, 1242, 40.5} << "3239.5";
}

void tst_Pay::exemption()
{
    QFETCH(QList<double>, months);
    QFETCH(QString, expected);
    QCOMPARE(text(transportExemption(months)), expected);
}

QTEST_APPLESS_MAIN(tst_Pay)
#include "tst_pay.moc"
