#pragma once

namespace zyntra {

// Lets the window handle the events that are waiting (repaints, clicks) in the middle of a long
// operation. Whatever runs then may call back into the program.
class PendingEvents {
public:
    virtual ~PendingEvents() = default;
    virtual void ProcessPendingEvents() = 0;
};

} // namespace zyntra
