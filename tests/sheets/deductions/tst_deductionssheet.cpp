// The deductions sheet: the totals with the ceilings of the year, and the mediclaim ceiling
// while typing.
#include "support/testsupport.h"

class tst_frmreb88 : public testsupport::SheetTest
{
    Q_OBJECT
private slots:
    void totals_data();
    void totals();
    void mediclaimCeiling_data();
    void mediclaimCeiling();
};

void tst_frmreb88::totals_data()
{
    // Boxes typed, then the 80C total, 80C+80CCC+80CCD, 80CCF and the grand total shown.
    testsupport::table(R"(
        GPF and LIC               | txtgpf=60000 txtlic=40000                                       | 100000 100000 0 100000
        over the ceiling          | txtgpf=150000 txtnsci=50000 txt80ccdec=10000 txt80ccdgc=14000   | 200000 164000 0 164000
        a rupee over the ceiling  | txtppf=145000 txt80ccdec=5001 txt80ccdgc=7000                   | 145000 157000 0 157000
        exactly at the ceiling    | txtppf=145000 txt80ccdec=5000 txt80ccdgc=7000                   | 145000 157000 0 157000
        a rupee under the ceiling | txtppf=145000 txt80ccdec=4999 txt80ccdgc=7000                   | 145000 156999 0 156999
        every item counts once    | txtgpf=1 txtgis=2 txthba=4 txtlic=8 txtppf=16 txtnsc=32 txtnsci=64 txttf1=128 txttf2=256 txtinf=512 txtos=1024 txt80ccc=2048 txt80ccf=4096 txt80d=8192 txt80g=16384 txtoth=32768 | 2047 4095 4096 65535
        80CCF a rupee over        | txt80ccf=20001                                                  | 0 0 20000 20000
        80CCF at 20000            | txt80ccf=20000                                                  | 0 0 20000 20000
        80CCF a rupee under       | txt80ccf=19999                                                  | 0 0 19999 19999
        grouping ends the number  | txtlic=1,50,000                                                 | 1 1 0 1
        fraction carried          | txtoth=1234.5                                                   | 0 0 0 1234.5
    )");
}

void tst_frmreb88::totals()
{
    const auto [typed, shown] = testsupport::cells<2>();
    QWidget *deductions = openSheet("frmreb88");
    QVERIFY(deductions);
    for (const QString &entry : typed.split(' '))
        testsupport::fill(deductions, entry.section('=', 0, 0), entry.section('=', 1));
    QTest::keyClick(sheet<DeductionsSheet>()->txtgpf, Qt::Key_Return);
    QCOMPARE(testsupport::shown(deductions, "txt80c txttot1 txt80ccf txtgt80"), shown);
    QVERIFY(sheet<DeductionsSheet>()->cmdbk->isEnabled());
}

void tst_frmreb88::mediclaimCeiling_data()
{
    testsupport::table(R"(
        29999                     | 29999 | no
        30000                     | 30000 | no
        30001                     | 30001 | yes
        35000, at the fifth digit | 35000 | yes
        a lone minus              | -     | no
    )");
}

void tst_frmreb88::mediclaimCeiling()
{
    const auto [typed, restricted] = testsupport::cells<2>();
    DeductionsSheet *deductions = static_cast<DeductionsSheet *>(openSheet("frmreb88"));
    QVERIFY(deductions);
    testsupport::type(deductions->txt80d, typed);
    const QString told = "Deduction for Mediclaim Restricted to Rs.30,000/- only (Rs. 15,000/- for self and dependents and Rs. 15,000/- for parents";
    QCOMPARE(takeMessages(), restricted == "yes" ? QStringList(told) : QStringList());
    QCOMPARE(deductions->txt80d->text(), restricted == "yes" ? "30000" : typed);
    QCOMPARE(deductions->txt80g->hasFocus(), restricted == "yes");
}

QTEST_MAIN(tst_frmreb88)
#include "tst_frmreb88.moc"
