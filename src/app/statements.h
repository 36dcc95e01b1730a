// What the printed statements read: the records of the sheets exactly as they stand, with the
// program's own footer lines, gathered into the statements' plain records.
#pragma once

#include "app/sheetlist.h"
#include "print/form10e.h"
#include "print/salarystatement.h"
#include "print/taxstatement.h"
#include "records/deductions.h"
#include "records/house.h"
#include "records/relief.h"
#include "records/salary.h"

namespace statements {

print::TaxStatementFields taxStatementFields(
    const records::MainRecord &main, const records::HouseRecord &house, const records::DeductionsRecord &deductions);
print::SalaryStatementFields salaryStatementFields(const records::SalaryRecord &salary);
print::Form10EFields form10eFields(const records::ReliefRecord &relief);

// The pages of a return; a sheet it does not hold prints its start-up values.
sheetlist::Page taxPage(const sheetlist::Sheets &sheets);
sheetlist::Page salaryPage(const sheetlist::Sheets &sheets);
sheetlist::Page form10ePage(const sheetlist::Sheets &sheets);

} // namespace statements
