// Relief u/s 89(1): the tax of each earlier year around its limits, the group by date of
// birth, the date and PAN readings, and whole annexures worked out by hand.
#include "fields/conversions.h"
#include "rules/relief89.h"
#include "support/testsupport.h"

using namespace relief89;

namespace {

// "G", "W", "S", "V" in the tables; in 2014-15 G, S and V are the three age groups.
Group groupOf(const QString &letter) { return Group(QStringLiteral("GWSV").indexOf(letter)); }
tax::AgeGroup ageGroupOf(const QString &letter) { return tax::AgeGroup(QStringLiteral("GSV").indexOf(letter)); }
int rowOf(const QString &year) { return year.left(4).toInt() - kFirstYear; }
QString amounts(std::initializer_list<double> values)
{
    QStringList texts;
    for (const double value : values)
        texts << fields::numberText(value);
    return texts.join(' ');
}

} // namespace

class tst_relief89 : public QObject
{
    Q_OBJECT
private slots:
    void taxAroundLimits_data();
    void taxAroundLimits();
    void groupByBirth_data();
    void groupByBirth();
    void readings_data();
    void readings();
    void annexure_data();
    void annexure();
};

void tst_relief89::taxAroundLimits_data()
{
    // A year names a row; its limits, each after the group it is of (G general, W woman, S
    // senior, V very senior), and for each the tax 10 rupees under it, at it and 10 rupees over
    // it: every nil limit, slab top, surcharge threshold with its marginal relief, and 87A
    // where the year has it.
    testsupport::table(R"(
        2005-06 | G 100000 150000 1000000 W 135000 150000 S 185000 250000              | 0 0 1 / 4999 5000 5002 / 249997 250000 250010 / 0 0 1 / 1499 1500 1502 / 0 0 2 / 12998 13000 13003
        2006-07 | G 100000 250000 W 135000 150000 1000000 S 185000                     | 0 0 1 / 24998 25000 25003 / 0 0 1 / 1499 1500 1502 / 246497 246500 246510 / 0 0 2
        2007-08 | G 110000 150000 250000 W 145000 S 195000 1000000 V 195000            | 0 0 1 / 3999 4000 4002 / 23998 24000 24003 / 0 0 1 / 0 0 2 / 235997 236000 236010 / 0 0 2
        2008-09 | G 150000 500000 1000000 1030600 150015 W 180000 S 225000 300000      | 0 0 1 / 54998 55000 55003 / 204997 205000 205010 / 235590 235598 235601 / 0 2 2 / 0 0 1 / 0 0 1 / 7499 7500 7502
        2009-10 | G 160000 300000 1000000 W 190000 500000 0 S 240000                   | 0 0 1 / 13999 14000 14002 / 203997 204000 204003 / 0 0 1 / 50998 51000 51003 / 0 0 0 / 0 0 1
        2010-11 | G 160000 W 190000 500000 S 240000 800000                             | 0 0 1 / 0 0 1 / 30999 31000 31002 / 0 0 1 / 85998 86000 86003
        2011-12 | G 180000 500000 W 190000 S 250000 V 500000 800000                    | 0 0 1 / 31999 32000 32002 / 0 0 1 / 0 0 1 / 0 0 2 / 59998 60000 60003
        2012-13 | G 200000 1000000 10000000 W 200000 S 250000 500000 V 500000          | 0 0 1 / 129998 130000 130003 / 2829997 2830000 2830003 / 0 0 1 / 0 0 1 / 24999 25000 25002 / 0 0 2
        2013-14 | G 200000 500000 1000000 10000000 W 220000 S 500000 V 500000 10000000 | 0 0 0 / 27999 28000 30002 / 129998 130000 130003 / 2829997 2830000 2830010 / 0 0 1 / 22999 23000 25002 / 0 0 2 / 2799997 2800000 2800010
        2014-15 | G 500000 10000000                                                    | 22999 23000 25002 / 2824997 2825000 2825010
    )");
}

void tst_relief89::taxAroundLimits()
{
    const auto [limits, taxes] = testsupport::cells<2>();
    const QString year = QTest::currentDataTag();
    QString group;
    const auto tax = [&](double income) {
        return year == "2014-15" ? taxOf201415(income, ageGroupOf(group)) : taxOfYear(rowOf(year), groupOf(group), income);
    };
    QStringList got;
    for (const QString &limit : limits.split(' ')) {
        if (limit.front().isLetter()) // the group of the limits that follow
            group = limit;
        else
            got << amounts({ tax(limit.toDouble() - 10), tax(limit.toDouble()), tax(limit.toDouble() + 10) });
    }
    QCOMPARE(got.join(" / "), taxes);
}

