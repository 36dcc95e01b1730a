// Seeded random use of the six sheets of figures and the planner, with the rules that must hold after every action:
// an edit disables its sheet's guard buttons, a Calculate that says nothing enables them, a
// Back that changes the main sheet's income disables Print (the deductions' Back leaves it),
// no amount box stays empty and none ever shows an infinite or undefined amount.
// The same actions every run; other seeds with MONKEY_SEED=... MONKEY_ACTIONS=... tst_monkey,
// which a failure prints to replay it.
#include "fields/amountfield.h"
#include "sheets/plan/plansheet.h"
#include "support/testsupport.h"

#include <QRandomGenerator>

class tst_monkey : public testsupport::SheetTest
{
    Q_OBJECT
private slots:
    void randomUse();
};

void tst_monkey::randomUse()
{
    const quint32 seed = qEnvironmentVariableIsSet("MONKEY_SEED") ? qEnvironmentVariableIntValue("MONKEY_SEED") : 2015;
    const int actions = qEnvironmentVariableIsSet("MONKEY_ACTIONS") ? qEnvironmentVariableIntValue("MONKEY_ACTIONS") : 5000;
    QRandomGenerator random(seed);
    auto pick = [&](const auto &list) { return list.isEmpty() ? nullptr : list[random.bounded(int(list.size()))]; };
    const QStringList texts = { "0", "7", "25000", "35000", "30001", "1e308", "-1e308", "-5", ".5",
        "12a", "1,500", "", "9.99e307", "&H1F", "Y", "x" };
    auto income = [this] { return testsupport::shown(main, "txtgs txttp txthra txthp txtrel89"); };

    auto sheets = [this] { // all but a salary sheet closed (and not opened again since)
        QList<QWidget *> open
            = { main, sheet<HraSheet>(), sheet<HouseSheet>(), sheet<DeductionsSheet>(), sheet<ReliefSheet>(), sheet<PlanSheet>() };
        return run->windows.made("Form1") ? open << sheet<SalarySheet>() : open;
    };

    fields::writeText(sheet<ReliefSheet>()->txtdob, "15/08/1970"); // its arrears can then be worked out
    for (int step = 0; step < actions; ++step) {
        QWidget *sheet = pick(sheets());
        auto guards = [sheet] { // "1" for a guard button on, "0" for one off
            QString on;
            for (const QPushButton *button : static_cast<fields::SheetWindow *>(sheet)->guardButtons())
                on += button->isEnabled() ? '1' : '0';
            return on;
        };
        QList<QLineEdit *> boxes; // the typed amount boxes
        for (QLineEdit *box : sheet->findChildren<QLineEdit *>())
            if (box->isEnabled() && !box->isReadOnly() && box->focusPolicy() != Qt::NoFocus
                && !QStringList { "txtnam", "txtname", "txtdob", "txtpan", "txtaddr" }.contains(box->objectName())
                && !qobject_cast<QComboBox *>(box->parent()))
                boxes << box;
        const QString incomeBefore = income();
        const bool printBefore = main->cmdprint->isEnabled();
        QString what = sheet->objectName();
        enum { Nothing, Edited, Picked, Calculated, HandedBack } done = Nothing;
        const QString guardsBefore = guards();

        if (const int action = random.bounded(6); action < 2 && !boxes.isEmpty()) { // type over a box, or add to it
            QLineEdit *box = pick(boxes);
            const QString before = box->text(), text = pick(texts);
            what += " " + box->objectName() + ": " + before + " typed over with " + text;
            action ? testsupport::type(box, text) : QTest::keyClicks(box, text.left(1));
            done = box->text() != before ? Edited : Nothing;
        } else if (action == 2) { // a button, but not Print or Exit
            QPushButton *button = pick(sheet->findChildren<QPushButton *>());
            const QString name = button->objectName();
            what += " " + name;
            if (button->isEnabled() && !QStringList { "cmdprint", "cmdprn", "cmdexit" }.contains(name)) {
                testsupport::press(button);
                const bool quiet = takeMessages().isEmpty();
                done = QStringList { "cmdcal", "cmdcalc", "cmdtot" }.contains(name) ? (quiet ? Calculated : Nothing)
                    : name.startsWith("cmdb")                                      ? HandedBack : Nothing;
            }
        } else if (QRadioButton *option = pick(sheet->findChildren<QRadioButton *>()); action == 3 && option) {
            what += " " + option->objectName();
            done = option->isEnabled() ? Edited : Nothing;
            testsupport::press(option);
        } else if (QComboBox *combo = pick(sheet->findChildren<QComboBox *>()); action == 4 && combo) {
            const QString before = combo->currentText();
            what += " " + combo->objectName();
            const bool typed = combo->isEditable() && random.bounded(2); // else picked from the list
            typed ? testsupport::type(combo, pick(texts).left(2)) : combo->setCurrentIndex(random.bounded(combo->count()));
            // Only an age group chosen is an edit: the salary sheet's lists may be picked from.
            done = combo->currentText() == before ? Nothing : typed || !combo->isEditable() ? Edited : Picked;
        } else if (action == 5 && random.bounded(8) == 0 && sheet != main) {
            sheet->close(); // the salary sheet goes; the others only hide
        }
        takeMessages();

        const QString replay = QStringLiteral("%1 at step %2, replay: MONKEY_SEED=%3 MONKEY_ACTIONS=%4")
                                   .arg(what).arg(step).arg(seed).arg(step + 1);
        QVERIFY2(done != Edited || !guards().contains('1'), qPrintable("an edit left a guard on: " + replay));
        QVERIFY2(done != Calculated || !guards().contains('0'), qPrintable("a guard off after Calculate: " + replay));
        QVERIFY2(done != Picked || guards() == guardsBefore, qPrintable("a pick from a list changed a guard: " + replay));
        if (done == HandedBack)
            QVERIFY2(sheet->objectName() == "frmreb88" ? main->cmdprint->isEnabled() == printBefore
                                                       : income() == incomeBefore || !main->cmdprint->isEnabled(),
                qPrintable("Print as it should not be after Back: " + replay));
        for (const QLineEdit *box : boxes) // a closed sheet goes once this step is over
            QVERIFY2(!box->text().isEmpty() || box->objectName() == "txtname", qPrintable(box->objectName() + " empty: " + replay));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget *open : sheets())
            for (const QLineEdit *box : open->findChildren<QLineEdit *>())
                QVERIFY2(!box->text().contains("inf", Qt::CaseInsensitive) && !box->text().contains("nan", Qt::CaseInsensitive),
                    qPrintable(box->objectName() + " shows " + box->text() + ": " + replay));
    }
}

QTEST_MAIN(tst_monkey)
#include "tst_monkey.moc"
