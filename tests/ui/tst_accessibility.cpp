// Every input on every window carries a name that assistive technology reads out: the words
// of the label beside it, or for the salary table the column and the month.
#include "fields/labels.h"
#include "windows.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

class tst_Accessibility : public QObject
{
    Q_OBJECT
private slots:
    void spokenCaption_data();
    void spokenCaption();
    void everyInputIsNamedAfterItsLabel_data();
    void everyInputIsNamedAfterItsLabel();
    void names_data();
    void names();
    void salaryCellsAreNamedByColumnAndMonth();
};

void tst_Accessibility::spokenCaption_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("plain") << "Gross Salary"
                           << "Gross Salary";
    QTest::newRow("access key") << "&Calculate"
                                << "Calculate";
    QTest::newRow("access key inside") << "E&xit"
                                       << "Exit";
    QTest::newRow("doubled ampersand") << "Repairs && Maintainance"
                                       << "Repairs & Maintainance";
    QTest::newRow("colon-dash trailer") << "GPF :-"
                                        << "GPF";
    QTest::newRow("trailer without blank") << "Arrears:-"
                                           << "Arrears";
    QTest::newRow("spaced trailer") << "National Savings Certificate : -"
                                    << "National Savings Certificate";
    QTest::newRow("colon-dash inside") << "Less:- Property Taxes"
                                       << "Less: Property Taxes";
    QTest::newRow("inside and trailing") << "Less:- Allowances Exempt u/s 10 :-"
                                         << "Less: Allowances Exempt u/s 10";
    QTest::newRow("trailing blank") << "Annual Rental Value "
                                    << "Annual Rental Value";
    QTest::newRow("dash kept") << "Total - 80C+80CCC+80CCD :-"
                               << "Total - 80C+80CCC+80CCD";
    QTest::newRow("dots kept") << "New Pen. Sch. (Emp.Cont.) :-"
                               << "New Pen. Sch. (Emp.Cont.)";
}

void tst_Accessibility::spokenCaption()
{
    QFETCH(QString, caption);
    QFETCH(QString, spoken);
    QCOMPARE(fields::spokenCaption(caption), spoken);
}

void tst_Accessibility::everyInputIsNamedAfterItsLabel_data()
{
    QTest::addColumn<QString>("window");
    for (const char *name : { "frmmain", "Form1", "Form2", "Form4", "frmreb88" })
        QTest::newRow(name) << QString::fromLatin1(name);
}

// The inputs a user can meet on a window: fields, selection boxes, check boxes, options.
// The line edit inside a selection box is part of the box, and hidden fields are never shown.
static QList<QWidget *> inputsOf(QWidget *window)
{
    QList<QWidget *> inputs;
    for (QWidget *child : window->findChildren<QWidget *>()) {
        const bool input = qobject_cast<QLineEdit *>(child) || qobject_cast<QComboBox *>(child)
            || qobject_cast<QCheckBox *>(child) || qobject_cast<QRadioButton *>(child);
        if (!input || child->isHidden() || qobject_cast<QComboBox *>(child->parentWidget()))
            continue;
        inputs << child;
    }
    return inputs;
}

void tst_Accessibility::everyInputIsNamedAfterItsLabel()
{
    QFETCH(QString, window);
    uitest::Windows windows;
    QWidget *form = windows.byName(window);
    QVERIFY(form);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));

    QHash<QWidget *, QLabel *> labelOf;
    for (QLabel *label : form->findChildren<QLabel *>())
        if (label->buddy())
            labelOf.insert(label->buddy(), label);

    const QList<QWidget *> inputs = inputsOf(form);
    QVERIFY(inputs.size() >= 5);
    int labelled = 0;
    for (QWidget *input : inputs) {
        const QString name = input->accessibleName();
        QVERIFY2(!name.isEmpty(), qPrintable(input->objectName()));
        static const QRegularExpression accessKeyMark(QStringLiteral("&\\S"));
        QVERIFY2(!name.contains(accessKeyMark) && !name.contains(QLatin1String(":-")),
            qPrintable(input->objectName() + ": " + name));
        // What a screen reader is actually given. On Linux an editable selection box
        // reports its text as its name and is named through its label instead.
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(input);
        QVERIFY(accessible);
        if (!qobject_cast<QComboBox *>(input))
            QCOMPARE(accessible->text(QAccessible::Name), name);

        if (QLabel *label = labelOf.value(input)) {
            QCOMPARE(name, fields::spokenCaption(label->text()));
            bool related = false;
            for (const auto &[other, relation] : accessible->relations(QAccessible::Label))
                related = related || other->object() == label;
            QVERIFY2(related, qPrintable(input->objectName()));
            ++labelled;
        } else if (auto *button = qobject_cast<QAbstractButton *>(input)) {
            QCOMPARE(name, fields::spokenCaption(button->text()));
        } else {
            // Only the salary table's cells and totals are named by two captions.
            QCOMPARE(window, QStringLiteral("Form1"));
            QVERIFY2(name.contains(QLatin1Char(' ')), qPrintable(name));
        }
    }
    QVERIFY(labelled > 0);
}