void tst_relief89::groupByBirth_data()
{
    // Born on, a woman or not, the year, the age reached by its 31 March, the group.
    testsupport::table(R"(
        1 April: 60 on 31 March       | 01/04/1955 | M | 2014-15 | 60 | S
        2 April: not yet 60           | 02/04/1955 | W | 2014-15 | 59 | G
        1 April: 80 on 31 March       | 01/04/1935 | W | 2014-15 | 80 | V
        2 April: not yet 80           | 02/04/1935 | M | 2014-15 | 79 | S
        65 by the end of 2005-06      | 01/04/1941 | M | 2005-06 | 65 | S
        a woman not yet 65            | 02/04/1941 | W | 2005-06 | 64 | W
        60 is not senior in 2010-11   | 10/06/1950 | M | 2010-11 | 60 | G
        80 is senior in 2010-11       | 15/08/1930 | W | 2010-11 | 80 | S
        80 on 31 March 2012           | 01/04/1932 | M | 2011-12 | 80 | V
        not yet 80 on 31 March 2012   | 02/04/1932 | W | 2011-12 | 79 | S
        a woman of 60 in 2012-13      | 01/04/1953 | W | 2012-13 | 60 | S
        a woman not yet 60            | 02/04/1953 | W | 2012-13 | 59 | W
        65 by the end of 2006-07      | 01/04/1942 | M | 2006-07 | 65 | S
        65 by the end of 2007-08      | 31/03/1943 | W | 2007-08 | 65 | S
        65 by the end of 2008-09      | 01/04/1944 | M | 2008-09 | 65 | S
        65 in July 2009               | 15/07/1944 | W | 2009-10 | 65 | S
        65 by the end of 2010-11      | 01/04/1946 | M | 2010-11 | 65 | S
        60 by the end of 2011-12      | 01/04/1952 | M | 2011-12 | 60 | S
        80 by the end of 2012-13      | 01/04/1933 | W | 2012-13 | 80 | V
        60 by the end of 2013-14      | 01/04/1954 | M | 2013-14 | 60 | S
        80 by the end of 2013-14      | 31/03/1934 | M | 2013-14 | 80 | V
    )");
}

void tst_relief89::groupByBirth()
{
    const auto [born, sex, year, age, group] = testsupport::cells<5>();
    const QDate birth = QDate::fromString(born, "dd/MM/yyyy");
    QCOMPARE(ageReached(birth, year.left(4).toInt()), age.toInt());
    if (year == "2014-15")
        QCOMPARE(group201415(birth), ageGroupOf(group));
    else
        QCOMPARE(groupFor(birth, sex == "W", rowOf(year)), groupOf(group));
}

void tst_relief89::readings_data()
{
    // A text read as a date (the date read, "-": refused) or as a PAN (whether it is one).
    testsupport::table(R"(
        dd/mm/yyyy                | date | 05/11/1958           | 1958-11-05
        d/m/yyyy                  | date | 7/3/1961             | 1961-03-07
        blanks around             | date | \t 29/02/1960  \t    | 1960-02-29
        29 February, no leap year | date | 29/02/1962           | -
        31 February               | date | 31/02/2000           | -
        two-digit year            | date | 05/11/58             | -
        ISO order                 | date | 1958-11-05           | -
        blank inside              | date | 5 /11/1958           | -
        text after                | date | 05/11/1958x          | -
        no date                   | date |                      | -
        five, four, one           | PAN  | ABCPE1234F           | yes
        lower-case letters first  | PAN  | abcpe1234F           | no
        four letters              | PAN  | ABCP1234F            | no
        a letter too many         | PAN  | ABCPE1234FG          | no
        letter among digits       | PAN  | ABCPE12X4F           | no
        blank after               | PAN  | ABCPE1234F \t        | no
        accented letter           | PAN  | ÄBCPE1234F           | no
        no PAN                    | PAN  |                      | no
    )");
}

void tst_relief89::readings()
{
    const auto [kind, text, expected] = testsupport::cells<3>();
    const std::optional<QDate> date = readDate(text);
    QCOMPARE(kind == "PAN" ? (isPan(text) ? "yes" : "no") : date ? date->toString(Qt::ISODate) : "-", expected);
}

void tst_relief89::annexure_data()
{
    // Net taxable income and age group of 2014-15; "year total-income arrears group" for each
    // earlier year given; items 1 to 8; Table A, a line per year with arrears.
    testsupport::table(R"(
        one year         | 900000  | G | 2012-13 400000 100000 G | 800000 100000 900000 105000 85000 20000 10000 10000 | 2012-13 400000 100000 500000 20000 30000 10000
        three years, one with surcharge | 1500000 | G | 2005-06 120000 25000 W; 2008-09 1010000 15000 G; 2009-10 300000 0 S; 2010-11 220000 35000 G | 1425000 75000 1500000 275000 252500 22500 19500 3000 | 2005-06 120000 25000 145000 0 1000 1000; 2008-09 1010000 15000 1025000 215000 230000 15000; 2010-11 220000 35000 255000 6000 9500 3500
        less than the earlier years' tax: nil | 1200000 | S | 2008-09 980000 40000 S; 2011-12 600000 30000 S; 2012-13 700000 0 V; 2013-14 490000 20000 G | 1110000 90000 1200000 180000 153000 27000 37000 0 | 2008-09 980000 40000 1020000 191500 217500 26000; 2011-12 600000 30000 630000 45000 51000 6000; 2013-14 490000 20000 510000 27000 32000 5000
    )");
}

void tst_relief89::annexure()
{
    const auto [income, age, rows, items, tableA] = testsupport::cells<5>();
    std::array<YearRow, kYears> years {};
    std::array<Group, kYears> groups {};
    for (const QString &line : rows.split(';')) {
        const QStringList cell = line.split(' ', Qt::SkipEmptyParts);
        years[size_t(rowOf(cell[0]))] = { cell[1].toDouble(), cell[2].toDouble() };
        groups[size_t(rowOf(cell[0]))] = groupOf(cell[3]);
    }
    const Relief r = relief(income.toDouble(), ageGroupOf(age), years, groups);
    QCOMPARE(amounts({ r.excluding, r.arrears, r.including, r.taxIncluding, r.taxExcluding, r.currentDifference, r.tableA, r.relief }), items);
    QStringList lines;
    for (const TableRow &t : r.table)
        lines << yearName(t.row) + ' ' + amounts({ t.totalIncome, t.arrears, t.increased, t.taxOnIncome, t.taxOnIncreased, t.difference });
    QCOMPARE(lines.join("; "), tableA);
}

QTEST_GUILESS_MAIN(tst_relief89)
#include "tst_relief89.moc"
