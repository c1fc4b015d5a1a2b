#pragma once

#include "kit/form.h"

namespace zyntra {

class IniFile;

struct ScreenSize {
    int width = 1024;
    int height = 768;
};

struct WindowPlacement {
    int top = 0;
    int left = 0;
    int width = 1024;
    int height = 768;
    WindowState state = WindowState::Normal;

    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// What section "MainForm" of the settings file holds, with the defaults of a
// centred 1024 x 768 window for the keys that are missing or not numbers.
WindowPlacement ReadWindowPlacement(const IniFile& settings, const ScreenSize& screen);
bool WriteWindowPlacement(IniFile& settings, const WindowPlacement& placement);

// Screens 800 pixels wide or less get the whole screen and the compact layout.
bool IsCompactScreen(const ScreenSize& screen);

// Where the window goes whatever the file said: centred at 1024 x 768, or
// the whole of a small screen. Only the saved window state survives.
WindowPlacement PlaceByScreenRule(const ScreenSize& screen, WindowState savedState);

} // namespace zyntra
