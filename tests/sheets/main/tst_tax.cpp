// The tax of the year on a net taxable income, without a window.
#include "sheets/main/tax.h"

#include <QTest>

class tst_Tax : public QObject
{
    Q_OBJECT
private slots:
    void slabsReliefAndCess_data();
    void slabsReliefAndCess();
    void roundToTens_data();
    void roundToTens();
    void netTaxNeverBelowZero();
    void cessTiesGoToEven_data();
    void cessTiesGoToEven();
};

void tst_Tax::slabsReliefAndCess_data()
{
    QTest::addColumn<double>("income");
    QTest::addColumn<double>("grossTax");
    QTest::addColumn<double>("relief");
    QTest::addColumn<double>("net");
    QTest::addColumn<double>("cess");
    QTest::newRow("250000") << 250000.0 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("250010") << 250010.0 << 1.0 << 1.0 << 0.0 << 0.0;
    QTest::newRow("260000") << 260000.0 << 1000.0 << 1000.0 << 0.0 << 0.0;
    QTest::newRow("270000") << 270000.0 << 2000.0 << 2000.0 << 0.0 << 0.0;
    QTest::newRow("280000") << 280000.0 << 3000.0 << 2000.0 << 1000.0 << 30.0;
    QTest::newRow("480000") << 480000.0 << 23000.0 << 2000.0 << 21000.0 << 630.0;
    QTest::newRow("500000") << 500000.0 << 25000.0 << 2000.0 << 23000.0 << 690.0;
    QTest::newRow("500010") << 500010.0 << 25002.0 << 0.0 << 25002.0 << 750.0;
    QTest::newRow("1000000") << 1000000.0 << 125000.0 << 0.0 << 125000.0 << 3750.0;
    QTest::newRow("1000010") << 1000010.0 << 125003.0 << 0.0 << 125003.0 << 3750.0;
    QTest::newRow("1250000") << 1250000.0 << 200000.0 << 0.0 << 200000.0 << 6000.0;
    QTest::newRow("negative income") << -50000.0 << 0.0 << 0.0 << 0.0 << 0.0;
}

void tst_Tax::slabsReliefAndCess()
{
    QFETCH(double, income);
    QFETCH(double, grossTax);
    QFETCH(double, relief);
    QFETCH(double, net);
    QFETCH(double, cess);
    const double gross = tax::taxBySlabs(income);
    QCOMPARE(gross, grossTax);
    const double r87a = tax::relief87A(income, gross);
    QCOMPARE(r87a, relief);
    const double n = tax::netTax(gross, r87a, 0);
    QCOMPARE(n, net);
    QCOMPARE(tax::educationCess(n), cess);
}

void tst_Tax::roundToTens_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("expected");
    QTest::newRow("480005") << 480005.0 << 480000.0;
    QTest::newRow("480015") << 480015.0 << 480020.0;
    QTest::newRow("480025") << 480025.0 << 480020.0;
    QTest::newRow("480004.9") << 480004.9 << 480000.0;
    QTest::newRow("480005.5") << 480005.5 << 480010.0;
    QTest::newRow("345400") << 345400.0 << 345400.0;
    QTest::newRow("negative tie") << -15.0 << -20.0;
}

void tst_Tax::roundToTens()
{
    QFETCH(double, amount);
    QFETCH(double, expected);
    QCOMPARE(tax::roundToTens(amount), expected);
}

void tst_Tax::netTaxNeverBelowZero()
{
    QCOMPARE(tax::netTax(23000, 2000, 30000), 0.0);
    QCOMPARE(tax::netTax(23000, 2000, 1500), 19500.0);
}

void tst_Tax::cessTiesGoToEven_data()
{
    QTest::addColumn<double>("netTax");
    QTest::addColumn<double>("cess");
    QTest::newRow("50 -> 1.5 -> 2") << 50.0 << 2.0;
    QTest::newRow("150 -> 4.5 -> 4") << 150.0 << 4.0;
    QTest::newRow("250 -> 7.5 -> 8") << 250.0 << 8.0;
    QTest::newRow("19500") << 19500.0 << 585.0;
}

void tst_Tax::cessTiesGoToEven()
{
    QFETCH(double, netTax);
    QFETCH(double, cess);
    QCOMPARE(tax::educationCess(netTax), cess);
}

QTEST_APPLESS_MAIN(tst_Tax)
#include "tst_tax.moc"
