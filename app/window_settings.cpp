#include "app/window_settings.h"

#include "texts/ini_file.h"

namespace zyntra {
namespace {

constexpr const char* kSection = "MainForm";

WindowState StateFromNumber(int number) {
    switch (number) {
    case 1:
        return WindowState::Minimized;
    case 2:
        return WindowState::Maximized;
    default:
        return WindowState::Normal;
    }
}

} // namespace

WindowPlacement ReadWindowPlacement(const IniFile& settings, const ScreenSize& screen) {
    WindowPlacement placement;
    placement.top = settings.ReadInt(kSection, "Top", (screen.height - 768) / 2);
    placement.left = settings.ReadInt(kSection, "Left", (screen.width - 1024) / 2);
    placement.width = settings.ReadInt(kSection, "Width", 1024);
    placement.height = settings.ReadInt(kSection, "Height", 768);
    placement.state = StateFromNumber(settings.ReadInt(kSection, "WindowState", 0));
    return placement;
}

bool WriteWindowPlacement(IniFile& settings, const WindowPlacement& placement) {
    bool written = settings.WriteInt(kSection, "Top", placement.top);
    written = settings.WriteInt(kSection, "Left", placement.left) && written;
    written = settings.WriteInt(kSection, "Width", placement.width) && written;
    written = settings.WriteInt(kSection, "Height", placement.height) && written;
    return settings.WriteInt(kSection, "WindowState", static_cast<int>(placement.state)) && written;
}

bool IsCompactScreen(const ScreenSize& screen) {
    return screen.width <= 800;
}

WindowPlacement PlaceByScreenRule(const ScreenSize& screen, WindowState savedState) {
    WindowPlacement placement;
    placement.state = savedState;
    if (IsCompactScreen(screen)) {
        placement.width = screen.width;
        placement.height = screen.height;
        return placement;
    }
    placement.top = (screen.height - 768) / 2;
    placement.left = (screen.width - 1024) / 2;
    return placement;
}

} // namespace zyntra
