#pragma once

#include "kit/control.h"
#include "kit/event.h"

#include <vector>

namespace zyntra {

class PageControl;

// One page of a page control: it becomes a page by taking the page control as its parent.
//
// OnShow fires when the page starts showing (it becomes the active page of a showing page
// control, or a page or window above it starts showing); OnHide when it stops. Within a
// ControlSet this follows every change of pages, visibility and parents; a page control
// outside a set only reports the changes of its own active page.
class TabSheet : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
    ~TabSheet() override;

    // Whether the page's tab is shown; the page stays a page either way.
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool visible);

    PageControl* PageControlOf() const;
    int PageIndex() const; // -1 when it is on no page control

    Event<> OnShow;
    Event<> OnHide;

private:
    friend void FireShowingChanges(const std::vector<TabSheet*>& pages);
    bool tabVisible_ = true;
    bool showingSeen_ = false;
};

// Pages with tabs, one of them active. Changing the active page, from code or by the user,
// fires the old page's OnHide, the new page's OnShow, then OnChange. Only the user's tab click
// asks OnChanging first, which may refuse the change.
class PageControl : public Control {
public:
    using Control::Control;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TabSheet& Page(int index) const { return *pages_.at(static_cast<std::size_t>(index)); }

    int ActivePageIndex() const { return active_; } // -1 without pages
    TabSheet* ActivePage() const;
    // An index outside the pages, or the active one, changes nothing.
    void SetActivePageIndex(int index);
    void SetActivePage(const TabSheet& page);

    int TabWidth() const { return tabWidth_; }
    void SetTabWidth(int width);

    bool ShowsChild(const Control& child) const override;

    void UserSelectPage(int index);

    Event<bool&> OnChanging; // set the flag false to keep the current page
    Event<> OnChange;

protected:
    void ChildAdded(Control& child) override;
    void ChildRemoved(Control& child) override;

private:
    void PagesShowingMayHaveChanged();

    std::vector<TabSheet*> pages_;
    int active_ = -1;
    int tabWidth_ = 0;
};

// Fires OnHide (last page first) and OnShow (first page first) for the pages whose showing
// state differs from what they last reported.
void FireShowingChanges(const std::vector<TabSheet*>& pages);

} // namespace zyntra
