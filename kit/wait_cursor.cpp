#include "kit/wait_cursor.h"

namespace zyntra {

void WaitCursor::Push() {
    saved_.push_back(shape_);
    SetShape(CursorShape::Wait);
}

void WaitCursor::Pop() {
    if (saved_.empty()) {
        return;
    }
    const CursorShape previous = saved_.back();
    saved_.pop_back();
    SetShape(previous);
}

void WaitCursor::SetShape(CursorShape shape) {
    shape_ = shape;
    Apply(shape);
}

} // namespace zyntra
