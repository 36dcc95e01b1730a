#include "app/altkeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

AltKeys::AltKeys(std::function<bool(const QWidget *window)> isSheet)
    : m_isSheet(std::move(isSheet))
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool AltKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<const QKeyEvent *>(event);
        const auto *widget = qobject_cast<const QWidget *>(watched);
        const int code = key->key();
        if ((key->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) == Qt::AltModifier
            && code != Qt::Key_Down && code != Qt::Key_Alt && code != Qt::Key_Shift
            && code != Qt::Key_Control && code != Qt::Key_Meta && widget && m_isSheet(widget->window()))
            return true;
    }
    return QObject::eventFilter(watched, event);
}
