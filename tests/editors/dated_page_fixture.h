#pragma once

#include "device/device_link.h"
#include "kit/controls.h"
#include "personal/editors/user_data_page.h"
#include "personal/personal_engine.h"
#include "tests/support/device_fixture.h"
#include "tests/support/main_window_fixture.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zyntra::test {

// The schedule and to-do pages in the window model, on one plugged-in device, with a clock
// that stands at 2024/05/10 14:37:20.
class DatedPageTest : public ::testing::Test {
protected:
    static constexpr PlainDateTime kNow{{2024, 5, 10}, {14, 37, 20}};
    static constexpr const char* kPassword = "1234";

    void Start(bool locked = false) {
        harness_.ui.clock.Set(kNow);
        drives_.AddInternalMemory("internal", locked
                                                  ? LockedDeviceHeader("A1", kInternal, kPassword)
                                                  : DeviceHeader("A1", kInternal));
        ASSERT_TRUE(harness_.Create());
    }

    // Shows editor page `page` of the user-data page, as the user's clicks would.
    void ShowEditorPage(int page) {
        Get<PageControl>("pgcMain").SetActivePageIndex(1);
        Get<PageControl>("pgcPIMPage").SetActivePageIndex(page);
        harness_.ui.messages.Clear();
    }

    template <class T> T& Get(const char* name) {
        return harness_.Window().Controls().Get<T>(name);
    }
    UserDataPage& Editors() { return harness_.Window().Editors(); }
    RecordLists& Lists() { return harness_.Window().Personal().Lists(); }

    std::vector<std::string> Row(const char* list, int row) {
        return Get<ListView>(list).RowData(row).texts;
    }

    // The texts of the boxes shown since the last call.
    std::vector<std::string> TakeShown() {
        std::vector<std::string> texts;
        for (const ShownMessage& shown : harness_.ui.messages.Shown())
            texts.push_back(shown.text);
        harness_.ui.messages.Clear();
        return texts;
    }

    MainWindowHarness harness_;
    FixtureDrives drives_{harness_.volumes};

private:
    static constexpr DriveKind kInternal = DriveKind::InternalMemory;
};

} // namespace zyntra::test
