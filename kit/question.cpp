#include "kit/question.h"

namespace zyntra {

bool ScriptedQuestion::Ask(const std::string& text) {
    return AskCaptioned({}, text);
}

bool ScriptedQuestion::AskCaptioned(const std::string& caption, const std::string& text) {
    asked_.push_back({caption, text});
    return answers_.Next();
}

} // namespace zyntra
