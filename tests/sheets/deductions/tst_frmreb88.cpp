// The deductions sheet driven through its real window, opened from the main sheet.
#include "sheets/deductions/frmreb88.h"

#include "app/forms.h"
#include "sheets/main/frmmain.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

namespace {

// The typed fields in their tab order.
const QStringList kInputs{
    "txtgpf",   "txtgis",     "txthba",     "txtlic",   "txtppf", "txtnsc",
    "txtnsci",  "txttf1",     "txttf2",     "txtinf",   "txtos",  "txt80ccc",
    "txt80ccdec", "txt80ccdgc", "txt80ccf", "txt80d",   "txt80g", "txtoth"};
const QStringList kComputed{"txt80c", "txttot1", "txtgt80"};

QLineEdit *fieldOf(QWidget *form, const QString &name)
{
    return form->findChild<QLineEdit *>(name);
}

// Shows the main sheet and opens the deductions sheet from its "Calc." button.
bool openFromMain(Forms &forms)
{
    frmmain *main = forms.mainSheet();
    if (!main->isVisible()) {
        main->show();
        if (!QTest::qWaitForWindowActive(main))
            return false;
    }
    QTest::mouseClick(main->cmdcalded80, Qt::LeftButton);
    return QTest::qWaitForWindowActive(forms.deductionsSheet());
}

// Types "name=value" entries into the sheet's fields through real key events.
bool typeEntries(frmreb88 *sheet, const QStringList &entries)
{
    for (const QString &entry : entries) {
        const qsizetype eq = entry.indexOf(u'=');
        QLineEdit *field = fieldOf(sheet, entry.left(eq));
        if (!field)
            return false;
        testsupport::retype(field, entry.mid(eq + 1));
    }
    return true;
}

void emptyField(QLineEdit *field)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
}

} // namespace

class tst_Frmreb88 : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void initialState();
    void texts_data();
    void texts();
    void computedFields();
    void tabOrder();
    void columns();
    void calculate_data();
    void calculate();
    void infraBondsCutRunsTheChangeRule();
    void enterAndAccessKeys();
    void mediclaimMessageBox();
    void mediclaimWhileTyping_data();
    void mediclaimWhileTyping();
    void mediclaimPastedText();
    void guardAfterEdits_data();
    void guardAfterEdits();
    void openingOverwritesPensionFields();
    void reopeningKeepsValues();
    void backHandsOver_data();
    void backHandsOver();
    void overflow_data();
    void overflow();
    void closingHidesAndKeeps();
};

void tst_Frmreb88::init()
{
    // A broken connection or a tab chain across windows shows only as a warning.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("QObject::connect|setTabOrder")));
}

void tst_Frmreb88::initialState()
{
    Forms forms;
    forms.programEnder = [] {};
    QVERIFY(openFromMain(forms));
    frmreb88 *sheet = forms.deductionsSheet();

    QCOMPARE(sheet->windowTitle(), QStringLiteral("Morvel1415 - Deductions Under Section 80"));
    for (const QString &name : kInputs + kComputed) {
        QLineEdit *field = fieldOf(sheet, name);
        QVERIFY2(field, qPrintable(name));
        QCOMPARE(field->text(), QStringLiteral("0"));
    }
    QCOMPARE(sheet->findChild<QPushButton *>("cmdtot"), sheet->cmdtot);
    QCOMPARE(sheet->findChild<QPushButton *>("cmdbk"), sheet->cmdbk);
    QCOMPARE(fieldOf(sheet, "txt80ccdec"), sheet->txt80ccdec);
    QCOMPARE(fieldOf(sheet, "txtgt80"), sheet->txtgt80);
    QVERIFY(sheet->cmdtot->isEnabled());
    QVERIFY(sheet->cmdtot->isDefault());
    QVERIFY(!sheet->cmdbk->isEnabled());
    QCOMPARE(sheet->cmdtot->text(), QStringLiteral("&Calculate"));
    QCOMPARE(sheet->cmdbk->text(), QStringLiteral("&Back"));
    QVERIFY(sheet->txtgpf->hasFocus());
}

