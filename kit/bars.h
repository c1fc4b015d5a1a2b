#pragma once

#include "kit/control.h"

#include <string>
#include <vector>

namespace zyntra {

// A bar divided into parts that each carry a text and a width: the bands of a cool bar and
// the panels of a status bar. Setting a part past the last one adds parts up to it.
struct BarPart {
    std::string text;
    int width = 0;
};

class PartsBar : public Control {
public:
    int PartCount() const { return static_cast<int>(parts_.size()); }
    const BarPart& Part(int index) const { return parts_.at(static_cast<std::size_t>(index)); }
    void AddPart(std::string text, int width);
    void SetPartText(int index, std::string text);
    void SetPartWidth(int index, int width);
    // Empty outside the parts.
    std::string PartText(int index) const;

protected:
    explicit PartsBar(std::string name, ControlProperty property)
        : Control(std::move(name)), property_(property) {}

private:
    BarPart& Ensure(int index);

    std::vector<BarPart> parts_;
    ControlProperty property_ = ControlProperty::Bands;
};

class CoolBar : public PartsBar {
public:
    explicit CoolBar(std::string name) : PartsBar(std::move(name), ControlProperty::Bands) {}

    int BandCount() const { return PartCount(); }
    const BarPart& Band(int index) const { return Part(index); }
    void SetBandText(int index, std::string text) { SetPartText(index, std::move(text)); }
    void SetBandWidth(int index, int width) { SetPartWidth(index, width); }
};

// Panels, or one simple text across the whole bar while SimplePanel is on.
class StatusBar : public PartsBar {
public:
    explicit StatusBar(std::string name) : PartsBar(std::move(name), ControlProperty::Panels) {}

    int PanelCount() const { return PartCount(); }
    const BarPart& Panel(int index) const { return Part(index); }
    void SetPanelText(int index, std::string text) { SetPartText(index, std::move(text)); }
    void SetPanelWidth(int index, int width) { SetPartWidth(index, width); }
    std::string PanelText(int index) const { return PartText(index); }

    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool simple);
    const std::string& SimpleText() const { return simpleText_; }
    void SetSimpleText(std::string text);

private:
    bool simplePanel_ = false;
    std::string simpleText_;
};

} // namespace zyntra
