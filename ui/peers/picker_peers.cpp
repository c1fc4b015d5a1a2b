#include "ui/peers/picker_peers.h"

#include <QDateEdit>
#include <QTimeEdit>

namespace zyntra {

DatePickerPeer::DatePickerPeer(DatePicker& picker, QDateEdit& widget, const PeerContext& context)
    : WidgetPeer(picker, widget, context), picker_(picker), widget_(widget) {
    widget.setCalendarPopup(true);
    QObject::connect(&widget, &QDateEdit::dateChanged, this, [this](const QDate& date) {
        if (Mirroring()) {
            return;
        }
        User([&] { picker_.UserSetDate({date.year(), date.month(), date.day()}); });
        MirrorDate();
    });
}

void DatePickerPeer::Mirror(const ControlChange& change) {
    if (Affects(change, ControlProperty::Value)) {
        MirrorDate();
    }
}

void DatePickerPeer::MirrorDate() {
    const PlainDate& date = picker_.Date();
    const QDate value(date.year, date.month, date.day);
    if (value.isValid() && widget_.date() != value) {
        const bool blocked = widget_.blockSignals(true);
        widget_.setDate(value);
        widget_.blockSignals(blocked);
    }
}

TimePickerPeer::TimePickerPeer(TimePicker& picker, QTimeEdit& widget, const PeerContext& context)
    : WidgetPeer(picker, widget, context), picker_(picker), widget_(widget) {
    QObject::connect(&widget, &QTimeEdit::timeChanged, this, [this](const QTime& time) {
        if (Mirroring()) {
            return;
        }
        User([&] { picker_.UserSetTime({time.hour(), time.minute(), time.second()}); });
        MirrorTime();
    });
}

void TimePickerPeer::Mirror(const ControlChange& change) {
    if (Affects(change, ControlProperty::Value)) {
        MirrorTime();
    }
}

void TimePickerPeer::MirrorTime() {
    const PlainTime& time = picker_.Time();
    const QTime value(time.hour, time.minute, time.second);
    if (value.isValid() && widget_.time() != value) {
        const bool blocked = widget_.blockSignals(true);
        widget_.setTime(value);
        widget_.blockSignals(blocked);
    }
}

} // namespace zyntra
