#include "records/deductions.h"

#include "fields/conversions.h"
#include "records/boxes.h"
#include "rules/deductions.h"

#include <array>

namespace records {

using fields::readAmount;

QString mediclaimMessage()
{
    return QStringLiteral("Deduction for Mediclaim Restricted to Rs.30,000/- only (Rs. 15,000/- "
                          "for self and dependents and Rs. 15,000/- for parents");
}

std::optional<Said> calculate(DeductionsRecord &r)
{
    const std::array items { readAmount(r.txtgpf), readAmount(r.txtgis), readAmount(r.txthba), readAmount(r.txtlic),
        readAmount(r.txtppf), readAmount(r.txtnsc), readAmount(r.txtnsci), readAmount(r.txttf1), readAmount(r.txttf2),
        readAmount(r.txtinf), readAmount(r.txtos) };
    if (auto said = writeResult(r.txt80c, deductions::total80c(items), QStringLiteral("total of section 80C")))
        return said;
    const QString savingsTotal = QStringLiteral("total of sections 80C, 80CCC and 80CCD");
    if (auto said = writeResult(r.txttot1,
            deductions::savingsBeforeCeiling(readAmount(r.txt80c), readAmount(r.txt80ccc), readAmount(r.txt80ccdec)),
            savingsTotal))
        return said;
    if (auto said = writeResult(r.txttot1,
            deductions::savingsAfterCeiling(readAmount(r.txttot1), readAmount(r.txt80ccdgc)), savingsTotal))
        return said;
    if (deductions::infraBondsOverCeiling(readAmount(r.txt80ccf)))
        r.txt80ccf = fields::numberText(deductions::kInfraBondsCeiling);
    return writeResult(r.txtgt80,
        deductions::grandTotal(readAmount(r.txttot1), readAmount(r.txt80d), readAmount(r.txt80g),
            readAmount(r.txt80ccf), readAmount(r.txtoth)),
        QStringLiteral("grand total of deductions"));
}

std::optional<Said> mediclaimTyped(DeductionsRecord &r, const QLocale &locale)
{
    if (r.txt80d.isEmpty()) {
        r.txt80d = QStringLiteral("0");
        return std::nullopt;
    }
    if (!deductions::mediclaimOverCeiling(r.txt80d, locale))
        return std::nullopt;
    r.txt80d = fields::numberText(deductions::kMediclaimCeiling);
    return Said { mediclaimMessage(), QStringLiteral("txt80g") };
}

void take(const MainRecord &main, DeductionsRecord &r)
{
    const double contribution = readAmount(main.txtmgc);
    writeAmount(r.txt80ccdec, contribution);
    writeAmount(r.txt80ccdgc, contribution);
}

std::optional<Said> handBack(const DeductionsRecord &r, MainRecord &main)
{
    // Calculate only leaves number text here that reads back as a finite amount.
    writeAmount(main.txtded80, readAmount(r.txtgt80));
    return std::nullopt;
}

} // namespace records
