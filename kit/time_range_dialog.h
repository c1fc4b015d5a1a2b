#pragma once

#include "kit/dialog_types.h"
#include "kit/scripted_answers.h"

#include <optional>
#include <vector>

namespace zyntra {

struct HourMinute {
    int hour = 0;
    int minute = 0;

    friend bool operator==(const HourMinute&, const HourMinute&) = default;
};

struct TimeRange {
    HourMinute start;
    HourMinute end;

    friend bool operator==(const TimeRange&, const TimeRange&) = default;
};

// The item chosen in each of the dialog's four lists, -1 for none.
struct TimeRangeItems {
    int startHour = -1;
    int startMinute = -1;
    int endHour = -1;
    int endMinute = -1;

    friend bool operator==(const TimeRangeItems&, const TimeRangeItems&) = default;
};

// The start/end time dialog of a 24-hour day: hour lists "00".."23", minute lists
// "00", "05", .., "55".
TimeRangeItems ItemsForTimeRange(const TimeRange& working);
TimeRange TimeRangeFromItems(const TimeRangeItems& items);

// Opens with the lists chosen by ItemsForTimeRange(working) (hour item = hour, minute item =
// minute / 5; a value without an item chooses none). On OK returns TimeRangeFromItems of the
// lists as they are then (hour = item, minute = 5 x item, 0 where none is chosen).
class TimeRangeDialog {
public:
    virtual ~TimeRangeDialog() = default;
    virtual std::optional<TimeRange> Run(const TimeDialogTexts& texts,
                                         const TimeRange& working) = 0;
};

struct TimeRangeRequest {
    TimeDialogTexts texts;
    TimeRange working;
};

// Without a window: answers from a script, Cancel once it has run out. A chosen range goes
// through the lists like a user's choice, so only what the dialog can give comes back
// (10:07 comes back as 10:05).
class ScriptedTimeRangeDialog : public TimeRangeDialog {
public:
    std::optional<TimeRange> Run(const TimeDialogTexts& texts, const TimeRange& working) override;

    void QueueOk(const TimeRange& chosen) {
        answers_.Queue(ScriptedChoice<TimeRange>::Chosen(chosen));
    }
    void QueueOkAsOpened() { answers_.Queue(ScriptedChoice<TimeRange>::AsOpened()); }
    void QueueCancel() { answers_.Queue(ScriptedChoice<TimeRange>::Cancel()); }

    const std::vector<TimeRangeRequest>& Requests() const { return requests_; }

private:
    ScriptedAnswers<ScriptedChoice<TimeRange>> answers_{ScriptedChoice<TimeRange>::Cancel()};
    std::vector<TimeRangeRequest> requests_;
};

} // namespace zyntra
