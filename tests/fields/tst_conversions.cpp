// The conversions between field text and amounts, and the rounding rule.
#include "fields/conversions.h"

#include <QTest>
#include <cfloat>
#include <limits>

using namespace fields;

namespace {

// Enough digits to tell any two doubles apart: QCOMPARE on doubles is fuzzy.
QString exact(double value)
{
    return QString::number(value, 'g', 17);
}

} // namespace

class tst_Conversions : public QObject
{
    Q_OBJECT
private slots:
    void lenientReading_data();
    void lenientReading();
    void lenientReadingOutOfRange();
    void lenientReadingIgnoresDesktopLocale();
    void radixReadingRoundsOnce_data();
    void radixReadingRoundsOnce();
    void strictReading_data();
    void strictReading();
    void programTextIgnoresDesktopFormat();
    void numberText_data();
    void numberText();
    void numberTextRoundTrips_data();
    void numberTextRoundTrips();
    void roundHalfEven_data();
    void roundHalfEven();
};

void tst_Conversions::lenientReading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("plain") << "25000" << 25000.0;
    QTest::newRow("blank inside digits") << "1 000" << 1000.0;
    QTest::newRow("blanks around and inside") << " 1 000 " << 1000.0;
    QTest::newRow("tab and line feed ignored") << "1\t2\n3" << 123.0;
    QTest::newRow("and ends the number") << "24 and 57" << 24.0;
    QTest::newRow("stops at comma") << "12,500" << 12.0;
    QTest::newRow("indian grouping") << "1,50,000" << 1.0;
    QTest::newRow("no leading number") << "Rs. 500" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("exponent upper case") << "1E3" << 1000.0;
    QTest::newRow("exponent with sign") << "2.5E+2" << 250.0;
    QTest::newRow("negative exponent") << "5e-1" << 0.5;
    QTest::newRow("exponent with blanks") << "1 e 3" << 1000.0;
    QTest::newRow("negative") << "-5" << -5.0;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("second point ends it") << "1.2.3" << 1.2;
    QTest::newRow("lone minus") << "-" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("minus point") << "-." << 0.0;
    QTest::newRow("e without digits") << "1e" << 1.0;
    QTest::newRow("e and sign without digits") << "1e+" << 1.0;
    QTest::newRow("e alone") << "e5" << 0.0;
    QTest::newRow("trailing letters") << "12a" << 12.0;
    QTest::newRow("hex empty") << "&H" << 0.0;
    QTest::newRow("hex") << "&H1F" << 31.0;
    QTest::newRow("hex lower case") << "&hff" << 255.0;
    QTest::newRow("hex FFFF") << "&HFFFF" << 65535.0;
    QTest::newRow("hex stops at non-digit") << "&H1G" << 1.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("octal stops at 8") << "&O178" << 15.0;
    QTest::newRow("octal empty") << "&O" << 0.0;
    QTest::newRow("ampersand alone") << "&" << 0.0;
    QTest::newRow("ampersand other letter") << "&X12" << 0.0;
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("١٢٣") << 0.0;
    QTest::newRow("devanagari digits after ascii") << QString::fromUtf8("12७") << 12.0;
    QTest::newRow("fullwidth digits") << QString::fromUtf8("１２") << 0.0;
    QTest::newRow("no-break space ends it") << QString::fromUtf8("1\u00a0000") << 1.0;
    QTest::newRow("huge but finite") << "1E+308" << 1e308;
    QTest::newRow("long digit string") << QString(10000, u'1').left(20) << 11111111111111111111.0;
}

void tst_Conversions::lenientReading()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(readAmount(text), expected);
}

void tst_Conversions::lenientReadingOutOfRange()
{
    QCOMPARE(readAmount("1e400"), std::numeric_limits<double>::infinity());
    QCOMPARE(readAmount("-1e400"), -std::numeric_limits<double>::infinity());
    QCOMPARE(readAmount("1e-400"), 0.0);
    // 10,000 characters: no crash, and a value that says "too large" rather than garbage.
    QVERIFY(std::isinf(readAmount(QString(10000, u'9'))));
    QCOMPARE(readAmount(QString(10000, u'x')), 0.0);
    QCOMPARE(readAmount(QString(10000, u' ') + "42"), 42.0);
    QVERIFY(std::isinf(readAmount("&H" + QString(10000, u'F'))));
}

void tst_Conversions::lenientReadingIgnoresDesktopLocale()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(readAmount("1234.5"), 1234.5);
    QCOMPARE(readAmount("1234,5"), 1234.0);
    QLocale::setDefault(saved);
}

void tst_Conversions::radixReadingRoundsOnce_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    // Past 53 bits the whole number is rounded once, to the nearest double (ties to even),
    // exactly as the same number written in decimal would be.
    QTest::newRow("2^53 + 1: tie, down to even") << "&H20000000000001" << 9007199254740992.0;
    QTest::newRow("2^53 + 3: tie, up to even") << "&H20000000000003" << 9007199254740996.0;
    // Digit by digit, 2^53 + 1 would round to 2^53 first and the final 8 would then be lost.
    QTest::newRow("2^57 + 24: above half") << "&H200000000000018" << 144115188075855904.0;
    QTest::newRow("octal, 60 bits") << "&O77755555555555555554" << 1152278133231508352.0;
    QTest::newRow("64 ones") << "&HFFFFFFFFFFFFFFFF" << 18446744073709551616.0;
    // 2^80 + 2^27 + 1: the last 1 lies beyond the first 64 bits and still lifts the exact
    // half of 2^27 over the tie.
    QTest::newRow("bit beyond 64 decides a tie")
        << "&H100000000000008000001" << 1208925819614629443141632.0;
    QTest::newRow("leading zeros are no bits") << "&O" + QString(5000, u'0') + "17" << 15.0;
    QTest::newRow("beyond a double")
        << "&O" + QString(400, u'7') << std::numeric_limits<double>::infinity();
}

