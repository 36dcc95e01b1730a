#include "app/frmsplash.h"

#include "app/branding.h"
#include "app/app.h"
#include "sheets/main/mainsheet.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

frmSplash::frmSplash(App &app, QWidget *parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_app(app)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    QPalette pink = palette();
    pink.setColor(QPalette::Window, QColor(255, 228, 236));
    setPalette(pink);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);

    Picture1 = new QLabel(Frame1);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(branding::icon().pixmap(96, 96));

    lblProductName = new QLabel(QStringLiteral("Morvel"), Frame1);
    lblProductName->setObjectName(QStringLiteral("lblProductName"));
    QFont large = lblProductName->font();
    large.setPointSizeF(large.pointSizeF() * 2.5);
    large.setItalic(true);
    large.setBold(true);
    lblProductName->setFont(large);

    // The form's own text, kept on purpose: Form_Load writes the year as the users see it.
    lblVersion = new QLabel(QStringLiteral("2013 - 14"), Frame1);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblCopyright = new QLabel(branding::authorCredit(), Frame1);
    lblCopyright->setObjectName(QStringLiteral("lblCopyright"));
    lblCompany = new QLabel(branding::department(), Frame1);
    lblCompany->setObjectName(QStringLiteral("lblCompany"));

    auto *texts = new QVBoxLayout;
    texts->addWidget(lblProductName);
    texts->addWidget(lblVersion);
    texts->addSpacing(12);
    texts->addWidget(lblCopyright);
    texts->addWidget(lblCompany);
    auto *inner = new QHBoxLayout(Frame1);
    inner->addWidget(Picture1, 0, Qt::AlignTop);
    inner->addLayout(texts);
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(Frame1);
    setFixedSize(sizeHint().expandedTo(QSize(420, 200)));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kDisplayMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);

    Form_Load();
    Timer1->start();
}

void frmSplash::Form_Load()
{
    lblVersion->setText(QStringLiteral("2014-15"));
    lblProductName->setText(QStringLiteral("Morvel"));
}

void frmSplash::keyPressEvent(QKeyEvent *)
{
    Timer1_Timer();
}

void frmSplash::mousePressEvent(QMouseEvent *)
{
    Timer1_Timer();
}

void frmSplash::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    activateWindow(); // so that a key can reach it
}

void frmSplash::Timer1_Timer()
{
    if (!Timer1->isActive())
        return; // already gone on: a second key or click must not show the main sheet again
    Windows::present(m_app.windows.main());
    Timer1->stop();
    close(); // deletes the splash: it is not used again
}
