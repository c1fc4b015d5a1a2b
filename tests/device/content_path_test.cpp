#include "device/content_path.h"

#include <gtest/gtest.h>

namespace zyntra {
namespace {

TEST(ContentPathTest, DeviceSeparatorsAreFoldersAndEscapesGiveNothing) {
    EXPECT_EQ(ContentFolderPath("/m/", ""), "/m/");
    EXPECT_EQ(ContentFolderPath("/m/", "EBOOK\\Sub/./x\\\\"), "/m/EBOOK/Sub/x/");
    EXPECT_EQ(ContentEntryPath("/m/", "", "Music"), "/m/Music");
    EXPECT_EQ(ContentEntryPath("/m/", "a\\b", "c.db"), "/m/a/b/c.db");
    EXPECT_EQ(ContentEntryPath("/m/", "a..b", "..c"), "/m/a..b/..c");

    for (const char* path : {"..", "/etc", "\\etc", "a/../b", "a\\..", "x/.."})
        EXPECT_EQ(ContentFolderPath("/m/", path), std::nullopt) << path;
    for (const char* name : {"", ".", "..", "/x", "a/../../x", "./"})
        EXPECT_EQ(ContentEntryPath("/m/", "ok", name), std::nullopt) << name;
    EXPECT_EQ(ContentEntryPath("/m/", std::string_view("a\0b", 3), "n"), std::nullopt);
    EXPECT_EQ(ContentEntryPath("/m/", "a", std::string_view("n\0/../x", 7)), std::nullopt);
}

TEST(ContentPathTest, OnlyAsciiLettersAreUpperCased) {
    EXPECT_EQ(UpperCasedAscii("qx740/base-\xC3\xA9"), "QX740/BASE-\xC3\xA9");
}

} // namespace
} // namespace zyntra
