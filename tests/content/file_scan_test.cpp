#include "content/file_lists.h"
#include "tests/content/media_files.h"
#include "tests/support/temp_dir.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace zyntra {
namespace {

namespace fs = std::filesystem;
using test::TempDir;
using test::WriteFile;

std::vector<std::string> Names(const FileList& list) {
    std::vector<std::string> names;
    for (const FILE_TYPE& entry : list)
        names.push_back(entry.fileName);
    std::sort(names.begin(), names.end());
    return names;
}

const FILE_TYPE* Find(const FileList& list, const std::string& name) {
    for (const FILE_TYPE& entry : list)
        if (entry.fileName == name)
            return &entry;
    return nullptr;
}

TEST(ScanFolder, ComputerFolderListsMatchingFilesOnly) {
    TempDir dir;
    std::string root = dir.Path() + "music";
    WriteFile(root + "/SONG.MP3", "x");
    WriteFile(root + "/README", "x");
    WriteFile(root + "/ends.", "x");
    WriteFile(root + "/.hidden.mp3", "x");
    WriteFile(root + "/photo.Jpg", "x");
    WriteFile(root + "/clip.mpeg", "x");
    WriteFile(root + "/album.jpg/inner.png", "x");
    FileLists lists;
    lists.ScanFolder(root, kAllCategoriesFilter, Side::Computer, false);

    const FileList& music = lists.List(Side::Computer, ContentCategory::Mp3Music);
    ASSERT_EQ(Names(music), std::vector<std::string>{"SONG.MP3"});
    EXPECT_EQ(music[0].fileType, "mp3");
    EXPECT_EQ(music[0].fullPath, root + "/SONG.MP3");
    EXPECT_EQ(music[0].title, "");
    EXPECT_FALSE(music[0].marked);
    EXPECT_EQ(Names(lists.List(Side::Computer, ContentCategory::EAlbum)),
              std::vector<std::string>{"photo.Jpg"});
    EXPECT_TRUE(lists.List(Side::Device, ContentCategory::EAlbum).empty());

    // A filter of one category keeps the other categories' files out.
    FileLists pictures;
    pictures.ScanFolder(root + "/", ".bmp;.jpg;.png", Side::Computer, false);
    EXPECT_TRUE(pictures.List(Side::Computer, ContentCategory::Mp3Music).empty());
    EXPECT_EQ(pictures.List(Side::Computer, ContentCategory::EAlbum).size(), 1u);
    // A folder that cannot be read adds nothing.
    pictures.ScanFolder(dir.Path() + "missing", kAllCategoriesFilter, Side::Computer, true);
    EXPECT_EQ(pictures.List(Side::Computer, ContentCategory::EAlbum).size(), 1u);
}

TEST(ScanFolder, DeviceScanEntersFoldersButNotHiddenOnes) {
    TempDir dir;
    std::string root = dir.Path() + "dev/";
    WriteFile(root + "top.txt", "x");
    WriteFile(root + "album.jpg/inner.png", "x");
    WriteFile(root + "a/b/c/deep.wav", "x");
    WriteFile(root + ".secret/hidden.txt", "x");
    FileLists lists;
    lists.ScanFolder(root, kAllCategoriesFilter, Side::Device, true);
    EXPECT_EQ(Names(lists.List(Side::Device, ContentCategory::Writer)),
              std::vector<std::string>{"top.txt"});
    EXPECT_EQ(Names(lists.List(Side::Device, ContentCategory::EAlbum)),
              std::vector<std::string>{"inner.png"});
    const FileList& recorder = lists.List(Side::Device, ContentCategory::Recorder);
    ASSERT_EQ(recorder.size(), 1u);
    EXPECT_EQ(recorder[0].fullPath, root + "a/b/c/deep.wav");
}

TEST(ScanFolder, DeviceScanNeverFollowsLinksOutOfItsTree) {
    TempDir dir;
    std::string root = dir.Path() + "dev/";
    WriteFile(dir.Path() + "outside/far.txt", "x");
    WriteFile(root + "Writer/near.txt", "x");
    fs::create_symlink(dir.Path() + "outside/far.txt", root + "Writer/far-link.txt");
    fs::create_symlink(root + "Writer/near.txt", root + "Writer/near-link.txt");
    fs::create_symlink(dir.Path() + "outside", root + "Writer/outside-folder");
    fs::create_symlink(root, root + "Writer/loop");
    FileLists lists;
    lists.ScanFolder(root, kAllCategoriesFilter, Side::Device, true);
    EXPECT_EQ(Names(lists.List(Side::Device, ContentCategory::Writer)),
              (std::vector<std::string>{"near-link.txt", "near.txt"}));

    // The computer side lists what a link in its folder points to.
    lists.ScanFolder(root + "Writer", kAllCategoriesFilter, Side::Computer, false);
    EXPECT_EQ(Names(lists.List(Side::Computer, ContentCategory::Writer)),
              (std::vector<std::string>{"far-link.txt", "near-link.txt", "near.txt"}));
}

TEST(ScanFolder, SizesInRoundedUpThousandsOverTheWholeSize) {
    TempDir dir;
    for (int bytes : {0, 999, 1000, 1001, 2500})
        WriteFile(dir.Path() + std::to_string(bytes) + ".wav", std::string(bytes, 'x'));
    std::string big = dir.Path() + "big.avi";
    std::ofstream(big).close();
    fs::resize_file(big, 5'000'000'001ULL); // sparse; more than 32 bits of size
    FileLists lists;
    lists.ScanFolder(dir.Path(), kAllCategoriesFilter, Side::Computer, false);
    const FileList& wav = lists.List(Side::Computer, ContentCategory::Recorder);
    std::map<std::string, std::string> sizes;
    for (const FILE_TYPE& entry : wav)
        sizes[entry.fileName] = entry.sizeKB;
    EXPECT_EQ(sizes, (std::map<std::string, std::string>{{"0.wav", "1"},
                                                         {"999.wav", "1"},
                                                         {"1000.wav", "1"},
                                                         {"1001.wav", "2"},
                                                         {"2500.wav", "3"}}));
    ASSERT_EQ(lists.List(Side::Computer, ContentCategory::DigitalContents).size(), 1u);
    EXPECT_EQ(lists.List(Side::Computer, ContentCategory::DigitalContents)[0].sizeKB, "5000001");
}

TEST(ScanFolder, ModifiedIsLocalTimeWithTwoBlanks) {
    TempDir dir;
    std::string path = dir.Path() + "note.txt";
    WriteFile(path, "x");
    std::tm local{};
    local.tm_year = 2008 - 1900;
    local.tm_mon = 6;
    local.tm_mday = 5;
    local.tm_hour = 9;
    local.tm_min = 3;
    local.tm_isdst = -1;
    timespec times[2] = {{mktime(&local), 0}, {mktime(&local), 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    FileLists lists;
    lists.ScanFolder(dir.Path(), ".txt", Side::Computer, false);
    ASSERT_EQ(lists.List(Side::Computer, ContentCategory::Writer).size(), 1u);
    EXPECT_EQ(lists.List(Side::Computer, ContentCategory::Writer)[0].modified, "2008/07/05  09:03");
}

TEST(ScanFolder, MusicTitlesAndBooksOfTheCurrentDeviceOnly) {
    TempDir dir;
    WriteFile(dir.Path() + "tagged.mp3",
              std::string(200, 'm') + test::Id3v1Block("TAG", "Song", "Band"));
    WriteFile(dir.Path() + "plain.mp3", std::string(200, 'm'));
    test::TrailerFields fields;
    fields.englishTitle = "Tales";
    fields.bookMainClass = "K3";
    fields.bookSubClass = "L4";
    WriteFile(dir.Path() + "mine.dbk", test::EbookTrailerBytes(fields));
    fields.deviceMainClass = "C";
    WriteFile(dir.Path() + "other.dbk", test::EbookTrailerBytes(fields));
    WriteFile(dir.Path() + "broken.dbk", "not a book");
    DEV_INFO device;
    device.mainClass = "B";
    device.subClass = "02";
    FileLists lists;
    lists.SetScanContext(device, "en_US");
    lists.ScanFolder(dir.Path(), kAllCategoriesFilter, Side::Computer, false);

    const FileList& music = lists.List(Side::Computer, ContentCategory::Mp3Music);
    ASSERT_EQ(music.size(), 2u);
    const FILE_TYPE* tagged = Find(music, "tagged.mp3");
    ASSERT_NE(tagged, nullptr);
    EXPECT_EQ(tagged->title, "Song");
    EXPECT_EQ(tagged->artist, "Band");
    EXPECT_EQ(Find(music, "plain.mp3")->title, "");

    const FileList& books = lists.List(Side::Computer, ContentCategory::Ebook);
    ASSERT_EQ(Names(books), std::vector<std::string>{"mine.dbk"});
    EXPECT_EQ(books[0].title, "Tales");
    EXPECT_EQ(books[0].bookMainClass, "K3");
    EXPECT_EQ(books[0].bookSubClass, "L4");
}

// What a plain walk of the folders yields, folder by folder where each is met, for comparison.
void ListedInWalkOrder(const std::string& folder, std::vector<std::string>& paths) {
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), &closedir);
    ASSERT_TRUE(dir);
    while (const dirent* entry = readdir(dir.get())) {
        std::string name = entry->d_name;
        if (name.front() == '.')
            continue;
        if (fs::is_directory(folder + name))
            ListedInWalkOrder(folder + name + "/", paths);
        else if (name.ends_with(".txt"))
            paths.push_back(folder + name);
    }
}

TEST(ScanFolder, DeviceFilesComeInWalkOrderWithTheirOwnFolders) {
    TempDir dir;
    std::string root = dir.Path() + "dev/";
    for (const char* path :
         {"a.txt", "long-folder-name/b.txt", "long-folder-name/c/d.txt", "long-folder-name/c/e.txt",
          "long-folder-name/f.txt", "x/g.txt", "x/y/z/h.txt", "i.txt", "j.jpg"})
        WriteFile(root + path, "x");
    FileLists lists;
    lists.ScanFolder(root, kAllCategoriesFilter, Side::Device, true);
    std::vector<std::string> expected;
    ListedInWalkOrder(root, expected);
    std::vector<std::string> listed;
    for (const FILE_TYPE& entry : lists.List(Side::Device, ContentCategory::Writer))
        listed.push_back(entry.fullPath);
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(listed.size(), 8u);
}

TEST(ScanFolder, LinkedMusicAndBooksAreReadThroughTheirLinks) {
    TempDir dir;
    std::string root = dir.Path() + "dev/";
    WriteFile(dir.Path() + "outside/song.mp3", test::Id3v1Block("TAG", "Far", "Away"));
    WriteFile(root + "MUSIC/song.mp3", test::Id3v1Block("TAG", "Near", "Here"));
    test::TrailerFields fields;
    fields.englishTitle = "Linked";
    WriteFile(root + "EBOOK/book.dbk", test::EbookTrailerBytes(fields));
    fs::create_symlink(dir.Path() + "outside/song.mp3", root + "MUSIC/far.mp3");
    fs::create_symlink(root + "MUSIC/song.mp3", root + "MUSIC/near.mp3");
    fs::create_symlink(root + "EBOOK/book.dbk", root + "EBOOK/again.dbk");
    DEV_INFO device;
    device.mainClass = "B";
    device.subClass = "02";
    FileLists lists;
    lists.SetScanContext(device, "en_US");
    lists.ScanFolder(root, kAllCategoriesFilter, Side::Device, true);
    const FileList& music = lists.List(Side::Device, ContentCategory::Mp3Music);
    EXPECT_EQ(Names(music), (std::vector<std::string>{"near.mp3", "song.mp3"}));
    ASSERT_NE(Find(music, "near.mp3"), nullptr);
    EXPECT_EQ(Find(music, "near.mp3")->artist, "Here");
    const FileList& books = lists.List(Side::Device, ContentCategory::Ebook);
    ASSERT_EQ(Names(books), (std::vector<std::string>{"again.dbk", "book.dbk"}));
    EXPECT_EQ(Find(books, "again.dbk")->title, "Linked");

    lists.ScanFolder(root + "MUSIC", ".mp3", Side::Computer, false);
    const FILE_TYPE* far = Find(lists.List(Side::Computer, ContentCategory::Mp3Music), "far.mp3");
    ASSERT_NE(far, nullptr);
    EXPECT_EQ(far->title, "Far");
    EXPECT_EQ(far->sizeKB, "1");
}

TEST(ScanFolder, UnreadableMusicListedBareAndUnreadableBooksLeftOut) {
    if (geteuid() == 0)
        GTEST_SKIP() << "file permissions do not keep the superuser out";
    TempDir dir;
    WriteFile(dir.Path() + "locked.mp3",
              std::string(2000, 'm') + test::Id3v1Block("TAG", "T", "A"));
    WriteFile(dir.Path() + "locked.dbk", test::EbookTrailerBytes({}));
    fs::permissions(dir.Path() + "locked.mp3", fs::perms::none);
    fs::permissions(dir.Path() + "locked.dbk", fs::perms::none);
    FileLists lists;
    lists.ScanFolder(dir.Path(), kAllCategoriesFilter, Side::Computer, false);
    const FileList& music = lists.List(Side::Computer, ContentCategory::Mp3Music);
    ASSERT_EQ(music.size(), 1u);
    EXPECT_EQ(music[0].title, "");
    EXPECT_EQ(music[0].sizeKB, "3");
    EXPECT_FALSE(music[0].modified.empty());
    EXPECT_TRUE(lists.List(Side::Computer, ContentCategory::Ebook).empty());
}

} // namespace
} // namespace zyntra
