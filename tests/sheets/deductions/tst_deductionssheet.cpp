// The deductions sheet's window: Calculate reading every box, and the mediclaim ceiling at the
// keystroke. (Its Back: tst_statements, typed.)
#include "support/testsupport.h"

class tst_DeductionsSheet : public testsupport::SheetTest
{
    Q_OBJECT
private slots:
    void calculate();
    void mediclaimCeiling_data();
    void mediclaimCeiling();
};

void tst_DeductionsSheet::calculate()
{
    auto *deductions = static_cast<DeductionsSheet *>(openSheet("frmreb88"));
    QVERIFY(deductions);
    // Every box a power of two of its own, all below their ceilings: a box read twice, or not
    // at all, shows in the totals. (The ceilings: tst_records.)
    testsupport::fill(deductions, "txtgpf txtgis txthba txtlic txtppf txtnsc txtnsci txttf1 txttf2 txtinf txtos "
                                  "txt80ccc txt80ccdec txt80ccdgc txt80ccf txt80d txt80g txtoth",
        "1 2 4 8 16 32 64 128 256 512 1024 2048 65536 131072 4096 8192 16384 32768");
    QTest::keyClick(deductions->txtoth, Qt::Key_Return);
    QCOMPARE(testsupport::shown(deductions, "txt80c txttot1 txt80ccf txtgt80"), "2047 200703 4096 262143");
}

void tst_DeductionsSheet::mediclaimCeiling_data()
{
    // Typed into the mediclaim box; the box then; whether the user is told of the ceiling.
    testsupport::table(R"(
        below the ceiling         | 29999 | 29999 | no
        35000, at the fifth digit | 35000 | 30000 | yes
        emptied                   |       | 0     | no
    )");
}

void tst_DeductionsSheet::mediclaimCeiling()
{
    const auto [typed, after, told] = testsupport::cells<3>();
    auto *deductions = static_cast<DeductionsSheet *>(openSheet("frmreb88"));
    QVERIFY(deductions);
    testsupport::type(deductions->txt80d, typed);
    const QString ceiling = "Deduction for Mediclaim Restricted to Rs.30,000/- only (Rs. 15,000/- for self and "
                            "dependents and Rs. 15,000/- for parents";
    QCOMPARE(takeMessages(), told == "yes" ? QStringList(ceiling) : QStringList());
    QCOMPARE(deductions->txt80d->text(), after);
    QCOMPARE(deductions->txt80g->hasFocus(), told == "yes"); // the keyboard moves on only when told
}

QTEST_MAIN(tst_DeductionsSheet)
#include "tst_deductionssheet.moc"
