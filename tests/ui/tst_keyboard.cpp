// The keyboard on every window: each button's access key presses it, from wherever the
// focus is, and the salary sheet's Tab order walks its typed cells row by row.
#include "windows.h"

#include <QApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class tst_Keyboard : public QObject
{
    Q_OBJECT
private slots:
    void accessKeyPressesTheButton_data();
    void accessKeyPressesTheButton();
    void accessKeysAreUniqueOnEachWindow_data();
    void accessKeysAreUniqueOnEachWindow();
    void salaryTabOrder();
};

void tst_Keyboard::accessKeyPressesTheButton_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focus"); // where the focus is when the key is pressed
    // clang-format off
    QTest::newRow("main Calculate") << "frmmain" << "cmdcalc" << int(Qt::Key_C) << "txtgs";
    QTest::newRow("main Print") << "frmmain" << "cmdprint" << int(Qt::Key_P) << "txtname";
    QTest::newRow("main Exit") << "frmmain" << "cmdexit" << int(Qt::Key_X) << "txtdedtax";
    QTest::newRow("salary Calculate") << "Form1" << "cmdcal" << int(Qt::Key_C) << "txtbp(0)";
    QTest::newRow("salary Print") << "Form1" << "cmdprn" << int(Qt::Key_P) << "txtgp(5)";
    QTest::newRow("salary Back") << "Form1" << "cmdbak" << int(Qt::Key_B) << "txtoth(2)";
    QTest::newRow("HRA Calculate") << "Form2" << "cmdcal" << int(Qt::Key_C) << "txtRP";
    QTest::newRow("HRA Back") << "Form2" << "cmdback" << int(Qt::Key_B) << "txtbp";
    QTest::newRow("house Calculate") << "Form4" << "cmdtot" << int(Qt::Key_C) << "txtarv";
    QTest::newRow("house Back") << "Form4" << "cmdbk" << int(Qt::Key_B) << "txtoth";
    QTest::newRow("deductions Calculate") << "frmreb88" << "cmdtot" << int(Qt::Key_C) << "txtgpf";
    QTest::newRow("deductions Back") << "frmreb88" << "cmdbk" << int(Qt::Key_B) << "txt80g";
    // clang-format on
}

void tst_Keyboard::accessKeyPressesTheButton()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(QString, focus);
    uitest::Windows windows;
    QWidget *form = windows.byName(window);
    QVERIFY(form);
    auto *target = form->findChild<QPushButton *>(button);
    QVERIFY(target);
    auto *field = form->findChild<QWidget *>(focus);
    QVERIFY(field);

    // Only the key is under test here: the button's own work (printing, ending the run,
    // leaving the sheet) is each sheet's business, so it is cut off and the click counted.
    QObject::disconnect(target, &QAbstractButton::clicked, form, nullptr);
    target->setEnabled(true);
    QSignalSpy clicked(target, &QAbstractButton::clicked);

    Forms::present(form);
    QVERIFY(QTest::qWaitForWindowActive(form));
    field->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), field);
    QTest::keyClick(field, Qt::Key(key), Qt::AltModifier);
    // The click is animated and lands a moment later.
    QTRY_COMPARE(clicked.count(), 1);
    QCOMPARE(QApplication::focusWidget(), field);
}

void tst_Keyboard::accessKeysAreUniqueOnEachWindow_data()
{
    QTest::addColumn<QString>("window");
    for (const char *name : { "frmmain", "Form1", "Form2", "Form4", "frmreb88" })
        QTest::newRow(name) << QString::fromLatin1(name);
}

// Two buttons sharing a letter would make Alt+letter only move the focus between them.
void tst_Keyboard::accessKeysAreUniqueOnEachWindow()
{
    QFETCH(QString, window);
    uitest::Windows windows;
    QWidget *form = windows.byName(window);
    QVERIFY(form);
    QStringList keys;
    for (QAbstractButton *button : form->findChildren<QAbstractButton *>()) {
        const QKeySequence key = QKeySequence::mnemonic(button->text());
        if (key.isEmpty())
            continue;
        QVERIFY2(!keys.contains(key.toString()), qPrintable(button->objectName()));
        keys << key.toString();
    }
    QVERIFY(keys.size() >= 2);
}

void tst_Keyboard::salaryTabOrder()
{
    uitest::Windows windows;
    Form1 *sheet = windows.forms.salarySheet();
    Forms::present(sheet);
    QVERIFY(QTest::qWaitForWindowActive(sheet));
    sheet->txtnam->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), sheet->txtnam);

    QStringList expected = { "cbonps", "cboclass1", "cboclass3", "chkinc" };
    for (int i = 0; i < Form1::kRows; ++i)
        expected << QStringLiteral("txtbp(%1)").arg(i) << QStringLiteral("txtgp(%1)").arg(i);
    for (int i = 0; i < Form1::kOthers; ++i)
        expected << QStringLiteral("txtoth(%1)").arg(i);
    // Print and Back are disabled on a fresh sheet, so Tab passes them by.
    expected << "cmdcal"
             << "txtnam";

    // An editable selection box gives its focus to its line edit: name the box instead.
    auto focused = [] {
        QWidget *widget = QApplication::focusWidget();
        if (auto *box = qobject_cast<QComboBox *>(widget->parentWidget()))
            return box->objectName();
        return widget->objectName();
    };
    QStringList walked;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << focused();
    }
    QCOMPARE(walked, expected);

    // Once calculated, Print and Back follow Calculate.
    QTest::mouseClick(sheet->cmdcal, Qt::LeftButton);
    QVERIFY(sheet->cmdprn->isEnabled());
    sheet->cmdcal->setFocus();
    QTest::keyClick(sheet->cmdcal, Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("cmdprn"));
    QTest::keyClick(sheet->cmdprn, Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("cmdbak"));
}

QTEST_MAIN(tst_Keyboard)
#include "tst_keyboard.moc"
