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

} // namespace zyntra
