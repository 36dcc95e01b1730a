#include "app/sheetlist.h"

#include "app/office.h"
#include "app/statements.h"
#include "records/deductions.h"
#include "records/form16.h"
#include "records/house.h"
#include "records/hra.h"
#include "records/plan.h"
#include "records/relief.h"
#include "records/salary.h"
#include "sheets/deductions/deductionssheet.h"
#include "sheets/form16/form16sheet.h"
#include "sheets/house/housesheet.h"
#include "sheets/hra/hrasheet.h"
#include "sheets/main/mainsheet.h"
#include "sheets/plan/plansheet.h"
#include "sheets/relief/reliefsheet.h"
#include "sheets/salary/salarysheet.h"

namespace sheetlist {
namespace {

using records::MainRecord;

// What every entry does the same way for its record and window types. `more` is what the
// sheet takes on opening besides the main sheet's figures.
template <class Record, class Window>
Sheet entry(const char *opener = "", const char *focusOnOpen = "", const char *focusAfterBack = "",
    void (*more)(const Sheets &, Record &) = nullptr)
{
    Sheet sheet;
    sheet.opener = QString::fromLatin1(opener);
    sheet.focusOnOpen = QString::fromLatin1(focusOnOpen);
    sheet.focusAfterBack = QString::fromLatin1(focusAfterBack);
    sheet.name = QString::fromLatin1(Window::kFormName);
    sheet.startUp = records::controlsOf(Record {});
    sheet.complete = [name = sheet.name](const records::Controls &controls)
        -> std::variant<records::Controls, QString> {
        Record record;
        if (std::optional<QString> why = records::fill(record, name, controls))
            return *why;
        return records::controlsOf(record);
    };
    sheet.make = [] { return new Window; };
    sheet.read = [](const fields::SheetWindow &window) { return records::controlsOf(window.record<Record>()); };
    sheet.show = [name = sheet.name](fields::SheetWindow &window, const records::Controls &controls) {
        Record record;
        records::fill(record, name, controls);
        window.showRecord(record, false);
    };
    if constexpr (!std::is_same_v<Record, MainRecord>) {
        sheet.open = [more](const Sheets &sheets, fields::SheetWindow &window) {
            auto record = window.record<Record>();
            if constexpr (requires(Record r) { records::take(MainRecord {}, r); })
                records::take(recordOf<MainRecord>(sheets, "frmmain"), record);
            if (more)
                more(sheets, record);
            window.showRecord(record, true);
        };
        sheet.handBack = [](const fields::SheetWindow &window, MainRecord &main) -> std::optional<records::Said> {
            if constexpr (requires(Record r) { records::handBack(r, main); })
                return records::handBack(window.record<Record>(), main);
            return std::nullopt; // a sheet that hands nothing back
        };
    }
    return sheet;
}

// The employee's address is typed once: a sheet opened with none takes the other sheet's.
template <class Other, class Record> void takeAddress(const Sheets &sheets, Record &record, const char *other)
{
    if (record.txtaddr.isEmpty() && sheets.contains(QLatin1String(other)))
        record.txtaddr = recordOf<Other>(sheets, QLatin1String(other)).txtaddr;
}

// The batch works the sheet out as its Calculate would, after what it takes over on opening.
template <class Record> std::function<std::optional<records::Said>(Sheets &)> calculated(const QString &name)
{
    return [name](Sheets &sheets) {
        auto record = recordOf<Record>(sheets, name);
        if constexpr (requires(Record r) { records::take(MainRecord {}, r); })
            records::take(recordOf<MainRecord>(sheets, "frmmain"), record);
        std::optional<records::Said> said = records::calculate(record);
        sheets[name] = records::controlsOf(record);
        return said;
    };
}

// The statement a sheet's Print prints.
Sheet &printing(Sheet &sheet, const char *pdfSuffix, const char *jobName, Page (*page)(const Sheets &))
{
    sheet.pdfSuffix = QString::fromLatin1(pdfSuffix);
    sheet.jobName = QString::fromLatin1(jobName);
    sheet.page = page;
    return sheet;
}

QList<Sheet> makeList()
{
    Sheet main = entry<MainRecord, MainSheet>();
    main.calculate = calculated<MainRecord>(main.name);
    printing(main, "-tax.pdf", "Income tax statement", statements::taxPage);

    Sheet salary = entry<records::SalaryRecord, SalarySheet>("cmdcalgs", "cbonps", "cmdcalhr");
    salary.backHides = false;
    salary.closeDiscards = true;
    // The batch keeps the name the file holds: the salary sheet takes nothing over there.
    salary.calculate = [](Sheets &sheets) {
        auto record = recordOf<records::SalaryRecord>(sheets, "Form1");
        std::optional<records::Said> said = records::calculate(record);
        sheets["Form1"] = records::controlsOf(record);
        return said;
    };
    printing(salary, "-salary.pdf", "Salary statement", statements::salaryPage);

    Sheet relief = entry<records::ReliefRecord, ReliefSheet>("cmdcalrel89", "txtdob", "txtdedtax",
        [](const Sheets &sheets, records::ReliefRecord &r) { takeAddress<records::Form16Record>(sheets, r, "frmf16"); });
    relief.calculate = calculated<records::ReliefRecord>(relief.name);
    printing(relief, "-10e.pdf", "Form 10E", statements::form10ePage);

    Sheet form16 = entry<records::Form16Record, Form16Sheet>("cmdform16", "txtdesig", "cmdform16",
        [](const Sheets &sheets, records::Form16Record &r) { takeAddress<records::ReliefRecord>(sheets, r, "frmrel89"); });
    // Worked out from the main sheet as Calculate would leave it, and the deductions sheet.
    form16.calculate = [](Sheets &sheets) {
        auto main = recordOf<MainRecord>(sheets, "frmmain");
        records::calculate(main);
        auto record = recordOf<records::Form16Record>(sheets, "frmf16");
        std::optional<records::Said> said
            = records::calculate(record, main, recordOf<records::DeductionsRecord>(sheets, "frmreb88"));
        sheets["frmf16"] = records::controlsOf(record);
        return said;
    };
    form16.staleOnOpen = true;
    form16.starting = office::recall;
    form16.worked = office::remember;
    printing(form16, "-form16.pdf", "Form 16", statements::form16Page);

    Sheet plan = entry<records::PlanRecord, PlanSheet>("cmdplan", "cbofrom", "cmdplan");
    // Worked out from the main sheet as its Calculate leaves it (refused where that stops), the
    // deductions sheet, and the house-property sheet where the return uses it.
    plan.calculate = [](Sheets &sheets) -> std::optional<records::Said> {
        auto main = recordOf<MainRecord>(sheets, "frmmain");
        if (std::optional<records::Said> said = records::calculate(main))
            return said;
        auto record = recordOf<records::PlanRecord>(sheets, "frmplan");
        const auto house = recordOf<records::HouseRecord>(sheets, "Form4");
        std::optional<records::Said> said = records::calculate(record, main,
            recordOf<records::DeductionsRecord>(sheets, "frmreb88"), sheets.contains("Form4") ? &house : nullptr);
        sheets["frmplan"] = records::controlsOf(record);
        return said;
    };
    plan.staleOnOpen = true;
    printing(plan, "-plan.pdf", "Planner", statements::planPage);

    return { main, salary, entry<records::HraRecord, HraSheet>("cmdcalhr", "txtRP", "txtos"),
        entry<records::HouseRecord, HouseSheet>("cmdcalhp", "", "cmdcalded80"),
        entry<records::DeductionsRecord, DeductionsSheet>("cmdcalded80", "", "txtrel89"), relief, form16, plan };
}

} // namespace

const QList<Sheet> &all()
{
    static const QList<Sheet> list = makeList();
    return list;
}

QStringList names()
{
    QStringList names;
    for (const Sheet &sheet : all())
        names << sheet.name;
    return names;
}

const Sheet *named(const QString &name)
{
    for (const Sheet &sheet : all())
        if (sheet.name == name)
            return &sheet;
    return nullptr;
}

const Sheet *openedBy(const QString &button)
{
    for (const Sheet &sheet : all())
        if (!sheet.opener.isEmpty() && sheet.opener == button)
            return &sheet;
    return nullptr;
}

} // namespace sheetlist
