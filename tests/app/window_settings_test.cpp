#include "texts/ini_file.h"
#include "app/main_window.h"
#include "app/window_settings.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace zyntra {
namespace {

class WindowSettingsTest : public ::testing::Test {
protected:
    test::TempDir dir_;
    IniFile settings_{dir_.Path() + "Zyntra.ini"};
};

TEST_F(WindowSettingsTest, MissingOrBrokenValuesGiveACentredWindow) {
    WindowPlacement expected{128, 128, 1024, 768, WindowState::Normal};
    EXPECT_EQ(ReadWindowPlacement(settings_, {1280, 1024}), expected);

    test::WriteFile(settings_.Path(), "[MainForm]\nTop=abc\nLeft=\nWidth=640\nWindowState=x\n");
    expected.width = 640;
    EXPECT_EQ(ReadWindowPlacement(settings_, {1280, 1024}), expected);
    // Odd differences round toward zero, also below zero.
    EXPECT_EQ(ReadWindowPlacement(IniFile(dir_.Path() + "none.ini"), {1023, 767}).left, 0);
    EXPECT_EQ(ReadWindowPlacement(IniFile(dir_.Path() + "none.ini"), {1021, 765}).top, -1);
}

TEST_F(WindowSettingsTest, WrittenPlacementReadsBack) {
    WindowPlacement saved{10, 20, 1024, 768, WindowState::Maximized};
    ASSERT_TRUE(WriteWindowPlacement(settings_, saved));
    EXPECT_EQ(ReadWindowPlacement(settings_, {1920, 1080}), saved);
    EXPECT_NE(test::ReadFile(settings_.Path()).find("[MainForm]"), std::string::npos);
}

TEST(ScreenRule, CentresOnLargeScreensAndFillsSmallOnesKeepingOnlyTheState) {
    EXPECT_EQ(PlaceByScreenRule({1280, 1024}, WindowState::Maximized),
              (WindowPlacement{128, 128, 1024, 768, WindowState::Maximized}));
    EXPECT_EQ(PlaceByScreenRule({800, 600}, WindowState::Normal),
              (WindowPlacement{0, 0, 800, 600, WindowState::Normal}));
    EXPECT_TRUE(IsCompactScreen({800, 600}));
    EXPECT_FALSE(IsCompactScreen({801, 600}));
    EXPECT_EQ(PlaceByScreenRule({1024, 768}, WindowState::Normal).top, 0);
}

} // namespace
} // namespace zyntra
