#include "records/hra.h"

#include "fields/conversions.h"
#include "records/boxes.h"
#include "rules/hra.h"

namespace records {

std::optional<Said> calculate(HraRecord &r, const QLocale &locale)
{
    for (QString *box : { &r.txtbp, &r.txtda, &r.txtnpa, &r.txthra, &r.txtRP })
        if (box->isEmpty())
            *box = QStringLiteral("0");

    Said refusal;
    const std::optional<double> basicPay = readTyped(r.txtbp, "txtbp", QStringLiteral("Basic Pay"), refusal, locale);
    if (!basicPay)
        return refusal;
    const std::optional<double> dearness = readTyped(r.txtda, "txtda", QStringLiteral("Dearness Allow."), refusal, locale);
    if (!dearness)
        return refusal;
    const std::optional<double> hraDrawn = readTyped(r.txthra, "txthra", QStringLiteral("HRA Drawn"), refusal, locale);
    if (!hraDrawn)
        return refusal;
    const std::optional<double> gradePay = readTyped(r.txtnpa, "txtnpa", QStringLiteral("Grade Pay"), refusal, locale);
    if (!gradePay)
        return refusal;
    const std::optional<double> rentPaid = readTyped(r.txtRP, "txtRP", QStringLiteral("Rent Paid (Annual)"), refusal, locale);
    if (!rentPaid)
        return refusal;

    const double salary = hra::totalSalary(*basicPay, *dearness, *gradePay);
    if (auto said = writeResult(r.txtns, salary, QStringLiteral("total salary")))
        return said;
    return writeResult(r.txthrx, hra::exemption(hra::rentExcess(*rentPaid, salary), *hraDrawn),
        QStringLiteral("HRA exemption"));
}

void take(const MainRecord &main, HraRecord &hra)
{
    // These hidden boxes only ever hold number text written by the salary sheet.
    auto hidden = [](const QString &text) { return fields::readNumberText(text).value_or(fields::readAmount(text)); };
    writeAmount(hra.txtbp, hidden(main.txtbp));
    writeAmount(hra.txtnpa, hidden(main.txtnpa));
    writeAmount(hra.txtda, hidden(main.txtda));
    writeAmount(hra.txthra, hidden(main.txthrr));
}

std::optional<Said> handBack(const HraRecord &hra, MainRecord &main)
{
    // The program's own number text: read in that format, whatever the desktop's settings.
    const std::optional<double> exempt = fields::readNumberText(hra.txthrx);
    if (!exempt)
        return Said { QStringLiteral("The HRA exemption \"%1\" cannot be handed back. Please calculate again.")
                          .arg(hra.txthrx),
            QString() };
    writeAmount(main.txthra, *exempt);
    return std::nullopt;
}

} // namespace records
