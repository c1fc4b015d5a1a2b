#include "personal/editors/schedule_page.h"

#include "kit/controls.h"
#include "personal/editors/time_texts.h"
#include "personal/schedule_alarm.h"
#include "texts/lang_text.h"

#include <algorithm>

namespace zyntra {
namespace {

constexpr int kColumnCount = 6;
constexpr int kSortByDate = 1;

ListEditorControls ControlsOf(const ControlSet& controls) {
    return {controls.Get<ListView>("lvScheList"), controls.Get<ToolButton>("tbScheSave"),
            controls.Get<ToolButton>("tbScheDelete")};
}

bool Earlier(const HourMinute& a, const HourMinute& b) {
    return a.hour < b.hour || (a.hour == b.hour && a.minute < b.minute);
}

// The fields show minutes only, so seconds (a field set to the current time has them) never
// make a start look later than an end that shows the same time.
HourMinute ShownParts(const TimePicker& field) {
    return {field.Time().hour, field.Time().minute};
}

} // namespace

SchedulePage::SchedulePage(const ControlSet& controls, EditorServices& services)
    : ListEditor(ControlsOf(controls), services, services.lists.ScheList,
                 services.lists.scheSortFlags),
      date_(controls.Get<DatePicker>("dtpScheDate")),
      startTime_(controls.Get<TimePicker>("dtpScheSTime")),
      endTime_(controls.Get<TimePicker>("dtpScheETime")),
      setTimeButton_(controls.Get<SpeedButton>("sbScheSetTime")),
      noTime_(controls.Get<CheckBox>("cbScheNoTime")),
      alarm_(controls.Get<ComboBox>("cbScheAlarm")), lock_(controls.Get<CheckBox>("cbScheLock")),
      content_(controls.Get<EditField>("reScheContent")),
      newButton_(controls.Get<ToolButton>("tbScheNew")),
      authorityButton_(controls.Get<ToolButton>("tbScheAuthority")),
      page_(controls.Get<TabSheet>("tabSchedule")) {}

void SchedulePage::AttachHandlers() {
    AttachListHandlers();
    newButton_.OnClick = [this] { tbScheNewClick(); };
    controls_.saveButton.OnClick = [this] { tbScheSaveClick(); };
    authorityButton_.OnClick = [this] { tbScheAuthorityClick(); };
    noTime_.OnClick = [this] { cbScheNoTimeClick(); };
    setTimeButton_.OnClick = [this] { sbScheSetTimeClick(); };
    page_.OnShow = [this] { tabScheduleShow(); };
}

void SchedulePage::tabScheduleShow() {
    if (services_.attachInputMethod)
        services_.attachInputMethod(content_);
    ShowList([this] { EmptyForm(); });
}

// The no-time box keeps its state, so several appointments without a time go in one after another.
void SchedulePage::EmptyForm() {
    if (!(services_.closing && services_.closing())) {
        const PlainDateTime now = services_.ui.clock.Now();
        date_.SetDate(now.date);
        const PlainTime rounded = TimeOf(RoundedParts(now.time));
        startTime_.SetTime(rounded);
        endTime_.SetTime(rounded);
    }
    content_.SetText("");
    alarm_.SetItemIndex(0);
    lock_.SetChecked(false);
}

bool SchedulePage::Masked(const SCHEDULE&) const {
    return ProtectedRecordsHidden(services_.devices);
}

void SchedulePage::ShowRecord(const SCHEDULE& record, bool masked) {
    if (masked) {
        ShowPlaceholders();
    } else {
        date_.SetDate(ReadDateText(record.date).value_or(services_.ui.clock.Today()));
        ShowTimes(record);
        content_.SetText(record.content);
    }
    lock_.SetChecked(record.locked == 1);
}

// The alarm and the no-time box keep what they showed: nothing of the hidden appointment's
// times shows through.
void SchedulePage::ShowPlaceholders() {
    const PlainDateTime now = services_.ui.clock.Now();
    date_.SetDate(now.date);
    startTime_.SetTime(now.time);
    endTime_.SetTime(now.time);
    content_.SetText("*");
}

void SchedulePage::ShowTimes(const SCHEDULE& record) {
    const PlainTime now = services_.ui.clock.Now().time;
    if (record.start_time.empty()) {
        startTime_.SetTime(now);
        noTime_.SetChecked(true);
        alarm_.SetItemIndex(0);
    } else {
        startTime_.SetTime(ReadTimeText(record.start_time).value_or(now));
        noTime_.SetChecked(false);
        alarm_.SetItemIndex(AlarmChoice(record.alarm_BStime));
    }
    endTime_.SetTime(ReadTimeText(record.end_time).value_or(now));
}

ListRow SchedulePage::RowTexts(const SCHEDULE& record, bool masked) const {
    ListRow row;
    if (masked) {
        row.texts.assign(kColumnCount, " * ");
        row.texts[0].clear();
        return row;
    }
    row.texts = {"",
                 record.alarm != 0 ? " !" : "",
                 record.date,
                 record.start_time,
                 record.end_time,
                 record.content};
    return row;
}

RecordComparison<SCHEDULE> SchedulePage::ComparisonFor(int key) const {
    if (key == kSortByDate)
        return [](const SCHEDULE& a, const SCHEDULE& b) { return CompareDateText(a.date, b.date); };
    return {};
}

void SchedulePage::cbScheNoTimeClick() {
    const bool noTime = noTime_.Checked();
    if (noTime)
        alarm_.SetItemIndex(0);
    alarm_.SetEnabled(!noTime);
    setTimeButton_.SetEnabled(!noTime);
}

void SchedulePage::sbScheSetTimeClick() {
    const TimeRange working{RoundedParts(startTime_.Time()), RoundedParts(endTime_.Time())};
    const std::optional<TimeRange> chosen =
        services_.ui.timeRangeDialog.Run(SetTimeDialogTexts(), working);
    if (!chosen)
        return;
    if (Earlier(chosen->end, chosen->start)) {
        ShowEditorMessage(services_, "SM_StartTimeIsOverThanEndTime");
        return;
    }
    startTime_.SetTime(TimeOf(chosen->start));
    endTime_.SetTime(TimeOf(chosen->end));
}

// Also with the no-time box checked: its times are not stored, but a stored appointment that
// ends before it starts must be given sound times before it is saved again.
bool SchedulePage::FormAcceptable() const {
    if (content_.Text().empty()) {
        ShowEditorMessage(services_, "SM_ContentIsEmpty");
        return false;
    }
    if (Earlier(ShownParts(endTime_), ShownParts(startTime_))) {
        ShowEditorMessage(services_, "SM_StartTimeIsOverThanEndTime");
        return false;
    }
    return true;
}

void SchedulePage::ReadForm(SCHEDULE& record) const {
    record.date = DateText(date_.Date());
    const bool timed = !noTime_.Checked();
    record.start_time = timed ? TimeText(startTime_.Time()) : "";
    record.end_time = timed ? TimeText(endTime_.Time()) : "";
    record.content = content_.Text();
    record.locked = lock_.Checked() ? 1 : 0;
    record.alarm = std::max(alarm_.ItemIndex(), 0);
    record.alarm_BStime = AlarmMinutes(record.alarm);
}

void SchedulePage::tbScheNewClick() {
    if (!FormAcceptable())
        return;
    auto record = std::make_unique<SCHEDULE>();
    ReadForm(*record);
    record->stamp_time = StampText(services_.ui.clock.Now());
    Append(std::move(record));
}

void SchedulePage::tbScheSaveClick() {
    SCHEDULE* record = RecordToSave();
    if (record == nullptr || !FormAcceptable())
        return;
    ReadForm(*record);
    Saved();
}

} // namespace zyntra
