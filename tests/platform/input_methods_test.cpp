#include "platform/backends.h"
#include "platform/input_methods.h"
#include "platform/locale_language.h"
#include "platform/registry.h"
#include "tests/platform/scoped_env.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace zyntra {
namespace {

constexpr const char* kLayouts = "SYSTEM\\ControlSet001\\Control\\Keyboard Layouts\\";

class InputMethodFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteFile(ibus_ + "chewing.xml", R"(<?xml version="1.0" encoding="utf-8"?>
<!-- the Chewing component -->
<component>
  <name>org.freedesktop.IBus.Chewing</name>
  <engines>
    <engine>
      <name>chewing</name>
      <language>zh_TW</language>
      <longname>Chewing &amp; Friends</longname>
    </engine>
  </engines>
</component>)");
        test::WriteFile(ibus_ + "libpinyin.xml", R"(<component><name>org.x.Libpinyin</name>
  <engines>
    <engine><name>libpinyin</name><language>zh_CN</language><longname>Intelligent Pinyin</longname></engine>
    <engine><name>libbopomofo</name><language>zh_TW</language><longname></longname></engine>
  </engines></component>)");
        test::WriteFile(ibus_ + "simple.xml", R"(<component><engines>
    <engine><name>xkb:us::eng</name><language>en</language><longname>English (US)</longname></engine>
  </engines></component>)");
        test::WriteFile(ibus_ + "anthy.xml", "<component><engines exec=\"/usr/lib/x --xml\"/>");
        test::WriteFile(ibus_ + "broken.xml",
                        "<component><engines><engine><name>mozc-jp</name><language>ja</language>"
                        "<longname>Mozc</longname></engine><engine><name>cut");
        test::WriteFile(ibus_ + "notes.txt", "<engine><name>no</name></engine>");
        test::WriteFile(fcitx_ + "pinyin.conf", "[InputMethod]\nName=Pinyin\nName[zh_CN]=拼音\n"
                                                "Icon=fcitx-pinyin\nLangCode=zh_CN\n");
        test::WriteFile(fcitx_ + "hangul.conf",
                        "# Korean\n[Addon]\nName=Wrong\n[InputMethod]\n  LangCode = ko \n");
    }

    test::TempDir dir_;
    std::string ibus_ = dir_.Path() + "ibus/";
    std::string fcitx_ = dir_.Path() + "fcitx5/";
};

TEST_F(InputMethodFilesTest, ListsThePlainKeyboardThenEveryEngineWithItsHandle) {
    SystemInputMethods methods({ibus_, fcitx_}, "zh_TW.UTF-8");
    using F = InputMethodFramework;
    std::vector<InputMethod> expected{
        {0x04040404, "Chinese (Traditional) keyboard", "", F::None},
        {0xE0010411, "Mozc", "mozc-jp", F::IBus},
        {0xE0020404, "Chewing & Friends", "chewing", F::IBus},
        {0xE0030804, "Intelligent Pinyin", "libpinyin", F::IBus},
        {0xE0040404, "libbopomofo", "libbopomofo", F::IBus},
        {0xE0050412, "hangul", "hangul", F::Fcitx5},
        {0xE0060804, "Pinyin", "pinyin", F::Fcitx5},
    };
    EXPECT_EQ(methods.List(), expected);
    EXPECT_EQ(methods.KeyboardLayoutList(),
              (std::vector<std::uint32_t>{0x04040404, 0xE0010411, 0xE0020404, 0xE0030804,
                                          0xE0040404, 0xE0050412, 0xE0060804}));
    ASSERT_NE(methods.Find(0xE0060804), nullptr);
    EXPECT_EQ(methods.Find(0xE0060804)->name, "Pinyin");
    EXPECT_EQ(methods.Find(0x12345678), nullptr);
}

