// What the printed statements read: the records of the sheets exactly as they stand, with the
// program's own footer lines, gathered into the statements' plain records.
#pragma once

#include "app/sheetlist.h"
#include "print/form10e.h"
#include "print/form16.h"
#include "print/plan.h"
#include "print/salarystatement.h"
#include "print/taxstatement.h"
#include "records/deductions.h"
#include "records/form16.h"
#include "records/house.h"
#include "records/plan.h"
#include "records/relief.h"
#include "records/salary.h"

namespace statements {

// The foot of the forms: who made the program and where it is to be had.
QString footerCredit();

print::TaxStatementFields taxStatementFields(
    const records::MainRecord &main, const records::HouseRecord &house, const records::DeductionsRecord &deductions);
print::SalaryStatementFields salaryStatementFields(const records::SalaryRecord &salary);
print::Form10EFields form10eFields(const records::ReliefRecord &relief);
// Form 16 Part B as the sheet shows it; the main sheet's relief u/s 89 names Form 10E's.
print::Form16Fields form16Fields(const records::Form16Record &form16, const records::MainRecord &main);
// The planner as the sheet shows it: the limits with room left, the months to come.
print::PlanFields planFields(const records::PlanRecord &plan, const records::MainRecord &main);

// The pages of a return; a sheet it does not hold prints its start-up values.
sheetlist::Page taxPage(const sheetlist::Sheets &sheets);
sheetlist::Page salaryPage(const sheetlist::Sheets &sheets);
sheetlist::Page form10ePage(const sheetlist::Sheets &sheets);
sheetlist::Page form16Page(const sheetlist::Sheets &sheets);
sheetlist::Page planPage(const sheetlist::Sheets &sheets);

} // namespace statements