void tst_Frmreb88::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("80C heading") << "lblsec80c" << "Section - 80C :-";
    QTest::newRow("gpf") << "lblgpf" << "GPF :-";
    QTest::newRow("gis") << "lblgis" << "CGEGIS :-";
    QTest::newRow("hba") << "lblhba" << "House Building Advance :-";
    QTest::newRow("lic") << "lbllic" << "Life Insurance Premium :-";
    QTest::newRow("ppf") << "lblppf" << "PPF :-";
    QTest::newRow("nsc") << "lblnsc" << "National Savings Certificate : -";
    QTest::newRow("nsc interest") << "lblnsci" << "Interest on NSC :-";
    QTest::newRow("tuition heading") << "lbltf" << "Tution Fee : -";
    QTest::newRow("child 1") << "lbltf1" << "Child I :-";
    QTest::newRow("child 2") << "lbltf2" << "Child II :-";
    QTest::newRow("infrastructure") << "lblinf" << "Infrastructure Bonds :-";
    QTest::newRow("other savings") << "lblos" << "Other Savings :-";
    QTest::newRow("80C total") << "lbl80c" << "Total :-";
    QTest::newRow("80CCC heading") << "lblsec80ccc" << "Section - 80CCC :-";
    QTest::newRow("jeevan suraksha") << "lbl80ccc" << "Jeevan Suraksha :-";
    QTest::newRow("80CCD heading") << "lblsec80ccd" << "Section - 80CCD :-";
    QTest::newRow("employee nps") << "lbl80ccdec" << "New Pen. Sch. (Emp.Cont.) :-";
    QTest::newRow("government nps") << "lbl80ccdgc" << "New Pen. Sch. (Gov.Cont.) :-";
    QTest::newRow("savings total") << "lbltot1" << "Total - 80C+80CCC+80CCD :-";
    QTest::newRow("80CCF heading") << "lblsec80ccf" << "Section - 80CCF :-";
    QTest::newRow("infra bonds") << "lbl80ccf" << "Infra. Bonds :-";
    QTest::newRow("80D heading") << "lblsec80d" << "Section - 80D :-";
    QTest::newRow("mediclaim") << "lbl80d" << "Mediclaim/CGHS :-";
    QTest::newRow("80G heading") << "lblsec80g" << "Section - 80G :-";
    QTest::newRow("donations") << "lbl80g" << "Donations :-";
    QTest::newRow("other deductions") << "lbloth" << "Other Deductions :-";
    QTest::newRow("grand total") << "lblgt80" << "GRAND TOTAL :-";
}

void tst_Frmreb88::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    Forms forms;
    auto *label = forms.deductionsSheet()->findChild<QLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
}

void tst_Frmreb88::computedFields()
{
    Forms forms;
    frmreb88 *sheet = forms.deductionsSheet();
    for (const QString &name : kComputed) {
        QLineEdit *field = fieldOf(sheet, name);
        QVERIFY2(field->isReadOnly(), qPrintable(name));
        QVERIFY2(!(field->focusPolicy() & Qt::TabFocus), qPrintable(name));
        QCOMPARE(field->palette().color(QPalette::Text), QColor(Qt::darkRed));
    }
    for (const QString &name : kInputs) {
        QLineEdit *field = fieldOf(sheet, name);
        QVERIFY2(!field->isReadOnly(), qPrintable(name));
        QVERIFY2(field->focusPolicy() & Qt::TabFocus, qPrintable(name));
    }
}

void tst_Frmreb88::tabOrder()
{
    Forms forms;
    frmreb88 *sheet = forms.deductionsSheet();
    sheet->show();
    QVERIFY(QTest::qWaitForWindowActive(sheet));

    auto walk = [](int steps) {
        QStringList seen;
        for (int i = 0; i < steps; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << QApplication::focusWidget()->objectName();
        }
        return seen;
    };

    // Back disabled: Calculate leads straight round to the first field.
    sheet->txtgpf->setFocus();
    QCOMPARE(walk(19), (kInputs.mid(1) + QStringList{"cmdtot", "txtgpf"}));

    QTest::mouseClick(sheet->cmdtot, Qt::LeftButton);
    QVERIFY(sheet->cmdbk->isEnabled());
    sheet->txtgpf->setFocus();
    QCOMPARE(walk(20), (kInputs.mid(1) + QStringList{"cmdtot", "cmdbk", "txtgpf"}));
}

