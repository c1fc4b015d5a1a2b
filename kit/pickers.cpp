#include "kit/pickers.h"

namespace zyntra {

bool DatePicker::SetDate(const PlainDate& date) {
    if (!IsValidDate(date)) {
        return false;
    }
    if (!(date_ == date)) {
        date_ = date;
        Notify(ControlProperty::Value);
    }
    return true;
}

void DatePicker::UserSetDate(const PlainDate& date) {
    if (AcceptsUserAction() && !(date_ == date) && SetDate(date)) {
        OnChange.Fire();
    }
}

bool TimePicker::SetTime(const PlainTime& time) {
    if (!IsValidTime(time)) {
        return false;
    }
    if (!(time_ == time)) {
        time_ = time;
        Notify(ControlProperty::Value);
    }
    return true;
}

void TimePicker::UserSetTime(const PlainTime& time) {
    if (AcceptsUserAction() && !(time_ == time) && SetTime(time)) {
        OnChange.Fire();
    }
}

} // namespace zyntra
