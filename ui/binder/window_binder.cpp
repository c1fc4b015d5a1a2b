#include "ui/binder/window_binder.h"

#include "kit/controls.h"
#include "ui/binder/anchors.h"
#include "ui/binder/peer_factory.h"
#include "ui/peers/button_peers.h"
#include "ui/peers/list_view_peer.h"
#include "ui/peers/menu_peers.h"
#include "ui/peers/tree_view_peer.h"
#include "ui/peers/widget_peer.h"
#include "ui/text_codec.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QTabWidget>
#include <QWidget>

namespace zyntra {
namespace {

ImageList ImageListOf(const QWidget& widget) {
    for (const QWidget* at = &widget; at != nullptr; at = at->parentWidget()) {
        const QString name = at->property("imageList").toString();
        if (name == QLatin1String("categories")) {
            return ImageList::Categories;
        }
        if (name == QLatin1String("computerTools")) {
            return ImageList::ComputerTools;
        }
        if (name == QLatin1String("deviceTools")) {
            return ImageList::DeviceTools;
        }
        if (!name.isEmpty()) {
            break;
        }
    }
    return ImageList::EditorTools;
}

// The text the layout gave the widget, the control's caption before any is set.
QString LayoutCaption(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        return button->text();
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) {
        return box->title();
    }
    const QWidget* stack = widget.parentWidget();
    if (const auto* tabs =
            stack != nullptr ? qobject_cast<const QTabWidget*>(stack->parentWidget()) : nullptr) {
        const int index = tabs->indexOf(const_cast<QWidget*>(&widget));
        return index >= 0 ? tabs->tabText(index) : QString();
    }
    return {};
}

} // namespace

namespace {

// Shows every page of every page control once, nested ones included, so that each page has
// been laid out; the current pages stay as they were.
void VisitPages(QWidget& widget) {
    const QObjectList children = widget.children(); // turning pages may add children
    for (QObject* child : children) {
        auto* inner = qobject_cast<QWidget*>(child);
        if (inner == nullptr || inner->isWindow()) {
            continue;
        }
        auto* tabs = qobject_cast<QTabWidget*>(inner);
        if (tabs == nullptr) {
            VisitPages(*inner);
            continue;
        }
        const int current = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            VisitPages(*tabs->widget(i));
        }
        tabs->setCurrentIndex(current);
    }
}

} // namespace

