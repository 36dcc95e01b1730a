// The program's message box: the prompt, only an OK button, no icon, the application
// title as caption. Tests may put their own handler in place to answer it.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace fields {

// The message boxes' title as the users know it, last year's name kept on purpose.
inline constexpr char16_t kApplicationTitle[] = u"Morvel1314";

// Shows the message and returns once it has been answered.
void showMessage(QWidget *parent, const QString &text);

using MessageHandler = std::function<void(QWidget *parent, const QString &text)>;
// Replaces how messages are shown (an empty handler restores the message box); returns
// the previous handler.
MessageHandler setMessageHandler(MessageHandler handler);

} // namespace fields
