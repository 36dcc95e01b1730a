// The six windows of one run, each created and shown, for the tests that look at all of
// them the same way.
#pragma once

#include "app/forms.h"
#include "app/frmsplash.h"
#include "sheets/deductions/frmreb88.h"
#include "sheets/house/form4.h"
#include "sheets/hra/form2.h"
#include "sheets/main/frmmain.h"
#include "sheets/salary/form1.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <vector>

namespace uitest {

struct Windows
{
    Windows()
    {
        forms.programEnder = [] {};
        splash = new frmSplash(forms);
        splash->Timer1->stop(); // stays up for as long as the test looks at it
    }
    ~Windows() { delete splash.data(); }

    // In the order a run meets them.
    std::vector<QWidget *> all()
    {
        return { splash.data(), forms.mainSheet(), forms.salarySheet(), forms.hraSheet(),
            forms.houseSheet(), forms.deductionsSheet() };
    }

    // The window named `name` (its objectName).
    QWidget *byName(const QString &name)
    {
        for (QWidget *window : all())
            if (window->objectName() == name)
                return window;
        return nullptr;
    }

    Forms forms;
    QPointer<frmSplash> splash;
};

} // namespace uitest
