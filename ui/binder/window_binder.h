#pragma once

#include "kit/control.h"
#include "ui/binder/accessible_texts.h"
#include "ui/binder/hint_filter.h"
#include "ui/icons/icon_library.h"
#include "ui/peers/peer_context.h"

#include <QPointer>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace zyntra {

class Control;
class ControlSet;
class PopupMenuPeer;
class TextCodec;
class WidgetPeer;

// What the window model offers the binder: hint handling, input methods, button words and the
// long hint texts that describe the controls to assistive tools.
struct BinderHooks {
    std::function<void(const std::string& hintKey)> setCurrentHint;
    std::function<std::string()> translateHint;
    std::function<void(const std::string& name)> activateInputMethod;
    std::function<std::string(const std::string& hintKey)> shortHint;
    std::function<std::string(const std::string& hintKey)> longHint;
};

// Binds the kit controls of a window to the widgets of its layout: for every control the widget
// of the same object name and matching class gets the control's peer, and the context menus
// are built. Layout hints read from the widgets' dynamic properties:
//   "contextMenu" (on a list view): the name of the pop-up menu it opens;
//   "imageList" (on a button or any container above it): "categories", "computerTools",
//   "deviceTools" or "editorTools" (the default);
//   "anchors": how a control follows the size of the widget that holds it (see anchors.h).
class WindowBinder {
public:
    WindowBinder(ControlSet& controls, QWidget& window, const TextCodec& codec, BinderHooks hooks);
    ~WindowBinder();
    WindowBinder(const WindowBinder&) = delete;
    WindowBinder& operator=(const WindowBinder&) = delete;

    // Lays the hidden window out, copies each widget's geometry (and, where the control has
    // none, its caption) into the control, then attaches the peers. Returns one line for every
    // control that found no widget it can show, naming the control and why; empty when all
    // did.
    std::vector<std::string> Bind();

    QWidget* WidgetOf(const std::string& name) const;
    WidgetPeer* PeerOf(const std::string& name) const;
    PopupMenuPeer* MenuOf(const std::string& name) const;

    // The language texts have arrived: buttons that show their hint's words look again, and
    // every widget's accessible name and description are read again.
    void RefreshHintTexts();
    // Brings deferred widget updates (tree items) up to date now.
    void Flush();

private:
    std::string BindControl(Control& control);
    std::string BindMenu(Control& control);
    void CopyLayoutState(Control& control, QWidget& widget);
    void AttachContextMenus();
    void FollowAnchors();

    ControlSet& controls_;
    QPointer<QWidget> window_;
    IconLibrary icons_;
    BinderHooks hooks_;
    PeerContext context_;
    HintFilter hints_;
    AccessibleTexts accessible_;
    std::vector<std::unique_ptr<ControlPeer>> peers_;
    std::map<std::string, WidgetPeer*> widgetPeers_;
    std::map<std::string, PopupMenuPeer*> menus_;
    bool bound_ = false;
};

// Lays out a window that has not been shown yet, so that every widget (tab pages included)
// already has the geometry it will have when shown.
void LayOutHiddenWindow(QWidget& window);

} // namespace zyntra
