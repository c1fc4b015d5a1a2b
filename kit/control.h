#pragma once

#include "kit/event.h"

#include <string>
#include <vector>

namespace zyntra {

class Control;
class ControlSet;

// What changed on a control, so that its peer mirrors only that part.
enum class ControlProperty {
    All, // the whole state: sent when a peer is attached
    Enabled,
    Visible,
    Hint,
    Caption,
    Text,
    Bounds,
    Focus,
    Parent,
    Repaint, // the content must be drawn again (rows of a virtual list, grid cells)
    Checked,
    Down,
    ImageIndex,
    Group,
    Items,     // index: the item that changed, -1 for all
    ItemIndex, // the chosen item of a selector
    ReadOnly,
    MaxLength,
    InputMethod,
    Style,
    Value, // date or time of a picker
    RowCount,
    Columns, // index: the column that changed, -1 for all
    Selection,
    FocusedRow,
    RowStates, // index: the row that changed, -1 for all
    Scroll,
    Nodes,       // the tree's structure changed
    NodeCaption, // index: the node
    NodeImages,  // index: the node
    NodeExpanded,
    GridSize,
    Cells, // index: column, subIndex: row; -1, -1 for all cells
    SelectedCell,
    Pages,
    TabVisible,
    ActivePage,
    TabWidth,
    Bands,  // index: the band that changed, -1 for all
    Panels, // index: the panel that changed, -1 for all
    WindowState,
    Border,
};

struct ControlChange {
    ControlProperty property = ControlProperty::All;
    int index = -1;
    int subIndex = -1;
};

// The window's side of one control. It mirrors the control's state into its widget whenever
// told, and reports the user's actions through the control's User... entry points, which update
// the state and fire the events exactly as a change made by code does.
//
// While a peer is being told about a change, User... calls from any peer of the same set are
// ignored: a widget that echoes a change it was given never fires an event a second time.
class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void ControlChanged(Control& control, const ControlChange& change) = 0;
};

struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const Bounds&, const Bounds&) = default;
};

// A control of the window model: its name in the window layout, enabled and visible flags, the
// language key of its hint, its placement, its place in the parent/child tree and its peer.
// Setters notify the peer only when the value really changes.
class Control {
public:
    explicit Control(std::string name);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    // Visible, and every parent shows it (a page shows its controls only while it is active).
    bool IsShowing() const;
    // Enabled, and so is every parent.
    bool IsEnabledInTree() const;
    // Showing and enabled in the tree: what a user can reach.
    bool AcceptsUserInput() const;

    // The language key of the hint; the window looks its text up when the hint shows.
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string key);

    const Bounds& GetBounds() const { return bounds_; }
    void SetBounds(const Bounds& bounds);
    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.width; }
    int Height() const { return bounds_.height; }
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);
    // The widget was moved or resized by its layout or by the user (a splitter).
    void UserSetBounds(const Bounds& bounds);

    // Fires when the width or the height changes, from code or from the window.
    Event<> OnResize;

    // Input focus. Within a ControlSet at most one control has it. SetFocus is refused (false)
    // when the control is not showing or not enabled; hiding or disabling the focused control
    // takes the focus away.
    bool Focused() const { return focused_; }
    bool CanFocus() const { return AcceptsUserInput(); }
    bool SetFocus();
    // The peer's report that its widget gained or lost the focus.
    void UserFocusChanged(bool focused);

    // Draw the content again (rows of a virtual list, cells of a grid).
    void Repaint();

    Control* Parent() const { return parent_; }
    // A parent must outlive its children; a ControlSet destroys them in reverse creation order.
    void SetParent(Control* parent);
    const std::vector<Control*>& Children() const { return children_; }
    // Whether this control lets the child show (a page control shows only its active page).
    virtual bool ShowsChild(const Control& child) const;

    ControlSet* Owner() const { return owner_; }

    ControlPeer* Peer() const { return peer_; }
    // The peer is told ControlProperty::All at once. Pass nullptr to detach; a peer must be
    // detached before it is destroyed (while the set itself is destroyed, no peer is called).
    void AttachPeer(ControlPeer* peer);

protected:
    void Notify(ControlProperty property, int index = -1, int subIndex = -1);
    // False while a peer is being notified (an echo) or when the user cannot reach the control.
    bool AcceptsUserAction() const;
    // Visibility of this control or of what it shows may have changed.
    void ShowingMayHaveChanged();

    virtual void ChildAdded(Control& child);
    virtual void ChildRemoved(Control& child);

private:
    friend class ControlSet;
    void SetFocusedState(bool focused);
    bool PeerNotificationRunning() const;

    std::string name_;
    bool enabled_ = true;
    bool visible_ = true;
    bool focused_ = false;
    std::string hint_;
    Bounds bounds_;
    Control* parent_ = nullptr;
    std::vector<Control*> children_;
    ControlSet* owner_ = nullptr;
    ControlPeer* peer_ = nullptr;
    int notifyDepth_ = 0;
};

// A control that shows a caption (label, button, check box, group box, page, window).
class CaptionedControl : public Control {
public:
    using Control::Control;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);

private:
    std::string caption_;
};

} // namespace zyntra
