// The program's message box, and the two ways the tests answer it.
#include "fields/messages.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

class tst_Messages : public QObject
{
    Q_OBJECT
private slots:
    void realBoxHasOkOnlyNoIconAndTheTitle();
    void answererAnswersOneBoxOnly();
    void answererGivesUp();
    void recorderTakesMessagesAndRestoresTheBox();
    void answererStillWaitingGoesWithTheApplication();
};

void tst_Messages::realBoxHasOkOnlyNoIconAndTheTitle()
{
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    testsupport::AnsweredBox answered;
    testsupport::answerNextMessageBox(&answered);
    fields::showMessage(&window, QStringLiteral("The ceiling is 15000."));

    QVERIFY(answered.seen);
    QCOMPARE(answered.text, QStringLiteral("The ceiling is 15000."));
    QCOMPARE(answered.caption, QStringLiteral("Morvel1314"));
    QCOMPARE(answered.buttonCount, 1);
    QVERIFY(answered.okOnly);
    QVERIFY(!answered.hasIcon);
}

void tst_Messages::answererAnswersOneBoxOnly()
{
    testsupport::AnsweredBox first;
    testsupport::answerNextMessageBox(&first);
    fields::showMessage(nullptr, QStringLiteral("first"));
    QVERIFY(first.seen);

    testsupport::AnsweredBox second;
    testsupport::answerNextMessageBox(&second);
    fields::showMessage(nullptr, QStringLiteral("second"));
    QCOMPARE(second.text, QStringLiteral("second"));
    QCOMPARE(first.text, QStringLiteral("first"));
}

void tst_Messages::answererGivesUp()
{
    testsupport::AnsweredBox late;
    testsupport::answerNextMessageBox(&late, 50);
    QTest::qWait(300);

    testsupport::AnsweredBox answered;
    testsupport::answerNextMessageBox(&answered);
    fields::showMessage(nullptr, QStringLiteral("after the first gave up"));
    QVERIFY(answered.seen);
    QVERIFY(!late.seen);
}

void tst_Messages::recorderTakesMessagesAndRestoresTheBox()
{
    {
        testsupport::MessageRecorder recorder;
        fields::showMessage(nullptr, QStringLiteral("one"));
        fields::showMessage(nullptr, QStringLiteral("two"));
        QCOMPARE(recorder.messages, QStringList({ "one", "two" }));
        QVERIFY(!QApplication::activeModalWidget());
    }
    // With the recorder gone the real box shows again.
    testsupport::AnsweredBox answered;
    testsupport::answerNextMessageBox(&answered);
    fields::showMessage(nullptr, QStringLiteral("three"));
    QVERIFY(answered.seen);
    QCOMPARE(answered.text, QStringLiteral("three"));
}

// A test that ends, or fails, before its box shows leaves the answerer waiting: it must go
// with the application then (the sanitizer build reports it as a leak otherwise).
void tst_Messages::answererStillWaitingGoesWithTheApplication()
{
    static testsupport::AnsweredBox neverShown;
    const qsizetype before = qApp->children().size();
    testsupport::answerNextMessageBox(&neverShown, 60000);
    QCOMPARE(qApp->children().size(), before + 1);
    QVERIFY(!neverShown.seen);
}

QTEST_MAIN(tst_Messages)
#include "tst_messages.moc"
