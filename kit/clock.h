#pragma once

#include "kit/date_time.h"

namespace zyntra {

// Today and now in local time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual PlainDateTime Now() const = 0;
    PlainDate Today() const;
};

// The system's local time.
class SystemClock : public Clock {
public:
    PlainDateTime Now() const override;
};

// A clock that stands still until it is set or advanced.
class FixedClock : public Clock {
public:
    FixedClock() = default;
    explicit FixedClock(const PlainDateTime& now) : now_(now) {}

    PlainDateTime Now() const override { return now_; }
    void Set(const PlainDateTime& now) { now_ = now; }
    // Moves on (or back, when negative) across minutes, days, months and years.
    void AdvanceSeconds(long long seconds);

private:
    PlainDateTime now_{{2000, 1, 1}, {0, 0, 0}};
};

} // namespace zyntra
