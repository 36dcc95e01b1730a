// What every sheet's window shares: it is a view of its record. It shows a record and reads
// one back by the records' own list of controls; its guard buttons go off at every edit and
// on at a Calculate that worked everything out; Enter presses Calculate; Escape does nothing
// (no window vanishes by surprise); what a Calculate or a hand-back says is shown in a message
// box, with the keyboard then in the box it names.
#pragma once

#include <QDialog>
#include <QHash>
#include <QList>

class QHBoxLayout;
class QPushButton;

namespace fields {

class SheetWindow : public QDialog
{
    Q_OBJECT
public:
    // A window of its own (no owner), named `formName` as files and tests know it.
    SheetWindow(const QString &formName, const QString &title);

    // The buttons whose result an edit makes out of date.
    const QList<QPushButton *> &guardButtons() const { return m_guards; }
    void setGuardsEnabled(bool enabled);

    // A control by its name (box, list, tick, option or button); nullptr when there is none.
    QWidget *control(const QString &name) const;

    // The guard buttons off, the message shown, then the keyboard in the named control (none:
    // it stays where it was).
    void refuse(const QString &message, const QString &box);

    // The record as the window shows it.
    template <class Record> Record record() const;
    // Shows a record: each control that shows something else is set, quietly or, when
    // `react`, raising its change reaction as typing would (a hand-back, an opening).
    template <class Record> void showRecord(const Record &record, bool react);

signals:
    // Calculate, for a sheet whose figures come from other sheets too: the app works it out.
    void calculateWanted();
    void backWanted();
    void printWanted();
    // The user closed the window by its frame (it has hidden itself).
    void closedByUser();

public slots:
    void reject() override {}

protected:
    // Closing by the window frame hides the sheet (not through reject(), which does nothing):
    // its figures stay for the next opening, the files and the printed statements.
    void closeEvent(QCloseEvent *event) override;
    // Once the controls stand: Calculate is the default button, the guards start off.
    void setButtons(QPushButton *calculate, const QList<QPushButton *> &guards);
    // The buttons "cmdcalc", "cmdprint" and "cmdback" (Calculate, Print, Back) made into
    // `calculate`, `print` and `back`, and the row that holds them at its right end.
    QHBoxLayout *makeCalculatePrintBack(QPushButton *&calculate, QPushButton *&print, QPushButton *&back);
    // After showRecord(): what follows from the record in the window alone (enabled states).
    virtual void recordShown() {}

private:
    struct Reader;
    struct Writer;
    QString textOf(const QString &name) const;
    bool isOn(const QString &name) const;
    void setText(const QString &name, const QString &text, bool react);
    void setOn(const QString &name, bool on, bool react);

    mutable QHash<QString, QWidget *> m_controls; // found once, on first use
    QList<QPushButton *> m_guards;
};

struct SheetWindow::Reader
{
    const SheetWindow *window;
    void box(const QString &name, QString &text, int = -1) { text = window->textOf(name); }
    void list(const QString &name, QString &text, const QStringList &, bool) { text = window->textOf(name); }
    void tick(const QString &name, bool &on) { on = window->isOn(name); }
    void option(const QString &name, bool &on, int) { on = window->isOn(name); }
};

struct SheetWindow::Writer
{
    SheetWindow *window;
    bool react;
    void box(const QString &name, const QString &text, int = -1) { window->setText(name, text, react); }
    void list(const QString &name, const QString &text, const QStringList &, bool) { window->setText(name, text, react); }
    void tick(const QString &name, bool on) { window->setOn(name, on, react); }
    void option(const QString &name, bool on, int)
    {
        if (on) // an option goes off when another of its group is chosen
            window->setOn(name, true, react);
    }
};

template <class Record> Record SheetWindow::record() const
{
    Record record;
    Reader reader { this };
    Record::visit(record, reader);
    return record;
}

template <class Record> void SheetWindow::showRecord(const Record &record, bool react)
{
    Writer writer { this, react };
    Record::visit(record, writer);
    recordShown();
}

} // namespace fields
