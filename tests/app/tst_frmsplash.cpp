// The splash that opens a run and gives way to the main sheet.
#include "app/forms.h"
#include "app/frmsplash.h"
#include "sheets/main/frmmain.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class tst_frmSplash : public QObject
{
    Q_OBJECT
private slots:
    void showsLabelsThenTheMainSheetOnce();
};

void tst_frmSplash::showsLabelsThenTheMainSheetOnce()
{
    Forms forms;
    forms.programEnder = [] {};
    QPointer<frmSplash> splash = new frmSplash(forms);
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    QCOMPARE(splash->lblProductName->text(), QString("Morvel"));
    QCOMPARE(splash->lblVersion->text(), QString("2014-15"));
    QVERIFY(!splash->lblCopyright->text().isEmpty());
    QVERIFY(!splash->lblCompany->text().isEmpty());
    QVERIFY(!splash->Picture1->pixmap().isNull()); // the icon, drawn from its SVG
    QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(splash->Timer1->interval(), 3000);
    QVERIFY(splash->Timer1->isActive());
    QVERIFY(!forms.hasMainSheet());

    // Only the splash at first; the main sheet after three seconds, and the splash gone.
    QTest::qWait(2500);
    QVERIFY(splash);
    QVERIFY(!forms.hasMainSheet());
    QTRY_VERIFY_WITH_TIMEOUT(!splash, 3000);
    frmmain *main = forms.mainSheet();
    QVERIFY(main->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(main));
    QVERIFY(main->txtname->hasFocus());
    const QWidgetList before = QApplication::topLevelWidgets();
    QTest::qWait(3500); // the timer fired once: nothing new appears
    QCOMPARE(QApplication::topLevelWidgets().size(), before.size());
}

QTEST_MAIN(tst_frmSplash)
#include "tst_frmsplash.moc"
