// How a run starts, the salary sheet it discards when its window is closed, and the home
// page. (How a run ends: tst_returns, the question about a changed return.)
#include "app/frmsplash.h"
#include "support/testsupport.h"

#include <QPointer>

using testsupport::press;
using testsupport::type;

class tst_app : public testsupport::SheetTest
{
    Q_OBJECT
private slots:
    void splashGivesWayToTheMainSheet_data();
    void splashGivesWayToTheMainSheet();
    void closingTheSalarySheetDiscardsIt();
    void homePageLink();
};

void tst_app::splashGivesWayToTheMainSheet_data()
{
    testsupport::table(R"(
        its three seconds | time
        a key             | key
        a click           | click
    )");
}

void tst_app::splashGivesWayToTheMainSheet()
{
    const auto [by] = testsupport::cells<1>();
    App fresh;
    QPointer<frmSplash> splash = new frmSplash(fresh);
    splash->show();
    QVERIFY(QTest::qWaitForWindowActive(splash) && !fresh.windows.made("frmmain"));
    if (by == "key")
        QTest::keyClick(splash, Qt::Key_A);
    if (by == "click")
        QTest::mouseClick(splash, Qt::LeftButton);
    // At once when skipped; the time only within its three seconds.
    QTRY_VERIFY_WITH_TIMEOUT(fresh.windows.made("frmmain") && fresh.windows.main()->isVisible(), by == "time" ? 5000 : 0);
    QTRY_VERIFY(splash.isNull());
    QTRY_VERIFY(fresh.windows.main()->txtname->hasFocus());
    QCOMPARE(fresh.windows.main()->txtname->text(), ""); // the key shows the sheet, it types nothing
}

void tst_app::closingTheSalarySheetDiscardsIt()
{
    press(main->cmdcalgs);
    type(sheet<SalarySheet>()->txtbp[0], "25000");
    sheet<SalarySheet>()->close();
    QTRY_VERIFY(!run->windows.made("Form1"));
    type(main->txtname, "R. K. Sharma");
    press(main->cmdcalgs);
    QCOMPARE(sheet<SalarySheet>()->txtbp[13]->text(), "0");
    QCOMPARE(sheet<SalarySheet>()->txtnam->text(), "R. K. Sharma");
}

void tst_app::homePageLink()
{
    for (const bool opens : { true, false }) {
        QUrl asked;
        run->urlOpener = [&](const QUrl &url) { return asked = url, opens; };
        QTest::mouseClick(main->Label7, Qt::LeftButton);
        QVERIFY(main->Label7->text().endsWith(asked.toString()));
        QCOMPARE(takeMessages(), opens ? QStringList() : QStringList("Unable to start Web browser !"));
    }
}

QTEST_MAIN(tst_app)
#include "tst_app.moc"
