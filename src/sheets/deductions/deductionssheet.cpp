#include "sheets/deductions/deductionssheet.h"

#include "fields/amountfield.h"
#include "fields/conversions.h"
#include "fields/labels.h"
#include "fields/messages.h"
#include "records/deductions.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

using fields::makeButton;
using fields::makeLabel;
using fields::readAmount;

namespace {

QLabel *makeHeading(QWidget *parent, const QString &name, const QString &caption)
{
    QLabel *label = makeLabel(parent, name, caption);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

DeductionsSheet::DeductionsSheet()
    : SheetWindow(kFormName, QStringLiteral("Morvel1415 - Deductions Under Section 80"))
{
    auto field = [this](const char *name) {
        return fields::makeAmountField(this, QString::fromLatin1(name));
    };
    auto computed = [this](const char *name) {
        return fields::makeComputedField(this, QString::fromLatin1(name));
    };
    auto label = [this](const char *name, const QString &caption) {
        return makeLabel(this, QString::fromLatin1(name), caption);
    };
    auto heading = [this](const char *name, const QString &caption) {
        return makeHeading(this, QString::fromLatin1(name), caption);
    };

    // Created in tab order, so that the default focus chain is already the right one.
    txtgpf = field("txtgpf");
    txtgis = field("txtgis");
    txthba = field("txthba");
    txtlic = field("txtlic");
    txtppf = field("txtppf");
    txtnsc = field("txtnsc");
    txtnsci = field("txtnsci");
    txttf1 = field("txttf1");
    txttf2 = field("txttf2");
    txtinf = field("txtinf");
    txtos = field("txtos");
    txt80ccc = field("txt80ccc");
    txt80ccdec = field("txt80ccdec");
    txt80ccdgc = field("txt80ccdgc");
    txt80ccf = field("txt80ccf");
    txt80d = field("txt80d");
    txt80g = field("txt80g");
    txtoth = field("txtoth");
    txt80c = computed("txt80c");
    txttot1 = computed("txttot1");
    txtgt80 = computed("txtgt80");

    cmdtot = makeButton(this, QStringLiteral("cmdtot"), QStringLiteral("&Calculate"));
    cmdbk = makeButton(this, QStringLiteral("cmdbk"), QStringLiteral("&Back"));
    setButtons(cmdtot, { cmdbk });

    lblsec80c = heading("lblsec80c", QStringLiteral("Section - 80C :-"));
    lblgpf = label("lblgpf", QStringLiteral("GPF :-"));
    lblgis = label("lblgis", QStringLiteral("CGEGIS :-"));
    lblhba = label("lblhba", QStringLiteral("House Building Advance :-"));
    lbllic = label("lbllic", QStringLiteral("Life Insurance Premium :-"));
    lblppf = label("lblppf", QStringLiteral("PPF :-"));
    lblnsc = label("lblnsc", QStringLiteral("National Savings Certificate : -"));
    lblnsci = label("lblnsci", QStringLiteral("Interest on NSC :-"));
    lbltf = heading("lbltf", QStringLiteral("Tution Fee : -"));
    lbltf1 = label("lbltf1", QStringLiteral("Child I :-"));
    lbltf2 = label("lbltf2", QStringLiteral("Child II :-"));
    lblinf = label("lblinf", QStringLiteral("Infrastructure Bonds :-"));
    lblos = label("lblos", QStringLiteral("Other Savings :-"));
    lbl80c = heading("lbl80c", QStringLiteral("Total :-"));

    lblsec80ccc = heading("lblsec80ccc", QStringLiteral("Section - 80CCC :-"));
    lbl80ccc = label("lbl80ccc", QStringLiteral("Jeevan Suraksha :-"));
    lblsec80ccd = heading("lblsec80ccd", QStringLiteral("Section - 80CCD :-"));
    lbl80ccdec = label("lbl80ccdec", QStringLiteral("New Pen. Sch. (Emp.Cont.) :-"));
    lbl80ccdgc = label("lbl80ccdgc", QStringLiteral("New Pen. Sch. (Gov.Cont.) :-"));
    lbltot1 = heading("lbltot1", QStringLiteral("Total - 80C+80CCC+80CCD :-"));
    lblsec80ccf = heading("lblsec80ccf", QStringLiteral("Section - 80CCF :-"));
    lbl80ccf = label("lbl80ccf", QStringLiteral("Infra. Bonds :-"));
    lblsec80d = heading("lblsec80d", QStringLiteral("Section - 80D :-"));
    lbl80d = label("lbl80d", QStringLiteral("Mediclaim/CGHS :-"));
    lblsec80g = heading("lblsec80g", QStringLiteral("Section - 80G :-"));
    lbl80g = label("lbl80g", QStringLiteral("Donations :-"));
    lbloth = heading("lbloth", QStringLiteral("Other Deductions :-"));
    lblgt80 = heading("lblgt80", QStringLiteral("GRAND TOTAL :-"));

    // Item labels sit indented under their heading; the "Tution Fee" children one step more.
    constexpr int kItemIndent = 16;
    for (QLabel *item : {lblgpf, lblgis, lblhba, lbllic, lblppf, lblnsc, lblnsci, lblinf, lblos,
                         lbl80ccc, lbl80ccdec, lbl80ccdgc, lbl80ccf, lbl80d, lbl80g})
        item->setIndent(kItemIndent);
    lbltf->setIndent(kItemIndent);
    lbltf1->setIndent(2 * kItemIndent);
    lbltf2->setIndent(2 * kItemIndent);

    // Columns: 80C label | 80C amount | gap | right label | right amount
    auto *grid = new QGridLayout(this);
    grid->setColumnMinimumWidth(2, 24);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    auto place = [grid](int row, int column, QLabel *caption, QLineEdit *amount = nullptr) {
        grid->addWidget(caption, row, column);
        if (amount) {
            grid->addWidget(amount, row, column + 1);
            fields::labelField(caption, amount);
        }
    };
    constexpr int kLeft = 0;
    constexpr int kRight = 3;
    place(0, kLeft, lblsec80c);
    place(1, kLeft, lblgpf, txtgpf);
    place(2, kLeft, lblgis, txtgis);
    place(3, kLeft, lblhba, txthba);
    place(4, kLeft, lbllic, txtlic);
    place(5, kLeft, lblppf, txtppf);
    place(6, kLeft, lblnsc, txtnsc);
    place(7, kLeft, lblnsci, txtnsci);
    place(8, kLeft, lbltf);
    place(9, kLeft, lbltf1, txttf1);
    place(10, kLeft, lbltf2, txttf2);
    place(11, kLeft, lblinf, txtinf);
    place(12, kLeft, lblos, txtos);
    place(13, kLeft, lbl80c, txt80c);

    place(0, kRight, lblsec80ccc);
    place(1, kRight, lbl80ccc, txt80ccc);
    place(2, kRight, lblsec80ccd);
    place(3, kRight, lbl80ccdec, txt80ccdec);
    place(4, kRight, lbl80ccdgc, txt80ccdgc);
    place(5, kRight, lbltot1, txttot1);
    place(6, kRight, lblsec80ccf);
    place(7, kRight, lbl80ccf, txt80ccf);
    place(8, kRight, lblsec80d);
    place(9, kRight, lbl80d, txt80d);
    place(10, kRight, lblsec80g);
    place(11, kRight, lbl80g, txt80g);
    place(12, kRight, lbloth, txtoth);
    place(13, kRight, lblgt80, txtgt80);

    // Room for a seven-figure amount with paise, whatever the font.
    const int amountWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000000000.00"));
    for (QLineEdit *amount : findChildren<QLineEdit *>())
        amount->setMinimumWidth(amountWidth);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdtot);
    buttons->addWidget(cmdbk);
    grid->setRowMinimumHeight(14, 12);
    grid->addLayout(buttons, 15, 0, 1, 5);

    QWidget *order[] = {txtgpf, txtgis,   txthba,     txtlic,     txtppf,   txtnsc, txtnsci,
                        txttf1, txttf2,   txtinf,     txtos,      txt80ccc, txt80ccdec,
                        txt80ccdgc,       txt80ccf,   txt80d,     txt80g,   txtoth, cmdtot,
                        cmdbk};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    auto disableGuards = [this] { setGuardsEnabled(false); };
    for (QLineEdit *input : {txtgpf, txtgis, txthba, txtlic, txtppf, txtnsc, txtnsci, txttf1,
                             txttf2, txtinf, txtos, txt80ccc, txt80ccdec, txt80ccdgc, txt80ccf,
                             txt80g, txtoth})
        fields::connectCommonChange(input, this, disableGuards);
    connect(txt80d, &QLineEdit::textChanged, this, &DeductionsSheet::txt80d_Change);

    connect(cmdtot, &QPushButton::clicked, this, &DeductionsSheet::cmdtot_Click);
    connect(cmdbk, &QPushButton::clicked, this, &DeductionsSheet::backWanted);

    txtgpf->setFocus();
}

void DeductionsSheet::cmdtot_Click()
{
    auto deductions = record<records::DeductionsRecord>();
    const std::optional<records::Said> said = records::calculate(deductions);
    showRecord(deductions, false);
    if (said)
        refuse(said->message, said->box);
    else
        setGuardsEnabled(true);
}

void DeductionsSheet::txt80d_Change()
{
    setGuardsEnabled(false);
    auto deductions = record<records::DeductionsRecord>();
    const std::optional<records::Said> said = records::mediclaimTyped(deductions);
    if (said)
        fields::showMessage(this, said->message);
    // Runs this rule again, on "0" or on the ceiling, which is not above the ceiling.
    if (deductions.txt80d != txt80d->text())
        fields::writeText(txt80d, deductions.txt80d);
    if (said)
        control(said->box)->setFocus();
}