void tst_Accessibility::names_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("name");
    // clang-format off
    QTest::newRow("main name") << "frmmain" << "txtname" << "Name";
    QTest::newRow("main gross salary") << "frmmain" << "txtgs" << "Gross Salary";
    QTest::newRow("main exempt total") << "frmmain" << "txtexall" << "Less: Allowances Exempt u/s 10";
    QTest::newRow("main relief 87A") << "frmmain" << "txtrel87A" << "Relief u/s 87A";
    QTest::newRow("main deductions") << "frmmain" << "txtded80" << "Less: Deductions u/s 80";
    QTest::newRow("main salary Calc.") << "frmmain" << "cmdcalgs" << "Calc. Gross Salary";
    QTest::newRow("main HRA Calc.") << "frmmain" << "cmdcalhr" << "Calc. House Rent Allowance";
    QTest::newRow("main house Calc.") << "frmmain" << "cmdcalhp" << "Calc. Income from House Property";
    QTest::newRow("main deductions Calc.") << "frmmain" << "cmdcalded80" << "Calc. Less: Deductions u/s 80";
    QTest::newRow("salary pension scheme") << "Form1" << "cbonps" << "New Pen. Sch.";
    QTest::newRow("salary HRA class") << "Form1" << "cboclass1" << "HRA";
    QTest::newRow("salary TPA class") << "Form1" << "cboclass3" << "TPA";
    QTest::newRow("salary increment") << "Form1" << "chkinc" << "Calculate Increment";
    QTest::newRow("salary arrears") << "Form1" << "txtoth(0)" << "Arrears";
    QTest::newRow("salary grand total") << "Form1" << "txtgtotal" << "G.Total";
    QTest::newRow("salary first pay") << "Form1" << "txtbp(0)" << "B.PAY Jan 14";
    QTest::newRow("salary last HRA") << "Form1" << "txthra(13)" << "HRA Feb 15";
    QTest::newRow("salary total column") << "Form1" << "txtttlt" << "TOTAL column total";
    QTest::newRow("HRA rent") << "Form2" << "txtRP" << "Rent Paid (Annual)";
    QTest::newRow("HRA grade pay") << "Form2" << "txtnpa" << "Grade Pay";
    QTest::newRow("house rental value") << "Form4" << "txtarv" << "Annual Rental Value";
    QTest::newRow("house property taxes") << "Form4" << "txtptax" << "Less: Property Taxes";
    QTest::newRow("house repairs") << "Form4" << "txtrep" << "Repairs & Maintainance";
    QTest::newRow("house deductions total") << "Form4" << "txttd" << "Less Deductions u/s 24";
    QTest::newRow("house self occupied") << "Form4" << "optso" << "Self Occupied";
    QTest::newRow("house loan after") << "Form4" << "opta499" << "After 1-4-99";
    QTest::newRow("deductions GPF") << "frmreb88" << "txtgpf" << "GPF";
    QTest::newRow("deductions NSC") << "frmreb88" << "txtnsc" << "National Savings Certificate";
    QTest::newRow("deductions first child") << "frmreb88" << "txttf1" << "Child I";
    QTest::newRow("deductions 80C total") << "frmreb88" << "txt80c" << "Total";
    QTest::newRow("deductions ceiling total") << "frmreb88" << "txttot1" << "Total - 80C+80CCC+80CCD";
    QTest::newRow("deductions grand total") << "frmreb88" << "txtgt80" << "GRAND TOTAL";
    // clang-format on
}

void tst_Accessibility::names()
{
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(QString, name);
    uitest::Windows windows;
    QWidget *form = windows.byName(window);
    QVERIFY(form);
    QWidget *widget = form->findChild<QWidget *>(field);
    QVERIFY(widget);
    QCOMPARE(widget->accessibleName(), name);
}

void tst_Accessibility::salaryCellsAreNamedByColumnAndMonth()
{
    uitest::Windows windows;
    Form1 *sheet = windows.forms.salarySheet();
    const std::pair<const char *, const char *> columns[]
        = { { "txtbp", "B.PAY" }, { "txtgp", "G.PAY" }, { "txtda", "DA" }, { "txthra", "HRA" },
              { "txttpa2", "TPA" }, { "txtmgc", "MGC" }, { "txtttl", "TOTAL" } };
    const char *const months[] = { "Jan 14", "Feb 14", "Mar 14", "Apr 14", "May 14", "Jun 14",
        "Jul 14", "Aug 14", "Sep 14", "Oct 14", "Nov 14", "Dec 14", "Jan 15", "Feb 15" };
    int cells = 0;
    for (const auto &[array, header] : columns) {
        for (int row = 0; row < Form1::kRows; ++row) {
            auto *cell
                = sheet->findChild<QLineEdit *>(QStringLiteral("%1(%2)").arg(array).arg(row));
            if (!cell)
                continue; // the arrears rows have no HRA cell
            QCOMPARE(cell->accessibleName(), QStringLiteral("%1 %2").arg(header, months[row]));
            ++cells;
        }
    }
    QCOMPARE(cells, 7 * 14 - 2);
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
