// The office's particulars on Form 16 (the employer and the person responsible for deducting
// the tax), the same for every employee of an office: remembered in the program's settings
// from the last Form 16 worked out, so that the next employee's sheet starts with them.
#pragma once

#include "records/record.h"

namespace office {

// The Form 16 boxes that belong to the office, not to the employee.
const QStringList &boxes();

// The office's boxes of `form16` (a Form 16 sheet's controls) as last remembered: boxes
// nothing was remembered for keep their text.
void recall(records::Controls &form16);
void remember(const records::Controls &form16);

// The office's boxes of `office` put over those of `form16`.
void apply(const records::Controls &office, records::Controls &form16);

} // namespace office
