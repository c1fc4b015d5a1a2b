#pragma once

#include "kit/dialog_types.h"
#include "kit/scripted_answers.h"

#include <optional>
#include <string>
#include <vector>

namespace zyntra {

// The modal password dialog: a prompt, a field that hides what is typed, OK and Cancel.
// Returns the typed text on OK (possibly empty), nothing on Cancel.
class PasswordDialog {
public:
    virtual ~PasswordDialog() = default;
    virtual std::optional<std::string> Run(const DialogTexts& texts) = 0;
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

} // namespace zyntra
