#include "kit/input_method_dialog.h"

namespace zyntra {

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

} // namespace zyntra
