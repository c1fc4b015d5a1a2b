#pragma once

#include "ui/splash/avi_clip.h"

#include <QTimer>
#include <QWidget>

namespace zyntra {

// The start-up splash: a borderless 470 x 275 window, centred on the screen, that plays the
// clip over and over for as long as it exists. A clip that cannot be read or decoded leaves it
// showing a still picture; nothing is reported.
class TAboutBox : public QWidget {
    Q_OBJECT

public:
    explicit TAboutBox(const QString& clipPath, QWidget* parent = nullptr);

    int FrameCount() const { return static_cast<int>(clip_.frames.size()); }
    int CurrentFrame() const { return current_; }
    bool Playing() const { return timer_.isActive(); }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void NextFrame();
    void CentreOnScreen();

    AviClip clip_;
    QTimer timer_;
    QImage picture_;
    int current_ = -1;
};

} // namespace zyntra
