#include "tests/support/ui_doubles.h"

#include <chrono>

namespace zyntra {

void RecordingMessageBox::Show(const std::string& text) {
    shown_.push_back({{}, text});
}

void RecordingMessageBox::ShowCaptioned(const std::string& caption, const std::string& text) {
    shown_.push_back({caption, text});
}

void RecordingMessageBox::ShowWithDetails(const std::string& text, const std::string& details) {
    shown_.push_back({{}, text, details});
}

bool ScriptedQuestion::Ask(const std::string& text) {
    return AskCaptioned({}, text);
}

bool ScriptedQuestion::AskCaptioned(const std::string& caption, const std::string& text) {
    asked_.push_back({caption, text});
    return answers_.Next();
}

void ScriptedPendingEvents::ProcessPendingEvents() {
    ++calls_;
    if (actions_.empty()) {
        return;
    }
    // Taken off the queue first: the action may process pending events itself.
    auto action = std::move(actions_.front());
    actions_.pop_front();
    action();
}

std::optional<std::string> ScriptedPasswordDialog::Run(const DialogTexts& texts) {
    shown_.push_back(texts);
    return answers_.Next();
}

void FixedClock::AdvanceSeconds(long long seconds) {
    using namespace std::chrono;
    const sys_days day{year{now_.date.year} / month{static_cast<unsigned>(now_.date.month)} /
                       std::chrono::day{static_cast<unsigned>(now_.date.day)}};
    const sys_seconds moved = day + hours{now_.time.hour} + minutes{now_.time.minute} +
                              std::chrono::seconds{now_.time.second + seconds};
    const sys_days movedDay = floor<days>(moved);
    const year_month_day ymd{movedDay};
    const hh_mm_ss clockTime{moved - movedDay};
    now_ = {{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
             static_cast<int>(static_cast<unsigned>(ymd.day()))},
            {static_cast<int>(clockTime.hours().count()),
             static_cast<int>(clockTime.minutes().count()),
             static_cast<int>(clockTime.seconds().count())}};
}

std::optional<FileChoice>
ScriptedFileDialog::ChooseFileToOpen(const std::string& caption,
                                     const std::vector<FileFilter>& filters) {
    return Next({caption, filters, {}, false});
}

std::optional<FileChoice>
ScriptedFileDialog::ChooseFileToSave(const std::string& caption,
                                     const std::vector<FileFilter>& filters,
                                     const std::string& suggestedName) {
    return Next({caption, filters, suggestedName, true});
}

std::optional<FileChoice> ScriptedFileDialog::Next(Request request) {
    requests_.push_back(std::move(request));
    if (answers_.empty())
        return std::nullopt;
    std::optional<FileChoice> answer = answers_.front();
    answers_.pop_front();
    return answer;
}

UiServices HeadlessUiServices::Services() {
    return {messages,          question,        waitCursor,      pendingEvents, passwordDialog,
            inputMethodDialog, timeRangeDialog, classTimeDialog, fileDialog,    clock};
}

std::optional<int> ScriptedInputMethodDialog::Run(const DialogTexts& texts,
                                                  const std::vector<std::string>& names,
                                                  int selected) {
    requests_.push_back({texts, names, selected});
    const ScriptedChoice<int> answer = answers_.Next();
    if (!answer.ok) {
        return std::nullopt;
    }
    const int index = answer.choice.value_or(selected);
    return index >= 0 && index < static_cast<int>(names.size()) ? index : -1;
}

std::optional<TimeRange> ScriptedTimeRangeDialog::Run(const TimeDialogTexts& texts,
                                                      const TimeRange& working) {
    requests_.push_back({texts, working});
    const ScriptedChoice<TimeRange> answer = answers_.Next();
    if (!answer.ok) {
        return std::nullopt;
    }
    return TimeRangeFromItems(ItemsForTimeRange(answer.choice.value_or(working)));
}

std::optional<ClockTimeRange> ScriptedClassTimeDialog::Run(const TimeDialogTexts& texts,
                                                           const ClockTimeRange& working) {
    requests_.push_back({texts, working});
    const ScriptedChoice<ClockTimeRange> answer = answers_.Next();
    if (!answer.ok) {
        return std::nullopt;
    }
    return ClockTimesFromItems(ItemsForClockTimes(answer.choice.value_or(working)));
}

} // namespace zyntra