TEST_F(InputMethodFilesTest, RegistryAnswersLayoutTextAndLanguage) {
    SystemInputMethods methods({ibus_, {}}, "en_US.UTF-8");
    SystemRegistry registry("zh_HK.Big5", methods);
    auto read = [&](RegistryRoot root, std::string key, const char* value) {
        return registry.ReadString(root, key, value);
    };
    using R = RegistryRoot;
    EXPECT_EQ(read(R::CurrentUser, "Control Panel\\International", "sLanguage"), "CHT");
    EXPECT_EQ(read(R::CurrentUser, "control panel\\INTERNATIONAL", "SLANGUAGE"), "CHT");
    EXPECT_EQ(read(R::CurrentUser, "Control Panel\\International", "sCountry"), "");
    EXPECT_EQ(read(R::LocalMachine, "Control Panel\\International", "sLanguage"), std::nullopt);
    EXPECT_EQ(read(R::CurrentUser, "Control Panel\\Desktop", "sLanguage"), std::nullopt);

    EXPECT_EQ(read(R::LocalMachine, std::string(kLayouts) + "04090409", "Layout Text"),
              "US keyboard");
    EXPECT_EQ(read(R::LocalMachine, std::string(kLayouts) + "E0020404", "Layout Text"),
              "Chewing & Friends");
    EXPECT_EQ(read(R::LocalMachine, std::string(kLayouts) + "e0030804", "layout text"),
              "Intelligent Pinyin");
    EXPECT_EQ(read(R::LocalMachine, std::string(kLayouts) + "E0020404", "Layout File"), "");
    for (const char* missing : {"E0990404", "E002040", "E00204040", "E002040G", ""})
        EXPECT_EQ(read(R::LocalMachine, std::string(kLayouts) + missing, "Layout Text"),
                  std::nullopt)
            << missing;
    EXPECT_EQ(read(R::CurrentUser, std::string(kLayouts) + "E0020404", "Layout Text"),
              std::nullopt);
}

TEST(LocaleTest, LanguageCodesAndIdentifiers) {
    EXPECT_EQ(LanguageCodeOfLocale("zh_TW.UTF-8"), "CHT");
    EXPECT_EQ(LanguageCodeOfLocale("zh_HK"), "CHT");
    EXPECT_EQ(LanguageCodeOfLocale("zh_CN.GB2312"), "CHS");
    EXPECT_EQ(LanguageCodeOfLocale("zh_SG.UTF-8@x"), "CHS");
    for (const char* other : {"zh", "zh_MO", "en_US.UTF-8", "C", "POSIX", "", "hy_AM"})
        EXPECT_EQ(LanguageCodeOfLocale(other), "ENU") << other;

    EXPECT_EQ(LanguageIdOf("zh_TW"), 0x0404);
    EXPECT_EQ(LanguageIdOf("zh-cn"), 0x0804);
    EXPECT_EQ(LanguageIdOf("zh_HK.Big5-HKSCS"), 0x0C04);
    EXPECT_EQ(LanguageIdOf("ja_JP.eucJP"), 0x0411);
    EXPECT_EQ(LanguageIdOf("pt_BR"), 0x0416);
    EXPECT_EQ(LanguageIdOf("other"), 0x0409);

    test::ScopedEnv all("LC_ALL", "");
    test::ScopedEnv messages("LC_MESSAGES", "zh_CN.UTF-8");
    test::ScopedEnv lang("LANG", "zh_TW.UTF-8");
    EXPECT_EQ(SystemLocaleName(), "zh_CN.UTF-8");
}

TEST_F(InputMethodFilesTest, FactoryFollowsTheEnvironment) {
    {
        test::ScopedEnv ibus("ZYNTRA_IBUS_COMPONENTS", ibus_);
        test::ScopedEnv fcitx("ZYNTRA_FCITX5_INPUTMETHODS", std::nullopt);
        test::ScopedEnv all("LC_ALL", "zh_CN.UTF-8");
        auto methods = MakeInputMethods();
        ASSERT_EQ(methods->List().size(), 5u);
        EXPECT_EQ(methods->List()[0].handle, 0x08040804u);
        auto registry = MakeRegistry(*methods);
        EXPECT_EQ(registry->ReadString(RegistryRoot::CurrentUser, "Control Panel\\International",
                                       "sLanguage"),
                  "CHS");
    }
    test::ScopedEnv ibus("ZYNTRA_IBUS_COMPONENTS", std::nullopt);
    test::ScopedEnv fcitx("ZYNTRA_FCITX5_INPUTMETHODS", std::nullopt);
    test::ScopedEnv modifiers("XMODIFIERS", "@im=fcitx");
    InputMethodFolders folders = InputMethodFoldersFromEnvironment();
    EXPECT_EQ(folders.ibusComponents, "");
    EXPECT_EQ(folders.fcitx5InputMethods, "/usr/share/fcitx5/inputmethod");
}

} // namespace
} // namespace zyntra
