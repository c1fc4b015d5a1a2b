#pragma once

#include <vector>

namespace zyntra {

enum class CursorShape { Default, Wait };

// The mouse cursor of the whole application. Push remembers the shape it finds and shows the
// wait cursor; Pop brings back the shape that the matching Push found, so nested operations
// each restore what was there before them. SetShape changes the shape without nesting (an
// operation that puts the default cursor back before its end); the next Pop still restores.
// A Pop without a Push does nothing.
class WaitCursor {
public:
    virtual ~WaitCursor() = default;

    void Push();
    void Pop();
    void SetShape(CursorShape shape);

    CursorShape Shape() const { return shape_; }
    int Depth() const { return static_cast<int>(saved_.size()); }

protected:
    // Show the shape (the window sets its cursor; headless ones record it).
    virtual void Apply(CursorShape shape) = 0;

private:
    CursorShape shape_ = CursorShape::Default;
    std::vector<CursorShape> saved_;
};

// Shows the wait cursor for its lifetime.
class WaitCursorScope {
public:
    explicit WaitCursorScope(WaitCursor& cursor) : cursor_(cursor) { cursor_.Push(); }
    ~WaitCursorScope() { cursor_.Pop(); }
    WaitCursorScope(const WaitCursorScope&) = delete;
    WaitCursorScope& operator=(const WaitCursorScope&) = delete;

private:
    WaitCursor& cursor_;
};

} // namespace zyntra
