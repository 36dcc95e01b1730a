// The conversions between text and amounts, and how an amount box takes typing and focus.
#include "fields/amountfield.h"
#include "fields/conversions.h"
#include "support/testsupport.h"

#include <cfloat>

using namespace fields;

class tst_fields : public testsupport::SheetTest
{
    Q_OBJECT
private slots:
    void conversions_data();
    void conversions();
    void typingAndFocus();
    void roundingAndLimits();
};

void tst_fields::conversions_data()
{
    // A text, the number text of its lenient reading, and of its strict reading in the
    // locale ("-": refused).
    testsupport::table(R"(
        blanks, tabs, line feeds ignored | 1 0\t0\n0           | 1000   | C     | -
        stops at a comma                 | 1,50,000            | 1      | C     | -
        exponent                         | 1e3                 | 1000   | C     | 1000
        negative, point first            | -.5                 | -0.5   | C     | -0.5
        trailing point                   | 5.                  | 5      | C     | 5
        hexadecimal                      | &H1F                | 31     | C     | -
        octal                            | &o17                | 15     | C     | -
        at most 15 digits                | 0.30000000000000004 | 0.3    | C     | 0.3
        exponent form from 1E+15         | 1000000000000000    | 1E+15  | C     | 1E+15
        exponent form below 1E-04        | 0.00001             | 1E-05  | C     | 1E-05
        minus zero                       | -0                  | 0      | C     | 0
        grouped, US                      | 1,234.5             | 1      | en_US | 1234.5
        grouped, German                  | 1.234,5             | 1.234  | de_DE | 1234.5
        the program's own text, German   | 1234.5              | 1234.5 | de_DE | 1234.5
    )");
}

void tst_fields::conversions()
{
    const auto [text, lenient, locale, strict] = testsupport::cells<4>();
    QCOMPARE(numberText(readAmount(text)), lenient);
    const std::optional<double> read = readStrict(text, QLocale(locale));
    QCOMPARE(read ? numberText(*read) : "-", strict);
}

void tst_fields::typingAndFocus()
{
    testsupport::type(main->txtgs, ""); // emptied: "0" at once, and typing goes in front of it
    QTest::keyClick(main->txtgs, '5');
    // Entering a box by Tab, by a click and from code selects it: typing replaces it all.
    for (QLineEdit *box : { main->txttp, main->txthra, main->txtos })
        writeText(box, "25000");
    QTest::keyClick(main->txtgs, Qt::Key_Tab);
    QTest::keyClicks(main->txttp, "3");
    QTest::mouseClick(main->txthra, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::keyClicks(main->txthra, "7");
    main->txtos->setFocus();
    QTest::keyClicks(main->txtos, "9");
    QCOMPARE(testsupport::shown(main, "txtgs txttp txthra txtos"), "50 3 7 9");
}

void tst_fields::roundingAndLimits()
{
    for (const auto &[value, rounded] : { std::pair { 0.5, 0.0 }, { 1.5, 2.0 }, { 2.5, 2.0 }, { -2.5, -2.0 } })
        QCOMPARE(roundHalfEven(value), rounded);
    // DBL_MAX is finite, but its 15-digit text would read back as infinite.
    for (const double value : { double(INFINITY), double(NAN), DBL_MAX })
        QVERIFY(!writeAmount(main->txtgs, value));
    QCOMPARE(main->txtgs->text(), "0");
    QVERIFY(writeAmount(main->txtgs, 1.7976931348623e308));
}

QTEST_MAIN(tst_fields)
#include "tst_fields.moc"
