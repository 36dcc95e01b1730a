// The HRA exemption sheet's window: Calculate reading every box, and the refusal of a text that
// is not a number. (The pay totals it takes on opening and its Back: tst_statements, typed.)
#include "support/testsupport.h"

class tst_HraSheet : public testsupport::SheetTest
{
    Q_OBJECT
private slots:
    void calculate_data();
    void calculate();
};

void tst_HraSheet::calculate_data()
{
    // Basic pay, grade pay, DA, HRA drawn and rent typed; the total salary and the exemption
    // shown, or the box whose text is refused with its caption. (The rules: tst_records.)
    testsupport::table(R"(
        every box its own | 300000 50000 350000 180000 240000 | 700000 170000
        rent not a number | 1000 200 300 500 12a              | txtRP Rent Paid (Annual)
        DA a lone point   | 1000 200 . 500 700                | txtda Dearness Allow.
        eleventh refused  | 300000 50000 350000 9999999999 10000000001 | 700000 999930000
    )");
}

void tst_HraSheet::calculate()
{
    const auto [figures, computed] = testsupport::cells<2>();
    QWidget *hra = openSheet("Form2");
    QVERIFY(hra);
    testsupport::fill(hra, "txtbp txtnpa txtda txthra txtRP", figures);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    if (computed.startsWith("txt")) { // refused: the box holds the focus, nothing goes back
        auto *box = hra->findChild<QLineEdit *>(computed.section(' ', 0, 0));
        QCOMPARE(takeMessages(), QStringList(QString("The box \"%1\" holds \"%2\", which is not a number. Please correct "
                                                     "it and calculate again.").arg(computed.section(' ', 1), box->text())));
        QVERIFY(box->hasFocus() && !sheet<HraSheet>()->cmdback->isEnabled());
    } else {
        QCOMPARE(testsupport::shown(hra, "txtns txthrx"), computed); // typed: ten characters at most
        QVERIFY(sheet<HraSheet>()->cmdback->isEnabled());
    }
}

QTEST_MAIN(tst_HraSheet)
#include "tst_hrasheet.moc"
