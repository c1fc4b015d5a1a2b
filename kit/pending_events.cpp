#include "kit/pending_events.h"

namespace zyntra {

void ScriptedPendingEvents::ProcessPendingEvents() {
    ++calls_;
    if (actions_.empty()) {
        return;
    }
    // Taken off the queue first: the action may process pending events itself.
    auto action = std::move(actions_.front());
    actions_.pop_front();
    action();
}

} // namespace zyntra
