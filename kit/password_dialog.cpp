#include "kit/password_dialog.h"

namespace zyntra {

std::optional<std::string> ScriptedPasswordDialog::Run(const DialogTexts& texts) {
    shown_.push_back(texts);
    return answers_.Next();
}

} // namespace zyntra
