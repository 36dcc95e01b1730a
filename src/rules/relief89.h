// Relief u/s 89(1) for arrears of salary received in 2014-15 (Annexure I of Form 10E): the
// tax of each earlier year by that year's own rules, and the sums of the annexure.
#pragma once

#include "rules/tax.h"

#include <QDate>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace relief89 {

inline constexpr int kFirstYear = 2005; // row 0 is 2005-06; older arrears are not handled
inline constexpr int kYears = 9; // 2005-06 to 2013-14

// A woman is a group of her own only below the senior age, a very senior only from 2011-12.
enum class Group { General, Woman, Senior, VerySenior };

// "2005-06" for row 0.
QString yearName(int row);

// A date of birth typed as dd/mm/yyyy (or d/m/yyyy), blanks around it allowed; nullopt for
// any other text and for a day that does not exist.
std::optional<QDate> readDate(const QString &text);

// The age reached by 31 March of startYear + 1. An age is attained on the day before the
// anniversary of birth, so one born on 1 April has it on 31 March.
int ageReached(const QDate &birth, int startYear);

// The group for the earlier year of `row`, and for 2014-15.
Group groupFor(const QDate &birth, bool woman, int row);
tax::AgeGroup group201415(const QDate &birth);

// Five letters A-Z, four digits, one letter A-Z; nothing else, not even blanks.
bool isPan(const QString &text);

// The income-tax of an earlier year: slabs, 87A where the year has it, surcharge with
// marginal relief. No cess: the annexure compares tax without it.
double taxOfYear(int row, Group group, double totalIncome);
// The same for 2014-15, as the main sheet works it out without relief 89 and cess.
double taxOf201415(double income, tax::AgeGroup age);

struct YearRow
{
    double totalIncome = 0; // of the earlier year, without the arrears
    double arrears = 0; // received in 2014-15 but belonging to that year
};

// A line of Table A: columns (1) to (7).
struct TableRow
{
    int row;
    double totalIncome, arrears, increased, taxOnIncome, taxOnIncreased, difference;
};

// Items 1 to 8 of the annexure, and Table A.
struct Relief
{
    double excluding, arrears, including, taxIncluding, taxExcluding, currentDifference, tableA,
        relief;
    std::vector<TableRow> table;
};

// The relief on the net taxable income of 2014-15 (arrears included). Years with no arrears
// take no part.
Relief relief(double netTaxableIncome, tax::AgeGroup age, const std::array<YearRow, kYears> &years,
    const std::array<Group, kYears> &groups);

} // namespace relief89
