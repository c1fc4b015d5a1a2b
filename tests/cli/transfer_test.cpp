#include "tests/cli/cli_sandbox.h"
#include "tests/content/media_files.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zyntra::test {
namespace {

std::string Book(const char* mainClass, const char* subClass) {
    TrailerFields fields;
    fields.bookMainClass = mainClass;
    fields.bookSubClass = subClass;
    return "pages" + EbookTrailerBytes(fields);
}

TEST(CliTransfer, CopyToTheDeviceGoesOnPastRefusedFilesAndSaysSo) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    const std::string card = sandbox.AddCard("card");
    const std::string song = sandbox.WriteInput("song.mp3", "music");
    sandbox.WriteInput("song.lrc", "lyrics");
    const std::string notes = sandbox.WriteInput("notes.txt", "notes");

    ProcessResult moved = sandbox.Run({"copy", "--to-device", "--move", song, notes});
    ASSERT_EQ(moved.exitCode, 0) << moved.err;
    EXPECT_EQ(ReadFile(root + "MUSIC/song.lrc"), "lyrics");
    EXPECT_EQ(ReadFile(root + "TEXT/notes.txt"), "notes");
    EXPECT_FALSE(FileExists(song));
    EXPECT_FALSE(FileExists(song.substr(0, song.size() - 3) + "lrc"));
    EXPECT_FALSE(FileExists(root + "_sync.dat"));

    const std::string stray = sandbox.WriteInput("stray.dbk", Book("Z", "99"));
    const std::string known = sandbox.WriteInput("known.dbk", Book("B", "03"));
    const std::string odd = sandbox.WriteInput("letter.doc", "?");
    ProcessResult books =
        sandbox.Run({"copy", "--to-device", "--storage", "card", stray, odd, known});
    EXPECT_EQ(books.exitCode, 1);
    EXPECT_NE(books.err.find(stray), std::string::npos) << books.err;
    EXPECT_NE(books.err.find("letter.doc"), std::string::npos) << books.err;
    EXPECT_TRUE(FileExists(card + "QX740/EBOOK/LITERATURE/known.dbk"));
    EXPECT_TRUE(FileExists(stray));

    EXPECT_EQ(sandbox.Run({"copy", "--to-device", "--to-computer", "/tmp", notes}).exitCode, 2);
}

TEST(CliTransfer, LyricsThatCannotGoAlongFailTheRun) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    std::filesystem::create_directories(root + "MUSIC/song.lrc");
    const std::string song = sandbox.WriteInput("song.mp3", "music");
    sandbox.WriteInput("song.lrc", "lyrics");

    ProcessResult copied = sandbox.Run({"copy", "--to-device", song});
    EXPECT_EQ(copied.exitCode, 1) << copied.err;
    EXPECT_EQ(ReadFile(root + "MUSIC/song.mp3"), "music");
    EXPECT_NE(copied.err.find("song.lrc"), std::string::npos) << copied.err;
}

TEST(CliTransfer, CopyToAFolderSkipsAClashUnlessToldToReplace) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    WriteFile(root + "TEXT/same.txt", "from the device");
    const std::string folder = sandbox.WriteInput("same.txt", "mine");
    const std::string dir = folder.substr(0, folder.size() - 8);

    ProcessResult skipped = sandbox.Run({"copy", "--to-computer", dir, root + "TEXT/same.txt"});
    EXPECT_EQ(skipped.exitCode, 0) << skipped.err;
    EXPECT_EQ(ReadFile(folder), "mine");
    EXPECT_NE(skipped.err.find("already there"), std::string::npos);

    ProcessResult replaced =
        sandbox.Run({"copy", "--to-computer", dir, "--replace", "--move", root + "TEXT/same.txt"});
    EXPECT_EQ(replaced.exitCode, 0) << replaced.err;
    EXPECT_EQ(ReadFile(folder), "from the device");
    EXPECT_FALSE(FileExists(root + "TEXT/same.txt"));
}

TEST(CliTransfer, DeleteNeedsYesAndTakesTheCompanionAlong) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    WriteFile(root + "VIDEO/clip.avi", "video");
    WriteFile(root + "VIDEO/clip.srt", "subtitles");
    const std::string mine = sandbox.WriteInput("mine.txt", "x");

    ProcessResult asked = sandbox.Run({"delete", "--side", "device", root + "VIDEO/clip.avi"});
    EXPECT_EQ(asked.exitCode, 1);
    EXPECT_NE(asked.err.find("would delete " + root + "VIDEO/clip.srt"), std::string::npos)
        << asked.err;
    EXPECT_TRUE(FileExists(root + "VIDEO/clip.avi"));

    ProcessResult wrongSide = sandbox.Run({"delete", "--side", "device", "--yes", mine});
    EXPECT_EQ(wrongSide.exitCode, 1);
    EXPECT_TRUE(FileExists(mine));

    ProcessResult deleted =
        sandbox.Run({"delete", "--side", "device", "--yes", root + "VIDEO/clip.avi"});
    EXPECT_EQ(deleted.exitCode, 0) << deleted.err;
    EXPECT_FALSE(FileExists(root + "VIDEO/clip.avi"));
    EXPECT_FALSE(FileExists(root + "VIDEO/clip.srt"));
    EXPECT_EQ(sandbox.Run({"delete", "--side", "computer", "--yes", mine}).exitCode, 0);
    EXPECT_FALSE(FileExists(mine));
}

} // namespace
} // namespace zyntra::test
