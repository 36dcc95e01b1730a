#include "records/salary.h"

#include "fields/conversions.h"
#include "records/boxes.h"

namespace records {

using fields::readAmount;

void writePayCell(SalaryRecord::Column &column, int index, const QString &text)
{
    if (column[index] == text)
        return;
    column[index] = text;
    payCellChanged(column, index);
}

void payCellChanged(SalaryRecord::Column &column, int index)
{
    if (index + 1 < SalaryRecord::kRows)
        writePayCell(column, index + 1, column[index]);
    if (column[index].isEmpty())
        writePayCell(column, index, QStringLiteral("0"));
}

std::optional<Said> calculate(SalaryRecord &r)
{
    using pay::Period;
    constexpr int kRows = SalaryRecord::kRows;
    auto basic = [&r](int row) { return readAmount(r.txtbp[row]); };
    auto grade = [&r](int row) { return readAmount(r.txtgp[row]); };
    auto month = [](int row) { return QString::fromLatin1(pay::kMonthNames[row]); };

    if (r.chkinc) {
        const double raise = pay::increment(basic(pay::kJuneRow), grade(pay::kJuneRow));
        QString july;
        if (auto said = writeResultOf(july, basic(pay::kJuneRow) + raise,
                [&] { return QStringLiteral("increment of %1").arg(month(pay::kFirstJulyRow)); }))
            return said;
        // The copy-down carries July's basic pay on to February.
        writePayCell(r.txtbp, pay::kFirstJulyRow, july);
    }

    for (int i = 0; i < kRows; ++i) {
        if (auto said = writeResultOf(r.txtda[i], pay::dearnessAllowance(pay::periodOfRow(i), basic(i), grade(i)),
                [&] { return QStringLiteral("dearness allowance of %1").arg(month(i)); }))
            return said;
    }

    if (const auto cls = pay::hraClassFromText(r.cboclass1)) {
        for (int i = pay::kFirstCurrentRow; i < kRows; ++i) {
            if (auto said = writeResultOf(r.txthra[i], pay::houseRentAllowance(*cls, basic(i), grade(i)),
                [&] { return QStringLiteral("house rent allowance of %1").arg(month(i)); }))
                return said;
        }
    }

    if (const auto cls = pay::transportClassFromText(r.cboclass3)) {
        for (int i = 0; i < kRows; ++i) {
            if (*cls == pay::TransportClass::NotApplicable) {
                r.txttpa2[i] = QStringLiteral("0");
                continue;
            }
            // A row in no tier keeps what it shows.
            if (const auto tier = pay::transportTier(*cls, basic(i), grade(i)))
                writeAmount(r.txttpa2[i], pay::transportAllowance(*cls, *tier, pay::periodOfRow(i)));
        }
    }

    if (r.cbonps == u"Y") {
        for (int i = 0; i < kRows; ++i) {
            const double dearness = readAmount(r.txtda[i]);
            const double contribution = pay::periodOfRow(i) == Period::Arrears
                ? pay::pensionContributionArrears(dearness)
                : pay::pensionContribution(basic(i), grade(i), dearness);
            if (auto said = writeResultOf(r.txtmgc[i], contribution,
                [&] { return QStringLiteral("pension contribution of %1").arg(month(i)); }))
                return said;
        }
    } else if (r.cbonps == u"N") {
        r.txtmgc.fill(QStringLiteral("0"));
    }

    for (int i = 0; i < kRows; ++i) {
        double total;
        if (pay::periodOfRow(i) == Period::Arrears)
            total = readAmount(r.txtda[i]) + readAmount(r.txttpa2[i]) + readAmount(r.txtmgc[i]);
        else
            total = readAmount(r.txtbp[i]) + readAmount(r.txtgp[i]) + readAmount(r.txtda[i]) + readAmount(r.txthra[i])
                + readAmount(r.txttpa2[i]) + readAmount(r.txtmgc[i]);
        if (auto said = writeResultOf(r.txtttl[i], total,
                [&] { return QStringLiteral("total of %1").arg(month(i)); }))
            return said;
    }

    auto columnTotal = [](const SalaryRecord::Column &column, int from) {
        double sum = 0;
        for (int i = from; i < kRows; ++i)
            sum += readAmount(column[i]);
        return sum;
    };
    const struct
    {
        QString &total;
        const SalaryRecord::Column &column;
        int from;
        const char *what;
    } columns[] = {
        { r.txtbpt, r.txtbp, pay::kFirstCurrentRow, "total of basic pay" },
        { r.txtgpt, r.txtgp, pay::kFirstCurrentRow, "total of grade pay" },
        { r.txtdat, r.txtda, 0, "total of dearness allowance" },
        { r.txthrat, r.txthra, pay::kFirstCurrentRow, "total of house rent allowance" },
        { r.txtmgct, r.txtmgc, 0, "total of pension contribution" },
        { r.txttpat, r.txttpa2, 0, "total of transport allowance" },
        { r.txtttlt, r.txtttl, 0, "total of the months" },
    };
    for (const auto &c : columns) {
        if (auto said = writeResult(c.total, columnTotal(c.column, c.from), QString::fromLatin1(c.what)))
            return said;
    }

    double grand = readAmount(r.txtttlt);
    for (const QString &other : r.txtoth)
        grand += readAmount(other);
    return writeResult(r.txtgtotal, grand, QStringLiteral("grand total"));
}

void take(const MainRecord &main, SalaryRecord &salary)
{
    salary.txtnam = main.txtname;
}

std::optional<Said> handBack(const SalaryRecord &r, MainRecord &main)
{
    // Back is enabled only after a Calculate that wrote every total, so all are finite.
    std::array<double, SalaryRecord::kRows - pay::kFirstCurrentRow> months {};
    for (int i = pay::kFirstCurrentRow; i < SalaryRecord::kRows; ++i)
        months[i - pay::kFirstCurrentRow] = readAmount(r.txttpa2[i]);
    writeAmount(main.txtgs, readAmount(r.txtgtotal));
    writeAmount(main.txttp, pay::transportExemption(months));
    writeAmount(main.txtbp, readAmount(r.txtbpt));
    writeAmount(main.txtda, readAmount(r.txtdat));
    writeAmount(main.txthrr, readAmount(r.txthrat));
    writeAmount(main.txtnpa, readAmount(r.txtgpt));
    writeAmount(main.txtmgc, readAmount(r.txtmgct));
    return std::nullopt;
}

} // namespace records