void tst_Frmreb88::columns()
{
    Forms forms;
    frmreb88 *sheet = forms.deductionsSheet();
    sheet->show();
    QVERIFY(QTest::qWaitForWindowExposed(sheet));

    auto top = [](QWidget *w) { return w->geometry().top(); };
    const QList<QWidget *> left{sheet->lblsec80c, sheet->txtgpf, sheet->txtgis,  sheet->txthba,
                                sheet->txtlic,    sheet->txtppf, sheet->txtnsc,  sheet->txtnsci,
                                sheet->lbltf,     sheet->txttf1, sheet->txttf2,  sheet->txtinf,
                                sheet->txtos,     sheet->txt80c};
    const QList<QWidget *> right{sheet->lblsec80ccc, sheet->txt80ccc,  sheet->lblsec80ccd,
                                 sheet->txt80ccdec,  sheet->txt80ccdgc, sheet->txttot1,
                                 sheet->lblsec80ccf, sheet->txt80ccf,  sheet->lblsec80d,
                                 sheet->txt80d,      sheet->lblsec80g, sheet->txt80g,
                                 sheet->txtoth,      sheet->txtgt80};
    for (const QList<QWidget *> &column : {left, right}) {
        for (qsizetype i = 1; i < column.size(); ++i)
            QVERIFY2(top(column[i - 1]) < top(column[i]), qPrintable(column[i]->objectName()));
    }
    for (QWidget *l : left) {
        for (QWidget *r : right)
            QVERIFY2(l->geometry().right() < r->geometry().left(), qPrintable(l->objectName()));
    }
    // Each label stands beside its own field, to its left.
    const QList<QPair<QLabel *, QLineEdit *>> pairs{
        {sheet->lblgpf, sheet->txtgpf},       {sheet->lblnsci, sheet->txtnsci},
        {sheet->lbltf2, sheet->txttf2},       {sheet->lbl80c, sheet->txt80c},
        {sheet->lbl80ccdgc, sheet->txt80ccdgc}, {sheet->lbltot1, sheet->txttot1},
        {sheet->lbl80d, sheet->txt80d},       {sheet->lblgt80, sheet->txtgt80}};
    for (const auto &[label, field] : pairs) {
        QVERIFY2(label->geometry().right() < field->geometry().left(),
                 qPrintable(label->objectName()));
        const int middle = label->geometry().center().y();
        QVERIFY2(middle >= field->y() && middle <= field->geometry().bottom(),
                 qPrintable(label->objectName()));
    }
    // The buttons stand below both columns.
    QVERIFY(sheet->cmdtot->y() > sheet->txtgt80->geometry().bottom());
    QVERIFY(sheet->cmdtot->x() < sheet->cmdbk->x());
}

