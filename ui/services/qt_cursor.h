#pragma once

#include "kit/pending_events.h"
#include "kit/wait_cursor.h"

namespace zyntra {

// The application's override cursor; the kit keeps the nesting, this only shows the shape.
class QtWaitCursor : public WaitCursor {
public:
    ~QtWaitCursor() override;

protected:
    void Apply(CursorShape shape) override;

private:
    bool overridden_ = false;
};

class QtPendingEvents : public PendingEvents {
public:
    void ProcessPendingEvents() override;
};

} // namespace zyntra
