#include "app/input_method_selection.h"
#include "kit/dialog_types.h"
#include "kit/input_method_dialog.h"
#include "kit/message_box.h"
#include "platform/input_methods.h"
#include "platform/registry.h"
#include "tests/support/ui_doubles.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace zyntra {
namespace {

// Layouts as the platform lists them, with registry names for the ones that
// have a key.
class InputMethodSelectionTest : public ::testing::Test {
protected:
    void AddLayout(std::uint32_t handle, const std::string& name, bool hasKey = true) {
        layouts_.push_back({handle, name, name, InputMethodFramework::IBus});
        if (!hasKey)
            return;
        char key[80];
        std::snprintf(key, sizeof key, "SYSTEM\\ControlSet001\\Control\\Keyboard Layouts\\%08X",
                      static_cast<unsigned>(handle));
        registry_.AddKey(RegistryRoot::LocalMachine, key);
        registry_.SetString(RegistryRoot::LocalMachine, key, "Layout Text", name);
    }

    void Select(const std::string& language) {
        MemoryInputMethods methods(layouts_);
        SelectInputMethod(table_, language, {methods, registry_, dialog_, messages_},
                          {"Zyntra", "Choose", "OK", "Cancel"});
    }

    std::vector<InputMethod> layouts_;
    MemoryRegistry registry_;
    ScriptedInputMethodDialog dialog_;
    RecordingMessageBox messages_;
    InputMethodTable table_;
};

TEST_F(InputMethodSelectionTest, TwoChineseMethodsAreOfferedWithoutThePlainKeyboard) {
    AddLayout(0x04040404, "Chinese (Taiwan) keyboard");
    AddLayout(0xE0010404, "Chewing");
    AddLayout(0x04090409, "US keyboard");
    AddLayout(0xE0020404, "Cangjie");
    dialog_.QueueChoice(1);
    Select("zh_TW");

    ASSERT_EQ(dialog_.Requests().size(), 1u);
    EXPECT_EQ(dialog_.Requests()[0].names, (std::vector<std::string>{"Chewing", "Cangjie"}));
    EXPECT_EQ(dialog_.Requests()[0].selected, 0);
    EXPECT_EQ(dialog_.Requests()[0].texts.prompt, "Choose");
    EXPECT_EQ(table_.count, 2);
    EXPECT_EQ(table_.imeChoice, 1);
    EXPECT_EQ(ChosenInputMethodName(table_), "Cangjie");
}

TEST_F(InputMethodSelectionTest, CancelOrNoChoiceKeepsTheFirstAndOneMethodIsTakenWithoutAsking) {
    AddLayout(0xE0010404, "Chewing");
    AddLayout(0xE0020404, "Cangjie");
    dialog_.QueueCancel();
    Select("zh_TW");
    EXPECT_EQ(table_.imeChoice, 0);

    dialog_.QueueChoice(-1);
    Select("zh_TW");
    EXPECT_EQ(table_.imeChoice, 0);

    layouts_.clear();
    AddLayout(0xE0010804, "Pinyin");
    AddLayout(0xE0010404, "Chewing");
    Select("zh_CN");
    EXPECT_EQ(dialog_.Requests().size(), 2u); // no third dialog
    EXPECT_EQ(ChosenInputMethodName(table_), "Pinyin");
}

TEST_F(InputMethodSelectionTest, EnglishSystemTakesItsStandardKeyboard) {
    AddLayout(0x04090409, "US keyboard");
    AddLayout(0xE0010404, "Chewing");
    Select("en_US");
    EXPECT_TRUE(dialog_.Requests().empty());
    EXPECT_EQ(ChosenInputMethodName(table_), "US keyboard");
}

TEST_F(InputMethodSelectionTest, NoLayoutListLeavesTheChoiceOpenAndMissingKeysAreReported) {
    Select("zh_TW");
    EXPECT_EQ(table_.imeChoice, -1);
    EXPECT_EQ(ChosenInputMethodName(table_), "");

    AddLayout(0xE0010404, "Chewing", false);
    Select("zh_TW");
    ASSERT_EQ(messages_.Shown().size(), 1u);
    EXPECT_EQ(messages_.Shown()[0].text, "Error opening key");
    EXPECT_EQ(table_.imeChoice, 0);
    EXPECT_EQ(ChosenInputMethodName(table_), "");
}

TEST_F(InputMethodSelectionTest, MoreLayoutsThanTheTableHoldsAreCutAtItsCapacity) {
    for (std::uint32_t n = 1; n <= 120; ++n)
        AddLayout(((0xE000 + n) << 16) | 0x0404, "IME " + std::to_string(n));
    dialog_.QueueChoice(99);
    Select("zh_TW");
    EXPECT_EQ(table_.count, kSysImeCapacity);
    EXPECT_EQ(dialog_.Requests()[0].names.size(), 100u);
    EXPECT_EQ(ChosenInputMethodName(table_), "IME 100");
}

} // namespace
} // namespace zyntra
