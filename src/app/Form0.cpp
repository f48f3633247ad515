#include "app/Form0.h"

#include "platform/Module1.h"
#include "platform/Twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <utility>

namespace {
const QString kSplashPicture = QStringLiteral(":/pictures/splash.bmp");
}

Form0::Form0(std::function<void()> showMainWindow, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      showMainWindow_(std::move(showMainWindow)), picture_(kSplashPicture)
{
    setObjectName(QStringLiteral("Form0"));
    setAttribute(Qt::WA_DeleteOnClose);
    setBackgroundRole(QPalette::Window);
    // The window is exactly the picture; whatever lies outside the shape is
    // never seen.
    setFixedSize(picture_.size());

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(QPixmap::fromImage(picture_));
    Picture1->setGeometry(QRect(QPoint(0, 0), picture_.size()));
    Picture1->hide();

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(kSplashMilliseconds);
    Timer2->setSingleShot(true);
    connect(Timer2, &QTimer::timeout, this, &Form0::Timer2_Timer);
}

void Form0::Form_Load()
{
    Module1::ShapeWindowToPicture(this, Picture1->pixmap().toImage());
    QPoint origin;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        origin = screen->geometry().topLeft();
    move(origin + QPoint(Twips::toWholePixels(kLeftTwips), Twips::toWholePixels(kTopTwips)));
    Timer2->start();
}

void Form0::Timer2_Timer()
{
    Timer2->stop();
    if (showMainWindow_) showMainWindow_();
    close();
}

void Form0::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

void Form0::mousePressEvent(QMouseEvent* event)
{
    Form_MouseDown(event);
}

void Form0::Form_MouseDown(QMouseEvent* event)
{
    // Any button drags the splash, as if its caption bar had been grabbed.
    if (QWindow* window = windowHandle(); window && window->startSystemMove()) return;
    movingByHand_ = true;
    grabOffset_ = event->globalPosition().toPoint() - pos();
}

void Form0::mouseMoveEvent(QMouseEvent* event)
{
    if (movingByHand_) move(event->globalPosition().toPoint() - grabOffset_);
}

void Form0::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->buttons() == Qt::NoButton) movingByHand_ = false;
}
