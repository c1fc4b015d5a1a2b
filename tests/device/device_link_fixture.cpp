#include "tests/device/device_link_fixture.h"

#include "app/controls/main_window_controls.h"
#include "app/device_controls.h"
#include "texts/lang_text.h"
#include "tests/support/ui_doubles.h"

namespace zyntra::test {

DeviceLinkTest::DeviceLinkTest() {
    OpenLanguageFile(folder_.File("Lang.ini"));
    CreateMainWindowControls(controls_);
    link_ = std::make_unique<DeviceLink>(ui_.Services(), volumes_, DeviceControlsOf(controls_));
}

DeviceLinkTest::~DeviceLinkTest() {
    CloseLanguageFile();
}

std::vector<std::string> DeviceLinkTest::TreeShape() {
    std::vector<std::string> shape;
    for (int i = 0; i < Tree().NodeCount(); ++i) {
        const TreeNode& node = Tree().Node(i);
        shape.push_back(node.caption + "/" + std::to_string(node.imageIndex) + "/" +
                        std::to_string(node.depth));
        EXPECT_EQ(node.selectedIndex, node.imageIndex) << node.caption;
    }
    return shape;
}

std::vector<std::string> DeviceLinkTest::ShownTexts() const {
    std::vector<std::string> texts;
    for (const ShownMessage& message : ui_.messages.Shown())
        texts.push_back(message.text);
    return texts;
}

std::optional<bool> DeviceLinkTest::SwitchedControlsEnabled() {
    int on = 0, total = 0;
    for (const char* name :
         {"btnDictRefresh", "btnDictView", "btnDictCut", "btnDictCopy", "btnDictPaste",
          "btnDictDelete", "btnDictUpload", "btnCompCut", "btnCompCopy", "btnCompPaste",
          "btnCompDownload", "clbSyncData", "rgSync", "rbSync1", "rbSync2", "rbSync3", "sbSync"}) {
        on += Get<Control>(name).Enabled();
        ++total;
    }
    for (const char* name : {"pmDictMenu", "pmCompMenu"}) {
        on += Get<PopupMenu>(name).AutoPopup();
        ++total;
    }
    if (on == 0 || on == total)
        return on == total;
    return std::nullopt;
}

bool DeviceLinkTest::EnabledOnlyGroupEnabled() {
    bool all = true;
    for (const char* name : {"btnCompDelete", "gbDataSync", "sbBackup", "sbRestore"})
        all = all && Get<Control>(name).Enabled();
    return all;
}

} // namespace zyntra::test
