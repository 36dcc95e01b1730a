// What the printed statements read from the sheets: the texts of their fields as they stand,
// and the program's own footer lines, gathered into the statements' plain records.
#pragma once

#include "print/form10e.h"
#include "print/salarystatement.h"
#include "print/taxstatement.h"

class Form1;
class Form4;
class frmmain;
class frmreb88;
class frmrel89;

namespace statements {

// A sub-sheet that was never opened (nullptr) prints its start-up values.
print::TaxStatementFields taxStatementFields(
    const frmmain &main, const Form4 *house, const frmreb88 *deductions);
print::SalaryStatementFields salaryStatementFields(const Form1 &salary);
print::Form10EFields form10eFields(const frmrel89 &relief);

} // namespace statements
