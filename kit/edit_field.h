#pragma once

#include "kit/control.h"
#include "kit/event.h"
#include "kit/text_units.h"

#include <string>

namespace zyntra {

// A one-line text field. Its text changes fire OnChange, from code and from the user alike.
//
// The maximum length counts characters (in the encoding of the set, see ControlSet) and, as in
// an ordinary edit control, limits only what the user types: SetText takes any text whole,
// while UserEditText cuts the user's text to the limit without splitting a character.
class EditField : public Control {
public:
    using Control::Control;

    const std::string& Text() const { return text_; }
    void SetText(std::string text);

    // 0: no limit.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int characters);

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);

    // The input method that the platform switches on while this field has the focus; the
    // empty name switches none on.
    const std::string& InputMethod() const { return inputMethod_; }
    void SetInputMethod(std::string name);

    // The user changed the text to this; ignored on a read-only field.
    void UserEditText(std::string text);

    Event<> OnChange;

private:
    TextEncoding Encoding() const;

    std::string text_;
    int maxLength_ = 0;
    bool readOnly_ = false;
    std::string inputMethod_;
};

// A multi-line plain-text field; the same model as the one-line field.
class MultiLineEdit : public EditField {
public:
    using EditField::EditField;
};

} // namespace zyntra
