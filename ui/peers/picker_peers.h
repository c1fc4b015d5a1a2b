#pragma once

#include "kit/pickers.h"
#include "ui/peers/widget_peer.h"

class QDateEdit;
class QTimeEdit;

namespace zyntra {

// The display format of the widget comes from the layout ("yyyy/MM/dd" with a calendar).
class DatePickerPeer : public WidgetPeer {
public:
    DatePickerPeer(DatePicker& picker, QDateEdit& widget, const PeerContext& context);

protected:
    void Mirror(const ControlChange& change) override;

private:
    void MirrorDate();

    DatePicker& picker_;
    QDateEdit& widget_;
};

// The display format comes from the layout ("HH:mm", or "hh:mm AP" for a 12-hour field).
class TimePickerPeer : public WidgetPeer {
public:
    TimePickerPeer(TimePicker& picker, QTimeEdit& widget, const PeerContext& context);

protected:
    void Mirror(const ControlChange& change) override;

private:
    void MirrorTime();

    TimePicker& picker_;
    QTimeEdit& widget_;
};

} // namespace zyntra
