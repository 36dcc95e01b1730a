// A key pressed with Alt reaches a box only when no enabled access key took it, and the box
// would type its letter (Alt+P while Print is off): on a sheet it changes nothing. Alt+Down
// still opens a list; AltGr, and Ctrl+Alt where it stands for AltGr, still type.
#pragma once

#include <QObject>
#include <functional>

class QWidget;

class AltKeys : public QObject
{
    Q_OBJECT
public:
    // Filters the whole application's keys for the windows `isSheet` names, while it lives.
    explicit AltKeys(std::function<bool(const QWidget *window)> isSheet);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<bool(const QWidget *)> m_isSheet;
};
