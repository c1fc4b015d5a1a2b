#include "ui/peers/widget_peer.h"

#include "ui/peers/user_action.h"
#include "ui/text_codec.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLayout>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace zyntra {
namespace {

struct MirrorScope {
    int& depth;
    explicit MirrorScope(int& d) : depth(d) { ++depth; }
    ~MirrorScope() { --depth; }
};

// The widget of the control's parent, which the control's coordinates are relative to.
QWidget* OriginWidget(const Control& control) {
    const Control* parent = control.Parent();
    if (parent == nullptr) {
        return nullptr;
    }
    const auto* peer = dynamic_cast<const WidgetPeer*>(parent->Peer());
    return peer != nullptr ? peer->Widget() : nullptr;
}

// Where the widget's own parent sits inside the origin widget (usually the same widget).
QPoint ParentOffset(const QWidget& widget, const QWidget* origin) {
    const QWidget* parent = widget.parentWidget();
    if (origin == nullptr || parent == nullptr || parent == origin ||
        !origin->isAncestorOf(parent)) {
        return {};
    }
    return parent->mapTo(origin, QPoint(0, 0));
}

WidgetPeer* PeerOf(const Control& control) {
    return dynamic_cast<WidgetPeer*>(control.Peer());
}

bool SameRow(const Bounds& a, const Bounds& b) {
    return a.top < b.top + b.height && b.top < a.top + a.height;
}

} // namespace

WidgetPeer::WidgetPeer(Control& control, QWidget& widget, const PeerContext& context)
    : control_(control), widget_(&widget), context_(context) {
    widget.installEventFilter(this);
}

WidgetPeer::~WidgetPeer() {
    if (widget_ != nullptr) {
        widget_->removeEventFilter(this);
    }
    for (const QPointer<QWidget>& companion : companions_) {
        if (companion != nullptr) {
            companion->removeEventFilter(this);
        }
    }
}

QList<QWidget*> WidgetPeer::Widgets() const {
    QList<QWidget*> widgets{widget_};
    for (const QPointer<QWidget>& companion : companions_) {
        if (companion != nullptr) {
            widgets.append(companion);
        }
    }
    return widgets;
}

void WidgetPeer::AddCompanion(QWidget& companion) {
    companions_.append(&companion);
    companion.installEventFilter(this);
}

void WidgetPeer::ControlChanged(Control&, const ControlChange& change) {
    if (widget_ == nullptr) {
        return;
    }
    MirrorScope scope(mirrorDepth_);
    if (change.property == ControlProperty::All) {
        for (ControlProperty property : {ControlProperty::Enabled, ControlProperty::Visible,
                                         ControlProperty::Bounds, ControlProperty::Focus}) {
            MirrorCommon(property);
        }
    } else {
        MirrorCommon(change.property);
    }
    Mirror(change);
    if (context_.textsChanged &&
        (Affects(change, ControlProperty::Caption) || Affects(change, ControlProperty::Hint) ||
         Affects(change, ControlProperty::Columns))) {
        context_.textsChanged(control_);
    }
}

void WidgetPeer::MirrorCommon(ControlProperty property) {
    switch (property) {
    case ControlProperty::Enabled:
        widget_->setEnabled(control_.Enabled());
        break;
    case ControlProperty::Visible:
        if (MirrorsVisibility()) {
            widget_->setHidden(!control_.Visible());
        }
        break;
    case ControlProperty::Bounds:
        Refit();
        break;
    case ControlProperty::Focus:
        ApplyFocus();
        break;
    default:
        break;
    }
}

bool WidgetPeer::PlacedByControl() const {
    const QWidget* parent = widget_->parentWidget();
    return parent == nullptr || parent->layout() == nullptr ||
           parent->layout()->indexOf(widget_) < 0;
}

void WidgetPeer::ApplyBounds() {
    if (!PlacedByControl()) {
        return;
    }
    const Bounds& b = control_.GetBounds();
    const QPoint offset = ParentOffset(*widget_, OriginWidget(control_));
    QRect wanted(b.left - offset.x(), b.top - offset.y(), b.width < 0 ? 0 : b.width,
                 b.height < 0 ? 0 : b.height);
    // A control of no width is meant to be out of sight.
    if (wanted.width() > 0) {
        wanted.setWidth(std::max(wanted.width(), FittingWidth()));
    }
    wanted.translate(RowShift(wanted), 0);
    widget_->setGeometry(wanted);
}

