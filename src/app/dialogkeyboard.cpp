#include "app/dialogkeyboard.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QWindow>
#if MORVEL_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace {

#if MORVEL_HAVE_XCB
// The program's window that X calls `id`; nullptr for a window of another program. Windows
// without a native handle are skipped: asking for their id would create one.
QWindow *windowOf(xcb_window_t id)
{
    for (QWindow *window : QGuiApplication::allWindows())
        if (window->handle() && window->winId() == id)
            return window;
    return nullptr;
}

bool blocks(const QWindow *modal, Qt::WindowModality modality, const QWindow *window)
{
    if (!window || window == modal || modal->isAncestorOf(window)) // its own pop-ups and children
        return false;
    return modality == Qt::ApplicationModal || window->isAncestorOf(modal);
}

const xcb_key_press_event_t &keyOf(const QByteArray &bytes) // a release is alike
{
    return *reinterpret_cast<const xcb_key_press_event_t *>(bytes.constData());
}

xcb_connection_t *x11Connection()
{
    const auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}
#endif

} // namespace

void DialogKeyboard::install()
{
    static DialogKeyboard *instance = nullptr;
    if (instance || !qApp)
        return;
    instance = new DialogKeyboard;
    instance->setParent(qApp);
#if MORVEL_HAVE_XCB
    // Keys typed ahead are kept only where X delivers them (the xcb platform); elsewhere, as
    // on Wayland or offscreen, only the keyboard's return to the opener applies.
    if (qApp->nativeInterface<QNativeInterface::QX11Application>())
        qApp->installNativeEventFilter(instance);
#endif
    qApp->installEventFilter(instance);
    // Before the program waits for more events, every key handed on has been delivered or
    // dropped.
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, instance, [] { instance->m_handedOn.clear(); });
}

// X sends a key to the window that has the keyboard when it is typed. Typed while a dialog is
// opening, that is still the window under it, and Qt drops every key for a window that a
// dialog blocks: a fast typist's Enter would be lost. Such keys are kept until the dialog has
// the keyboard, then sent to it again in the order typed. That covers the keys X sends after
// the dialog opened (held here) and those Qt had already taken but not yet delivered when it
// opened (handed on, and taken back when the dialog shows).
bool DialogKeyboard::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
#if !MORVEL_HAVE_XCB
    Q_UNUSED(eventType);
    Q_UNUSED(message);
    return false;
#else
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    const uint8_t type = event->response_type & 0x7f;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return false;
    const QByteArray bytes(static_cast<const char *>(message), sizeof(xcb_key_press_event_t));
    if (m_opening && QGuiApplication::modalWindow() == m_opening
        && blocks(m_opening, m_opening->modality(), windowOf(keyOf(bytes).event))) {
        m_typedAhead << bytes;
        return true;
    }
    m_handedOn << bytes;
    return false;
#endif
}

void DialogKeyboard::opening(QWindow *dialog, Qt::WindowModality modality)
{
#if MORVEL_HAVE_XCB
    m_opening = dialog;
    m_typedAhead.clear();
    for (const QByteArray &bytes : std::exchange(m_handedOn, {}))
        if (blocks(dialog, modality, windowOf(keyOf(bytes).event)))
            m_typedAhead << bytes;
#else
    Q_UNUSED(dialog);
    Q_UNUSED(modality);
#endif
}

void DialogKeyboard::replay()
{
#if MORVEL_HAVE_XCB
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
#endif
    m_typedAhead.clear();
    m_opening = nullptr;
}

bool DialogKeyboard::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
#if MORVEL_HAVE_XCB
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease || type == QEvent::ShortcutOverride)
        && event->spontaneous() && !m_handedOn.isEmpty()) {
        // Delivered (a shortcut is delivered as its override): no longer Qt's to drop.
        const auto *key = static_cast<const QKeyEvent *>(event);
        const uint8_t kind = type == QEvent::KeyRelease ? XCB_KEY_RELEASE : XCB_KEY_PRESS;
        for (qsizetype i = 0; i < m_handedOn.size(); ++i) {
            const xcb_key_press_event_t &handed = keyOf(m_handedOn[i]);
            if ((handed.response_type & 0x7f) == kind && handed.time == key->timestamp()
                && handed.detail == key->nativeScanCode()) {
                m_handedOn.remove(i);
                break;
            }
        }
    }
#endif
    const auto *dialog = qobject_cast<const QDialog *>(watched);
    if (!dialog || !dialog->isWindow() || !dialog->isModal())
        return QObject::eventFilter(watched, event);
    switch (type) {
    case QEvent::Show: // sent before the window shows, and before Qt counts it as modal
        opening(dialog->windowHandle(), dialog->windowModality());
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
