#include "ui/peers/menu_peers.h"

#include "ui/peers/user_action.h"
#include "ui/text_codec.h"

#include <QAction>

namespace zyntra {

PopupMenuPeer::PopupMenuPeer(PopupMenu& menu, QWidget* parent, const PeerContext& context)
    : control_(menu), context_(context), menu_(new QMenu(parent)) {
    menu_->setObjectName(QString::fromStdString(menu.Name()));
    QObject::connect(menu_.data(), &QMenu::hovered, this, [this](QAction* action) {
        for (const auto& [item, itemAction] : actions_) {
            if (itemAction == action && context_.setCurrentHint) {
                RunUserAction([&] { context_.setCurrentHint(item->Hint()); });
            }
        }
    });
    QObject::connect(menu_.data(), &QMenu::aboutToHide, this, [this] {
        if (context_.setCurrentHint) {
            RunUserAction([&] { context_.setCurrentHint({}); });
        }
    });
}

PopupMenuPeer::~PopupMenuPeer() {
    delete menu_;
}

void PopupMenuPeer::ControlChanged(Control&, const ControlChange& change) {
    if (change.property == ControlProperty::All || change.property == ControlProperty::Items) {
        MirrorItems();
    }
    if (change.property == ControlProperty::All || change.property == ControlProperty::Enabled) {
        // An entry of a disabled menu cannot run, not even by its shortcut.
        for (int i = 0; i < control_.ItemCount(); ++i) {
            ActionFor(control_.Item(i))->setEnabled(control_.Item(i).IsEnabledInTree());
        }
    }
}

QAction* PopupMenuPeer::ActionFor(const MenuItem& item) {
    auto found = actions_.find(&item);
    if (found == actions_.end() || found->second == nullptr) {
        auto* action = new QAction(menu_.data());
        action->setObjectName(QString::fromStdString(item.Name()));
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        found = actions_.insert_or_assign(&item, QPointer<QAction>(action)).first;
    }
    return found->second;
}

void PopupMenuPeer::MirrorItems() {
    for (QAction* action : menu_->actions()) {
        menu_->removeAction(action);
    }
    for (int i = 0; i < control_.ItemCount(); ++i) {
        menu_->addAction(ActionFor(control_.Item(i)));
    }
}

void PopupMenuPeer::Popup(const QPoint& globalPos) {
    bool opens = false;
    RunUserAction([&] { opens = control_.UserPopup(); });
    if (opens && !menu_->actions().isEmpty()) {
        menu_->popup(globalPos);
    }
}

MenuItemPeer::MenuItemPeer(MenuItem& item, QAction& action, const PeerContext& context)
    : item_(item), action_(&action), context_(context) {
    QObject::connect(&action, &QAction::triggered, this, [this] {
        if (mirroring_ == 0) {
            RunUserAction([this] { item_.UserClick(); });
        }
    });
}

void MenuItemPeer::ControlChanged(Control&, const ControlChange& change) {
    if (action_ == nullptr) {
        return;
    }
    ++mirroring_;
    const bool all = change.property == ControlProperty::All;
    if (all || change.property == ControlProperty::Caption) {
        action_->setText(context_.codec.ToQString(item_.Caption()));
    }
    if (all || change.property == ControlProperty::Text) {
        action_->setShortcut(QKeySequence(QString::fromStdString(item_.ShortcutText())));
    }
    if (all || change.property == ControlProperty::Style) {
        action_->setSeparator(item_.IsSeparator());
    }
    if (all || change.property == ControlProperty::Enabled) {
        action_->setEnabled(item_.IsEnabledInTree());
    }
    if (all || change.property == ControlProperty::Visible) {
        action_->setVisible(item_.Visible());
    }
    --mirroring_;
}

} // namespace zyntra
