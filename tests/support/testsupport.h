// Helpers shared by the widget tests.
#pragma once

#include "fields/messages.h"

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace testsupport {

// Records every message the program shows instead of opening a box; restores on exit.
class MessageRecorder
{
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    QStringList messages;

private:
    fields::MessageHandler m_previous;
};

// Answers the next real modal message box with OK once it shows, and records what it
// showed: its text, its caption, its buttons and whether it had an icon.
struct AnsweredBox
{
    bool seen = false;
    QString text;
    QString caption;
    int buttonCount = 0;
    bool okOnly = false;
    bool hasIcon = true;
};
void answerNextMessageBox(AnsweredBox *record, int timeoutMs = 5000);

// Clears a line edit and types `text` into it through real key events.
void retype(QWidget *field, const QString &text);

} // namespace testsupport
