#include "app/dialogkeyboard.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QWindow>
#include <xcb/xcb.h>

namespace {

// The program's window that X calls `id`; nullptr for a window of another program. Windows
// without a native handle are skipped: asking for their id would create one.
QWindow *windowOf(xcb_window_t id)
{
    for (QWindow *window : QGuiApplication::allWindows())
        if (window->handle() && window->winId() == id)
            return window;
    return nullptr;
}

bool blocks(const QWindow *modal, const QWindow *window)
{
    if (window == modal || modal->isAncestorOf(window)) // its own pop-ups and children
        return false;
    return modal->modality() == Qt::ApplicationModal || window->isAncestorOf(modal);
}

xcb_connection_t *x11Connection()
{
    const auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

} // namespace

void DialogKeyboard::install()
{
    static DialogKeyboard *instance = nullptr;
    if (instance || !qApp)
        return;
    instance = new DialogKeyboard;
    instance->setParent(qApp);
    qApp->installNativeEventFilter(instance);
    qApp->installEventFilter(instance);
}

bool DialogKeyboard::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    // X sends a key to the window that has the keyboard when it is typed. Typed while a
    // dialog is opening, that is still the window under it, and Qt drops every key sent to a
    // window that a dialog blocks: a fast typist's Enter would be lost. Such keys are kept
    // until the dialog has the keyboard, then sent to it in the order typed.
    if (eventType != "xcb_generic_event_t" || !m_opening)
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    const uint8_t type = event->response_type & 0x7f;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return false;
    const auto *key = static_cast<const xcb_key_press_event_t *>(message); // a release is alike
    const QWindow *window = windowOf(key->event);
    if (!window || QGuiApplication::modalWindow() != m_opening || !blocks(m_opening, window))
        return false;
    m_typedAhead << QByteArray(static_cast<const char *>(message), sizeof(xcb_key_press_event_t));
    return true;
}

void DialogKeyboard::replay()
{
    xcb_connection_t *connection = x11Connection();
    if (connection && m_opening && m_opening->handle()) {
        const auto dialog = xcb_window_t(m_opening->winId());
        for (QByteArray &bytes : m_typedAhead) {
            auto *key = reinterpret_cast<xcb_key_press_event_t *>(bytes.data());
            key->event = dialog;
            key->child = XCB_WINDOW_NONE;
            // No event mask: X hands the key to the program that made the window, this one.
            xcb_send_event(connection, false, dialog, XCB_EVENT_MASK_NO_EVENT, bytes.constData());
        }
        xcb_flush(connection);
    }
    m_typedAhead.clear();
    m_opening = nullptr;
}

bool DialogKeyboard::eventFilter(QObject *watched, QEvent *event)
{
    const auto *dialog = qobject_cast<const QDialog *>(watched);
    if (!dialog || !dialog->isWindow() || !dialog->isModal())
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Show:
        m_typedAhead.clear();
        m_opening = dialog->windowHandle();
        break;
    case QEvent::WindowActivate:
        if (m_opening == dialog->windowHandle())
            replay();
        break;
    case QEvent::Hide:
        if (m_opening == dialog->windowHandle()) { // closed before it had the keyboard
            m_typedAhead.clear();
            m_opening = nullptr;
        }
        if (QWidget *opener = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
            opener && opener->isVisible())
            opener->activateWindow();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
