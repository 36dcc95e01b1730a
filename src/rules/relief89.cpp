#include "rules/relief89.h"

#include "fields/conversions.h"

#include <QRegularExpression>
#include <algorithm>
#include <limits>

using fields::roundHalfEven;

namespace relief89 {

namespace {

// The rates of every earlier year: 10%, 20%, 30% above the top of the 20% slab; surcharge.
constexpr double kRate10 = 0.1;
constexpr double kRate20 = 0.2;
constexpr double kRate30 = 0.3;
constexpr double kSurchargeRate = 0.1;

// The ages of the groups in 2014-15, reached by 31 March 2015.
constexpr int kSeniorAge201415 = 60;
constexpr int kVerySeniorAge201415 = 80;

// One earlier year. A slab that lies below a group's nil limit does not apply to it. A group
// the year does not have carries the nil limit of the group its members fall in.
struct YearRules
{
    std::array<double, 4> nilLimit; // by Group
    int seniorAge;
    int verySeniorAge; // 0: no such group that year
    double topOf10; // top of the 10% slab
    double topOf20; // top of the 20% slab; 30% above it
    double surchargeAbove; // 0: no surcharge
    double rebate87A; // the most relief u/s 87A; 0: no such relief
    double rebateIncomeLimit; // 87A only up to this total income
};

// clang-format off
constexpr std::array<YearRules, kYears> kYearRules { {
    // General, Woman, Senior, Very senior; senior age; very senior age; slab tops; surcharge; 87A
    { { 100000, 135000, 185000, 185000 }, 65,  0, 150000,  250000,  1000000,    0,      0 }, // 2005-06
    { { 100000, 135000, 185000, 185000 }, 65,  0, 150000,  250000,  1000000,    0,      0 }, // 2006-07
    { { 110000, 145000, 195000, 195000 }, 65,  0, 150000,  250000,  1000000,    0,      0 }, // 2007-08
    { { 150000, 180000, 225000, 225000 }, 65,  0, 300000,  500000,  1000000,    0,      0 }, // 2008-09
    { { 160000, 190000, 240000, 240000 }, 65,  0, 300000,  500000,        0,    0,      0 }, // 2009-10
    { { 160000, 190000, 240000, 240000 }, 65,  0, 500000,  800000,        0,    0,      0 }, // 2010-11
    { { 180000, 190000, 250000, 500000 }, 60, 80, 500000,  800000,        0,    0,      0 }, // 2011-12
    { { 200000, 200000, 250000, 500000 }, 60, 80, 500000, 1000000,        0,    0,      0 }, // 2012-13
    { { 200000, 200000, 250000, 500000 }, 60, 80, 500000, 1000000, 10000000, 2000, 500000 }, // 2013-14
} };
// clang-format on


// Tax by the slabs of one group. Each slab starts no lower than the nil limit, so a slab that
// lies wholly below it is empty. The tax on a full slab is whole already (rounded only because
// 0.1 is not exact); the part in the top slab reached is rounded as tax.cpp does.
double slabTax(double n, double nilLimit, double topOf10, double topOf20)
{
    struct Slab
    {
        double bottom, top, rate;
    };
    const Slab slabs[]
        = { { nilLimit, topOf10, kRate10 }, { std::max(nilLimit, topOf10), topOf20, kRate20 },
              { std::max(nilLimit, topOf20), std::numeric_limits<double>::infinity(), kRate30 } };
    double tax = 0;
    for (const Slab &slab : slabs) {
        if (n <= slab.bottom)
            break;
        if (slab.top <= slab.bottom)
            continue;
        if (n <= slab.top)
            return tax + roundHalfEven((n - slab.bottom) * slab.rate);
        tax += roundHalfEven((slab.top - slab.bottom) * slab.rate);
    }
    return tax;
}

double taxBeforeSurcharge(const YearRules &rules, Group group, double n)
{
    const double tax = slabTax(n, rules.nilLimit[size_t(group)], rules.topOf10, rules.topOf20);
    if (n > rules.rebateIncomeLimit)
        return tax;
    return tax - std::min(tax, rules.rebate87A);
}

} // namespace

QString yearName(int row)
{
    const int start = kFirstYear + row;
    return QStringLiteral("%1-%2").arg(start).arg((start + 1) % 100, 2, 10, QLatin1Char('0'));
}

std::optional<QDate> readDate(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*([0-9]{1,2})/([0-9]{1,2})/([0-9]{4})\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(
        match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

int ageReached(const QDate &birth, int startYear)
{
    // The age attained on 31 March is the age by anniversaries on the next day, 1 April.
    const bool birthdayAfterApril1 = birth.month() > 4 || (birth.month() == 4 && birth.day() > 1);
    return startYear + 1 - birth.year() - (birthdayAfterApril1 ? 1 : 0);
}

Group groupFor(const QDate &birth, bool woman, int row)
{
    const YearRules &rules = kYearRules[size_t(row)];
    const int age = ageReached(birth, kFirstYear + row);
    if (rules.verySeniorAge > 0 && age >= rules.verySeniorAge)
        return Group::VerySenior;
    if (age >= rules.seniorAge)
        return Group::Senior;
    return woman ? Group::Woman : Group::General;
}

tax::AgeGroup group201415(const QDate &birth)
{
    const int age = ageReached(birth, 2014);
    if (age >= kVerySeniorAge201415)
        return tax::AgeGroup::VerySenior;
    return age >= kSeniorAge201415 ? tax::AgeGroup::Senior : tax::AgeGroup::Below60;
}

bool isPan(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Z]{5}[0-9]{4}[A-Z]$"));
    return pattern.match(text).hasMatch();
}

double taxOfYear(int row, Group group, double n)
{
    const YearRules &rules = kYearRules[size_t(row)];
    const double tax = taxBeforeSurcharge(rules, group, n);
    if (rules.surchargeAbove <= 0 || n <= rules.surchargeAbove)
        return tax;
    // Marginal relief: tax and surcharge never more than the tax at the threshold plus the
    // income above it.
    const double full = roundHalfEven(tax * kSurchargeRate);
    const double marginal
        = taxBeforeSurcharge(rules, group, rules.surchargeAbove) + (n - rules.surchargeAbove) - tax;
    return tax + std::max(0.0, std::min(full, marginal));
}

double taxOf201415(double income, tax::AgeGroup age)
{
    const double gross = tax::taxBySlabs(income, age);
    const double net = tax::netTax(gross, tax::relief87A(income, gross), 0);
    const double atThreshold = tax::netTax(tax::taxBySlabs(tax::kSurchargeThreshold, age), 0, 0);
    return net + tax::surcharge(income, net, atThreshold);
}

Relief relief(double netTaxableIncome, tax::AgeGroup age, const std::array<YearRow, kYears> &years,
    const std::array<Group, kYears> &groups)
{
    Relief r {};
    for (const YearRow &year : years)
        r.arrears += year.arrears;
    r.including = netTaxableIncome;
    r.excluding = r.including - r.arrears;
    r.taxIncluding = taxOf201415(r.including, age);
    r.taxExcluding = taxOf201415(r.excluding, age);
    r.currentDifference = r.taxIncluding - r.taxExcluding;
    for (int row = 0; row < kYears; ++row) {
        const YearRow &year = years[size_t(row)];
        if (year.arrears == 0)
            continue;
        const Group group = groups[size_t(row)];
        TableRow line { row, year.totalIncome, year.arrears, year.totalIncome + year.arrears, 0, 0,
            0 };
        line.taxOnIncome = taxOfYear(row, group, line.totalIncome);
        line.taxOnIncreased = taxOfYear(row, group, line.increased);
        line.difference = line.taxOnIncreased - line.taxOnIncome;
        r.tableA += line.difference;
        r.table.push_back(line);
    }
    r.relief = std::max(0.0, r.currentDifference - r.tableA);
    return r;
}

} // namespace relief89
