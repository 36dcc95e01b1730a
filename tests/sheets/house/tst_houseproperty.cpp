// The arithmetic of income from house property, without a window.
#include "fields/conversions.h"
#include "sheets/house/houseproperty.h"

#include <QTest>

using house::LoanDate;
using house::Occupancy;

Q_DECLARE_METATYPE(house::Occupancy)
Q_DECLARE_METATYPE(house::LoanDate)

class tst_HouseProperty : public QObject
{
    Q_OBJECT
private slots:
    void repairs_data();
    void repairs();
    void allowedInterest_data();
    void allowedInterest();
    void income_data();
    void income();
};

void tst_HouseProperty::repairs_data()
{
    // clang-format off
    QTest::addColumn<double>("grossIncome");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << 108000.0 << "32400";
    QTest::newRow("35: tie goes down to even") << 35.0 << "10";
    QTest::newRow("25: tie goes up to even") << 25.0 << "8";
    QTest::newRow("above a tie") << 36.0 << "11";
    QTest::newRow("negative gross income") << -1000.0 << "-300";
    QTest::newRow("negative tie") << -25.0 << "-8";
    // clang-format on
}

void tst_HouseProperty::repairs()
{
    QFETCH(double, grossIncome);
    QFETCH(QString, expected);
    QCOMPARE(fields::numberText(house::repairs(grossIncome)), expected);
}

void tst_HouseProperty::allowedInterest_data()
{
    // clang-format off
    QTest::addColumn<Occupancy>("occupancy");
    QTest::addColumn<LoanDate>("loanDate");
    QTest::addColumn<double>("interest");
    QTest::addColumn<QString>("expected");
    const auto rented = Occupancy::RentedOut;
    const auto own = Occupancy::SelfOccupied;
    const auto before = LoanDate::Before1April1999;
    const auto after = LoanDate::After1April1999;
    QTest::newRow("rented: no ceiling") << rented << after << 250000.0 << "250000";
    QTest::newRow("rented, old loan: no ceiling") << rented << before << 250000.0 << "250000";
    QTest::newRow("own, new loan, at ceiling") << own << after << 200000.0 << "200000";
    QTest::newRow("own, new loan, just above") << own << after << 200001.0 << "200000";
    QTest::newRow("own, new loan, below") << own << after << 150000.0 << "150000";
    QTest::newRow("own, old loan, at ceiling") << own << before << 30000.0 << "30000";
    QTest::newRow("own, old loan, just above") << own << before << 30001.0 << "30000";
    QTest::newRow("own, old loan, far above") << own << before << 250000.0 << "30000";
    QTest::newRow("own, old loan, paise above") << own << before << 30000.5 << "30000";
    // clang-format on
}

void tst_HouseProperty::allowedInterest()
{
    QFETCH(Occupancy, occupancy);
    QFETCH(LoanDate, loanDate);
    QFETCH(double, interest);
    QFETCH(QString, expected);
    QCOMPARE(fields::numberText(house::allowedInterest(interest, occupancy, loanDate)), expected);
}

void tst_HouseProperty::income_data()
{
    // clang-format off
    QTest::addColumn<double>("rentalValue");
    QTest::addColumn<double>("propertyTaxes");
    QTest::addColumn<double>("interest");
    QTest::addColumn<double>("others");
    QTest::addColumn<QString>("expected");
    QTest::newRow("let out at a loss") << 120000.0 << 12000.0 << 150000.0 << 0.0 << "-74400";
    QTest::newRow("let out at a profit") << 240000.0 << 0.0 << 50000.0 << 10000.0 << "108000";
    QTest::newRow("repairs counted rounded") << 35.0 << 0.0 << 0.0 << 0.0 << "25";
    // clang-format on
}

void tst_HouseProperty::income()
{
    QFETCH(double, rentalValue);
    QFETCH(double, propertyTaxes);
    QFETCH(double, interest);
    QFETCH(double, others);
    QFETCH(QString, expected);
    const double gross = house::grossIncome(rentalValue, propertyTaxes);
    const double deductions = house::totalDeductions(interest, house::repairs(gross), others);
    QCOMPARE(fields::numberText(house::incomeFromHouseProperty(gross, deductions)), expected);
}

QTEST_APPLESS_MAIN(tst_HouseProperty)
#include "tst_houseproperty.moc"
