#include "storage/text_conv.h"
#include "tests/storage/stdout_capture.h"
#include "tests/support/program_folder_fixture.h"

#include <cstring>
#include <dlfcn.h>
#include <filesystem>
#include <string>

namespace zyntra {
namespace {

using test::StdoutOf;

// "中文字典" and "简体中文" in each form.
const std::string kTraditionalUtf8 = "\xe4\xb8\xad\xe6\x96\x87\xe5\xad\x97\xe5\x85\xb8";
const std::string kTraditionalBig5 = "\xa4\xa4\xa4\xe5\xa6\x72\xa8\xe5";
const std::string kSimplifiedUtf8 = "\xe7\xae\x80\xe4\xbd\x93\xe4\xb8\xad\xe6\x96\x87";
const std::string kSimplifiedGb2312 = "\xbc\xf2\xcc\xe5\xd6\xd0\xce\xc4";

class TextConvTest : public test::ProgramFolderTest {
protected:
    void TearDown() override { conv_close(); }

    // The text converted into a cleared 2048-byte buffer, as every caller does.
    std::string Convert(const char* from, const char* to, const std::string& text) {
        EXPECT_EQ(conv_open(from, to), 1);
        char out[kConvBufferSize] = {};
        int written = conv_run(text.data(), text.size(), out, sizeof out);
        EXPECT_EQ(written, static_cast<int>(std::strlen(out)));
        return out;
    }
};

TEST_F(TextConvTest, ConvertsBothWaysForEachLanguage) {
    EXPECT_STREQ(InterfaceCharset("zh_TW"), "BIG5");
    EXPECT_STREQ(InterfaceCharset("zh_CN"), "GB2312");
    EXPECT_STREQ(InterfaceCharset("en_US"), "ARMSCII-8");
    EXPECT_STREQ(InterfaceCharset("fr_FR"), "BIG5");
    EXPECT_STREQ(InterfaceCharset(""), "BIG5");

    const char* english = InterfaceCharset("en_US");
    EXPECT_EQ(Convert(english, "UTF-8", Convert("UTF-8", english, "abc")), "abc");
    EXPECT_EQ(Convert("UTF-8", InterfaceCharset("zh_TW"), kTraditionalUtf8), kTraditionalBig5);
    EXPECT_EQ(Convert(InterfaceCharset("zh_TW"), "UTF-8", kTraditionalBig5), kTraditionalUtf8);
    EXPECT_EQ(Convert("UTF-8", InterfaceCharset("zh_CN"), kSimplifiedUtf8), kSimplifiedGb2312);
    EXPECT_EQ(Convert(InterfaceCharset("zh_CN"), "UTF-8", kSimplifiedGb2312), kSimplifiedUtf8);
}

TEST_F(TextConvTest, StoppedConversionKeepsPrefixAndTerminatingZero) {
    // ARMSCII-8 has no Chinese characters.
    ASSERT_EQ(conv_open("UTF-8", "ARMSCII-8"), 1);
    const std::string mixed = "abc" + kTraditionalUtf8 + "d";
    char out[kConvBufferSize] = {};
    std::string line =
        StdoutOf([&] { EXPECT_EQ(conv_run(mixed.data(), mixed.size(), out, 8), -2); });
    EXPECT_EQ(line, "iconv() failed.\n");
    EXPECT_STREQ(out, "abc");

    // Room for five bytes: two whole double-byte characters, the sixth byte untouched.
    ASSERT_EQ(conv_open("UTF-8", "BIG5"), 1);
    char small[7];
    std::memset(small, 'X', sizeof small);
    EXPECT_EQ(conv_run(kTraditionalUtf8.data(), kTraditionalUtf8.size(), small, 6), -2);
    EXPECT_EQ(std::string(small, 4), kTraditionalBig5.substr(0, 4));
    EXPECT_EQ(std::string(small + 4, 3), "XXX");

    ASSERT_EQ(conv_open("UTF-8", "ARMSCII-8"), 1);
    const std::string longText(3000, 'z');
    char full[kConvBufferSize] = {};
    EXPECT_EQ(conv_run(longText.data(), longText.size(), full, sizeof full), -2);
    EXPECT_EQ(std::strlen(full), kConvBufferSize - 1);

    char exact[4] = {};
    EXPECT_EQ(conv_run("abc", 3, exact, sizeof exact), 3);
    EXPECT_STREQ(exact, "abc");

    char invalid[16] = {};
    EXPECT_EQ(conv_run("ab\xff"
                       "cd",
                       5, invalid, sizeof invalid),
              -2);
    EXPECT_STREQ(invalid, "ab");
}

TEST_F(TextConvTest, RefusedRunsAndOpens) {
    char out[16] = {};
    std::string line = StdoutOf([&] { EXPECT_EQ(conv_run("abc", 3, out, sizeof out), -1); });
    EXPECT_EQ(line, "iconv_open() failed.\n");

    ASSERT_EQ(conv_open("UTF-8", "BIG5"), 1);
    line = StdoutOf([&] { EXPECT_EQ(conv_run("abc", 0, out, sizeof out), -3); });
    EXPECT_EQ(line, "iconv_open() failed.\n");
    EXPECT_EQ(conv_run(nullptr, 3, out, sizeof out), -3);

    line = StdoutOf([&] { EXPECT_EQ(conv_open("UTF-8", "NO-SUCH-CHARSET"), -1); });
    EXPECT_EQ(line, "iconv_open() failed.\n");
    // The failed open also closed the converter that was open before.
    EXPECT_EQ(conv_run("abc", 3, out, sizeof out), -1);
    EXPECT_STREQ(out, "");
}

TEST_F(TextConvTest, SecondOpenReplacesTheFirstAndCloseUnloads) {
    const std::string dll = folder_.File("iconv.dll");
    ASSERT_EQ(conv_open("UTF-8", "BIG5"), 1);
    ASSERT_EQ(conv_open("UTF-8", "GB2312"), 1);
    char out[kConvBufferSize] = {};
    conv_run(kSimplifiedUtf8.data(), kSimplifiedUtf8.size(), out, sizeof out);
    EXPECT_EQ(std::string(out), kSimplifiedGb2312);

    void* handle = dlopen(dll.c_str(), RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(handle, nullptr);
    dlclose(handle);
    conv_close();
    EXPECT_EQ(dlopen(dll.c_str(), RTLD_NOW | RTLD_NOLOAD), nullptr);

    std::filesystem::remove(dll);
    std::string line = StdoutOf([] { EXPECT_EQ(conv_open("UTF-8", "BIG5"), -1); });
    EXPECT_EQ(line, "iconv_open() failed.\n");
}

TEST(ComplementCopy, IsItsOwnInverse) {
    char stored[4] = {};
    complement_copy("abc", 3, stored);
    EXPECT_EQ(std::string(stored), "\x9e\x9d\x9c");
    char back[4] = {};
    complement_copy(stored, 3, back);
    EXPECT_STREQ(back, "abc");
}

TEST_F(TextConvTest, DbTextEqualTruthTable) {
    EXPECT_TRUE(db_text_equal(nullptr, "", false, false));
    EXPECT_TRUE(db_text_equal("", "", true, true));
    EXPECT_FALSE(db_text_equal(nullptr, "x", false, false));
    EXPECT_FALSE(db_text_equal("", "x", true, false));
    EXPECT_FALSE(db_text_equal("x", "", true, true));

    EXPECT_TRUE(db_text_equal("09:30", "09:30", false, false));
    EXPECT_FALSE(db_text_equal("09:30", "09:31", false, false));
    EXPECT_FALSE(db_text_equal("09:30", "09:3", false, false));
    EXPECT_FALSE(db_text_equal("abc", "ABC", false, false));

    ASSERT_EQ(conv_open("BIG5", "UTF-8"), 1);
    std::string stored(kTraditionalUtf8.size(), '\0');
    complement_copy(kTraditionalUtf8.data(), kTraditionalUtf8.size(), stored.data());
    EXPECT_TRUE(db_text_equal(kTraditionalUtf8.c_str(), kTraditionalBig5, true, false));
    EXPECT_TRUE(db_text_equal(stored.c_str(), kTraditionalBig5, true, true));
    EXPECT_FALSE(db_text_equal(kTraditionalUtf8.c_str(), kTraditionalBig5, true, true));
    EXPECT_FALSE(db_text_equal(stored.c_str(), kTraditionalBig5, true, false));
    // Unconverted, the interface bytes are not the stored UTF-8.
    EXPECT_FALSE(db_text_equal(kTraditionalUtf8.c_str(), kTraditionalBig5, false, false));
    EXPECT_FALSE(
        db_text_equal(kTraditionalUtf8.c_str(), kTraditionalBig5.substr(0, 4), true, false));
}

} // namespace
} // namespace zyntra
