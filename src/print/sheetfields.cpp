#include "print/sheetfields.h"

#include "sheets/deductions/frmreb88.h"
#include "sheets/house/form4.h"
#include "sheets/main/frmmain.h"
#include "sheets/salary/form1.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace print {

TaxStatementFields taxStatementFields(
    const frmmain &main, const Form4 *house, const frmreb88 *deductions)
{
    TaxStatementFields f;
    f.mainName = main.txtname->text();
    f.mainGs = main.txtgs->text();
    f.mainTp = main.txttp->text();
    f.mainHra = main.txthra->text();
    f.mainExall = main.txtexall->text();
    f.mainNsal = main.txtnsal->text();
    f.mainOs = main.txtos->text();
    f.mainGti = main.txtgti->text();
    f.mainNti = main.txtnti->text();
    f.mainGtax = main.txtgtax->text();
    f.mainRel87A = main.txtrel87A->text();
    f.mainRel89 = main.txtrel89->text();
    f.mainNtax = main.txtntax->text();
    f.mainCess = main.txtcess->text();
    f.mainTtax = main.txtttax->text();
    f.mainDedtax = main.txtdedtax->text();
    f.mainBaltax = main.txtbaltax->text();
    f.mainSurch = main.txtsurch->text();
    f.mainAge = main.cboage->currentText();

    // A sheet never opened keeps the defaults: its start-up values, "0" in every box.
    if (house) {
        f.houseArv = house->txtarv->text();
        f.housePtax = house->txtptax->text();
        f.houseGhi = house->txtghi->text();
        f.houseRep = house->txtrep->text();
        f.houseIntt = house->txtintt->text();
        f.houseOth = house->txtoth->text();
        f.houseTd = house->txttd->text();
        f.houseIhp = house->txtihp->text();
    }

    if (deductions) {
        f.deductionsGpf = deductions->txtgpf->text();
        f.deductionsGis = deductions->txtgis->text();
        f.deductionsHba = deductions->txthba->text();
        f.deductionsLic = deductions->txtlic->text();
        f.deductionsPpf = deductions->txtppf->text();
        f.deductionsNsc = deductions->txtnsc->text();
        f.deductionsNsci = deductions->txtnsci->text();
        f.deductionsTf1 = deductions->txttf1->text();
        f.deductionsTf2 = deductions->txttf2->text();
        f.deductionsInf = deductions->txtinf->text();
        f.deductionsOs = deductions->txtos->text();
        f.deductions80c = deductions->txt80c->text();
        f.deductions80ccc = deductions->txt80ccc->text();
        f.deductions80ccdec = deductions->txt80ccdec->text();
        f.deductions80ccdgc = deductions->txt80ccdgc->text();
        f.deductionsTot1 = deductions->txttot1->text();
        f.deductions80ccf = deductions->txt80ccf->text();
        f.deductions80d = deductions->txt80d->text();
        f.deductions80g = deductions->txt80g->text();
        f.deductionsOth = deductions->txtoth->text();
        f.deductionsGt80 = deductions->txtgt80->text();
    }
    return f;
}

SalaryStatementFields salaryStatementFields(const Form1 &salary)
{
    SalaryStatementFields f;
    f.name = salary.txtnam->text();
    for (int i = 0; i < SalaryStatementFields::kRows; ++i) {
        f.monthCaption[i] = salary.Label1[i]->text();
        f.basicPay[i] = salary.txtbp[i]->text();
        f.gradePay[i] = salary.txtgp[i]->text();
        f.da[i] = salary.txtda[i]->text();
        // The arrears rows have no HRA cell.
        f.hra[i] = salary.txthra[i] ? salary.txthra[i]->text() : QString();
        f.mgc[i] = salary.txtmgc[i]->text();
        f.transport[i] = salary.txttpa2[i]->text();
        f.rowTotal[i] = salary.txtttl[i]->text();
    }
    f.basicPayTotal = salary.txtbpt->text();
    f.gradePayTotal = salary.txtgpt->text();
    f.daTotal = salary.txtdat->text();
    f.hraTotal = salary.txthrat->text();
    f.mgcTotal = salary.txtmgct->text();
    f.transportTotal = salary.txttpat->text();
    f.grandRowTotal = salary.txtttlt->text();
    for (int i = 0; i < int(f.other.size()); ++i)
        f.other[i] = salary.txtoth[i]->text();
    f.grandTotal = salary.txtgtotal->text();
    return f;
}

} // namespace print
