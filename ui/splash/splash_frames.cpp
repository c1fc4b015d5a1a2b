#include "ui/splash/splash_frames.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <cmath>
#include <numbers>

namespace zyntra {
namespace {

void DrawBackground(QPainter& painter, const QRect& area) {
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, QColor(0x1d, 0x3f, 0x72));
    gradient.setColorAt(1, QColor(0x0b, 0x1a, 0x33));
    painter.fillRect(area, gradient);
    painter.setPen(QPen(QColor(0x6f, 0x9c, 0xd8), 2));
    painter.drawRect(area.adjusted(1, 1, -2, -2));
}

void DrawTitles(QPainter& painter, const QRect& area) {
    QFont title("DejaVu Sans", 40, QFont::Bold);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 40, area.width(), 70), Qt::AlignCenter, "Zyntra");

    QFont model("DejaVu Sans", 18);
    painter.setFont(model);
    painter.setPen(QColor(0xbf, 0xd6, 0xf6));
    painter.drawText(QRect(0, 110, area.width(), 36), Qt::AlignCenter, "QX740");
}

// Twelve dots on a circle; the brightest one moves on one place per frame.
void DrawSpinner(QPainter& painter, const QPointF& centre, int index, int count) {
    constexpr int kDots = 12;
    constexpr double kRadius = 34;
    const double lead = static_cast<double>(index) * kDots / count;
    for (int dot = 0; dot < kDots; ++dot) {
        const double angle = 2 * std::numbers::pi * dot / kDots - std::numbers::pi / 2;
        const double behind = std::fmod(lead - dot + kDots, kDots);
        const int alpha = static_cast<int>(255 - behind * 18);
        painter.setBrush(QColor(0xff, 0xc8, 0x4a, alpha < 40 ? 40 : alpha));
        painter.setPen(Qt::NoPen);
        const QPointF at(centre.x() + kRadius * std::cos(angle),
                         centre.y() + kRadius * std::sin(angle));
        painter.drawEllipse(at, 5.0, 5.0);
    }
}

} // namespace

QImage DrawSplashFrame(int index, int count) {
    QImage frame(kSplashWidth, kSplashHeight, QImage::Format_RGB32);
    const QRect area = frame.rect();
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawBackground(painter, area);
    DrawTitles(painter, area);
    DrawSpinner(painter, QPointF(area.width() / 2.0, 208), index, count > 0 ? count : 1);
    return frame;
}

} // namespace zyntra
