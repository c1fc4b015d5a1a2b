#include "content/media_metadata.h"
#include "storage/text_conv.h"
#include "tests/content/media_files.h"
#include "tests/support/temp_dir.h"
#include "texts/charset_converter.h"

#include <gtest/gtest.h>

namespace zyntra {
namespace {

using test::EbookTrailerBytes;
using test::Id3v1Block;
using test::TempDir;
using test::TrailerFields;
using test::WriteFile;

DEV_INFO DeviceWithCodes(const std::string& mainClass, const std::string& subClass) {
    DEV_INFO device;
    device.mainClass = mainClass;
    device.subClass = subClass;
    return device;
}

TEST(Id3v1Tag, MarkerInAnyCaseAndFieldsUpToTheirEnds) {
    TempDir dir;
    std::string title30(30, 'T');
    WriteFile(dir.Path() + "a.mp3", std::string(500, 'x') + Id3v1Block("tag", title30, "Artist"));
    Id3v1Tag tag;
    ASSERT_EQ(ReadId3v1Tag(dir.Path() + "a.mp3", tag), 0);
    // A full title has no NUL before the artist field; none of the artist may leak in.
    EXPECT_EQ(Id3v1Title(tag), title30);
    EXPECT_EQ(Id3v1Artist(tag), "Artist");

    WriteFile(dir.Path() + "b.mp3", Id3v1Block("TaG", "Song", std::string(30, 'A')) + "");
    ASSERT_EQ(ReadId3v1Tag(dir.Path() + "b.mp3", tag), 0);
    EXPECT_EQ(Id3v1Title(tag), "Song");
    EXPECT_EQ(Id3v1Artist(tag), std::string(30, 'A'));
}

TEST(Id3v1Tag, NoTagInShortUntaggedOrMissingFiles) {
    TempDir dir;
    Id3v1Tag tag;
    // A 100-byte file that starts like a tag is still too short to hold one.
    WriteFile(dir.Path() + "short.mp3", Id3v1Block("TAG", "Song", "Artist").substr(0, 100));
    tag.fill('z');
    EXPECT_EQ(ReadId3v1Tag(dir.Path() + "short.mp3", tag), -1);
    EXPECT_EQ(Id3v1Title(tag), "");

    // The tag must be the file's last 128 bytes, not its first.
    WriteFile(dir.Path() + "front.mp3", Id3v1Block("TAG", "Song", "Artist") + std::string(10, 'x'));
    EXPECT_EQ(ReadId3v1Tag(dir.Path() + "front.mp3", tag), -1);
    WriteFile(dir.Path() + "other.mp3", Id3v1Block("TAX", "Song", "Artist"));
    EXPECT_EQ(ReadId3v1Tag(dir.Path() + "other.mp3", tag), -1);
    EXPECT_EQ(ReadId3v1Tag(dir.Path() + "missing.mp3", tag), -1);
    EXPECT_EQ(ReadId3v1Tag(dir.Path(), tag), -1);
}

TEST(EbookTrailer, MagicComparedOnTwelveCharactersWithoutCase) {
    TempDir dir;
    DEV_INFO device = DeviceWithCodes("B", "02");
    EbookTrailer trailer;
    auto check = [&](const std::string& magic) {
        TrailerFields fields;
        fields.magic = magic;
        WriteFile(dir.Path() + "book.dbk", std::string(3000, 'p') + EbookTrailerBytes(fields));
        return CheckEbookTrailer(dir.Path() + "book.dbk", trailer, device);
    };
    EXPECT_EQ(check("vellmar ebook"), 0);
    EXPECT_EQ(check("VELLMAR EBOOX"), 0);
    EXPECT_EQ(check("VELLMAR EBOXK"), -1);
    EXPECT_EQ(check("XELLMAR EBOOK"), -1);
    EXPECT_EQ(CheckEbookTrailer(dir.Path() + "missing.dbk", trailer, device), -1);
}

TEST(EbookTrailer, DeviceCodesMatchAsShortTextsWithoutCase) {
    TempDir dir;
    EbookTrailer trailer;
    auto check = [&](const std::string& main, const std::string& sub, const DEV_INFO& device) {
        TrailerFields fields;
        fields.deviceMainClass = main;
        fields.deviceSubClass = sub;
        WriteFile(dir.Path() + "book.dbk", EbookTrailerBytes(fields));
        return CheckEbookTrailer(dir.Path() + "book.dbk", trailer, device);
    };
    DEV_INFO plain = DeviceWithCodes("B", "02");
    EXPECT_EQ(check("B", "02", plain), 0);
    EXPECT_EQ(check("BX", "02", plain), -1);
    EXPECT_EQ(check("B", "03", plain), -1);
    EXPECT_EQ(check("B", "020", plain), -1);
    DEV_INFO fourLetters = DeviceWithCodes("ABCD", "WXYZ");
    EXPECT_EQ(check("abcd", "wxyz", fourLetters), 0);
    EXPECT_EQ(check("abce", "wxyz", fourLetters), -1);
    // Only four characters are compared; the next field's bytes do not count.
    EXPECT_EQ(check("abcd", "wxyz", DeviceWithCodes("ABCDEF", "WXYZ")), 0);
    EXPECT_EQ(check("", "", DeviceWithCodes("", "")), 0);
}

TEST(EbookTrailer, ShortFileIsReadFromItsStartAndClassesAreTaken) {
    TempDir dir;
    TrailerFields fields;
    fields.bookMainClass = "Q9";
    fields.bookSubClass = "R2";
    WriteFile(dir.Path() + "small.dbk", EbookTrailerBytes(fields).substr(0, 600));
    EbookTrailer trailer;
    trailer.fill('z');
    ASSERT_EQ(CheckEbookTrailer(dir.Path() + "small.dbk", trailer, DeviceWithCodes("B", "02")), 0);
    EXPECT_EQ(trailer[600], '\0');
    EXPECT_EQ(TrailerBookMainClass(trailer), "Q9");
    EXPECT_EQ(TrailerBookSubClass(trailer), "R2");
}

EbookTrailer TrailerOf(const TrailerFields& fields) {
    std::string bytes = EbookTrailerBytes(fields);
    EbookTrailer trailer;
    std::copy(bytes.begin(), bytes.end(), trailer.begin());
    return trailer;
}

std::string DisplayTitle(const EbookTrailer& trailer, const std::string& language) {
    CharsetConverter converter(InterfaceCharset(language), "UTF-8");
    return EbookDisplayTitle(trailer, language, converter);
}

TEST(EbookTitle, FieldAndCharsetFollowTheLanguage) {
    TrailerFields fields;
    fields.englishTitle = "Tales";
    fields.traditionalTitle = "\xe4\xb8\xad\xe6\x96\x87";            // 中文
    fields.simplifiedTitle = "\xe4\xb8\xad\xe6\x96\x87\xe4\xb9\xa6"; // 中文书
    EbookTrailer trailer = TrailerOf(fields);
    EXPECT_EQ(DisplayTitle(trailer, "en_US"), "Tales");
    EXPECT_EQ(DisplayTitle(trailer, "zh_CN"), "\xd6\xd0\xce\xc4\xca\xe9");
    EXPECT_EQ(DisplayTitle(trailer, "zh_TW"), "\xa4\xa4\xa4\xe5");
    EXPECT_EQ(DisplayTitle(trailer, "de_DE"), "\xa4\xa4\xa4\xe5");
}

TEST(EbookTitle, UnconvertibleCharactersAndOverlongTitles) {
    TrailerFields fields;
    fields.englishTitle = "A\xe4\xb8\xad"
                          "B";
    std::string longTitle;
    for (int i = 0; i < 180; ++i)
        longTitle += "\xe4\xb8\xad"; // 540 bytes, 360 once in GB2312
    fields.simplifiedTitle = longTitle;
    EbookTrailer trailer = TrailerOf(fields);
    EXPECT_EQ(DisplayTitle(trailer, "en_US"), "A?B");
    std::string cut = DisplayTitle(trailer, "zh_CN");
    // 259 bytes of room hold 129 whole two-byte characters.
    EXPECT_EQ(cut.size(), 258u);
    EXPECT_EQ(cut.substr(256), "\xd6\xd0");
}

} // namespace
} // namespace zyntra
