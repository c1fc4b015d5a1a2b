#include "kit/bars.h"

namespace zyntra {

void PartsBar::AddPart(std::string text, int width) {
    parts_.push_back({std::move(text), width});
    Notify(property_, PartCount() - 1);
}

BarPart& PartsBar::Ensure(int index) {
    if (index >= PartCount()) {
        parts_.resize(static_cast<std::size_t>(index) + 1);
        Notify(property_);
    }
    return parts_[static_cast<std::size_t>(index)];
}

void PartsBar::SetPartText(int index, std::string text) {
    if (index < 0) {
        return;
    }
    BarPart& part = Ensure(index);
    if (part.text != text) {
        part.text = std::move(text);
        Notify(property_, index);
    }
}

void PartsBar::SetPartWidth(int index, int width) {
    if (index < 0) {
        return;
    }
    BarPart& part = Ensure(index);
    if (part.width != width) {
        part.width = width;
        Notify(property_, index);
    }
}

std::string PartsBar::PartText(int index) const {
    return index >= 0 && index < PartCount() ? parts_[static_cast<std::size_t>(index)].text
                                             : std::string();
}

void StatusBar::SetSimplePanel(bool simple) {
    if (simplePanel_ != simple) {
        simplePanel_ = simple;
        Notify(ControlProperty::Panels);
    }
}

void StatusBar::SetSimpleText(std::string text) {
    if (simpleText_ != text) {
        simpleText_ = std::move(text);
        Notify(ControlProperty::Text);
    }
}

} // namespace zyntra
