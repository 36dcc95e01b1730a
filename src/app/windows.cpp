#include "app/windows.h"

#include "fields/messages.h"
#include "sheets/main/mainsheet.h"

#include <QPushButton>

Windows::Windows() = default;

Windows::~Windows()
{
    // Sub-sheets first: their destruction must not find the main sheet gone.
    std::unique_ptr<fields::SheetWindow> main = std::move(m_windows["frmmain"]);
    m_windows.clear();
}

MainSheet *Windows::main()
{
    return static_cast<MainSheet *>(sheet(QStringLiteral("frmmain")));
}

fields::SheetWindow *Windows::made(const QString &name) const
{
    const auto found = m_windows.find(name);
    return found == m_windows.end() ? nullptr : found->second.get();
}

bool Windows::isSheet(const QWidget *window) const
{
    for (const auto &[name, sheet] : m_windows)
        if (window && window == sheet.get())
            return true;
    return false;
}

fields::SheetWindow *Windows::sheet(const QString &name)
{
    if (fields::SheetWindow *window = made(name))
        return window;
    const sheetlist::Sheet *entry = sheetlist::named(name);
    if (!entry)
        return nullptr;
    fields::SheetWindow *window = entry->make();
    m_windows[name].reset(window);
    if (entry->starting) {
        records::Controls controls = entry->read(*window);
        entry->starting(controls);
        entry->show(*window, controls);
    }
    connect(window, &fields::SheetWindow::calculateWanted, this, [this, entry] { calculated(*entry); });
    connect(window, &fields::SheetWindow::printWanted, this, [this, entry] { printed(*entry); });
    if (entry->handBack)
        connect(window, &fields::SheetWindow::backWanted, this, [this, entry] { handedBack(*entry); });
    if (entry->closeDiscards)
        connect(window, &fields::SheetWindow::closedByUser, this, [this, name] { discard(name); });
    if (auto *mainSheet = qobject_cast<MainSheet *>(window)) {
        connect(mainSheet, &MainSheet::calcWanted, this, [this](const QString &button) {
            if (const sheetlist::Sheet *opened = sheetlist::openedBy(button))
                this->opened(*opened);
        });
        emit mainMade(mainSheet);
    }
    return window;
}

void Windows::discard(const QString &name)
{
    // The window is being closed from inside its own event: delete it once that returns.
    if (auto found = m_windows.find(name); found != m_windows.end()) {
        found->second.release()->deleteLater();
        m_windows.erase(found);
    }
}

void Windows::opened(const sheetlist::Sheet &sheet)
{
    fields::SheetWindow *window = this->sheet(sheet.name);
    const sheetlist::Sheets all = sheets();
    present(window);
    sheet.open(all, *window);
    if (sheet.staleOnOpen) // the main or deductions sheet may have changed since
        window->setGuardsEnabled(false);
    if (QWidget *box = window->control(sheet.focusOnOpen))
        box->setFocus();
}

void Windows::handedBack(const sheetlist::Sheet &sheet)
{
    fields::SheetWindow *window = this->sheet(sheet.name);
    auto mainRecord = main()->record<records::MainRecord>();
    if (const std::optional<records::Said> said = sheet.handBack(*window, mainRecord)) {
        window->refuse(said->message, said->box);
        return;
    }
    if (sheet.backHides)
        window->hide();
    present(main());
    main()->showRecord(mainRecord, true);
    if (QWidget *box = main()->control(sheet.focusAfterBack))
        box->setFocus();
}

void Windows::calculated(const sheetlist::Sheet &sheet)
{
    fields::SheetWindow *window = this->sheet(sheet.name);
    sheetlist::Sheets all = sheets();
    const std::optional<records::Said> said = sheet.calculate(all);
    sheet.show(*window, all[sheet.name]);
    if (said) {
        window->refuse(said->message, said->box);
        return;
    }
    window->setGuardsEnabled(true);
    if (sheet.worked)
        sheet.worked(all[sheet.name]);
}

void Windows::printed(const sheetlist::Sheet &sheet)
{
    fields::SheetWindow *window = this->sheet(sheet.name);
    const sheetlist::Page page = sheet.page(sheets());
    if (!page.problem.isEmpty())
        fields::showMessage(window, page.problem);
    else
        print::printOnDefaultPrinter(window, sheet.jobName, page.draw);
}

sheetlist::Sheets Windows::sheets()
{
    main();
    sheetlist::Sheets all;
    for (const sheetlist::Sheet &sheet : sheetlist::all())
        if (const fields::SheetWindow *window = made(sheet.name))
            all.insert(sheet.name, sheet.read(*window));
    return all;
}

void Windows::show(const sheetlist::Sheets &sheets)
{
    for (const sheetlist::Sheet &entry : sheetlist::all()) {
        const auto values = sheets.constFind(entry.name);
        if (values == sheets.constEnd()) {
            if (entry.name != u"frmmain") // the main sheet stays; another is as if never opened
                m_windows.erase(entry.name);
            continue;
        }
        fields::SheetWindow *window = sheet(entry.name);
        entry.show(*window, *values);
        window->setGuardsEnabled(false);
    }
}

void Windows::present(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}