void tst_Frmreb88::calculate_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("80C over the ceiling, contribution on top")
        << QStringList{"txtgpf=120000", "txtlic=50000", "txtppf=30000", "txt80ccdec=10000",
                       "txt80ccdgc=10000"}
        << QStringList{"txt80c=200000", "txttot1=160000", "txtgt80=160000"};
    QTest::newRow("exactly 150000 stands")
        << QStringList{"txtgpf=100000", "txtgis=20000", "txt80ccc=20000", "txt80ccdec=10000",
                       "txt80ccdgc=5000"}
        << QStringList{"txt80c=120000", "txttot1=155000", "txtgt80=155000"};
    QTest::newRow("a rupee over 150000")
        << QStringList{"txtgpf=100000", "txtgis=20000", "txt80ccc=20000", "txt80ccdec=10001"}
        << QStringList{"txt80c=120000", "txttot1=150000", "txtgt80=150000"};
    QTest::newRow("a paisa over 150000")
        << QStringList{"txtos=150000.01"}
        << QStringList{"txt80c=150000.01", "txttot1=150000", "txtgt80=150000"};
    QTest::newRow("100000 untouched")
        << QStringList{"txthba=40000", "txtnsc=35000", "txtnsci=5000", "txttf1=10000",
                       "txttf2=10000"}
        << QStringList{"txt80c=100000", "txttot1=100000", "txtgt80=100000"};
    QTest::newRow("every 80C item counts")
        << QStringList{"txtgpf=1",   "txtgis=2",   "txthba=4",   "txtlic=8",
                       "txtppf=16",  "txtnsc=32",  "txtnsci=64", "txttf1=128",
                       "txttf2=256", "txtinf=512", "txtos=1024"}
        << QStringList{"txt80c=2047", "txttot1=2047", "txtgt80=2047"};
    QTest::newRow("80CCF 25000 cut to 20000")
        << QStringList{"txtgpf=50000", "txt80ccf=25000"}
        << QStringList{"txt80ccf=20000", "txttot1=50000", "txtgt80=70000"};
    QTest::newRow("80CCF a paisa over")
        << QStringList{"txt80ccf=20000.01"}
        << QStringList{"txt80ccf=20000", "txtgt80=20000"};
    QTest::newRow("80CCF exactly 20000 left alone")
        << QStringList{"txt80ccf=20000"}
        << QStringList{"txt80ccf=20000", "txtgt80=20000"};
    QTest::newRow("80CCF typed as 2E4 left as typed")
        << QStringList{"txt80ccf=2E4"}
        << QStringList{"txt80ccf=2E4", "txtgt80=20000"};
    QTest::newRow("grouped amount counts 1")
        << QStringList{"txtlic=1,50,000"}
        << QStringList{"txtlic=1,50,000", "txt80c=1", "txttot1=1", "txtgt80=1"};
    QTest::newRow("fraction carried through")
        << QStringList{"txtgpf=1000.25", "txtoth=234.25"}
        << QStringList{"txt80c=1000.25", "txtgt80=1234.5"};
    QTest::newRow("every heading in the grand total")
        << QStringList{"txtgpf=120000", "txt80ccc=10000", "txt80ccdec=30000", "txt80ccdgc=30000",
                       "txt80ccf=25000", "txt80d=25000", "txt80g=5000", "txtoth=1000"}
        << QStringList{"txt80c=120000", "txttot1=180000", "txt80ccf=20000", "txtgt80=231000"};
    QTest::newRow("no ceiling on donations")
        << QStringList{"txt80g=500000"}
        << QStringList{"txtgt80=500000"};
    QTest::newRow("negative amounts enter as they are")
        << QStringList{"txtgpf=10000", "txtgis=-2500", "txtoth=-700"}
        << QStringList{"txt80c=7500", "txttot1=7500", "txtgt80=6800"};
    QTest::newRow("letters read as 0")
        << QStringList{"txtgpf=abc", "txtgis=300"}
        << QStringList{"txtgpf=abc", "txt80c=300", "txtgt80=300"};
}

void tst_Frmreb88::calculate()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    testsupport::MessageRecorder messages;
    Forms forms;
    forms.programEnder = [] {};
    QVERIFY(openFromMain(forms));
    frmreb88 *sheet = forms.deductionsSheet();

    QVERIFY(typeEntries(sheet, typed));
    QVERIFY(!sheet->cmdbk->isEnabled());
    QTest::mouseClick(sheet->cmdtot, Qt::LeftButton);

    for (const QString &entry : expected) {
        const qsizetype eq = entry.indexOf(u'=');
        QLineEdit *field = fieldOf(sheet, entry.left(eq));
        QVERIFY2(field, qPrintable(entry));
        QCOMPARE(field->text(), entry.mid(eq + 1));
    }
    QVERIFY(sheet->cmdbk->isEnabled());
    QVERIFY(messages.messages.isEmpty());

    // The result is stable: a second Calculate over the same fields writes the same.
    const QString total = sheet->txtgt80->text();
    QTest::mouseClick(sheet->cmdtot, Qt::LeftButton);
    QCOMPARE(sheet->txtgt80->text(), total);
    QVERIFY(sheet->cmdbk->isEnabled());
}

