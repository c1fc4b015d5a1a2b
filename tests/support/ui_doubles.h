#pragma once

// The user-interface services without a window, for tests: what a test scripts ahead of time
// (the answers of questions and dialogs, what the user does while events are processed) and
// reads back afterwards (the boxes shown, the cursor shapes, the questions asked).

#include "kit/class_time_dialog.h"
#include "kit/clock.h"
#include "kit/dialog_types.h"
#include "kit/input_method_dialog.h"
#include "kit/message_box.h"
#include "kit/password_dialog.h"
#include "kit/pending_events.h"
#include "kit/question.h"
#include "kit/time_range_dialog.h"
#include "kit/ui_services.h"
#include "kit/wait_cursor.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zyntra {

// The answers a test gives ahead of time to a headless dialog: taken in order, then the
// fallback for every further question.
template <class Answer> class ScriptedAnswers {
public:
    explicit ScriptedAnswers(Answer fallback) : fallback_(std::move(fallback)) {}

    void Queue(Answer answer) { queue_.push_back(std::move(answer)); }
    void SetFallback(Answer answer) { fallback_ = std::move(answer); }
    std::size_t Pending() const { return queue_.size(); }

    Answer Next() {
        if (queue_.empty()) {
            return fallback_;
        }
        Answer answer = std::move(queue_.front());
        queue_.pop_front();
        return answer;
    }

private:
    std::deque<Answer> queue_;
    Answer fallback_;
};

// A scripted answer of a headless dialog with choices: Cancel, OK with what the user chose,
// or OK with the dialog's choices left as they were when it opened.
template <class Choice> struct ScriptedChoice {
    bool ok = false;
    std::optional<Choice> choice; // none: as opened

    static ScriptedChoice Cancel() { return {}; }
    static ScriptedChoice AsOpened() { return {true, std::nullopt}; }
    static ScriptedChoice Chosen(Choice choice) { return {true, std::move(choice)}; }
};

struct ShownMessage {
    std::string caption; // empty: the application title
    std::string text;
    std::string details; // empty: a box without details
};

// Without a window: remembers every box in order, so a test or the command
// line can read what the user would have seen.
class RecordingMessageBox : public MessageBox {
public:
    void Show(const std::string& text) override;
    void ShowCaptioned(const std::string& caption, const std::string& text) override;
    void ShowWithDetails(const std::string& text, const std::string& details) override;

    const std::vector<ShownMessage>& Shown() const { return shown_; }
    void Clear() { shown_.clear(); }

private:
    std::vector<ShownMessage> shown_;
};

struct AskedQuestion {
    std::string caption; // empty: the application title
    std::string text;
};

// Without a window: answers from a script and remembers what was asked. When the script has
// run out it answers Cancel, so that nothing happens that nobody agreed to.
class ScriptedQuestion : public Question {
public:
    bool Ask(const std::string& text) override;
    bool AskCaptioned(const std::string& caption, const std::string& text) override;

    void QueueAnswer(bool ok) { answers_.Queue(ok); }
    void SetFallbackAnswer(bool ok) { answers_.SetFallback(ok); }
    std::size_t PendingAnswers() const { return answers_.Pending(); }

    const std::vector<AskedQuestion>& Asked() const { return asked_; }

private:
    ScriptedAnswers<bool> answers_{false};
    std::vector<AskedQuestion> asked_;
};

// Without a window: remembers every shape shown, in order.
class RecordingWaitCursor : public WaitCursor {
public:
    const std::vector<CursorShape>& History() const { return history_; }

protected:
    void Apply(CursorShape shape) override { history_.push_back(shape); }

private:
    std::vector<CursorShape> history_;
};

// Without a window: counts the calls, and at each call runs the next scripted action, if any,
// standing for what the user did meanwhile (a click that arrives while a load runs).
class ScriptedPendingEvents : public PendingEvents {
public:
    void ProcessPendingEvents() override;

    void QueueAction(std::function<void()> action) { actions_.push_back(std::move(action)); }
    int Calls() const { return calls_; }

private:
    std::deque<std::function<void()>> actions_;
    int calls_ = 0;
};

// Without a window: answers from a script, Cancel once it has run out, and remembers the texts
// of every showing.
class ScriptedPasswordDialog : public PasswordDialog {
public:
    std::optional<std::string> Run(const DialogTexts& texts) override;

