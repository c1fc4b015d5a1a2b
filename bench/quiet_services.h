#pragma once

#include "kit/ui_services.h"

#include <cstdio>

namespace zyntra::bench {

// The user-interface services of a run nobody watches: boxes go to standard error, where a
// start-up that failed says why; every question and dialog is cancelled.
class QuietMessageBox : public MessageBox {
public:
    void Show(const std::string& text) override { std::fprintf(stderr, "box: %s\n", text.c_str()); }
    void ShowCaptioned(const std::string& caption, const std::string& text) override {
        std::fprintf(stderr, "box: %s: %s\n", caption.c_str(), text.c_str());
    }
};

class QuietQuestion : public Question {
public:
    bool Ask(const std::string&) override { return false; }
    bool AskCaptioned(const std::string&, const std::string&) override { return false; }
};

class QuietPasswordDialog : public PasswordDialog {
public:
    std::optional<std::string> Run(const DialogTexts&) override { return std::nullopt; }
};

class QuietInputMethodDialog : public InputMethodDialog {
public:
    std::optional<int> Run(const DialogTexts&, const std::vector<std::string>&, int) override {
        return std::nullopt;
    }
};

class QuietTimeRangeDialog : public TimeRangeDialog {
public:
    std::optional<TimeRange> Run(const TimeDialogTexts&, const TimeRange&) override {
        return std::nullopt;
    }
};

class QuietClassTimeDialog : public ClassTimeDialog {
public:
    std::optional<ClockTimeRange> Run(const TimeDialogTexts&, const ClockTimeRange&) override {
        return std::nullopt;
    }
};

class QuietWaitCursor : public WaitCursor {
protected:
    void Apply(CursorShape) override {}
};

class QuietPendingEvents : public PendingEvents {
public:
    void ProcessPendingEvents() override {}
};

class QuietServices {
public:
    UiServices Services() {
        return {messages_,          question_,        waitCursor_,      pendingEvents_, password_,
                inputMethodDialog_, timeRangeDialog_, classTimeDialog_, fileDialog_, clock_};
    }

private:
    QuietMessageBox messages_;
    QuietQuestion question_;
    QuietWaitCursor waitCursor_;
    QuietPendingEvents pendingEvents_;
    QuietPasswordDialog password_;
    QuietInputMethodDialog inputMethodDialog_;
    QuietTimeRangeDialog timeRangeDialog_;
    QuietClassTimeDialog classTimeDialog_;
    NoFileDialog fileDialog_;
    SystemClock clock_;
};

} // namespace zyntra::bench
