// The splash window that opens a run and gives way to the main sheet after three seconds.
#pragma once

#include <QDialog>

class App;
class QFrame;
class QLabel;
class QTimer;

class frmSplash : public QDialog
{
    Q_OBJECT
public:
    explicit frmSplash(App &app, QWidget *parent = nullptr);

    static constexpr int kDisplayMilliseconds = 3000;

    QFrame *Frame1 = nullptr;
    QLabel *Picture1 = nullptr;
    QLabel *lblProductName = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblCopyright = nullptr;
    QLabel *lblCompany = nullptr;
    QTimer *Timer1 = nullptr;

protected:
    // Any key or click on the splash shows the main sheet at once.
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();
    void Timer1_Timer();

    App &m_app;
};
