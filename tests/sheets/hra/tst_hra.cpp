// The arithmetic of the HRA exemption, without a window.
#include "fields/conversions.h"
#include "sheets/hra/hra.h"

#include <QTest>

class tst_Hra : public QObject
{
    Q_OBJECT
private slots:
    void salaryShare_data();
    void salaryShare();
    void exemption_data();
    void exemption();
};

void tst_Hra::salaryShare_data()
{
    // clang-format off
    QTest::addColumn<double>("totalSalary");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain tenth") << 700000.0 << "70000";
    QTest::newRow("tie goes down to even") << 300005.0 << "30000";
    QTest::newRow("tie goes up to even") << 300015.0 << "30002";
    QTest::newRow("above a tie rounds up") << 300006.0 << "30001";
    QTest::newRow("below a tie rounds down") << 300004.0 << "30000";
    QTest::newRow("paise take part") << 300005.5 << "30001";
    QTest::newRow("nothing") << 0.0 << "0";
    // clang-format on
}

void tst_Hra::salaryShare()
{
    QFETCH(double, totalSalary);
    QFETCH(QString, expected);
    QCOMPARE(fields::numberText(hra::salaryShare(totalSalary)), expected);
}

void tst_Hra::exemption_data()
{
    // clang-format off
    QTest::addColumn<double>("basicPay");
    QTest::addColumn<double>("dearness");
    QTest::addColumn<double>("gradePay");
    QTest::addColumn<double>("rentPaid");
    QTest::addColumn<double>("hraDrawn");
    QTest::addColumn<QString>("expected");
    QTest::newRow("excess below allowance") << 300000.0 << 350000.0 << 50000.0 << 240000.0
                                            << 180000.0 << "170000";
    QTest::newRow("allowance caps") << 300000.0 << 350000.0 << 50000.0 << 300000.0 << 180000.0
                                    << "180000";
    QTest::newRow("excess equals allowance") << 300000.0 << 350000.0 << 50000.0 << 250000.0
                                             << 180000.0 << "180000";
    QTest::newRow("rent below a tenth") << 300000.0 << 350000.0 << 50000.0 << 50000.0
                                        << 180000.0 << "0";
    QTest::newRow("no allowance drawn") << 300000.0 << 350000.0 << 50000.0 << 240000.0 << 0.0
                                        << "0";
    QTest::newRow("grade pay counts in salary") << 300000.0 << 0.0 << 100000.0 << 100000.0
                                                << 180000.0 << "60000";
    QTest::newRow("rent equals a tenth") << 500000.0 << 0.0 << 0.0 << 50000.0 << 180000.0
                                         << "0";
    // clang-format on
}

void tst_Hra::exemption()
{
    QFETCH(double, basicPay);
    QFETCH(double, dearness);
    QFETCH(double, gradePay);
    QFETCH(double, rentPaid);
    QFETCH(double, hraDrawn);
    QFETCH(QString, expected);
    const double salary = hra::totalSalary(basicPay, dearness, gradePay);
    QCOMPARE(
        fields::numberText(hra::exemption(hra::rentExcess(rentPaid, salary), hraDrawn)), expected);
}

QTEST_APPLESS_MAIN(tst_Hra)
#include "tst_hra.moc"
