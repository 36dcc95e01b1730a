#include "records/main.h"

#include "fields/conversions.h"
#include "records/boxes.h"

namespace records {

std::optional<Said> calculate(MainRecord &m)
{
    using fields::readAmount;
    if (auto said = writeResult(m.txtexall, readAmount(m.txttp) + readAmount(m.txthra),
            QStringLiteral("total of the exempt allowances")))
        return said;
    if (auto said = writeResult(m.txtnsal, readAmount(m.txtgs) - readAmount(m.txtexall),
            QStringLiteral("income from salary")))
        return said;
    if (auto said = writeResult(m.txtgti, readAmount(m.txtnsal) + readAmount(m.txthp) + readAmount(m.txtos),
            QStringLiteral("gross total income")))
        return said;
    if (auto said = writeResult(m.txtnti, tax::roundToTens(readAmount(m.txtgti) - readAmount(m.txtded80)),
            QStringLiteral("net taxable income")))
        return said;

    const tax::AgeGroup age = m.age();
    if (auto said = writeResult(m.txtgtax, tax::taxBySlabs(readAmount(m.txtnti), age), QStringLiteral("gross tax")))
        return said;
    if (auto said = writeResult(m.txtrel87A, tax::relief87A(readAmount(m.txtnti), readAmount(m.txtgtax)),
            QStringLiteral("relief u/s 87A")))
        return said;
    if (auto said = writeResult(m.txtntax,
            tax::netTax(readAmount(m.txtgtax), readAmount(m.txtrel87A), readAmount(m.txtrel89)),
            QStringLiteral("net tax")))
        return said;
    const double netTaxAtThreshold
        = tax::netTax(tax::taxBySlabs(tax::kSurchargeThreshold, age), 0, readAmount(m.txtrel89));
    if (auto said = writeResult(m.txtsurch,
            tax::surcharge(readAmount(m.txtnti), readAmount(m.txtntax), netTaxAtThreshold),
            QStringLiteral("surcharge")))
        return said;
    if (auto said = writeResult(m.txtcess, tax::educationCess(readAmount(m.txtntax) + readAmount(m.txtsurch)),
            QStringLiteral("education cess")))
        return said;
    if (auto said = writeResult(m.txtttax, readAmount(m.txtntax) + readAmount(m.txtsurch) + readAmount(m.txtcess),
            QStringLiteral("total tax")))
        return said;
    return writeResult(m.txtbaltax, readAmount(m.txtttax) - readAmount(m.txtdedtax), QStringLiteral("balance tax"));
}

} // namespace records
