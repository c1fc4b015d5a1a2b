#include "kit/edit_field.h"

#include "kit/control_set.h"

namespace zyntra {

void EditField::SetText(std::string text) {
    if (text_ == text) {
        return;
    }
    text_ = std::move(text);
    Notify(ControlProperty::Text);
    OnChange.Fire();
}

void EditField::SetMaxLength(int characters) {
    characters = characters < 0 ? 0 : characters;
    if (maxLength_ == characters) {
        return;
    }
    maxLength_ = characters;
    Notify(ControlProperty::MaxLength);
}

void EditField::SetReadOnly(bool readOnly) {
    if (readOnly_ == readOnly) {
        return;
    }
    readOnly_ = readOnly;
    Notify(ControlProperty::ReadOnly);
}

void EditField::SetInputMethod(std::string name) {
    if (inputMethod_ == name) {
        return;
    }
    inputMethod_ = std::move(name);
    Notify(ControlProperty::InputMethod);
}

void EditField::UserEditText(std::string text) {
    if (readOnly_ || !AcceptsUserAction()) {
        return;
    }
    if (maxLength_ > 0) {
        text.resize(FirstCharacters(text, static_cast<std::size_t>(maxLength_), Encoding()).size());
    }
    if (text == text_) {
        // The widget may hold the longer text it was given: make it show the cut one.
        Notify(ControlProperty::Text);
        return;
    }
    SetText(std::move(text));
}

TextEncoding EditField::Encoding() const {
    return Owner() != nullptr ? Owner()->Encoding() : TextEncoding::SingleByte;
}

} // namespace zyntra
