// The keyboard on every sheet: the walk of the Tab key.
#include "support/testsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QtTest>

class tst_keys : public testsupport::SheetTest
{
    Q_OBJECT
private slots:
    void tabWalk_data();
    void tabWalk();
};

void tst_keys::tabWalk_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("stops"); // from the first stop round to it again
    QTest::newRow("main") << "frmmain"
                          << "txtname cmdcalgs txtgs txttp cmdcalhr txthra txtos cmdcalhp "
                             "cmdcalded80 txtrel89 txtdedtax cmdcalc cmdexit txtname";
    QString salary = "txtnam cbonps cboclass1 cboclass3 chkinc";
    for (int i = 0; i < 14; ++i)
        salary += QStringLiteral(" txtbp(%1) txtgp(%1)").arg(i);
    for (int i = 0; i < 6; ++i)
        salary += QStringLiteral(" txtoth(%1)").arg(i);
    QTest::newRow("salary") << "Form1" << salary + " cmdcal txtnam";
    QTest::newRow("HRA") << "Form2" << "txtbp txtda txthra txtRP cmdcal txtnpa txtbp";
    QTest::newRow("house") << "Form4" << "optrent txtarv txtptax txtintt txtoth cmdtot optrent";
    QTest::newRow("deductions")
        << "frmreb88"
        << "txtgpf txtgis txthba txtlic txtppf txtnsc txtnsci txttf1 txttf2 txtinf txtos txt80ccc "
           "txt80ccdec txt80ccdgc txt80ccf txt80d txt80g txtoth cmdtot txtgpf";
}

void tst_keys::tabWalk()
{
    QFETCH(QString, sheet);
    QFETCH(QString, stops);
    QWidget *window = openSheet(sheet);
    QVERIFY(window);
    const QStringList expected = stops.split(' ');
    window->findChild<QWidget *>(expected.first())->setFocus();
    QStringList walked = { expected.first() };
    while (walked.size() < expected.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        if (auto *combo = qobject_cast<QComboBox *>(focus->parentWidget()))
            focus = combo;
        walked << focus->objectName();
    }
    QCOMPARE(walked.join(' '), stops);
}

QTEST_MAIN(tst_keys)
#include "tst_keys.moc"
