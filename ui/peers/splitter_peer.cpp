#include "ui/peers/splitter_peer.h"

#include <QMouseEvent>
#include <algorithm>

namespace zyntra {
namespace {

constexpr int kMinimumSize = 40;

bool Overlap(int a1, int a2, int b1, int b2) {
    return a1 < b2 && b1 < a2;
}

} // namespace

SplitterPeer::SplitterPeer(Splitter& splitter, QWidget& widget, const PeerContext& context)
    : WidgetPeer(splitter, widget, context), splitter_(splitter) {}

bool SplitterPeer::Vertical() const {
    return splitter_.Height() > splitter_.Width();
}

void SplitterPeer::Mirror(const ControlChange& change) {
    if (Affects(change, ControlProperty::Bounds)) {
        Widget()->setCursor(Vertical() ? Qt::SplitHCursor : Qt::SplitVCursor);
    }
}

SplitterPeer::Neighbours SplitterPeer::FindNeighbours() const {
    Neighbours found;
    const Control* parent = splitter_.Parent();
    if (parent == nullptr) {
        return found;
    }
    const Bounds& s = splitter_.GetBounds();
    for (Control* sibling : parent->Children()) {
        if (sibling == &splitter_ || !sibling->Visible()) {
            continue;
        }
        const Bounds& b = sibling->GetBounds();
        if (Vertical() && Overlap(b.top, b.top + b.height, s.top, s.top + s.height)) {
            if (b.left + b.width == s.left) {
                found.before.push_back(sibling);
            } else if (b.left == s.left + s.width) {
                found.after.push_back(sibling);
            }
        } else if (!Vertical() && Overlap(b.left, b.left + b.width, s.left, s.left + s.width)) {
            if (b.top + b.height == s.top) {
                found.before.push_back(sibling);
            } else if (b.top == s.top + s.height) {
                found.after.push_back(sibling);
            }
        }
    }
    return found;
}

// Neither neighbour may shrink below the minimum.
int SplitterPeer::Limit(int delta, const Neighbours& neighbours) const {
    for (const Control* before : neighbours.before) {
        const int size = Vertical() ? before->Width() : before->Height();
        delta = std::max(delta, kMinimumSize - size);
    }
    for (const Control* after : neighbours.after) {
        const int size = Vertical() ? after->Width() : after->Height();
        delta = std::min(delta, size - kMinimumSize);
    }
    return delta;
}

void SplitterPeer::DragBy(int delta) {
    const Neighbours neighbours = FindNeighbours();
    delta = Limit(delta, neighbours);
    if (delta == 0) {
        return;
    }
    const bool vertical = Vertical();
    auto grow = [vertical](Control& control, int moveBy, int growBy) {
        Bounds b = control.GetBounds();
        (vertical ? b.left : b.top) += moveBy;
        (vertical ? b.width : b.height) += growBy;
        control.UserSetBounds(b);
    };
    User([&] {
        for (Control* before : neighbours.before) {
            grow(*before, 0, delta);
        }
        for (Control* after : neighbours.after) {
            grow(*after, delta, -delta);
        }
        grow(splitter_, delta, 0);
    });
}

bool SplitterPeer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Widget()) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (mouse->button() == Qt::LeftButton && splitter_.AcceptsUserInput()) {
                dragging_ = true;
                grabbedAt_ =
                    Vertical() ? mouse->position().toPoint().x() : mouse->position().toPoint().y();
                return true;
            }
            break;
        case QEvent::MouseMove:
            if (dragging_) {
                const int at =
                    Vertical() ? mouse->position().toPoint().x() : mouse->position().toPoint().y();
                DragBy(at - grabbedAt_);
                return true;
            }
            break;
        case QEvent::MouseButtonRelease:
            if (dragging_ && mouse->button() == Qt::LeftButton) {
                dragging_ = false;
                User([this] { splitter_.UserMoved(); });
                return true;
            }
            break;
        default:
            break;
        }
    }
    return WidgetPeer::eventFilter(watched, event);
}

} // namespace zyntra
