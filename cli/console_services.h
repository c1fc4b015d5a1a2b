#pragma once

#include "cli/charset_codec.h"
#include "kit/message_box.h"
#include "kit/password_dialog.h"

#include <cstdio>
#include <optional>
#include <string>

namespace zyntra {

// Every box the window would show becomes one UTF-8 line on standard error.
class ConsoleMessageBox : public MessageBox {
public:
    ConsoleMessageBox(const CharsetCodec& codec, std::FILE* out) : codec_(codec), out_(out) {}

    void Show(const std::string& text) override;
    void ShowCaptioned(const std::string& caption, const std::string& text) override;

    int ShownCount() const { return shown_; }
    // Whether a low-level failure line ("open file=...", "* SQL error...")
    // was shown since the last call.
    bool TakeLowLevelFailure();
    const std::string& LastShown() const { return last_; }

private:
    const CharsetCodec& codec_;
    std::FILE* out_;
    int shown_ = 0;
    std::string last_;
    bool lowLevelFailure_ = false;
};

// The password dialog answered with a password given up front (the first
// line of standard input), converted to the interface charset; without one,
// every showing is answered with Cancel.
class ConsolePasswordDialog : public PasswordDialog {
public:
    void SetAnswer(std::optional<std::string> password) { answer_ = std::move(password); }
    std::optional<std::string> Run(const DialogTexts& texts) override;

private:
    std::optional<std::string> answer_;
};

// The first line of the stream, without its line ending; nothing at end of file.
std::optional<std::string> ReadFirstLine(std::FILE* in);

} // namespace zyntra
