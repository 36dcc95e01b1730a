#include "support/testsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace testsupport {

MessageRecorder::MessageRecorder()
{
    m_previous = fields::setMessageHandler(
        [this](QWidget *, const QString &text) { messages.append(text); });
}

MessageRecorder::~MessageRecorder()
{
    fields::setMessageHandler(std::move(m_previous));
}

namespace {

// Polls for the modal box on a timer; deletes itself once it answered or gave up.
class BoxAnswerer : public QObject
{
public:
    // Owned by the application, so that one still waiting when a test ends goes with it.
    BoxAnswerer(AnsweredBox *record, int timeoutMs)
        : QObject(QCoreApplication::instance())
        , m_record(record)
        , m_timeoutMs(timeoutMs)
    {
        m_clock.start();
        QTimer::singleShot(0, this, &BoxAnswerer::poll);
    }

private:
    void poll()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            if (m_clock.elapsed() < m_timeoutMs)
                QTimer::singleShot(10, this, &BoxAnswerer::poll);
            else
                deleteLater();
            return;
        }
        m_record->seen = true;
        m_record->text = box->text();
        m_record->caption = box->windowTitle();
        m_record->buttonCount = int(box->buttons().size());
        m_record->okOnly = box->standardButtons() == QMessageBox::Ok;
        m_record->hasIcon = box->icon() != QMessageBox::NoIcon;
        deleteLater();
        box->button(QMessageBox::Ok)->click();
    }

    AnsweredBox *m_record;
    int m_timeoutMs;
    QElapsedTimer m_clock;
};

} // namespace

void answerNextMessageBox(AnsweredBox *record, int timeoutMs)
{
    new BoxAnswerer(record, timeoutMs);
}

void retype(QWidget *field, const QString &text)
{
    field->setFocus();
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->selectAll();
    QTest::keyClicks(field, text);
}

} // namespace testsupport
