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
}

MessageHandler setMessageHandler(MessageHandler handler)
{
    MessageHandler previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}

} // namespace fields
