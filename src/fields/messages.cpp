#include "fields/messages.h"

#include <QMessageBox>
#include <QWidget>

namespace fields {
namespace {

MessageHandler &currentHandler()
{
    static MessageHandler handler;
    return handler;
}

} // namespace

void showMessage(QWidget *parent, const QString &text)
{
    if (const MessageHandler &handler = currentHandler()) {
        handler(parent, text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf16(kApplicationTitle), text,
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.exec();
    // The keyboard goes back to the window the message came from: without a window manager
    // nothing else gives it back once the box is gone.
    if (parent && parent->isVisible())
        parent->window()->activateWindow();
}

MessageHandler setMessageHandler(MessageHandler handler)
{
    MessageHandler previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}

} // namespace fields
