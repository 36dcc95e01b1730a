// The shared reactions of amount fields: refilling "0", the insertion point after a
// write, selecting the whole text on entry, and the guard that every change disables.
#include "fields/amountfield.h"

#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

class tst_AmountField : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startsAtZeroRightAligned();
    void deletingLastCharacterLeavesZeroAndTypingGoesInFront();
    void changeDisablesGuard();
    void writeOfSameTextRaisesNothing();
    void writeLeavesInsertionPointAtStart();
    void writeAmountRefusesNonFinite();
    void tabSelectsWholeText();
    void clickSelectsWholeText();
    void focusFromCodeSelectsWholeText();
    void computedFieldIsReadOnlyAndSkippedByTab();

private:
    QDialog *m_form = nullptr;
    fields::AmountField *m_first = nullptr;
    fields::AmountField *m_second = nullptr;
    QLineEdit *m_computed = nullptr;
    QPushButton *m_guard = nullptr;
    int m_changes = 0;
};

void tst_AmountField::init()
{
    m_form = new QDialog;
    auto *box = new QVBoxLayout(m_form);
    m_first = fields::makeAmountField(m_form, "first");
    m_computed = fields::makeComputedField(m_form, "computed");
    m_second = fields::makeAmountField(m_form, "second");
    m_guard = new QPushButton("&Print", m_form);
    box->addWidget(m_first);
    box->addWidget(m_computed);
    box->addWidget(m_second);
    box->addWidget(m_guard);
    m_changes = 0;
    for (QLineEdit *field : {static_cast<QLineEdit *>(m_first), static_cast<QLineEdit *>(m_second)})
        fields::connectCommonChange(field, m_form, [this] {
            ++m_changes;
            m_guard->setEnabled(false);
        });
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
}

void tst_AmountField::cleanup()
{
    delete m_form;
    m_form = nullptr;
}

void tst_AmountField::startsAtZeroRightAligned()
{
    QCOMPARE(m_first->text(), QString("0"));
    QVERIFY(m_first->alignment() & Qt::AlignRight);
}

void tst_AmountField::deletingLastCharacterLeavesZeroAndTypingGoesInFront()
{
    m_first->setFocus();
    m_first->setText("7");
    m_first->setCursorPosition(1);
    m_changes = 0;
    QTest::keyClick(m_first, Qt::Key_Backspace);
    QCOMPARE(m_first->text(), QString("0"));
    QCOMPARE(m_first->cursorPosition(), 0);
    QCOMPARE(m_changes, 2); // the deletion, then the nested refill
    QTest::keyClicks(m_first, "5");
    QCOMPARE(m_first->text(), QString("50"));
}

void tst_AmountField::changeDisablesGuard()
{
    m_guard->setEnabled(true);
    m_second->setFocus();
    QTest::keyClicks(m_second, "abc");
    QCOMPARE(m_second->text(), QString("abc"));
    QVERIFY(!m_guard->isEnabled());
}

void tst_AmountField::writeOfSameTextRaisesNothing()
{
    fields::writeText(m_first, "25000");
    QCOMPARE(m_changes, 1);
    m_guard->setEnabled(true);
    fields::writeText(m_first, "25000");
    QCOMPARE(m_changes, 1);
    QVERIFY(m_guard->isEnabled());
}

void tst_AmountField::writeLeavesInsertionPointAtStart()
{
    fields::writeText(m_first, "1234");
    QCOMPARE(m_first->cursorPosition(), 0);
    fields::writeText(m_first, "");
    QCOMPARE(m_first->text(), QString("0"));
    QCOMPARE(m_first->cursorPosition(), 0);
}

void tst_AmountField::writeAmountRefusesNonFinite()
{
    fields::writeText(m_first, "12");
    QVERIFY(!fields::writeAmount(m_first, std::numeric_limits<double>::infinity()));
    QVERIFY(!fields::writeAmount(m_first, std::nan("")));
    // Finite, but its 15-digit text "1.79769313486232E+308" would read back as infinite.
    QVERIFY(!fields::writeAmount(m_first, std::numeric_limits<double>::max()));
    QCOMPARE(m_first->text(), QString("12"));
    QVERIFY(fields::writeAmount(m_first, 1e308));
    QCOMPARE(m_first->text(), QString("1E+308"));
    QVERIFY(fields::writeAmount(m_first, 1234.5));
    QCOMPARE(m_first->text(), QString("1234.5"));
}

void tst_AmountField::tabSelectsWholeText()
{
    fields::writeText(m_second, "25000");
    m_first->setFocus();
    QTest::keyClick(m_first, Qt::Key_Tab);
    QVERIFY(m_second->hasFocus()); // the computed field between them is no Tab stop
    QCOMPARE(m_second->selectedText(), QString("25000"));
    QCOMPARE(m_second->cursorPosition(), 0);
    QTest::keyClicks(m_second, "3");
    QCOMPARE(m_second->text(), QString("3"));
}

void tst_AmountField::clickSelectsWholeText()
{
    fields::writeText(m_second, "25000");
    m_first->setFocus();
    QTest::mouseClick(m_second, Qt::LeftButton, {}, QPoint(m_second->width() / 2, m_second->height() / 2));
    QVERIFY(m_second->hasFocus());
    QCOMPARE(m_second->selectedText(), QString("25000"));
    QTest::keyClicks(m_second, "4");
    QCOMPARE(m_second->text(), QString("4"));
    // A second click in a field that already has the focus places the cursor as usual.
    QTest::mouseClick(m_second, Qt::LeftButton, {}, QPoint(m_second->width() - 3, m_second->height() / 2));
    QVERIFY(m_second->selectedText().isEmpty());
}

void tst_AmountField::focusFromCodeSelectsWholeText()
{
    fields::writeText(m_second, "180000");
    m_second->setFocus();
    QCOMPARE(m_second->selectedText(), QString("180000"));
}

void tst_AmountField::computedFieldIsReadOnlyAndSkippedByTab()
{
    QVERIFY(m_computed->isReadOnly());
    QCOMPARE(m_computed->focusPolicy(), Qt::ClickFocus);
    QCOMPARE(m_computed->palette().color(QPalette::Text), QColor(Qt::darkRed));
    m_computed->setFocus();
    QTest::keyClicks(m_computed, "9");
    QCOMPARE(m_computed->text(), QString("0"));
}

QTEST_MAIN(tst_AmountField)
#include "tst_amountfield.moc"
