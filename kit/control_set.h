#pragma once

#include "kit/control.h"
#include "kit/event.h"
#include "kit/text_units.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <vector>

namespace zyntra {

class TabSheet;

// Owns the controls of one window and finds them by their layout names. The window binder walks
// All() in creation order and attaches to each control the peer of the widget of the same name.
//
// The set also holds what concerns all of its controls together: the one focused control, the
// grouping of radio and grouped buttons, the character encoding of the texts and the
// showing state of the pages.
class ControlSet {
public:
    ControlSet() = default;
    ~ControlSet();
    ControlSet(const ControlSet&) = delete;
    ControlSet& operator=(const ControlSet&) = delete;

    // Creates a control. Names are unique within the set: a second one throws
    // std::invalid_argument.
    template <class T> T& Add(std::string name, Control* parent = nullptr) {
        static_assert(std::is_base_of_v<Control, T>);
        auto control = std::make_unique<T>(std::move(name));
        T& added = *control;
        Adopt(std::move(control));
        if (parent != nullptr) {
            added.SetParent(parent);
        }
        return added;
    }

    // The control of that name when it is a T (or derives from T), else nullptr.
    template <class T> T* Find(std::string_view name) const {
        return dynamic_cast<T*>(FindControl(name));
    }
    Control* FindControl(std::string_view name) const;

    // Like Find, but a missing control or one of another type throws std::out_of_range: for
    // the composition root, where a missing control is a programming error.
    template <class T> T& Get(std::string_view name) const {
        if (T* control = Find<T>(name)) {
            return *control;
        }
        throw std::out_of_range("no control " + std::string(name) + " of the requested type");
    }

    // Every control, in creation order.
    const std::vector<Control*>& All() const { return order_; }

    template <class T> std::vector<T*> AllOf() const {
        std::vector<T*> found;
        for (Control* control : order_) {
            if (T* typed = dynamic_cast<T*>(control)) {
                found.push_back(typed);
            }
        }
        return found;
    }

    Control* Focused() const { return focused_; }
    // After the focus moved, from code or from the window; nullptr when no control has it.
    // The window switches the input method of the focused text field here.
    Event<Control*> OnFocusChanged;

    // How user edits count characters for maximum lengths (the interface charset's layout).
    TextEncoding Encoding() const { return encoding_; }
    void SetEncoding(TextEncoding encoding) { encoding_ = encoding; }

private:
    friend class Control;
    void Adopt(std::unique_ptr<Control> control);
    void MoveFocus(Control* control);
    void DropFocusIfUnreachable();
    void RefreshShowing();

    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<Control*> order_;
    std::vector<TabSheet*> pages_;
    std::unordered_map<std::string, Control*> byName_;
    Control* focused_ = nullptr;
    TextEncoding encoding_ = TextEncoding::SingleByte;
    int peerNotifyDepth_ = 0;
    bool refreshing_ = false;
    bool refreshAgain_ = false;
    bool destroying_ = false;
};

} // namespace zyntra