// How far the row's earlier pushing widgets, widened for their texts, push this one.
int WidgetPeer::RowShift(const QRect& wanted) const {
    const Control* parent = control_.Parent();
    if (!PushesRow() || parent == nullptr) {
        return 0;
    }
    const Bounds& own = control_.GetBounds();
    const WidgetPeer* before = nullptr;
    for (const Control* sibling : parent->Children()) {
        const WidgetPeer* peer = PeerOf(*sibling);
        const Bounds& at = sibling->GetBounds();
        if (sibling == &control_ || peer == nullptr || !peer->PushesRow() || !sibling->Visible() ||
            peer->Widget() == nullptr ||
            peer->Widget()->parentWidget() != widget_->parentWidget() || at.left >= own.left ||
            !SameRow(at, own)) {
            continue;
        }
        if (before == nullptr || at.left > before->GetControl().Left()) {
            before = peer;
        }
    }
    if (before == nullptr) {
        return 0;
    }
    return std::max(0, before->Widget()->geometry().right() + 1 - wanted.left());
}

void WidgetPeer::Refit() {
    if (widget_ == nullptr) {
        return;
    }
    if (PushesRow()) {
        PlaceRow();
    } else {
        ApplyBounds();
    }
}

// Places the pushing widgets of the row from left to right, each after the one before.
void WidgetPeer::PlaceRow() {
    const Control* parent = control_.Parent();
    if (parent == nullptr) {
        ApplyBounds();
        return;
    }
    std::vector<const Control*> row;
    for (const Control* sibling : parent->Children()) {
        const WidgetPeer* peer = PeerOf(*sibling);
        if (peer != nullptr && peer->PushesRow() &&
            SameRow(sibling->GetBounds(), control_.GetBounds())) {
            row.push_back(sibling);
        }
    }
    std::stable_sort(row.begin(), row.end(),
                     [](const Control* a, const Control* b) { return a->Left() < b->Left(); });
    for (const Control* member : row) {
        WidgetPeer* peer = PeerOf(*member);
        if (peer->widget_ != nullptr) {
            peer->ApplyBounds();
        }
    }
}

void WidgetPeer::ApplyFocus() {
    QWidget* target = FocusWidget();
    if (control_.Focused()) {
        if (!target->hasFocus()) {
            target->setFocus(Qt::OtherFocusReason);
        }
    } else if (target->hasFocus()) {
        target->clearFocus();
    }
}

void WidgetPeer::ReportBounds() {
    if (widget_ == nullptr) {
        return;
    }
    if (Mirroring()) {
        // Reports made while the core is telling a peer something are dropped by the kit:
        // report once the core is done.
        if (!reportQueued_) {
            reportQueued_ = true;
            QTimer::singleShot(0, this, [this] {
                reportQueued_ = false;
                ReportBounds();
            });
        }
        return;
    }
    const QPoint offset = ParentOffset(*widget_, OriginWidget(control_));
    const QRect geometry = widget_->geometry().translated(offset);
    const Bounds bounds{geometry.x(), geometry.y(), geometry.width(), geometry.height()};
    if (!(bounds == control_.GetBounds())) {
        RunUserAction([&] { control_.UserSetBounds(bounds); });
    }
}

void WidgetPeer::AsMirror(const std::function<void()>& write) {
    MirrorScope scope(mirrorDepth_);
    write();
}

void WidgetPeer::User(const std::function<void()>& action) {
    if (!Mirroring()) {
        RunUserAction(action);
    }
}

QString WidgetPeer::ToQt(std::string_view bytes) const {
    return context_.codec.ToQString(bytes);
}

std::string WidgetPeer::FromQt(const QString& text) const {
    return context_.codec.FromQString(text);
}

void WidgetPeer::FocusGained() {}

bool WidgetPeer::eventFilter(QObject* watched, QEvent* event) {
    const bool own = watched == widget_;
    if (!own && !companions_.contains(qobject_cast<QWidget*>(watched))) {
        return false;
    }
    switch (event->type()) {
    case QEvent::FocusIn:
        User([&] { control_.UserFocusChanged(true); });
        FocusGained();
        break;
    case QEvent::FocusOut: {
        // A menu, a drop-down or another window taking the keyboard leaves the focus here.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            User([&] { control_.UserFocusChanged(false); });
        }
        break;
    }
    case QEvent::Move:
    case QEvent::Resize:
        if (own && !PlacedByControl()) {
            ReportBounds();
        }
        break;
    default:
        break;
    }
    return false;
}

} // namespace zyntra
