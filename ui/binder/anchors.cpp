#include "ui/binder/anchors.h"

#include "kit/control.h"

#include <QEvent>
#include <QStringList>
#include <QWidget>
#include <algorithm>

namespace zyntra {

bool ReadAnchors(const QWidget& widget, AnchorFollower::Anchored& anchors) {
    const QStringList words =
        widget.property("anchors").toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& word : words) {
        if (word == QLatin1String("bottom")) {
            anchors.bottom = true;
        } else if (word == QLatin1String("width")) {
            anchors.width = true;
        } else if (word == QLatin1String("height")) {
            anchors.height = true;
        } else if (word == QLatin1String("fill")) {
            anchors.width = anchors.height = true;
        }
    }
    return anchors.bottom || anchors.width || anchors.height;
}

AnchorFollower::AnchorFollower(QWidget& holder, std::vector<Anchored> anchored)
    : QObject(&holder), holder_(holder), anchored_(std::move(anchored)), last_(holder.size()) {
    holder.installEventFilter(this);
}

bool AnchorFollower::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &holder_ && event->type() == QEvent::Resize) {
        Follow(holder_.size());
    }
    return false;
}

void AnchorFollower::Follow(const QSize& size) {
    const int dw = size.width() - last_.width();
    const int dh = size.height() - last_.height();
    last_ = size;
    if (dw == 0 && dh == 0) {
        return;
    }
    for (const Anchored& anchored : anchored_) {
        Bounds bounds = anchored.control->GetBounds();
        if (anchored.bottom) {
            bounds.top += dh;
        }
        if (anchored.width) {
            bounds.width = std::max(0, bounds.width + dw);
        }
        if (anchored.height) {
            bounds.height = std::max(0, bounds.height + dh);
        }
        anchored.control->SetBounds(bounds);
    }
}

} // namespace zyntra
