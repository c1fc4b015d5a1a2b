#include "tests/cli/cli_sandbox.h"
#include "tests/content/media_files.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace zyntra::test {
namespace {

using Json = nlohmann::json;

TEST(CliLs, ListsTheDeviceStoragesCategoryFolders) {
    CliSandbox sandbox;
    const std::string internal = sandbox.AddDevice();
    const std::string card = sandbox.AddCard("card");
    WriteFile(internal + "MUSIC/album/song.mp3",
              std::string(1500, 'x') + Id3v1Block("TAG", "Song", "Band"));
    WriteFile(internal + "MUSIC/album/song.lrc", "[00:01]la");
    WriteFile(internal + "stray.mp3", "x");
    WriteFile(card + "QX740/MUSIC/oncard.mp3", "x");
    TrailerFields book;
    book.traditionalTitle = "\xE5\xAD\x97\xE5\x85\xB8"; // 字典
    WriteFile(internal + "EBOOK/DICTIONARY/words.dbk", "body" + EbookTrailerBytes(book));

    ProcessResult music = sandbox.Run({"ls", "Mp3Music"});
    ASSERT_EQ(music.exitCode, 0) << music.err;
    const Json songs = Json::parse(music.out);
    ASSERT_EQ(songs.size(), 1u);
    EXPECT_EQ(songs[0]["fileName"], "song.mp3");
    EXPECT_EQ(songs[0]["title"], "Song");
    EXPECT_EQ(songs[0]["artist"], "Band");
    EXPECT_EQ(songs[0]["fileType"], "mp3");
    EXPECT_EQ(songs[0]["sizeKB"], "2");
    EXPECT_EQ(songs[0]["fullPath"], internal + "MUSIC/album/song.mp3");
    EXPECT_EQ(songs[0]["companion"], true);
    EXPECT_EQ(songs[0]["bookMainClass"], "");

    ProcessResult onCard = sandbox.Run({"ls", "Mp3Music", "--storage", "card"});
    ASSERT_EQ(onCard.exitCode, 0) << onCard.err;
    const Json cardSongs = Json::parse(onCard.out);
    ASSERT_EQ(cardSongs.size(), 1u);
    EXPECT_EQ(cardSongs[0]["fullPath"], card + "QX740/MUSIC/oncard.mp3");
    EXPECT_EQ(cardSongs[0]["companion"], false);

    // The title comes out of the interface charset of the locale as UTF-8.
    ProcessResult books = sandbox.Run({"ls", "Ebook"}, kTraditionalLocale);
    ASSERT_EQ(books.exitCode, 0) << books.err;
    const Json listed = Json::parse(books.out);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0]["title"], book.traditionalTitle);
    EXPECT_EQ(listed[0]["bookMainClass"], "A1");
    EXPECT_EQ(listed[0]["bookSubClass"], "07");

    EXPECT_EQ(sandbox.Run({"ls", "Music"}).exitCode, 2);
    EXPECT_EQ(sandbox.Run({"ls", "Writer", "--storage", "sd"}).exitCode, 2);
    EXPECT_EQ(sandbox.Run({"ls", "Writer", "--folder", "/tmp"}).exitCode, 2);
}

TEST(CliLs, ListsOneComputerFolderAndNeedsADeviceForTheDeviceSide) {
    CliSandbox sandbox;
    TempDir folder;
    WriteFile(folder.Path() + "notes.txt", "hello");
    WriteFile(folder.Path() + "deeper/more.txt", "x");
    WriteFile(folder.Path() + ".hidden.txt", "x");

    ProcessResult computer =
        sandbox.Run({"ls", "Writer", "--side", "computer", "--folder", folder.Path()});
    ASSERT_EQ(computer.exitCode, 0) << computer.err;
    const Json texts = Json::parse(computer.out);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0]["fullPath"], folder.Path() + "notes.txt");
    EXPECT_EQ(texts[0]["sizeKB"], "1");

    ProcessResult device = sandbox.Run({"ls", "Writer"});
    EXPECT_EQ(device.exitCode, 1);
    EXPECT_EQ(device.out, "");
    EXPECT_NE(device.err.find("No QX740"), std::string::npos) << device.err;

    // Two devices: the computer side is listed all the same; the device side is refused.
    sandbox.AddDevice("first", CliSandbox::InternalHeader("QX-0001"));
    sandbox.AddDevice("second", CliSandbox::InternalHeader("QX-0002"));
    EXPECT_EQ(
        sandbox.Run({"ls", "Writer", "--side", "computer", "--folder", folder.Path()}).exitCode, 0);
    ProcessResult two = sandbox.Run({"ls", "Writer"});
    EXPECT_EQ(two.exitCode, 1);
    EXPECT_NE(two.err.find("More than one QX740"), std::string::npos) << two.err;
}

} // namespace
} // namespace zyntra::test