    void QueuePassword(std::string password) { answers_.Queue(std::move(password)); }
    void QueueCancel() { answers_.Queue(std::nullopt); }
    std::size_t PendingAnswers() const { return answers_.Pending(); }

    const std::vector<DialogTexts>& Shown() const { return shown_; }

private:
    ScriptedAnswers<std::optional<std::string>> answers_{std::nullopt};
    std::vector<DialogTexts> shown_;
};

struct InputMethodRequest {
    DialogTexts texts;
    std::vector<std::string> names;
    int selected = -1;
};

// Without a window: answers from a script (an index outside the names stands for no item
// chosen), Cancel once the script has run out; remembers every showing.
class ScriptedInputMethodDialog : public InputMethodDialog {
public:
    std::optional<int> Run(const DialogTexts& texts, const std::vector<std::string>& names,
                           int selected) override;

    void QueueChoice(int index) { answers_.Queue(ScriptedChoice<int>::Chosen(index)); }
    void QueueOkAsOpened() { answers_.Queue(ScriptedChoice<int>::AsOpened()); }
    void QueueCancel() { answers_.Queue(ScriptedChoice<int>::Cancel()); }

    const std::vector<InputMethodRequest>& Requests() const { return requests_; }

private:
    ScriptedAnswers<ScriptedChoice<int>> answers_{ScriptedChoice<int>::Cancel()};
    std::vector<InputMethodRequest> requests_;
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

struct ClassTimeRequest {
    TimeDialogTexts texts;
    ClockTimeRange working;
};

// Without a window: answers from a script, Cancel once it has run out; a chosen range goes
// through the lists like a user's choice.
class ScriptedClassTimeDialog : public ClassTimeDialog {
public:
    std::optional<ClockTimeRange> Run(const TimeDialogTexts& texts,
                                      const ClockTimeRange& working) override;

    void QueueOk(const ClockTimeRange& chosen) {
        answers_.Queue(ScriptedChoice<ClockTimeRange>::Chosen(chosen));
    }
    void QueueOkAsOpened() { answers_.Queue(ScriptedChoice<ClockTimeRange>::AsOpened()); }
    void QueueCancel() { answers_.Queue(ScriptedChoice<ClockTimeRange>::Cancel()); }

    const std::vector<ClassTimeRequest>& Requests() const { return requests_; }

private:
    ScriptedAnswers<ScriptedChoice<ClockTimeRange>> answers_{
        ScriptedChoice<ClockTimeRange>::Cancel()};
    std::vector<ClassTimeRequest> requests_;
};

// Without a window: each choice comes from a queue, Cancel once it has run out; what each
// dialog was asked is kept.
class ScriptedFileDialog : public FileDialog {
public:
    struct Request {
        std::string caption;
        std::vector<FileFilter> filters;
        std::string suggestedName;
        bool toSave = false;
    };

    std::optional<FileChoice> ChooseFileToOpen(const std::string& caption,
                                               const std::vector<FileFilter>& filters) override;
    std::optional<FileChoice> ChooseFileToSave(const std::string& caption,
                                               const std::vector<FileFilter>& filters,
                                               const std::string& suggestedName) override;

    void QueueChoice(std::string path, std::size_t filter) {
        answers_.push_back(FileChoice{std::move(path), filter});
    }
    void QueueCancel() { answers_.push_back(std::nullopt); }
    const std::vector<Request>& Requests() const { return requests_; }

private:
    std::optional<FileChoice> Next(Request request);

    std::deque<std::optional<FileChoice>> answers_;
    std::vector<Request> requests_;
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

// The services without a window, owned together: what tests script and read back.
struct HeadlessUiServices {
    RecordingMessageBox messages;
    ScriptedQuestion question;
    RecordingWaitCursor waitCursor;
    ScriptedPendingEvents pendingEvents;
    ScriptedPasswordDialog passwordDialog;
    ScriptedInputMethodDialog inputMethodDialog;
    ScriptedTimeRangeDialog timeRangeDialog;
    ScriptedClassTimeDialog classTimeDialog;
    ScriptedFileDialog fileDialog;
    FixedClock clock;

    UiServices Services();
};

} // namespace zyntra