void tst_Frmreb88::infraBondsCutRunsTheChangeRule()
{
    Forms forms;
    frmreb88 *sheet = forms.deductionsSheet();
    testsupport::retype(sheet->txt80ccf, "25000");
    bool backEnabledAtCut = true;
    QSignalSpy changes(sheet->txt80ccf, &QLineEdit::textChanged);
    connect(sheet->txt80ccf, &QLineEdit::textChanged, sheet,
            [&] { backEnabledAtCut = sheet->cmdbk->isEnabled(); });
    // Back enabled by hand, so that during this Calculate only the cut can disable it.
    sheet->cmdbk->setEnabled(true);
    QTest::mouseClick(sheet->cmdtot, Qt::LeftButton);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).toString(), QStringLiteral("20000"));
    QVERIFY(!backEnabledAtCut);
    QVERIFY(sheet->cmdbk->isEnabled());
    QCOMPARE(sheet->txt80ccf->cursorPosition(), 0);
}

void tst_Frmreb88::enterAndAccessKeys()
{
    Forms forms;
    forms.programEnder = [] {};
    QVERIFY(openFromMain(forms));
    frmreb88 *sheet = forms.deductionsSheet();
    frmmain *main = forms.mainSheet();

    testsupport::retype(sheet->txtgpf, "4000");
    QTest::keyClick(sheet->txtgpf, Qt::Key_Return);
    QCOMPARE(sheet->txtgt80->text(), QStringLiteral("4000"));
    QVERIFY(sheet->cmdbk->isEnabled());

    testsupport::retype(sheet->txtgis, "600");
    QVERIFY(!sheet->cmdbk->isEnabled());
    QTest::keyClick(sheet->txtgis, Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(sheet->txtgt80->text(), QStringLiteral("4600"));
    QTRY_VERIFY(sheet->cmdbk->isEnabled());

    QTest::keyClick(sheet->txtgis, Qt::Key_B, Qt::AltModifier);
    QTRY_VERIFY(!sheet->isVisible());
    QCOMPARE(main->txtded80->text(), QStringLiteral("4600"));
}

void tst_Frmreb88::mediclaimMessageBox()
{
    Forms forms;
    forms.programEnder = [] {};
    QVERIFY(openFromMain(forms));
    frmreb88 *sheet = forms.deductionsSheet();
    QTest::mouseClick(sheet->cmdtot, Qt::LeftButton);
    QVERIFY(sheet->cmdbk->isEnabled());

    testsupport::AnsweredBox box;
    testsupport::answerNextMessageBox(&box);
    testsupport::retype(sheet->txt80d, "30001");

    QVERIFY(box.seen);
    QCOMPARE(box.text, QStringLiteral("Deduction for Mediclaim Restricted to Rs.30,000/- only "
                                      "(Rs. 15,000/- for self and dependents and Rs. 15,000/- "
                                      "for parents"));
    QCOMPARE(box.caption, QStringLiteral("Morvel1314"));
    QVERIFY(box.okOnly);
    QCOMPARE(box.buttonCount, 1);
    QVERIFY(!box.hasIcon);

    QCOMPARE(sheet->txt80d->text(), QStringLiteral("30000"));
    QVERIFY(!sheet->cmdbk->isEnabled());
    QTRY_VERIFY(sheet->txt80g->hasFocus());
    QCOMPARE(QApplication::activeWindow(), sheet);

    QTest::mouseClick(sheet->cmdtot, Qt::LeftButton);
    QCOMPARE(sheet->txtgt80->text(), QStringLiteral("30000"));
}

void tst_Frmreb88::mediclaimWhileTyping_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("messagesAfterEachKey");
    QTest::addColumn<QString>("left");
    QTest::newRow("at the ceiling") << "30000" << "00000" << "30000";
    QTest::newRow("a rupee above") << "30001" << "00001" << "30000";
    QTest::newRow("fifth digit of 35000") << "35000" << "00001" << "30000";
    QTest::newRow("a paisa above") << "30000.01" << "00000001" << "30000";
    QTest::newRow("lone minus") << "-" << "0" << "-";
    QTest::newRow("lone point") << "." << "0" << ".";
    QTest::newRow("negative amount") << "-45000" << "000000" << "-45000";
    QTest::newRow("digits then letter") << "12a" << "000" << "12a";
    QTest::newRow("exponent") << "4E4" << "001" << "30000";
}

