#pragma once

#include <deque>
#include <functional>

namespace zyntra {

// Lets the window handle the events that are waiting (repaints, clicks) in the middle of a long
// operation. Whatever runs then may call back into the program.
class PendingEvents {
public:
    virtual ~PendingEvents() = default;
    virtual void ProcessPendingEvents() = 0;
};

// Without a window: counts the calls, and at each call runs the next scripted action, if any,
// standing for what the user did meanwhile (a click that arrives while a load runs).
class ScriptedPendingEvents : public PendingEvents {
public:
    void ProcessPendingEvents() override;

    void QueueAction(std::function<void()> action) { actions_.push_back(std::move(action)); }
    int Calls() const { return calls_; }

private:
    std::deque<std::function<void()>> actions_;
    int calls_ = 0;
};

} // namespace zyntra
