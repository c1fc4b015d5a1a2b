#pragma once

#include <functional>
#include <utility>

namespace zyntra {

// One handler slot of a control, assigned like a field: `button.OnClick = [&] { ... };`.
//
// An event never fires inside its own handler: a change that the handler makes to the same
// control takes effect and reaches the peer, but does not run the handler again. This keeps a
// handler that touches its own control (a check box handler that unchecks it, a resize handler
// that sets the size) from recursing without end.
template <class... Args> class Event {
public:
    Event() = default;
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    Event& operator=(std::function<void(Args...)> handler) {
        handler_ = std::move(handler);
        return *this;
    }

    explicit operator bool() const { return static_cast<bool>(handler_); }
    bool Firing() const { return firing_; }

    // Runs the handler unless none is set or it is already running.
    void Fire(Args... args) {
        if (!handler_ || firing_) {
            return;
        }
        // A copy, so that a handler that replaces itself does not destroy the code it runs.
        auto handler = handler_;
        firing_ = true;
        struct Reset {
            bool& flag;
            ~Reset() { flag = false; }
        } reset{firing_};
        handler(std::forward<Args>(args)...);
    }

private:
    std::function<void(Args...)> handler_;
    bool firing_ = false;
};

} // namespace zyntra
