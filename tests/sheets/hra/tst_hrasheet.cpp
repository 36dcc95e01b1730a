// The HRA exemption sheet: the exemption, and text that is not a number.
#include "support/testsupport.h"

class tst_form2 : public testsupport::SheetTest
{
    Q_OBJECT
private slots:
    void exemption_data();
    void exemption();
};

void tst_form2::exemption_data()
{
    // Basic pay, grade pay, DA, HRA drawn and rent typed; the total salary and the exemption
    // shown, or the box whose text is refused with its caption.
    testsupport::table(R"(
        rent excess            | 300000 50000 350000 180000 240000 | 700000 170000
        HRA drawn              | 300000 50000 350000 180000 300000 | 700000 180000
        excess equal to HRA    | 300000 50000 350000 180000 250000 | 700000 180000
        rent below a tenth     | 300000 50000 350000 180000 50000  | 700000 0
        no HRA drawn           | 300000 50000 350000 0 240000      | 700000 0
        tenth 30000.5 to 30000 | 200005 40000 60000 100000 120000  | 300005 90000
        tenth 30001.5 to 30002 | 200015 40000 60000 110000 100000  | 300015 69998
        ten digits, not eleven | 300000 50000 350000 9999999999 10000000001 | 700000 999930000
        rent not a number      | 1000 200 300 500 12a              | txtRP Rent Paid (Annual)
        DA a lone point        | 1000 200 . 500 700                | txtda Dearness Allow.
    )");
}

void tst_form2::exemption()
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
        QCOMPARE(testsupport::shown(hra, "txtns txthrx"), computed);
        QVERIFY(sheet<HraSheet>()->cmdback->isEnabled());
    }
}

QTEST_MAIN(tst_form2)
#include "tst_form2.moc"
