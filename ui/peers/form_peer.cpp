#include "ui/peers/form_peer.h"

#include "ui/peers/user_action.h"

#include <QEvent>
#include <QMainWindow>
#include <QWindowStateChangeEvent>

namespace zyntra {
namespace {

WindowState KitState(Qt::WindowStates states) {
    if (states & Qt::WindowMinimized) {
        return WindowState::Minimized;
    }
    if (states & Qt::WindowMaximized) {
        return WindowState::Maximized;
    }
    return WindowState::Normal;
}

Qt::WindowStates QtState(WindowState state) {
    switch (state) {
    case WindowState::Minimized:
        return Qt::WindowMinimized;
    case WindowState::Maximized:
        return Qt::WindowMaximized;
    case WindowState::Normal:
        break;
    }
    return Qt::WindowNoState;
}

} // namespace

FormPeer::FormPeer(Form& form, QMainWindow& widget, const PeerContext& context)
    : WidgetPeer(form, widget, context), form_(form), window_(widget) {}

QSize FormPeer::FrameExtra() const {
    if (!window_.isVisible()) {
        return {};
    }
    const QSize extra = window_.frameGeometry().size() - window_.geometry().size();
    return {extra.width() > 0 ? extra.width() : 0, extra.height() > 0 ? extra.height() : 0};
}

void FormPeer::Mirror(const ControlChange& change) {
    if (Affects(change, ControlProperty::Caption)) {
        window_.setWindowTitle(ToQt(form_.Caption()));
    }
    if (Affects(change, ControlProperty::Border)) {
        MirrorBorder();
    }
    if (Affects(change, ControlProperty::Bounds)) {
        MirrorBounds();
    }
    if (Affects(change, ControlProperty::WindowState)) {
        MirrorState();
    }
}

void FormPeer::MirrorBorder() {
    const BorderIcons& icons = form_.Icons();
    Qt::WindowFlags flags =
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (form_.Border() == BorderStyle::None) {
        flags = Qt::Window | Qt::FramelessWindowHint;
    } else {
        if (icons.systemMenu) {
            flags |= Qt::WindowSystemMenuHint;
        }
        if (icons.minimize) {
            flags |= Qt::WindowMinimizeButtonHint;
        }
        if (icons.maximize && form_.Border() == BorderStyle::Sizeable) {
            flags |= Qt::WindowMaximizeButtonHint;
        }
    }
    if (window_.windowFlags() != flags) {
        const bool shown = window_.isVisible();
        window_.setWindowFlags(flags);
        if (shown) {
            window_.show(); // changing the flags hides a window
        }
    }
}

// The form's bounds include the frame; the widget's size is its client area.
void FormPeer::MirrorBounds() {
    const QSize extra = FrameExtra();
    form_.SetFrameSize(extra.width(), extra.height());
    const QSize client(form_.ClientWidth(), form_.ClientHeight());
    if (form_.Border() == BorderStyle::Sizeable) {
        window_.setMinimumSize(0, 0);
        window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        window_.resize(client);
    } else {
        window_.setFixedSize(client);
    }
    window_.move(form_.Left(), form_.Top());
}

void FormPeer::MirrorState() {
    const Qt::WindowStates wanted = QtState(form_.State());
    if ((window_.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) != wanted) {
        window_.setWindowState(wanted);
    }
}

void FormPeer::ReportPlacement() {
    if (Mirroring()) {
        return;
    }
    const QSize extra = FrameExtra();
    form_.SetFrameSize(extra.width(), extra.height());
    const QRect frame = window_.frameGeometry();
    const Bounds bounds{frame.x(), frame.y(), window_.width() + extra.width(),
                        window_.height() + extra.height()};
    if (!(bounds == form_.GetBounds())) {
        RunUserAction([&] { form_.UserSetBounds(bounds); });
    }
}

bool FormPeer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
            if (window_.isVisible()) {
                ReportPlacement();
            }
            return false;
        case QEvent::Show:
            // Now the window system's frame is known: the client area becomes the form's
            // bounds less it.
            if (!Mirroring()) {
                AsMirror([this] { MirrorBounds(); });
            }
            return false;
        case QEvent::WindowStateChange:
            if (!Mirroring()) {
                const WindowState state = KitState(window_.windowState());
                RunUserAction([&] { form_.UserSetState(state); });
            }
            return false;
        default:
            break;
        }
    }
    return WidgetPeer::eventFilter(watched, event);
}

} // namespace zyntra
