#pragma once

#include <string>
#include <vector>

namespace zyntra {

// A plain modal message box with one OK button. Texts are bytes in the
// interface charset; the window's implementation converts them for display.
class MessageBox {
public:
    virtual ~MessageBox() = default;

    // A box captioned with the application title.
    virtual void Show(const std::string& text) = 0;

    // A box with a caption of its own and no owner window ("ERROR" and the like).
    virtual void ShowCaptioned(const std::string& caption, const std::string& text) = 0;

    // A box captioned with the application title whose details, a longer text, the user may
    // open. Where there is nobody to open them, the text alone is shown.
    virtual void ShowWithDetails(const std::string& text, const std::string& /*details*/) {
        Show(text);
    }
};

} // namespace zyntra