void tst_Frmreb88::mediclaimWhileTyping()
{
    QFETCH(QString, typed);
    QFETCH(QString, messagesAfterEachKey);
    QFETCH(QString, left);
    testsupport::MessageRecorder recorder;
    Forms forms;
    frmreb88 *sheet = forms.deductionsSheet();
    sheet->show();
    QVERIFY(QTest::qWaitForWindowActive(sheet));

    sheet->txt80d->setFocus();
    sheet->txt80d->selectAll();
    QString counts;
    for (QChar key : typed) {
        QTest::keyClicks(sheet->txt80d, QString(key));
        counts += QString::number(recorder.messages.size());
    }
    QCOMPARE(counts, messagesAfterEachKey);
    QCOMPARE(sheet->txt80d->text(), left);
    for (const QString &message : recorder.messages)
        QCOMPARE(message, frmreb88::mediclaimMessage());
    QVERIFY(!sheet->cmdbk->isEnabled());
    if (!recorder.messages.isEmpty())
        QVERIFY(sheet->txt80g->hasFocus());
    else
        QVERIFY(sheet->txt80d->hasFocus());
}

void tst_Frmreb88::mediclaimPastedText()
{
    testsupport::MessageRecorder recorder;
    Forms forms;
    frmreb88 *sheet = forms.deductionsSheet();
    // Pasted whole: Calculate would count 40000 from it, so the ceiling must apply.
    sheet->txt80d->selectAll();
    sheet->txt80d->insert("40000 only");
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(sheet->txt80d->text(), QStringLiteral("30000"));

    // Emptying the field: "0" at once, no message.
    emptyField(sheet->txt80d);
    QCOMPARE(sheet->txt80d->text(), QStringLiteral("0"));
    QCOMPARE(recorder.messages.size(), 1);
}

void tst_Frmreb88::guardAfterEdits_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("edit");
    for (const QString &name : kInputs) {
        for (const char *edit : {"digit", "letters", "emptied", "same text"})
            QTest::newRow(qPrintable(name + u' ' + QLatin1String(edit))) << name << edit;
    }
}

void tst_Frmreb88::guardAfterEdits()
{
    QFETCH(QString, name);
    QFETCH(QString, edit);
    testsupport::MessageRecorder recorder;
    Forms forms;
    frmreb88 *sheet = forms.deductionsSheet();
    sheet->show();
    QVERIFY(QTest::qWaitForWindowActive(sheet));
    QLineEdit *field = fieldOf(sheet, name);
    testsupport::retype(field, "1200");
    QTest::mouseClick(sheet->cmdtot, Qt::LeftButton);
    QVERIFY(sheet->cmdbk->isEnabled());

    if (edit == "digit") {
        field->setFocus();
        field->end(false);
        QTest::keyClicks(field, "5");
        QCOMPARE(field->text(), QStringLiteral("12005"));
        QVERIFY(!sheet->cmdbk->isEnabled());
    } else if (edit == "letters") {
        testsupport::retype(field, "abc");
        QVERIFY(!sheet->cmdbk->isEnabled());
        QTest::mouseClick(sheet->cmdtot, Qt::LeftButton);
        QVERIFY(sheet->cmdbk->isEnabled());
        QCOMPARE(field->text(), QStringLiteral("abc"));
        QCOMPARE(sheet->txtgt80->text(), QStringLiteral("0"));
    } else if (edit == "emptied") {
        emptyField(field);
        QCOMPARE(field->text(), QStringLiteral("0"));
        QVERIFY(!sheet->cmdbk->isEnabled());
        // The refill leaves the insertion point at the start: a digit stands in front.
        QTest::keyClicks(field, "5");
        QCOMPARE(field->text(), QStringLiteral("50"));
    } else {
        field->setText(field->text());
        QVERIFY(sheet->cmdbk->isEnabled());
    }
    QVERIFY(recorder.messages.isEmpty());
}

