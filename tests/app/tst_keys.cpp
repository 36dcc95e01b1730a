// The keyboard on every sheet: the walk of the Tab key, keys pressed with Alt that no access
// key takes, access keys typed one right after the other, and Escape, which does nothing.
#include "app/sheetlist.h"
#include "print/printing.h"
#include "support/testsupport.h"

#include <QKeyEvent>

class tst_keys : public testsupport::SheetTest
{
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("CUPS_SERVER", "/nonexistent/cups.sock"); } // no printer at all
    void tabWalk_data();
    void tabWalk();
    void altKeys_data();
    void altKeys();
    void altGrStillTypes();
    void escapeDoesNothing_data();
    void escapeDoesNothing();
};

void tst_keys::tabWalk_data()
{
    testsupport::table(R"(
        main       | frmmain  | txtname cmdcalgs txtgs txttp cmdcalhr txthra txtos cmdcalhp cmdcalded80 txtrel89 txtdedtax cmdcalc cmdexit cboage cmdcalrel89 txtpan cmdform16 cmdplan txtname
        salary     | Form1    | txtnam cbonps cboclass1 cboclass3 chkinc txtbp(0) txtgp(0) txtbp(1) txtgp(1) txtbp(2) txtgp(2) txtbp(3) txtgp(3) txtbp(4) txtgp(4) txtbp(5) txtgp(5) txtbp(6) txtgp(6) txtbp(7) txtgp(7) txtbp(8) txtgp(8) txtbp(9) txtgp(9) txtbp(10) txtgp(10) txtbp(11) txtgp(11) txtbp(12) txtgp(12) txtbp(13) txtgp(13) txtoth(0) txtoth(1) txtoth(2) txtoth(3) txtoth(4) txtoth(5) cmdcal txtnam
        HRA        | Form2    | txtbp txtda txthra txtRP cmdcal txtnpa txtbp
        house      | Form4    | optrent txtarv txtptax txtintt txtoth cmdtot optrent
        deductions | frmreb88 | txtgpf txtgis txthba txtlic txtppf txtnsc txtnsci txttf1 txttf2 txtinf txtos txt80ccc txt80ccdec txt80ccdgc txt80ccf txt80d txt80g txtoth cmdtot txtgpf
        planner    | frmplan  | cbofrom cmdcalc cmdback cbofrom
        relief     | frmrel89 | txtdob chkwoman txtaddr txtti(0) txtarr(0) txtti(1) txtarr(1) txtti(2) txtarr(2) txtti(3) txtarr(3) txtti(4) txtarr(4) txtti(5) txtarr(5) txtti(6) txtarr(6) txtti(7) txtarr(7) txtti(8) txtarr(8) cmdcalc txtdob
    )");
}

void tst_keys::tabWalk()
{
    const auto [sheet, stops] = testsupport::cells<2>();
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

void tst_keys::altKeys_data()
{
    // A sheet, its box with the keyboard, and the access key that follows Calculate there.
    testsupport::table(R"(
        salary: HRA class      | Form1    | cboclass1 | B
        deductions: mediclaim  | frmreb88 | txt80d    | B
        relief: total income   | frmrel89 | txtti(7)  | B
        relief: address        | frmrel89 | txtaddr   | P
    )");
}

void tst_keys::altKeys()
{
    const auto [sheet, box, then] = testsupport::cells<3>();
    QWidget *window = openSheet(sheet);
    QVERIFY(window);
    QWidget *field = window->findChild<QWidget *>(box);
    testsupport::type(field, "12"); // an edit, which turns Print and Back off, and can be undone
    auto state = [window] {
        QStringList shown;
        for (const QLineEdit *box : window->findChildren<QLineEdit *>())
            shown << box->text();
        for (const QPushButton *button : window->findChildren<QPushButton *>())
            shown << QString::number(button->isEnabled());
        return shown;
    };
    const QStringList before = state();
    // Refused: Print and Back are off, Z is no access key, Up would move in a list, Backspace undo.
    for (const Qt::Key key : { Qt::Key_P, Qt::Key_B, Qt::Key_Z, Qt::Key_Up, Qt::Key_Backspace, Qt::Key_5 })
        for (const Qt::KeyboardModifiers modifiers : { Qt::KeyboardModifiers(Qt::AltModifier), Qt::AltModifier | Qt::ShiftModifier })
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    QCOMPARE(state(), before);
    QVERIFY(field->hasFocus() || field->isAncestorOf(QApplication::focusWidget()));

    // Typed ahead: the key after Calculate's finds Print or Back on.
    int printed = 0;
    print::setPrintDialogs({ [&](QWidget *, const QString &) { return ++printed, false; }, {}, {} });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
    QTest::keyClick(QApplication::focusWidget(), then == "P" ? Qt::Key_P : Qt::Key_B, Qt::AltModifier);
    print::setPrintDialogs({});
    QVERIFY(then == "P" ? printed == 1 : QTest::qWaitForWindowActive(main));
}

void tst_keys::altGrStillTypes()
{
    // "@" with AltGr on a German keyboard; "€" as Ctrl+Alt+E, which stands for AltGr+E there.
    QTest::keyClick(main->txtname, '@', Qt::GroupSwitchModifier);
    QKeyEvent euro(QEvent::KeyPress, Qt::Key_E, Qt::ControlModifier | Qt::AltModifier, "€");
    QApplication::sendEvent(main->txtname, &euro);
    QCOMPARE(main->txtname->text(), "@€");
}

void tst_keys::escapeDoesNothing_data()
{
    QTest::addColumn<QString>("sheet");
    for (const sheetlist::Sheet &sheet : sheetlist::all())
        QTest::newRow(qPrintable(sheet.name)) << sheet.name;
}

void tst_keys::escapeDoesNothing()
{
    QFETCH(QString, sheet);
    QWidget *window = openSheet(sheet);
    QVERIFY(window);
    QLineEdit *typed = nullptr; // the first box the user types into
    for (QLineEdit *box : window->findChildren<QLineEdit *>())
        if (!typed && box->isVisible() && box->isEnabled() && !box->isReadOnly())
            typed = box;
    if (typed) // a sheet with no box to type into has its keyboard in a list
        testsupport::type(typed, "12");
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus && focus->window() == window);
    QTest::keyClick(focus, Qt::Key_Escape);
    QVERIFY(window->isVisible() && QApplication::activeWindow() == window);
    if (typed)
        QCOMPARE(typed->text(), "12");
    QCOMPARE(ended, 0);
}

QTEST_MAIN(tst_keys)
#include "tst_keys.moc"
