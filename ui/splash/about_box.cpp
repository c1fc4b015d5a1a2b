#include "ui/splash/about_box.h"

#include "ui/splash/splash_frames.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace zyntra {

TAboutBox::TAboutBox(const QString& clipPath, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), clip_(ReadAviClipFile(clipPath)),
      picture_(DrawSplashFrame(0, 1)) {
    setObjectName("AboutBox");
    setFixedSize(kSplashWidth, kSplashHeight);
    timer_.setInterval(clip_.frameIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &TAboutBox::NextFrame);
    CentreOnScreen();
}

void TAboutBox::CentreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

void TAboutBox::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!clip_.frames.isEmpty()) {
        current_ = -1;
        NextFrame();
        timer_.start();
    }
}

void TAboutBox::hideEvent(QHideEvent* event) {
    timer_.stop();
    QWidget::hideEvent(event);
}

void TAboutBox::NextFrame() {
    if (clip_.frames.isEmpty()) {
        return;
    }
    current_ = (current_ + 1) % static_cast<int>(clip_.frames.size());
    const QImage frame = QImage::fromData(clip_.frames[current_]);
    if (!frame.isNull()) {
        picture_ = frame;
    }
    update();
}

void TAboutBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(rect(), picture_);
}

} // namespace zyntra
