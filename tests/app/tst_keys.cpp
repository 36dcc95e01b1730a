// The keyboard on every sheet: the walk of the Tab key, keys pressed with Alt that no access
// key takes, and access keys typed one right after the other.
#include "print/printing.h"
#include "sheets/main/frmmain.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class tst_keys : public testsupport::SheetTest
{
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("CUPS_SERVER", "/nonexistent/cups.sock"); } // no printer at all
    void tabWalk_data();
    void tabWalk();
    void refusedAltKeysChangeNothing_data();
    void refusedAltKeysChangeNothing();
    void altGrStillTypes();
    void accessKeysTypedAhead_data();
    void accessKeysTypedAhead();

private:
    static QStringList state(const QWidget *sheet);
};

void tst_keys::tabWalk_data()
{
    testsupport::table({ "sheet", "stops" }, R"(
        main       | frmmain  | txtname cmdcalgs txtgs txttp cmdcalhr txthra txtos cmdcalhp cmdcalded80 txtrel89 txtdedtax cmdcalc cmdexit cboage txtname
        salary     | Form1    | txtnam cbonps cboclass1 cboclass3 chkinc txtbp(0) txtgp(0) txtbp(1) txtgp(1) txtbp(2) txtgp(2) txtbp(3) txtgp(3) txtbp(4) txtgp(4) txtbp(5) txtgp(5) txtbp(6) txtgp(6) txtbp(7) txtgp(7) txtbp(8) txtgp(8) txtbp(9) txtgp(9) txtbp(10) txtgp(10) txtbp(11) txtgp(11) txtbp(12) txtgp(12) txtbp(13) txtgp(13) txtoth(0) txtoth(1) txtoth(2) txtoth(3) txtoth(4) txtoth(5) cmdcal txtnam
        HRA        | Form2    | txtbp txtda txthra txtRP cmdcal txtnpa txtbp
        house      | Form4    | optrent txtarv txtptax txtintt txtoth cmdtot optrent
        deductions | frmreb88 | txtgpf txtgis txthba txtlic txtppf txtnsc txtnsci txttf1 txttf2 txtinf txtos txt80ccc txt80ccdec txt80ccdgc txt80ccf txt80d txt80g txtoth cmdtot txtgpf
    )");
}

void tst_keys::tabWalk()
{
    QFETCH(QString, sheet);
    QFETCH(QString, stops);
    QWidget *window = openSheet(sheet);
    QVERIFY(window);
    const QStringList expected = stops.split(' ');
    window->findChild<QWidget *>(expected.first())->setFocus();
    QStringList walked = { expected.first() };
    while (walked.size() < expected.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        auto *combo = qobject_cast<QComboBox *>(focus->parentWidget());
        walked << (combo ? combo : focus)->objectName();
    }
    QCOMPARE(walked.join(' '), stops);
}

QStringList tst_keys::state(const QWidget *sheet)
{
    QStringList shown;
    for (const QLineEdit *box : sheet->findChildren<QLineEdit *>())
        shown << box->text();
    for (const QPushButton *button : sheet->findChildren<QPushButton *>())
        shown << QString::number(button->isEnabled());
    return shown;
}

void tst_keys::refusedAltKeysChangeNothing_data()
{
    testsupport::table({ "sheet", "box" }, R"(
        main: name               | frmmain  | txtname
        main: gross salary       | frmmain  | txtgs
        salary: basic pay        | Form1    | txtbp(0)
        salary: HRA class        | Form1    | cboclass1
        salary: pension scheme   | Form1    | cbonps
        HRA: rent                | Form2    | txtRP
        HRA: grade pay           | Form2    | txtnpa
        house: rental value      | Form4    | txtarv
        deductions: mediclaim    | frmreb88 | txt80d
    )");
}

void tst_keys::refusedAltKeysChangeNothing()
{
    QFETCH(QString, sheet);
    QFETCH(QString, box);
    QWidget *window = openSheet(sheet);
    QVERIFY(window);
    QWidget *field = window->findChild<QWidget *>(box);
    testsupport::type(field, "12"); // something to undo, too
    const QStringList before = state(window);
    // Print and Back are off, Z is no access key, Up would move in a list, Backspace undo.
    for (const Qt::Key key : { Qt::Key_P, Qt::Key_B, Qt::Key_Z, Qt::Key_Up, Qt::Key_Backspace, Qt::Key_5 })
        for (const Qt::KeyboardModifiers modifiers : { Qt::KeyboardModifiers(Qt::AltModifier), Qt::AltModifier | Qt::ShiftModifier })
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    QCOMPARE(state(window), before);
    QVERIFY(field->hasFocus() || field->isAncestorOf(QApplication::focusWidget()));
}

void tst_keys::altGrStillTypes()
{
    // "@" with AltGr on a German keyboard; "€" as Ctrl+Alt+E, which stands for AltGr+E there.
    QTest::keyClick(main->txtname, '@', Qt::GroupSwitchModifier);
    QKeyEvent euro(QEvent::KeyPress, Qt::Key_E, Qt::ControlModifier | Qt::AltModifier, "€");
    QApplication::sendEvent(main->txtname, &euro);
    QCOMPARE(main->txtname->text(), "@€");
}

void tst_keys::accessKeysTypedAhead_data()
{
    testsupport::table({ "sheet", "box", "then" }, R"(
        main: Calculate, Print     | frmmain  | txtgs    | P
        salary: Calculate, Print   | Form1    | txtbp(0) | P
        salary: Calculate, Back    | Form1    | txtbp(0) | B
        HRA: Calculate, Back       | Form2    | txtRP    | B
        house: Calculate, Back     | Form4    | txtarv   | B
        deductions: Calculate, Back | frmreb88 | txtgpf  | B
    )");
}

void tst_keys::accessKeysTypedAhead()
{
    QFETCH(QString, sheet);
    QFETCH(QString, box);
    QFETCH(QString, then);
    QWidget *window = openSheet(sheet);
    QVERIFY(window);
    testsupport::type(window->findChild<QWidget *>(box), "1"); // an edit turns Print and Back off
    int printed = 0;
    print::setPrintDialogs({ [&](QWidget *, const QString &) { return ++printed, false; }, {}, {} });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
    QTest::keyClick(QApplication::focusWidget(), then == "P" ? Qt::Key_P : Qt::Key_B, Qt::AltModifier);
    print::setPrintDialogs({});
    if (then == "P")
        QCOMPARE(printed, 1);
    else
        QVERIFY(QTest::qWaitForWindowActive(main));
}

QTEST_MAIN(tst_keys)
#include "tst_keys.moc"
