#pragma once

#include <functional>
#include <string>

namespace zyntra {

class Control;
class IconLibrary;
class TextCodec;

// What every peer needs besides its control and widget.
struct PeerContext {
    const TextCodec& codec;
    const IconLibrary& icons;
    // Switches the platform's input method on while a text field has the focus; may be empty.
    std::function<void(const std::string& name)> activateInputMethod;
    // The application's current hint changed (the control or menu entry under the mouse).
    std::function<void(const std::string& hintKey)> setCurrentHint;
    // The short part of a hint key's language text: the words on a button without caption.
    std::function<std::string(const std::string& hintKey)> shortHint;
    // A control's caption, hint or columns changed: what assistive tools read of it may too.
    std::function<void(const Control& control)> textsChanged;
};

} // namespace zyntra