void tst_Frmreb88::openingOverwritesPensionFields()
{
    Forms forms;
    forms.programEnder = [] {};
    frmmain *main = forms.mainSheet();
    main->txtmgc->setText(QStringLiteral("43200"));
    QVERIFY(openFromMain(forms));
    frmreb88 *sheet = forms.deductionsSheet();
    QCOMPARE(sheet->txt80ccdec->text(), QStringLiteral("43200"));
    QCOMPARE(sheet->txt80ccdgc->text(), QStringLiteral("43200"));

    for (int click = 0; click < 2; ++click) {
        testsupport::retype(sheet->txt80ccdec, "1000");
        testsupport::retype(sheet->txt80ccdgc, "2000");
        QTest::mouseClick(sheet->cmdtot, Qt::LeftButton);
        QVERIFY(sheet->cmdbk->isEnabled());
        QVERIFY(openFromMain(forms));
        QCOMPARE(sheet->txt80ccdec->text(), QStringLiteral("43200"));
        QCOMPARE(sheet->txt80ccdgc->text(), QStringLiteral("43200"));
        QVERIFY(!sheet->cmdbk->isEnabled());
    }

    // An opening that leaves both texts as they stand changes nothing: the total still holds.
    QTest::mouseClick(sheet->cmdtot, Qt::LeftButton);
    QVERIFY(openFromMain(forms));
    QVERIFY(sheet->cmdbk->isEnabled());
}

void tst_Frmreb88::reopeningKeepsValues()
{
    Forms forms;
    forms.programEnder = [] {};
    frmmain *main = forms.mainSheet();
    main->txtmgc->setText(QStringLiteral("5000"));
    QVERIFY(openFromMain(forms));
    frmreb88 *sheet = forms.deductionsSheet();
    QVERIFY(typeEntries(sheet, {"txtgpf=60000", "txttf2=12000", "txt80d=20000", "txtoth=350"}));
    QTest::mouseClick(sheet->cmdtot, Qt::LeftButton);
    QCOMPARE(sheet->txtgt80->text(), QStringLiteral("102350"));
    QTest::mouseClick(sheet->cmdbk, Qt::LeftButton);
    QVERIFY(!sheet->isVisible());

    main->txtmgc->setText(QStringLiteral("7000"));
    QVERIFY(openFromMain(forms));
    QCOMPARE(forms.deductionsSheet(), sheet);
    QCOMPARE(sheet->txtgpf->text(), QStringLiteral("60000"));
    QCOMPARE(sheet->txttf2->text(), QStringLiteral("12000"));
    QCOMPARE(sheet->txt80d->text(), QStringLiteral("20000"));
    QCOMPARE(sheet->txtoth->text(), QStringLiteral("350"));
    QCOMPARE(sheet->txt80c->text(), QStringLiteral("72000"));
    QCOMPARE(sheet->txttot1->text(), QStringLiteral("82000"));
    QCOMPARE(sheet->txtgt80->text(), QStringLiteral("102350"));
    QCOMPARE(sheet->txt80ccdec->text(), QStringLiteral("7000"));
    QCOMPARE(sheet->txt80ccdgc->text(), QStringLiteral("7000"));
    QVERIFY(!sheet->cmdbk->isEnabled());
    QTest::mouseClick(sheet->cmdtot, Qt::LeftButton);
    QCOMPARE(sheet->txtgt80->text(), QStringLiteral("106350"));
}

void tst_Frmreb88::backHandsOver_data()
{
    QTest::addColumn<bool>("printEnabled");
    QTest::newRow("print enabled stays enabled") << true;
    QTest::newRow("print disabled stays disabled") << false;
}

void tst_Frmreb88::backHandsOver()
{
    QFETCH(bool, printEnabled);
    Forms forms;
    forms.programEnder = [] {};
    frmmain *main = forms.mainSheet();
    main->show();
    QVERIFY(QTest::qWaitForWindowActive(main));
    if (printEnabled)
        QTest::mouseClick(main->cmdcalc, Qt::LeftButton);
    QCOMPARE(main->cmdprint->isEnabled(), printEnabled);

    QVERIFY(openFromMain(forms));
    frmreb88 *sheet = forms.deductionsSheet();
    QVERIFY(!sheet->cmdbk->isEnabled()); // no Back before a Calculate
    QVERIFY(typeEntries(sheet, {"txtgpf=1000.25", "txtoth=234.25"}));
    QTest::mouseClick(sheet->cmdtot, Qt::LeftButton);
    QCOMPARE(sheet->txtgt80->text(), QStringLiteral("1234.5"));
    QTest::mouseClick(sheet->cmdbk, Qt::LeftButton);

    QVERIFY(!sheet->isVisible());
    QVERIFY(main->isVisible());
    QCOMPARE(main->txtded80->text(), QStringLiteral("1234.5"));
    QCOMPARE(main->cmdprint->isEnabled(), printEnabled);
    QVERIFY(QTest::qWaitForWindowActive(main));
    QTRY_VERIFY(main->txtrel89->hasFocus());
}

