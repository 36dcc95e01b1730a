// The windows of one run and their wiring. Each sheet's window exists at most once: it is
// made the first time anything asks for it and kept, hidden or shown, until the run ends (a
// sheet whose entry says so is discarded when the user closes its window). The sheets know
// only themselves; what one hands on, this class carries to the sheet it is for, as the sheet
// list says.
#pragma once

#include "app/sheetlist.h"

#include <QObject>
#include <map>
#include <memory>

class MainSheet;

class Windows : public QObject
{
    Q_OBJECT
public:
    Windows();
    ~Windows() override;

    MainSheet *main();
    // A sheet's window by its form's name, made when first wanted; nullptr: no such sheet.
    fields::SheetWindow *sheet(const QString &name);
    template <class Window> Window *sheet() { return static_cast<Window *>(sheet(QString::fromLatin1(Window::kFormName))); }
    // The window when it has been made (and not discarded since); nullptr otherwise.
    fields::SheetWindow *made(const QString &name) const;
    bool isSheet(const QWidget *window) const;

    // The return as the windows show it: the record of every sheet made, the main sheet always.
    sheetlist::Sheets sheets();
    // Shows a return: sheets it does not hold are dropped, every guard button goes off, as
    // after an edit. The sheets must be complete (as a file is loaded).
    void show(const sheetlist::Sheets &sheets);

    // Shows a window modeless, or brings it to the front when it is already shown.
    static void present(QWidget *window);

signals:
    void mainMade(MainSheet *main);

private:
    void opened(const sheetlist::Sheet &sheet);
    void handedBack(const sheetlist::Sheet &sheet);
    void calculated(const sheetlist::Sheet &sheet);
    void printed(const sheetlist::Sheet &sheet);
    void discard(const QString &name);

    std::map<QString, std::unique_ptr<fields::SheetWindow>> m_windows;
};
