#include "records/relief.h"

#include "fields/conversions.h"
#include "records/boxes.h"

#include <QDate>

namespace records {

namespace {

// The last day of the year whose tax the sheet relieves: nobody born later has arrears.
const QDate kLastDayOf201415(2015, 3, 31);

} // namespace

QString totalIncomeCaption(int row)
{
    return QStringLiteral("Total Income ") + relief89::yearName(row);
}

QString arrearsCaption(int row)
{
    return QStringLiteral("Arrears ") + relief89::yearName(row);
}

namespace {

std::optional<Said> workOut(ReliefRecord &r, const QLocale &locale, relief89::Relief &relief)
{
    constexpr int kYears = ReliefRecord::kYears;
    const QString again = QStringLiteral(" Please correct it and calculate again.");
    std::array<relief89::YearRow, kYears> years {};
    int firstArrears = -1;
    for (int i = 0; i < kYears; ++i) {
        // The names and captions are put together only for a refusal: nine years are read.
        const struct
        {
            const QString &text;
            const char *array;
            QString (*caption)(int row);
            double relief89::YearRow::*member;
        } boxes[] = { { r.txtti[i], "txtti", totalIncomeCaption, &relief89::YearRow::totalIncome },
            { r.txtarr[i], "txtarr", arrearsCaption, &relief89::YearRow::arrears } };
        for (const auto &box : boxes) {
            const std::optional<double> value = fields::readStrict(box.text, locale);
            if (!value)
                return notANumber(box.text, fields::elementName(box.array, i), box.caption(i));
            if (*value < 0)
                return Said { QStringLiteral("The box \"%1\" holds \"%2\", which is below 0.").arg(box.caption(i), box.text)
                        + again,
                    fields::elementName(box.array, i) };
            years[i].*box.member = *value;
        }
        if (years[i].arrears != 0 && firstArrears < 0)
            firstArrears = i;
    }

    const int ageIndex = int(tax::kAgeGroups.indexOf(r.txtage));
    if (ageIndex < 0)
        return Said { QStringLiteral("The age group \"%1\" is none of the main sheet's. Please open this sheet "
                                     "again from the main sheet.")
                          .arg(r.txtage),
            "txtdob" };
    const auto age = tax::AgeGroup(ageIndex);
    std::optional<QDate> birth;
    if (!r.txtdob.trimmed().isEmpty()) {
        birth = relief89::readDate(r.txtdob);
        if (!birth)
            return Said { QStringLiteral("The box \"Date of Birth\" holds \"%1\", which is not a date (dd/mm/yyyy).")
                                  .arg(r.txtdob)
                    + again,
                "txtdob" };
        if (*birth > kLastDayOf201415)
            return Said {
                QStringLiteral("The box \"Date of Birth\" holds \"%1\", which is after 31/03/2015.").arg(r.txtdob) + again,
                "txtdob"
            };
    } else if (firstArrears >= 0) {
        return Said { QStringLiteral("The box \"Date of Birth\" is empty: the slabs of the earlier years follow "
                                     "from it. Please type it as dd/mm/yyyy and calculate again."),
            "txtdob" };
    }
    if (!r.txtpan.isEmpty() && !relief89::isPan(r.txtpan) && r.txtpan != QLatin1String(kNoEmployeePan))
        return Said { QStringLiteral("The box \"PAN\" holds \"%1\", which is not a PAN (five letters, four "
                                     "digits and a letter).")
                              .arg(r.txtpan)
                + QStringLiteral(" Please correct it on the main sheet and calculate again."),
            "txtpan" };

    const double netTaxableIncome = fields::readNumberText(r.txtnti).value_or(fields::readAmount(r.txtnti));
    double arrears = 0;
    for (const relief89::YearRow &year : years)
        arrears += year.arrears;
    if (arrears > netTaxableIncome)
        return Said { QStringLiteral("The arrears, %1 in all, are more than the net taxable income "
                                     "of 2014-15 that includes them, %2. Please correct the box "
                                     "\"%3\" or calculate the main sheet again.")
                          .arg(fields::numberText(arrears), r.txtnti, arrearsCaption(firstArrears)),
            fields::elementName("txtarr", firstArrears) };
    if (birth && relief89::group201415(*birth) != age)
        return Said { QStringLiteral("The date of birth %1 puts the employee in the age group \"%2\" for 2014-15, "
                                     "but the main sheet says \"%3\". Please correct the date or the main sheet's "
                                     "age group.")
                          .arg(r.txtdob.trimmed(), tax::kAgeGroups.value(int(relief89::group201415(*birth))), r.txtage),
            "txtdob" };

    std::array<relief89::Group, kYears> groups {};
    for (int i = 0; i < kYears; ++i)
        groups[i] = birth ? relief89::groupFor(*birth, r.chkwoman, i) : relief89::Group::General;
    relief = relief89::relief(netTaxableIncome, age, years, groups);
    return std::nullopt;
}

} // namespace

std::optional<Said> calculate(ReliefRecord &r, const QLocale &locale)
{
    relief89::Relief relief {};
    if (auto said = workOut(r, locale, relief))
        return said;
    // A year without arrears takes no part: its columns show 0.
    for (ReliefRecord::Years *column : { &r.txtinc, &r.txttax1, &r.txttax2, &r.txtdiff })
        column->fill(QStringLiteral("0"));
    for (const relief89::TableRow &line : relief.table) {
        const std::pair<QString *, double> cells[] = { { &r.txtinc[line.row], line.increased },
            { &r.txttax1[line.row], line.taxOnIncome }, { &r.txttax2[line.row], line.taxOnIncreased },
            { &r.txtdiff[line.row], line.difference } };
        for (const auto &[cell, value] : cells)
            if (auto said = writeResultOf(*cell, value, [&] { return QStringLiteral("tax of %1").arg(relief89::yearName(line.row)); }))
                return said;
    }
    const std::pair<QString *, double> items[] = { { &r.txtexcl, relief.excluding }, { &r.txtarrtot, relief.arrears },
        { &r.txttaxincl, relief.taxIncluding }, { &r.txttaxexcl, relief.taxExcluding },
        { &r.txtcurdiff, relief.currentDifference }, { &r.txttablea, relief.tableA }, { &r.txtrelief, relief.relief } };
    for (const auto &[box, value] : items)
        if (auto said = writeResult(*box, value, QStringLiteral("relief u/s 89")))
            return said;
    return std::nullopt;
}

void take(const MainRecord &main, ReliefRecord &relief)
{
    relief.txtname = main.txtname;
    relief.txtpan = main.txtpan;
    relief.txtage = tax::kAgeGroups.value(int(main.age()));
    writeAmount(relief.txtnti, fields::readAmount(main.txtnti));
}

std::optional<Said> handBack(const ReliefRecord &relief, MainRecord &main)
{
    const std::optional<double> value = fields::readNumberText(relief.txtrelief);
    if (!value)
        return Said { QStringLiteral("The relief \"%1\" cannot be handed back. Please calculate again.").arg(relief.txtrelief),
            "cmdcalc" };
    writeAmount(main.txtrel89, *value);
    return std::nullopt;
}

} // namespace records
