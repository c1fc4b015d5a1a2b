#pragma once

#include "kit/static_controls.h"
#include "ui/peers/widget_peer.h"

#include <vector>

namespace zyntra {

// A bar dragged with the mouse between two neighbours. Taller than wide it moves sideways
// (the control ending at its left edge grows, the one starting at its right edge shrinks);
// otherwise it moves up and down. The neighbours get their new bounds as the user drags,
// and the control hears UserMoved when the button is let go.
class SplitterPeer : public WidgetPeer {
public:
    SplitterPeer(Splitter& splitter, QWidget& widget, const PeerContext& context);

protected:
    void Mirror(const ControlChange& change) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Neighbours {
        std::vector<Control*> before;
        std::vector<Control*> after;
    };
    bool Vertical() const;
    Neighbours FindNeighbours() const;
    void DragBy(int delta);
    int Limit(int delta, const Neighbours& neighbours) const;

    Splitter& splitter_;
    bool dragging_ = false;
    int grabbedAt_ = 0;
};

} // namespace zyntra
