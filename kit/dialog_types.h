#pragma once

#include <optional>
#include <string>

namespace zyntra {

// Texts a dialog shows, set by the caller each time it opens; bytes in the interface charset.
struct DialogTexts {
    std::string caption;
    std::string prompt;
    std::string okText;
    std::string cancelText;

    friend bool operator==(const DialogTexts&, const DialogTexts&) = default;
};

struct TimeDialogTexts {
    std::string caption;
    std::string startLabel;
    std::string endLabel;
    std::string okText;
    std::string cancelText;

    friend bool operator==(const TimeDialogTexts&, const TimeDialogTexts&) = default;
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

} // namespace zyntra
