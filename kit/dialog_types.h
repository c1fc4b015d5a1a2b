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

} // namespace zyntra