void tst_Frmreb88::overflow_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("step");
    QTest::newRow("two 80C items") << QStringList{"txtgpf=1E+308", "txtgis=1E+308"}
                                   << "total of section 80C";
    QTest::newRow("one item beyond a double") << QStringList{"txtos=1E+309"}
                                              << "total of section 80C";
    QTest::newRow("80CCC and employee 80CCD")
        << QStringList{"txt80ccc=1E+308", "txt80ccdec=1E+308"}
        << "total of sections 80C, 80CCC and 80CCD";
    QTest::newRow("government 80CCD after the ceiling")
        << QStringList{"txt80ccc=-1.7E+308", "txt80ccdgc=-1E+308"}
        << "total of sections 80C, 80CCC and 80CCD";
    QTest::newRow("donations and other deductions")
        << QStringList{"txt80g=1E+308", "txtoth=1E+308"} << "grand total of deductions";
    QTest::newRow("top of the range does not read back")
        << QStringList{"txtoth=1.7976931348623157E+308"} << "grand total of deductions";
}

void tst_Frmreb88::overflow()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, step);
    testsupport::MessageRecorder recorder;
    Forms forms;
    frmreb88 *sheet = forms.deductionsSheet();
    QTest::mouseClick(sheet->cmdtot, Qt::LeftButton);
    QVERIFY(sheet->cmdbk->isEnabled());

    QVERIFY(typeEntries(sheet, typed));
    QTest::mouseClick(sheet->cmdtot, Qt::LeftButton);
    QCOMPARE(recorder.messages.size(), 1);
    QVERIFY2(recorder.messages.first().contains(step), qPrintable(recorder.messages.first()));
    QVERIFY(!sheet->cmdbk->isEnabled());
    for (QLineEdit *field : sheet->findChildren<QLineEdit *>()) {
        const QString text = field->text().toLower();
        QVERIFY2(!text.contains("inf") && !text.contains("nan"), qPrintable(field->objectName()));
    }

    // The sheet goes on: with sound figures Calculate completes again.
    for (const QString &entry : typed)
        testsupport::retype(fieldOf(sheet, entry.left(entry.indexOf(u'='))), "100");
    QTest::mouseClick(sheet->cmdtot, Qt::LeftButton);
    QCOMPARE(recorder.messages.size(), 1);
    QVERIFY(sheet->cmdbk->isEnabled());
    QCOMPARE(sheet->txtgt80->text(), QString::number(100 * typed.size()));
}

void tst_Frmreb88::closingHidesAndKeeps()
{
    Forms forms;
    forms.programEnder = [] {};
    QVERIFY(openFromMain(forms));
    QPointer<frmreb88> sheet = forms.deductionsSheet();
    testsupport::retype(sheet->txtppf, "15000");
    QTest::mouseClick(sheet->cmdtot, Qt::LeftButton);

    // Escape is not a way out of the sheet.
    QTest::keyClick(sheet->txtppf, Qt::Key_Escape);
    QVERIFY(sheet->isVisible());

    QVERIFY(sheet->close());
    QVERIFY(!sheet->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(sheet);
    QVERIFY(forms.mainSheet()->isVisible());

    QVERIFY(openFromMain(forms));
    QCOMPARE(forms.deductionsSheet(), sheet.data());
    QCOMPARE(sheet->txtppf->text(), QStringLiteral("15000"));
    QCOMPARE(sheet->txtgt80->text(), QStringLiteral("15000"));
    QVERIFY(sheet->cmdbk->isEnabled());
}

QTEST_MAIN(tst_Frmreb88)
#include "tst_frmreb88.moc"
