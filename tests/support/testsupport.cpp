#include "support/testsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

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

void answerNextMessageBox(AnsweredBox *record, int timeoutMs)
{
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [record, clock, timeoutMs, poll] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            if (clock->elapsed() < timeoutMs)
                QTimer::singleShot(10, *poll);
            return;
        }
        record->seen = true;
        record->text = box->text();
        record->caption = box->windowTitle();
        record->buttonCount = int(box->buttons().size());
        record->okOnly = box->standardButtons() == QMessageBox::Ok;
        record->hasIcon = box->icon() != QMessageBox::NoIcon;
        box->button(QMessageBox::Ok)->click();
    };
    QTimer::singleShot(0, *poll);
}

void retype(QWidget *field, const QString &text)
{
    field->setFocus();
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->selectAll();
    QTest::keyClicks(field, text);
}

} // namespace testsupport
