#pragma once

#include "kit/control.h"

namespace zyntra {

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

enum class BorderStyle { None, Single, Sizeable, Dialog };

struct BorderIcons {
    bool systemMenu = true;
    bool minimize = true;
    bool maximize = true;

    friend bool operator==(const BorderIcons&, const BorderIcons&) = default;
};

// A window: caption, bounds, window state and border. OnResize (inherited) fires on every
// change of its width or height, from code or from the window.
//
// A form starts visible. To have the pages inside it report OnShow when it first appears,
// hide it while the controls are built and show it afterwards.
class Form : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;

    WindowState State() const { return state_; }
    void SetState(WindowState state);

    BorderStyle Border() const { return border_; }
    void SetBorder(BorderStyle border);
    const BorderIcons& Icons() const { return icons_; }
    void SetIcons(const BorderIcons& icons);

    // The client area is the bounds less the frame; the window reports its frame's size.
    int ClientWidth() const;
    int ClientHeight() const;
    void SetFrameSize(int extraWidth, int extraHeight);

    void UserSetState(WindowState state);

private:
    WindowState state_ = WindowState::Normal;
    BorderStyle border_ = BorderStyle::Sizeable;
    BorderIcons icons_;
    int frameWidth_ = 0;
    int frameHeight_ = 0;
};

} // namespace zyntra
