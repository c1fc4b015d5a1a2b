#pragma once

#include <QObject>
#include <QSize>
#include <vector>

class QWidget;

namespace zyntra {

class Control;

// Keeps controls in place when the widget that holds them changes size (a small screen makes
// the window smaller than the layout): a control anchored "bottom" keeps its distance to the
// bottom edge, "width" and "height" stretch with the holder, "fill" stretches both ways. The
// anchors come from the layout's dynamic property "anchors", words separated by blanks.
// The controls are given their new bounds, so the core always knows where they are.
class AnchorFollower : public QObject {
public:
    struct Anchored {
        Control* control = nullptr;
        bool bottom = false;
        bool width = false;
        bool height = false;
    };

    AnchorFollower(QWidget& holder, std::vector<Anchored> anchored);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Follow(const QSize& size);

    QWidget& holder_;
    std::vector<Anchored> anchored_;
    QSize last_;
};

// The anchors of one widget from its "anchors" property; false when it has none.
bool ReadAnchors(const QWidget& widget, AnchorFollower::Anchored& anchors);

} // namespace zyntra
