// What the statements take from the sheets: every field's text, from the right field, as it
// stands; sheets never opened give their start-up values.
#include "app/forms.h"
#include "fields/amountfield.h"
#include "print/sheetfields.h"
#include "sheets/deductions/frmreb88.h"
#include "sheets/house/form4.h"
#include "sheets/main/frmmain.h"
#include "sheets/salary/form1.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using print::SalaryStatementFields;
using print::TaxStatementFields;

class tst_SheetFields : public QObject
{
    Q_OBJECT

private slots:
    void taxStatementReadsEachField();
    void neverOpenedSheetsGiveStartUpValues();
    void salaryStatementReadsEachField();
};

void tst_SheetFields::taxStatementReadsEachField()
{
    Forms forms;
    forms.programEnder = [] {};
    frmmain &m = *forms.mainSheet();
    Form4 &h = *forms.houseSheet();
    frmreb88 &d = *forms.deductionsSheet();
    using F = TaxStatementFields;
    const QList<std::pair<QLineEdit *, QString F::*>> fields = {
        { m.txtname, &F::mainName },
        { m.txtgs, &F::mainGs },
        { m.txttp, &F::mainTp },
        { m.txthra, &F::mainHra },
        { m.txtexall, &F::mainExall },
        { m.txtnsal, &F::mainNsal },
        { m.txtos, &F::mainOs },
        { m.txtgti, &F::mainGti },
        { m.txtnti, &F::mainNti },
        { m.txtgtax, &F::mainGtax },
        { m.txtrel87A, &F::mainRel87A },
        { m.txtrel89, &F::mainRel89 },
        { m.txtntax, &F::mainNtax },
        { m.txtcess, &F::mainCess },
        { m.txtttax, &F::mainTtax },
        { m.txtdedtax, &F::mainDedtax },
        { m.txtbaltax, &F::mainBaltax },
        { h.txtarv, &F::houseArv },
        { h.txtptax, &F::housePtax },
        { h.txtghi, &F::houseGhi },
        { h.txtrep, &F::houseRep },
        { h.txtintt, &F::houseIntt },
        { h.txtoth, &F::houseOth },
        { h.txttd, &F::houseTd },
        { h.txtihp, &F::houseIhp },
        { d.txtgpf, &F::deductionsGpf },
        { d.txtgis, &F::deductionsGis },
        { d.txthba, &F::deductionsHba },
        { d.txtlic, &F::deductionsLic },
        { d.txtppf, &F::deductionsPpf },
        { d.txtnsc, &F::deductionsNsc },
        { d.txtnsci, &F::deductionsNsci },
        { d.txttf1, &F::deductionsTf1 },
        { d.txttf2, &F::deductionsTf2 },
        { d.txtinf, &F::deductionsInf },
        { d.txtos, &F::deductionsOs },
        { d.txt80c, &F::deductions80c },
        { d.txt80ccc, &F::deductions80ccc },
        { d.txt80ccdec, &F::deductions80ccdec },
        { d.txt80ccdgc, &F::deductions80ccdgc },
        { d.txttot1, &F::deductionsTot1 },
        { d.txt80ccf, &F::deductions80ccf },
        { d.txt80d, &F::deductions80d },
        { d.txt80g, &F::deductions80g },
        { d.txtoth, &F::deductionsOth },
        { d.txtgt80, &F::deductionsGt80 },
    };
    for (int k = 0; k < fields.size(); ++k)
        fields::writeText(
            fields[k].first, QStringLiteral("%1 %2").arg(k + 1).arg(fields[k].first->objectName()));
    const TaxStatementFields read = print::taxStatementFields(m, h, d);
    for (int k = 0; k < fields.size(); ++k)
        QCOMPARE(read.*fields[k].second,
            QStringLiteral("%1 %2").arg(k + 1).arg(fields[k].first->objectName()));
}

void tst_SheetFields::neverOpenedSheetsGiveStartUpValues()
{
    Forms forms;
    forms.programEnder = [] {};
    const TaxStatementFields read = print::taxStatementFields(
        *forms.mainSheet(), *forms.houseSheet(), *forms.deductionsSheet());
    const TaxStatementFields startUp;
    QCOMPARE(read.mainName, startUp.mainName);
    for (QString TaxStatementFields::*field : { &TaxStatementFields::mainGs,
             &TaxStatementFields::mainBaltax, &TaxStatementFields::houseArv,
             &TaxStatementFields::houseIhp, &TaxStatementFields::deductionsGpf,
             &TaxStatementFields::deductions80ccdec, &TaxStatementFields::deductionsGt80 }) {
        QCOMPARE(read.*field, QStringLiteral("0"));
        QCOMPARE(startUp.*field, QStringLiteral("0"));
    }
    QVERIFY(!forms.houseSheet()->isVisible());
    QVERIFY(!forms.deductionsSheet()->isVisible());
}

void tst_SheetFields::salaryStatementReadsEachField()
{
    Forms forms;
    forms.programEnder = [] {};
    Form1 &s = *forms.salarySheet();
    int k = 0;
    auto mark = [&k](QLineEdit *field) {
        const QString text = QStringLiteral("%1 %2").arg(++k).arg(field->objectName());
        fields::writeText(field, text);
        return text;
    };
    std::array<std::array<QString, 7>, Form1::kRows> cells;
    for (int i = 0; i < Form1::kRows; ++i) {
        cells[i] = { mark(s.txtbp[i]), mark(s.txtgp[i]), mark(s.txtda[i]),
            s.txthra[i] ? mark(s.txthra[i]) : QString(), mark(s.txtmgc[i]), mark(s.txttpa2[i]),
            mark(s.txtttl[i]) };
        s.Label1[i]->setText(QStringLiteral("caption %1").arg(i));
    }
    const QString name = mark(s.txtnam);
    const QList<QString> totals = { mark(s.txtbpt), mark(s.txtgpt), mark(s.txtdat), mark(s.txthrat),
        mark(s.txtmgct), mark(s.txttpat), mark(s.txtttlt) };
    QStringList others;
    for (QLineEdit *field : s.txtoth)
        others << mark(field);
    const QString grand = mark(s.txtgtotal);

    const SalaryStatementFields read = print::salaryStatementFields(s);
    QCOMPARE(read.name, name);
    for (int i = 0; i < Form1::kRows; ++i) {
        QCOMPARE(read.monthCaption[i], QStringLiteral("caption %1").arg(i));
        const std::array<QString, 7> got = { read.basicPay[i], read.gradePay[i], read.da[i],
            read.hra[i], read.mgc[i], read.transport[i], read.rowTotal[i] };
        QCOMPARE(got, cells[i]);
    }
    QCOMPARE((QList<QString> { read.basicPayTotal, read.gradePayTotal, read.daTotal, read.hraTotal,
                 read.mgcTotal, read.transportTotal, read.grandRowTotal }),
        totals);
    QCOMPARE(QStringList(read.other.begin(), read.other.end()), others);
    QCOMPARE(read.grandTotal, grand);
}

QTEST_MAIN(tst_SheetFields)
#include "tst_sheetfields.moc"
