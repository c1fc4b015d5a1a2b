#pragma once

#include "kit/dialog_types.h"

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

} // namespace zyntra
