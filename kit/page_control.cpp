#include "kit/page_control.h"

#include <algorithm>

namespace zyntra {

TabSheet::~TabSheet() {
    // Leave the page control while still a page, so that it can find this page.
    SetParent(nullptr);
}

void TabSheet::SetTabVisible(bool visible) {
    if (tabVisible_ == visible) {
        return;
    }
    tabVisible_ = visible;
    Notify(ControlProperty::TabVisible);
}

PageControl* TabSheet::PageControlOf() const {
    return dynamic_cast<PageControl*>(Parent());
}

int TabSheet::PageIndex() const {
    const PageControl* pages = PageControlOf();
    if (pages == nullptr) {
        return -1;
    }
    for (int i = 0; i < pages->PageCount(); ++i) {
        if (&pages->Page(i) == this) {
            return i;
        }
    }
    return -1;
}

TabSheet* PageControl::ActivePage() const {
    return active_ < 0 ? nullptr : pages_[static_cast<std::size_t>(active_)];
}

void PageControl::SetActivePageIndex(int index) {
    if (index < 0 || index >= PageCount() || index == active_) {
        return;
    }
    active_ = index;
    Notify(ControlProperty::ActivePage);
    PagesShowingMayHaveChanged();
    OnChange.Fire();
}

void PageControl::SetActivePage(const TabSheet& page) {
    const auto found = std::find(pages_.begin(), pages_.end(), &page);
    if (found != pages_.end()) {
        SetActivePageIndex(static_cast<int>(found - pages_.begin()));
    }
}

void PageControl::SetTabWidth(int width) {
    if (tabWidth_ == width) {
        return;
    }
    tabWidth_ = width;
    Notify(ControlProperty::TabWidth);
}

bool PageControl::ShowsChild(const Control& child) const {
    const auto found = std::find(pages_.begin(), pages_.end(), &child);
    return found == pages_.end() || found - pages_.begin() == active_;
}

void PageControl::UserSelectPage(int index) {
    if (!AcceptsUserAction() || index < 0 || index >= PageCount() || index == active_) {
        return;
    }
    bool allow = true;
    OnChanging.Fire(allow);
    if (!allow) {
        Notify(ControlProperty::ActivePage); // the widget shows the refused tab: put it back
        return;
    }
    SetActivePageIndex(index);
}

void PageControl::ChildAdded(Control& child) {
    auto* page = dynamic_cast<TabSheet*>(&child);
    if (page == nullptr) {
        return;
    }
    pages_.push_back(page);
    Notify(ControlProperty::Pages);
    if (active_ < 0) {
        active_ = 0;
        Notify(ControlProperty::ActivePage);
    }
}

void PageControl::ChildRemoved(Control& child) {
    const auto found = std::find(pages_.begin(), pages_.end(), &child);
    if (found == pages_.end()) {
        return;
    }
    const int index = static_cast<int>(found - pages_.begin());
    const bool wasActive = index == active_;
    pages_.erase(found);
    Notify(ControlProperty::Pages);
    if (index < active_) {
        --active_; // the same page, one place further up
    } else if (wasActive) {
        active_ = std::min(active_, PageCount() - 1); // the next page takes its place
    }
    if (index <= active_ || wasActive) {
        Notify(ControlProperty::ActivePage);
    }
    if (wasActive) {
        PagesShowingMayHaveChanged();
    }
}

void PageControl::PagesShowingMayHaveChanged() {
    if (Owner() != nullptr) {
        ShowingMayHaveChanged();
    } else {
        FireShowingChanges(pages_);
    }
}

void FireShowingChanges(const std::vector<TabSheet*>& pages) {
    std::vector<TabSheet*> hidden;
    std::vector<TabSheet*> shown;
    for (TabSheet* page : pages) {
        const bool showing = page->IsShowing();
        if (showing != page->showingSeen_) {
            page->showingSeen_ = showing;
            (showing ? shown : hidden).push_back(page);
        }
    }
    // A handler may already have undone a change still waiting here; such a page is left for
    // the next pass instead of reporting a state it no longer has.
    for (auto it = hidden.rbegin(); it != hidden.rend(); ++it) {
        if ((*it)->IsShowing()) {
            (*it)->showingSeen_ = true;
        } else {
            (*it)->OnHide.Fire();
        }
    }
    for (TabSheet* page : shown) {
        if (!page->IsShowing()) {
            page->showingSeen_ = false;
        } else {
            page->OnShow.Fire();
        }
    }
}

} // namespace zyntra
