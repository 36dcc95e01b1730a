// The keyboard around the program's dialogs (message boxes, questions, file dialogs): keys
// typed while a dialog opens reach the dialog, and when a dialog closes, the window that
// opened it has the keyboard again. A window manager does the second on most desktops; bare X
// servers and kiosk sessions have none, and Qt alone would leave no window with the keyboard.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QByteArrayList>
#include <QObject>
#include <QPointer>

class QWindow;

class DialogKeyboard : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT
public:
    // Puts the one instance in place for the whole application; later calls do nothing.
    static void install();

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void opening(QWindow *dialog, Qt::WindowModality modality);
    void replay();

    QByteArrayList m_handedOn; // keys given to Qt and not yet seen delivered, as X sent them
    QPointer<QWindow> m_opening; // a dialog shown that has not had the keyboard yet
    QByteArrayList m_typedAhead; // keys for it, kept until it has the keyboard
};
