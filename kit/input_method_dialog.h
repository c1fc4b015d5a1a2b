#pragma once

#include "kit/dialog_types.h"

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

} // namespace zyntra
