// The ceilings of the deductions sheet, without a window.
#include "sheets/deductions/deductions.h"

#include "fields/conversions.h"

#include <QTest>
#include <vector>

using namespace deductions;

class tst_Deductions : public QObject
{
    Q_OBJECT
private slots:
    void total80cAddsLeftToRight();
    void savingsAfterCeiling_data();
    void savingsAfterCeiling();
    void infraBondsOverCeiling_data();
    void infraBondsOverCeiling();
    void grandTotalIsThePlainSum();
    void mediclaimOverCeiling_data();
    void mediclaimOverCeiling();
};

void tst_Deductions::total80cAddsLeftToRight()
{
    // At 1E16 a lone 1 is lost in the rounding: the order of additions shows in the result.
    const std::vector<double> bigFirst{1e16, 1, 1};
    QCOMPARE(fields::numberText(total80c(bigFirst)), QStringLiteral("1E+16"));
    const std::vector<double> smallFirst{1, 1, 1e16};
    QCOMPARE(fields::numberText(total80c(smallFirst) - 1e16), QStringLiteral("2"));

    const std::vector<double> items{1000, 2000.5, 0, -500, 30000, 0, 0, 12000, 12000, 0, 1};
    QCOMPARE(fields::numberText(total80c(items)), QStringLiteral("56501.5"));
}

void tst_Deductions::savingsAfterCeiling_data()
{
    QTest::addColumn<double>("savings");
    QTest::addColumn<double>("government");
    QTest::addColumn<QString>("expected");
    QTest::newRow("over the ceiling, contribution on top") << 210000.0 << 10000.0 << "160000";
    QTest::newRow("exactly at the ceiling stands") << 150000.0 << 5000.0 << "155000";
    QTest::newRow("a rupee above") << 150001.0 << 0.0 << "150000";
    QTest::newRow("a paisa above") << 150000.01 << 0.0 << "150000";
    QTest::newRow("below") << 100000.0 << 0.0 << "100000";
    QTest::newRow("below with contribution") << 149999.0 << 20000.0 << "169999";
    QTest::newRow("negative savings") << -5000.0 << 1000.0 << "-4000";
    QTest::newRow("contribution never cut") << 400000.0 << 90000.0 << "240000";
}

void tst_Deductions::savingsAfterCeiling()
{
    QFETCH(double, savings);
    QFETCH(double, government);
    QFETCH(QString, expected);
    QCOMPARE(fields::numberText(deductions::savingsAfterCeiling(savings, government)), expected);
}

void tst_Deductions::infraBondsOverCeiling_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<bool>("over");
    QTest::newRow("well above") << 25000.0 << true;
    QTest::newRow("a paisa above") << 20000.01 << true;
    QTest::newRow("exactly at it") << 20000.0 << false;
    QTest::newRow("below") << 19999.0 << false;
    QTest::newRow("negative") << -30000.0 << false;
}

void tst_Deductions::infraBondsOverCeiling()
{
    QFETCH(double, amount);
    QFETCH(bool, over);
    QCOMPARE(deductions::infraBondsOverCeiling(amount), over);
}

void tst_Deductions::grandTotalIsThePlainSum()
{
    // No ceiling on mediclaim, donations or other deductions here.
    QCOMPARE(fields::numberText(grandTotal(160000, 45000, 80000, 20000, 1000)),
             QStringLiteral("306000"));
    QCOMPARE(fields::numberText(grandTotal(1000.25, 0, 0, 0, 234.25)), QStringLiteral("1234.5"));
    QCOMPARE(fields::numberText(grandTotal(0, 0, 0, 0, -700)), QStringLiteral("-700"));
}

void tst_Deductions::mediclaimOverCeiling_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("over");
    QTest::newRow("at the ceiling") << "30000" << "C" << false;
    QTest::newRow("a rupee above") << "30001" << "C" << true;
    QTest::newRow("a paisa above") << "30000.01" << "C" << true;
    QTest::newRow("blanks around") << " 30001 " << "C" << true;
    QTest::newRow("exponent") << "1E5" << "C" << true;
    QTest::newRow("beyond a double") << "1E+309" << "C" << true;
    QTest::newRow("negative") << "-40000" << "C" << false;
    QTest::newRow("lone minus") << "-" << "C" << false;
    QTest::newRow("lone point") << "." << "C" << false;
    QTest::newRow("partial with letter") << "12a" << "C" << false;
    QTest::newRow("empty") << "" << "C" << false;
    // Calculate would count 40000 from this, so the ceiling must see it too.
    QTest::newRow("trailing letters") << "40000abc" << "C" << true;
    QTest::newRow("grouped reads as 1") << "1,50,000" << "C" << false;
    QTest::newRow("german grouping") << "30.001" << "de_DE" << true;
    QTest::newRow("german decimal comma") << "30000,5" << "de_DE" << true;
    QTest::newRow("german at the ceiling") << "30.000" << "de_DE" << false;
}

void tst_Deductions::mediclaimOverCeiling()
{
    QFETCH(QString, text);
    QFETCH(QString, locale);
    QFETCH(bool, over);
    QCOMPARE(deductions::mediclaimOverCeiling(text, QLocale(locale)), over);
}

QTEST_APPLESS_MAIN(tst_Deductions)
#include "tst_deductions.moc"
