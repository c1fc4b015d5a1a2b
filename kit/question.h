#pragma once

#include "kit/scripted_answers.h"

#include <string>
#include <vector>

namespace zyntra {

// A modal question with OK and Cancel: true for OK. Texts are bytes in the interface charset.
class Question {
public:
    virtual ~Question() = default;

    // Captioned with the application title.
    virtual bool Ask(const std::string& text) = 0;
    virtual bool AskCaptioned(const std::string& caption, const std::string& text) = 0;
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

} // namespace zyntra
