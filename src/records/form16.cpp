#include "records/form16.h"

#include "fields/conversions.h"
#include "records/boxes.h"
#include "rules/deductions.h"
#include "rules/relief89.h"

#include <QDate>
#include <QRegularExpression>
#include <algorithm>
#include <limits>

namespace records {

namespace {

// The period with the employer lies within the financial year of the certificate.
const QDate kFirstDayOf201415(2014, 4, 1);
const QDate kLastDayOf201415(2015, 3, 31);

const QString kAgain = QStringLiteral(" Please correct it and calculate again.");

// What a section's line may deduct when `left` of a shared ceiling remains: never below 0.
double withinCeiling(double gross, double left)
{
    return std::max(0.0, std::min(gross, left));
}

Said notADate(const QString &caption, const QString &text, const char *box)
{
    return { QStringLiteral("The box \"%1\" holds \"%2\", which is not a date (dd/mm/yyyy).").arg(caption, text) + kAgain,
        QString::fromLatin1(box) };
}

// A PAN, or the one word the form allows in its place.
std::optional<Said> checkPan(const QString &text, const char *allowed, const QString &caption, const char *box)
{
    if (relief89::isPan(text) || text == QLatin1String(allowed))
        return std::nullopt;
    return Said { QStringLiteral("The box \"%1\" holds \"%2\", which is not a PAN (five letters, four digits and a "
                                 "letter) nor \"%3\".")
                          .arg(caption, text, QLatin1String(allowed))
            + kAgain,
        QString::fromLatin1(box) };
}

std::optional<Said> checkTyped(const Form16Record &f)
{
    if (auto said = checkPan(f.txtpan, kNoEmployeePan, QStringLiteral("PAN of the employee"), "txtpan"))
        return said;
    if (f.txtemployer.trimmed().isEmpty())
        return Said { QStringLiteral("The box \"Name of the employer\" is empty: Form 16 names the employer. Please "
                                     "type it and calculate again."),
            QStringLiteral("txtemployer") };
    if (auto said = checkPan(f.txtdedpan, kNoDeductorPan, QStringLiteral("PAN of the deductor"), "txtdedpan"))
        return said;
    if (!isTan(f.txttan))
        return Said { QStringLiteral("The box \"TAN of the deductor\" holds \"%1\", which is not a TAN (four letters, "
                                     "five digits and a letter).")
                              .arg(f.txttan)
                + kAgain,
            QStringLiteral("txttan") };

    const std::optional<QDate> from = relief89::readDate(f.txtfrom);
    if (!from)
        return notADate(QStringLiteral("Period from"), f.txtfrom, "txtfrom");
    const std::optional<QDate> to = relief89::readDate(f.txtto);
    if (!to)
        return notADate(QStringLiteral("Period to"), f.txtto, "txtto");
    if (*from > *to)
        return Said { QStringLiteral("The period with the employer, %1 to %2, runs backwards.")
                              .arg(f.txtfrom.trimmed(), f.txtto.trimmed())
                + kAgain,
            QStringLiteral("txtfrom") };
    const struct
    {
        const QDate &date;
        const QString &text;
        const char *caption, *box;
    } ends[] = { { *from, f.txtfrom, "Period from", "txtfrom" }, { *to, f.txtto, "Period to", "txtto" } };
    for (const auto &end : ends)
        if (end.date < kFirstDayOf201415 || end.date > kLastDayOf201415)
            return Said { QStringLiteral("The box \"%1\" holds \"%2\", which is outside the year %3 to %4.")
                                  .arg(QLatin1String(end.caption), end.text,
                                      kFirstDayOf201415.toString(QStringLiteral("dd/MM/yyyy")),
                                      kLastDayOf201415.toString(QStringLiteral("dd/MM/yyyy")))
                    + kAgain,
                QString::fromLatin1(end.box) };

    // The date of signing may be filled in by hand on the printed form.
    if (!f.txtdate.trimmed().isEmpty() && !relief89::readDate(f.txtdate))
        return notADate(QStringLiteral("Date"), f.txtdate, "txtdate");
    return std::nullopt;
}

// Row 9 (A): the ceiling is used up by the 80C lines in print order, then 80CCC, then
// 80CCD(1); the government's 80CCD(2) contribution stands outside it.
std::optional<Said> writeSavings(Form16Record &f, const DeductionsRecord &d)
{
    using fields::readAmount;
    const QString what = QStringLiteral("deduction under sections 80C, 80CCC and 80CCD");
    const std::array<double, Form16Record::kSavings> gross { readAmount(d.txtgpf), readAmount(d.txtgis),
        readAmount(d.txthba), readAmount(d.txtlic), readAmount(d.txtppf), readAmount(d.txtnsc), readAmount(d.txtnsci),
        readAmount(d.txttf1) + readAmount(d.txttf2), readAmount(d.txtinf), readAmount(d.txtos) };
    double left = deductions::kSavingsCeiling;
    const auto line = [&](QString &grossBox, QString &deductibleBox, double amount) -> std::optional<Said> {
        if (auto said = writeResult(grossBox, amount, what))
            return said;
        if (auto said = writeResult(deductibleBox, withinCeiling(readAmount(grossBox), left), what))
            return said;
        left -= readAmount(deductibleBox);
        return std::nullopt;
    };
    for (int i = 0; i < Form16Record::kSavings; ++i)
        if (auto said = line(f.txt9cg[i], f.txt9cd[i], gross[i]))
            return said;
    if (auto said = line(f.txt9cccg, f.txt9cccd, readAmount(d.txt80ccc)))
        return said;
    if (auto said = line(f.txt9ccd1g, f.txt9ccd1d, readAmount(d.txt80ccdec)))
        return said;
    if (auto said = writeResult(f.txt9ccd2g, readAmount(d.txt80ccdgc), what))
        return said;
    return writeResult(f.txt9ccd2d, readAmount(f.txt9ccd2g), what);
}

// Row 9 (B): each section with a ceiling of its own, or none.
std::optional<Said> writeOtherSections(Form16Record &f, const DeductionsRecord &d)
{
    using fields::readAmount;
    constexpr double kNoCeiling = std::numeric_limits<double>::infinity();
    const struct
    {
        const QString &typed;
        QString &gross, &qualifying, &deductible;
        double ceiling;
    } sections[] = { { d.txt80ccf, f.txt9ccfg, f.txt9ccfq, f.txt9ccfd, deductions::kInfraBondsCeiling },
        { d.txt80d, f.txt9dg, f.txt9dq, f.txt9dd, deductions::kMediclaimCeiling },
        { d.txt80g, f.txt9gg, f.txt9gq, f.txt9gd, kNoCeiling },
        { d.txtoth, f.txt9othg, f.txt9othq, f.txt9othd, kNoCeiling } };
    const QString what = QStringLiteral("deduction under the other sections of chapter VI-A");
    for (const auto &s : sections) {
        if (auto said = writeResult(s.gross, readAmount(s.typed), what))
            return said;
        if (auto said = writeResult(s.qualifying, std::min(readAmount(s.gross), s.ceiling), what))
            return said;
        if (auto said = writeResult(s.deductible, readAmount(s.qualifying), what))
            return said;
    }
    return std::nullopt;
}

} // namespace

bool isTan(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Z]{4}[0-9]{5}[A-Z]$"));
    return pattern.match(text).hasMatch();
}

