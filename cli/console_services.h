#pragma once

#include "exchange/charset_codec.h"
#include "kit/class_time_dialog.h"
#include "kit/clock.h"
#include "kit/input_method_dialog.h"
#include "kit/message_box.h"
#include "kit/password_dialog.h"
#include "kit/pending_events.h"
#include "kit/question.h"
#include "kit/time_range_dialog.h"
#include "kit/ui_services.h"
#include "kit/wait_cursor.h"

#include <cstdio>
#include <optional>
#include <string>

namespace zyntra {

// Every box the engine shows (the fixed low-level lines, a start-up message) becomes one UTF-8
// line on the given stream.
class ConsoleMessageBox : public MessageBox {
public:
    ConsoleMessageBox(const CharsetCodec& codec, std::FILE* out) : codec_(codec), out_(out) {}

    void Show(const std::string& text) override;
    void ShowCaptioned(const std::string& caption, const std::string& text) override;

private:
    const CharsetCodec& codec_;
    std::FILE* out_;
};

// Nobody sits at a command line to answer a question or fill in a dialog: every question is
// answered Cancel and every dialog cancelled, so nothing happens that nobody agreed to. The
// command line asks what it needs (the device's password) through its own options instead.
class NonInteractiveQuestion : public Question {
public:
    bool Ask(const std::string&) override { return false; }
    bool AskCaptioned(const std::string&, const std::string&) override { return false; }
};

class NonInteractivePasswordDialog : public PasswordDialog {
public:
    std::optional<std::string> Run(const DialogTexts&) override { return std::nullopt; }
};

class NonInteractiveInputMethodDialog : public InputMethodDialog {
public:
    std::optional<int> Run(const DialogTexts&, const std::vector<std::string>&, int) override {
        return std::nullopt;
    }
};

class NonInteractiveTimeRangeDialog : public TimeRangeDialog {
public:
    std::optional<TimeRange> Run(const TimeDialogTexts&, const TimeRange&) override {
        return std::nullopt;
    }
};

class NonInteractiveClassTimeDialog : public ClassTimeDialog {
public:
    std::optional<ClockTimeRange> Run(const TimeDialogTexts&, const ClockTimeRange&) override {
        return std::nullopt;
    }
};

// No cursor to show and no window whose events could wait.
class ConsoleWaitCursor : public WaitCursor {
protected:
    void Apply(CursorShape) override {}
};

class ConsolePendingEvents : public PendingEvents {
public:
    void ProcessPendingEvents() override {}
};

// The user-interface services of the command line, owned together.
class ConsoleServices {
public:
    ConsoleServices(const CharsetCodec& codec, std::FILE* messages) : messages_(codec, messages) {}

    UiServices Services();

private:
    ConsoleMessageBox messages_;
    NonInteractiveQuestion question_;
    ConsoleWaitCursor waitCursor_;
    ConsolePendingEvents pendingEvents_;
    NonInteractivePasswordDialog passwordDialog_;
    NonInteractiveInputMethodDialog inputMethodDialog_;
    NonInteractiveTimeRangeDialog timeRangeDialog_;
    NonInteractiveClassTimeDialog classTimeDialog_;
    NoFileDialog fileDialog_;
    SystemClock clock_;
};

// The first line of the stream, without its line ending; nothing at end of file.
std::optional<std::string> ReadFirstLine(std::FILE* in);

} // namespace zyntra