// A page control lays out only what it shows, so the window is shown once where no one sees
// it, with each page turned up in turn.
void LayOutHiddenWindow(QWidget& window) {
    const bool shown = window.isVisible();
    if (!shown) {
        window.setAttribute(Qt::WA_DontShowOnScreen, true);
        window.show();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    VisitPages(window);
    if (!shown) {
        window.hide();
        window.setAttribute(Qt::WA_DontShowOnScreen, false);
    }
}

WindowBinder::WindowBinder(ControlSet& controls, QWidget& window, const TextCodec& codec,
                           BinderHooks hooks)
    : controls_(controls), window_(&window),
      hooks_(std::move(hooks)), context_{codec,
                                         icons_,
                                         hooks_.activateInputMethod,
                                         hooks_.setCurrentHint,
                                         hooks_.shortHint,
                                         [this](const Control& control) {
                                             accessible_.Refresh(control);
                                         }},
      hints_(codec, {hooks_.setCurrentHint, hooks_.translateHint}),
      accessible_(codec, {hooks_.shortHint, hooks_.longHint}) {}

WindowBinder::~WindowBinder() {
    for (Control* control : controls_.All()) {
        control->AttachPeer(nullptr);
    }
}

std::vector<std::string> WindowBinder::Bind() {
    std::vector<std::string> problems;
    if (bound_ || window_ == nullptr) {
        return problems;
    }
    bound_ = true;
    LayOutHiddenWindow(*window_);
    accessible_.FindLabels(controls_);
    for (Control* control : controls_.All()) {
        std::string problem = dynamic_cast<PopupMenu*>(control) != nullptr ||
                                      dynamic_cast<MenuItem*>(control) != nullptr
                                  ? BindMenu(*control)
                                  : BindControl(*control);
        if (!problem.empty()) {
            problems.push_back(control->Name() + ": " + problem);
        }
    }
    AttachContextMenus();
    FollowAnchors();
    accessible_.LinkLabels();
    return problems;
}

void WindowBinder::FollowAnchors() {
    std::map<QWidget*, std::vector<AnchorFollower::Anchored>> byHolder;
    for (const auto& [name, peer] : widgetPeers_) {
        QWidget* widget = peer->Widget();
        AnchorFollower::Anchored anchored;
        if (widget != nullptr && widget->parentWidget() != nullptr &&
            ReadAnchors(*widget, anchored)) {
            anchored.control = &peer->GetControl();
            byHolder[widget->parentWidget()].push_back(anchored);
        }
    }
    for (auto& [holder, anchored] : byHolder) {
        new AnchorFollower(*holder, std::move(anchored)); // owned by the holder
    }
}

void WindowBinder::CopyLayoutState(Control& control, QWidget& widget) {
    const QWidget* origin = nullptr;
    if (const Control* parent = control.Parent()) {
        if (const auto* parentPeer = dynamic_cast<const WidgetPeer*>(parent->Peer())) {
            origin = parentPeer->Widget();
        }
    }
    QRect geometry = widget.geometry();
    if (origin != nullptr && widget.parentWidget() != nullptr && widget.parentWidget() != origin &&
        origin->isAncestorOf(&widget)) {
        geometry.moveTopLeft(widget.parentWidget()->mapTo(origin, geometry.topLeft()));
    }
    // The window's own bounds come from the window settings, not from the layout.
    if (dynamic_cast<Form*>(&control) == nullptr) {
        control.SetBounds({geometry.x(), geometry.y(), geometry.width(), geometry.height()});
    }
    auto* captioned = dynamic_cast<CaptionedControl*>(&control);
    if (captioned != nullptr && captioned->Caption().empty()) {
        captioned->SetCaption(context_.codec.FromQString(LayoutCaption(widget)));
    }
}

std::string WindowBinder::BindControl(Control& control) {
    const QString name = QString::fromStdString(control.Name());
    QWidget* widget =
        window_->objectName() == name ? window_.data() : window_->findChild<QWidget*>(name);
    if (widget == nullptr) {
        return "no widget of that name";
    }
    if (const Control* parent = control.Parent();
        parent != nullptr && dynamic_cast<const PopupMenu*>(parent) == nullptr) {
        QWidget* parentWidget = WidgetOf(parent->Name());
        if (parentWidget != nullptr && !parentWidget->isAncestorOf(widget)) {
            return "widget is not inside " + parent->Name();
        }
    }
    std::string problem;
    CopyLayoutState(control, *widget);
    std::unique_ptr<WidgetPeer> peer =
        MakeWidgetPeer(control, *widget, context_, ImageListOf(*widget), problem);
    if (peer == nullptr) {
        return problem.empty() ? "no peer" : problem;
    }
    for (QWidget* shown : peer->Widgets()) {
        hints_.Register(*shown, control);
    }
    accessible_.Register(control, peer->Widgets());
    widgetPeers_[control.Name()] = peer.get();
    control.AttachPeer(peer.get());
    peers_.push_back(std::move(peer));
    return {};
}

std::string WindowBinder::BindMenu(Control& control) {
    if (auto* menu = dynamic_cast<PopupMenu*>(&control)) {
        auto peer = std::make_unique<PopupMenuPeer>(*menu, window_.data(), context_);
        menus_[menu->Name()] = peer.get();
        menu->AttachPeer(peer.get());
        peers_.push_back(std::move(peer));
        return {};
    }
    auto& item = dynamic_cast<MenuItem&>(control);
    auto* menu = dynamic_cast<PopupMenu*>(item.Parent());
    PopupMenuPeer* menuPeer = menu != nullptr ? MenuOf(menu->Name()) : nullptr;
    if (menuPeer == nullptr) {
        return "menu entry outside a menu";
    }
    auto peer = std::make_unique<MenuItemPeer>(item, *menuPeer->ActionFor(item), context_);
    item.AttachPeer(peer.get());
    peers_.push_back(std::move(peer));
    return {};
}

void WindowBinder::AttachContextMenus() {
    for (const auto& [name, peer] : widgetPeers_) {
        auto* list = dynamic_cast<ListViewPeer*>(peer);
        if (list == nullptr || list->Widget() == nullptr) {
            continue;
        }
        const QString menuName = list->Widget()->property("contextMenu").toString();
        PopupMenuPeer* menu = menuName.isEmpty() ? nullptr : MenuOf(menuName.toStdString());
        if (menu == nullptr) {
            continue;
        }
        list->SetContextMenu([menu](const QPoint& at) { menu->Popup(at); });
        list->AddShortcutActions(menu->Actions());
    }
}

QWidget* WindowBinder::WidgetOf(const std::string& name) const {
    WidgetPeer* peer = PeerOf(name);
    return peer != nullptr ? peer->Widget() : nullptr;
}

WidgetPeer* WindowBinder::PeerOf(const std::string& name) const {
    const auto found = widgetPeers_.find(name);
    return found != widgetPeers_.end() ? found->second : nullptr;
}

PopupMenuPeer* WindowBinder::MenuOf(const std::string& name) const {
    const auto found = menus_.find(name);
    return found != menus_.end() ? found->second : nullptr;
}

void WindowBinder::RefreshHintTexts() {
    for (const auto& [name, peer] : widgetPeers_) {
        if (auto* button = dynamic_cast<ToolButtonPeer*>(peer)) {
            button->RefreshHintText();
        }
    }
    accessible_.RefreshAll();
}

void WindowBinder::Flush() {
    for (const auto& [name, peer] : widgetPeers_) {
        if (auto* tree = dynamic_cast<TreeViewPeer*>(peer)) {
            tree->Flush();
        }
    }
}

} // namespace zyntra