std::optional<Said> calculate(Form16Record &f, const MainRecord &main, const DeductionsRecord &d)
{
    using fields::readAmount;
    f.txtname = main.txtname;
    f.txtpan = main.txtpan;
    if (auto said = checkTyped(f))
        return said;

    // Rows 1 to 8: the main sheet's heads of income, laid out as the form asks. Government
    // salary has no perquisites or profits in lieu, and no entertainment or employment tax.
    const std::pair<QString *, double> salary[] = { { &f.txt1a, readAmount(main.txtgs) }, { &f.txt1b, 0 },
        { &f.txt1c, 0 } };
    for (const auto &[box, value] : salary)
        if (auto said = writeResult(*box, value, QStringLiteral("gross salary")))
            return said;
    if (auto said = writeResult(f.txt1d, readAmount(f.txt1a) + readAmount(f.txt1b) + readAmount(f.txt1c),
            QStringLiteral("gross salary")))
        return said;
    const QString exempt = QStringLiteral("total of the exempt allowances");
    if (auto said = writeResult(f.txt2ta, readAmount(main.txttp), exempt))
        return said;
    if (auto said = writeResult(f.txt2hra, readAmount(main.txthra), exempt))
        return said;
    if (auto said = writeResult(f.txt2, readAmount(f.txt2ta) + readAmount(f.txt2hra), exempt))
        return said;
    if (auto said = writeResult(f.txt3, readAmount(f.txt1d) - readAmount(f.txt2), QStringLiteral("balance of salary")))
        return said;
    for (QString *box : { &f.txt4a, &f.txt4b, &f.txt5 })
        if (auto said = writeResult(*box, 0, QStringLiteral("deductions from salary")))
            return said;
    if (auto said = writeResult(f.txt6, readAmount(f.txt3) - readAmount(f.txt5), QStringLiteral("income from salary")))
        return said;
    if (auto said = writeResult(f.txt7hp, readAmount(main.txthp), QStringLiteral("income from house property")))
        return said;
    if (auto said = writeResult(f.txt7os, readAmount(main.txtos), QStringLiteral("income from other sources")))
        return said;
    if (auto said = writeResult(f.txt8, readAmount(f.txt6) + readAmount(f.txt7hp) + readAmount(f.txt7os),
            QStringLiteral("gross total income")))
        return said;

    if (auto said = writeSavings(f, d))
        return said;
    if (auto said = writeOtherSections(f, d))
        return said;

    // Rows 10 to 16. Row 12 is the tax as if there were no relief u/s 89 (its surcharge too);
    // row 15 is all that relief saves, cess and surcharge included, so row 16 is the main
    // sheet's total tax.
    if (auto said = writeResult(f.txt10, readAmount(main.txtded80), QStringLiteral("deductions under chapter VI-A")))
        return said;
    if (auto said = writeResult(f.txt11, readAmount(main.txtnti), QStringLiteral("total income")))
        return said;
    if (auto said = writeResult(f.txt12a, readAmount(main.txtgtax), QStringLiteral("tax on total income")))
        return said;
    if (auto said = writeResult(f.txt12b, readAmount(main.txtrel87A), QStringLiteral("rebate u/s 87A")))
        return said;
    const tax::AgeGroup age = main.age();
    const double taxAfterRebate = tax::netTax(readAmount(f.txt12a), readAmount(f.txt12b), 0);
    if (auto said = writeResult(f.txt12c,
            tax::surcharge(readAmount(f.txt11), taxAfterRebate,
                tax::netTax(tax::taxBySlabs(tax::kSurchargeThreshold, age), 0, 0)),
            QStringLiteral("surcharge")))
        return said;
    if (auto said = writeResult(f.txt12, taxAfterRebate + readAmount(f.txt12c), QStringLiteral("tax with surcharge")))
        return said;
    if (auto said = writeResult(f.txt13, tax::educationCess(readAmount(f.txt12)), QStringLiteral("education cess")))
        return said;
    if (auto said = writeResult(f.txt14, readAmount(f.txt12) + readAmount(f.txt13), QStringLiteral("tax payable")))
        return said;
    if (auto said = writeResult(f.txt15, readAmount(f.txt14) - readAmount(main.txtttax), QStringLiteral("relief u/s 89")))
        return said;
    return writeResult(f.txt16, readAmount(f.txt14) - readAmount(f.txt15), QStringLiteral("net tax payable"));
}

void take(const MainRecord &main, Form16Record &form16)
{
    form16.txtname = main.txtname;
    form16.txtpan = main.txtpan;
}

} // namespace records
