#include "rules/hra.h"

#include "fields/conversions.h"

namespace hra {

double totalSalary(double basicPay, double dearness, double gradePay)
{
    return basicPay + dearness + gradePay;
}

double salaryShare(double totalSalary)
{
    return fields::roundHalfEven(totalSalary * kSalaryShare);
}

double rentExcess(double rentPaid, double totalSalary)
{
    return rentPaid - salaryShare(totalSalary);
}

double exemption(double rentExcess, double hraDrawn)
{
    const double exempt = rentExcess < hraDrawn ? rentExcess : hraDrawn;
    return exempt < 0 ? 0 : exempt;
}

} // namespace hra
