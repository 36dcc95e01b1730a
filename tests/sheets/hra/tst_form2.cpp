// The HRA exemption sheet: the exemption, and text that is not a number.
#include "sheets/hra/form2.h"
#include "sheets/main/frmmain.h"
#include "support/testsupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using testsupport::press;
using testsupport::texts;
using testsupport::type;

class tst_form2 : public testsupport::SheetTest
{
    Q_OBJECT
private slots:
    void init();
    void exemption_data();
    void exemption();
    void refusedText_data();
    void refusedText();

private:
    void fill(const QString &figures) // basic pay, grade pay, DA, HRA drawn, rent
    {
        const QStringList values = figures.split(' ');
        QLineEdit *boxes[] = { hra->txtbp, hra->txtnpa, hra->txtda, hra->txthra, hra->txtRP };
        for (int i = 0; i < 5; ++i)
            type(boxes[i], values[i]);
    }

    Form2 *hra = nullptr;
};

void tst_form2::init()
{
    SheetTest::init();
    press(main->cmdcalhr);
    hra = forms->hraSheet();
    QVERIFY(QTest::qWaitForWindowActive(hra));
}

void tst_form2::exemption_data()
{
    // Basic pay, grade pay, DA, HRA drawn and rent typed; the total salary and the exemption.
    testsupport::table({ "figures", "computed" }, R"(
        rent excess            | 300000 50000 350000 180000 240000 | 700000 170000
        HRA drawn              | 300000 50000 350000 180000 300000 | 700000 180000
        excess equal to HRA    | 300000 50000 350000 180000 250000 | 700000 180000
        rent below a tenth     | 300000 50000 350000 180000 50000  | 700000 0
        no HRA drawn           | 300000 50000 350000 0 240000      | 700000 0
        tenth 30000.5 to 30000 | 300005 0 0 100000 100000          | 300005 70000
        tenth 30001.5 to 30002 | 300015 0 0 100000 100000          | 300015 69998
    )");
}

void tst_form2::exemption()
{
    QFETCH(QString, figures);
    QFETCH(QString, computed);
    fill(figures);
    QTest::keyClick(hra->txtRP, Qt::Key_Return);
    QCOMPARE(texts({ hra->txtns, hra->txthrx }).join(' '), computed);
    QVERIFY(hra->cmdback->isEnabled());
}

void tst_form2::refusedText_data()
{
    testsupport::table({ "figures", "box", "caption", "text" }, R"(
        rent       | 1000 0 0 500 12a | txtRP | Rent Paid (Annual) | 12a
        lone point | 1000 0 . 500 0   | txtda | Dearness Allow.    | .
    )");
}

void tst_form2::refusedText()
{
    QFETCH(QString, figures);
    QFETCH(QString, box);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    fill(figures);
    press(hra->cmdcal);
    QCOMPARE(takeMessages(), QStringList(QString("The box \"%1\" holds \"%2\", which is not a number. "
                                                 "Please correct it and calculate again.").arg(caption, text)));
    QVERIFY(hra->findChild<QLineEdit *>(box)->hasFocus());
    QVERIFY(!hra->cmdback->isEnabled());
}

QTEST_MAIN(tst_form2)
#include "tst_form2.moc"