void tst_Conversions::radixReadingRoundsOnce()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(exact(readAmount(text)), exact(expected));
}

void tst_Conversions::strictReading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("expected");
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale india(QLocale::English, QLocale::India);
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("whole number") << "25000" << us << true << 25000.0;
    QTest::newRow("blanks around") << "  42 " << us << true << 42.0;
    QTest::newRow("negative") << "-4000" << us << true << -4000.0;
    QTest::newRow("decimal") << "1234.5" << us << true << 1234.5;
    QTest::newRow("exponent") << "1E+15" << us << true << 1e15;
    QTest::newRow("us grouping") << "150,000" << us << true << 150000.0;
    QTest::newRow("indian grouping") << "1,50,000" << india << true << 150000.0;
    QTest::newRow("indian grouping in us") << "1,50,000" << us << false << 0.0;
    QTest::newRow("bad grouping") << "1,2,3" << us << false << 0.0;
    QTest::newRow("german decimal comma") << "1234,5" << german << true << 1234.5;
    QTest::newRow("program text in german") << "1234.5" << german << true << 1234.5;
    QTest::newRow("empty") << "" << us << false << 0.0;
    QTest::newRow("blank") << "   " << us << false << 0.0;
    QTest::newRow("trailing letter") << "12a" << us << false << 0.0;
    QTest::newRow("lone minus") << "-" << us << false << 0.0;
    QTest::newRow("lone point") << "." << us << false << 0.0;
    QTest::newRow("inf") << "inf" << us << false << 0.0;
    QTest::newRow("nan") << "nan" << us << false << 0.0;
    QTest::newRow("beyond double") << "1e400" << us << false << 0.0;
    QTest::newRow("hex") << "&H10" << us << false << 0.0;
}

void tst_Conversions::strictReading()
{
    QFETCH(QString, text);
    QFETCH(QLocale, locale);
    QFETCH(bool, ok);
    QFETCH(double, expected);
    const std::optional<double> value = readStrict(text, locale);
    QCOMPARE(value.has_value(), ok);
    if (ok)
        QCOMPARE(exact(*value), exact(expected));
}

void tst_Conversions::programTextIgnoresDesktopFormat()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(readNumberText("1.234"), std::optional<double>(1.234)); // German would read 1234
    QCOMPARE(readNumberText("-74400"), std::optional<double>(-74400));
    QVERIFY(!readNumberText("1,234"));
    QVERIFY(!readNumberText(""));
    QLocale::setDefault(saved);
}

void tst_Conversions::numberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole") << 25000.0 << "25000";
    QTest::newRow("fraction") << 1234.5 << "1234.5";
    QTest::newRow("negative") << -4000.0 << "-4000";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("minus zero") << -0.0 << "0";
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << "0.3";
    QTest::newRow("15 digits") << 123456789012345.0 << "123456789012345";
    QTest::newRow("1E+15") << 1e15 << "1E+15";
    QTest::newRow("-1E+15") << -1e15 << "-1E+15";
    QTest::newRow("above 1E+15") << 1.5e20 << "1.5E+20";
    QTest::newRow("just below 1E+15") << 999999999999999.0 << "999999999999999";
    QTest::newRow("largest double") << DBL_MAX << "1.79769313486232E+308";
    QTest::newRow("small") << 0.0001 << "0.0001";
    QTest::newRow("smaller") << 0.00001 << "1E-05";
    QTest::newRow("paise") << 480004.9 << "480004.9";
}

void tst_Conversions::numberText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(fields::numberText(value), expected);
}

void tst_Conversions::numberTextRoundTrips_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("whole") << 533080.0;
    QTest::newRow("fraction") << 1234.5;
    QTest::newRow("negative fraction") << -74400.25;
    QTest::newRow("exponent") << 1e15;
    QTest::newRow("small") << 0.00001;
}

void tst_Conversions::numberTextRoundTrips()
{
    QFETCH(double, value);
    const QString text = fields::numberText(value);
    QCOMPARE(readAmount(text), value);
    const std::optional<double> strict = readStrict(text, QLocale(QLocale::German));
    QVERIFY(strict);
    QCOMPARE(*strict, value);
    const std::optional<double> own = readNumberText(text);
    QVERIFY(own);
    QCOMPARE(*own, value);
}

void tst_Conversions::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("0.5") << 0.5 << 0.0;
    QTest::newRow("1.5") << 1.5 << 2.0;
    QTest::newRow("2.5") << 2.5 << 2.0;
    QTest::newRow("3.5") << 3.5 << 4.0;
    QTest::newRow("4.5") << 4.5 << 4.0;
    QTest::newRow("7.5") << 7.5 << 8.0;
    QTest::newRow("841.5") << 841.5 << 842.0;
    QTest::newRow("30000.5") << 30000.5 << 30000.0;
    QTest::newRow("below half") << 2.4999 << 2.0;
    QTest::newRow("above half") << 2.5001 << 3.0;
    QTest::newRow("negative tie") << -2.5 << -2.0;
    QTest::newRow("negative") << -2.6 << -3.0;
}

void tst_Conversions::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(fields::roundHalfEven(value), expected);
}

QTEST_APPLESS_MAIN(tst_Conversions)
#include "tst_conversions.moc"
