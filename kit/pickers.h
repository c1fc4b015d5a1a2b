#pragma once

#include "kit/control.h"
#include "kit/date_time.h"
#include "kit/event.h"

namespace zyntra {

// Date and time pickers. A value set from code fires nothing; the user's change fires OnChange.
// A date or time that does not exist is refused (false) and leaves the value as it was.

class DatePicker : public Control {
public:
    using Control::Control;

    const PlainDate& Date() const { return date_; }
    bool SetDate(const PlainDate& date);

    void UserSetDate(const PlainDate& date);

    Event<> OnChange;

private:
    PlainDate date_;
};

class TimePicker : public Control {
public:
    using Control::Control;

    const PlainTime& Time() const { return time_; }
    bool SetTime(const PlainTime& time);

    void UserSetTime(const PlainTime& time);

    Event<> OnChange;

private:
    PlainTime time_;
};

} // namespace zyntra
