#pragma once

#include "kit/dialog_types.h"
#include "kit/scripted_answers.h"

#include <optional>
#include <string>
#include <vector>

namespace zyntra {

// The modal choice of an input method: a prompt above a list of names, OK and Cancel. It opens
// with the item `selected` chosen (no item when outside the names). On OK it returns the index
// of the chosen item, -1 when none is chosen; on Cancel nothing.
class InputMethodDialog {
public:
    virtual ~InputMethodDialog() = default;
    virtual std::optional<int> Run(const DialogTexts& texts, const std::vector<std::string>& names,
                                   int selected) = 0;
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

} // namespace zyntra
