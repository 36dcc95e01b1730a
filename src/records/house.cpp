#include "records/house.h"

#include "fields/conversions.h"
#include "records/boxes.h"

namespace records {

std::optional<Said> calculate(HouseRecord &r, const QLocale &locale)
{
    Said refusal;
    const std::optional<double> rentalValue
        = readTyped(r.txtarv, "txtarv", QStringLiteral("Annual Rental Value"), refusal, locale);
    if (!rentalValue)
        return refusal;
    const std::optional<double> propertyTaxes
        = readTyped(r.txtptax, "txtptax", QStringLiteral("Less:- Property Taxes"), refusal, locale);
    if (!propertyTaxes)
        return refusal;
    const std::optional<double> interest
        = readTyped(r.txtintt, "txtintt", QStringLiteral("Interest on Borrowed Capital"), refusal, locale);
    if (!interest)
        return refusal;
    const std::optional<double> others = readTyped(r.txtoth, "txtoth", QStringLiteral("Others"), refusal, locale);
    if (!others)
        return refusal;

    const double gross = house::grossIncome(*rentalValue, *propertyTaxes);
    if (auto said = writeResult(r.txtghi, gross, QStringLiteral("gross income")))
        return said;
    const double repairs = house::repairs(gross);
    if (auto said = writeResult(r.txtrep, repairs, QStringLiteral("repairs and maintenance")))
        return said;
    const double interestAllowed = house::allowedInterest(*interest, r.occupancy(), r.loanDate());
    const double deductions = house::totalDeductions(interestAllowed, repairs, *others);
    if (auto said = writeResult(r.txttd, deductions, QStringLiteral("total of the deductions")))
        return said;
    return writeResult(r.txtihp, house::incomeFromHouseProperty(gross, deductions),
        QStringLiteral("income from house property"));
}

void chooseSelfOccupied(HouseRecord &r)
{
    r.optso = true;
    r.optrent = false;
    for (QString *box : { &r.txtarv, &r.txtptax, &r.txtghi, &r.txtrep, &r.txtoth })
        *box = QStringLiteral("0");
}

std::optional<Said> handBack(const HouseRecord &house, MainRecord &main)
{
    const std::optional<double> income = fields::readNumberText(house.txtihp);
    if (!income)
        return Said { QStringLiteral("The income from house property \"%1\" cannot be handed back. Please calculate again.")
                          .arg(house.txtihp),
            QString() };
    writeAmount(main.txthp, *income);
    return std::nullopt;
}

} // namespace records
