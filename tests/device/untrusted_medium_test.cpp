#include "storage/database_files.h"
#include "tests/device/device_link_fixture.h"
#include "texts/lang_text.h"

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace zyntra {
namespace {

namespace fs = std::filesystem;
using test::CardBaseRow;
using test::DatabaseRow;
using test::DeviceHeader;
using test::FolderRow;
using test::ReadFile;
using test::WriteContentIndex;
using test::WriteFile;

constexpr DriveKind kInternal = DriveKind::InternalMemory;

// A medium whose folders and files are links to the computer's own folder "outside", or
// FIFOs: nothing there may be made, changed or read, and nothing may wait on a FIFO.
class UntrustedMediumTest : public test::DeviceLinkTest {
protected:
    void SetUp() override {
        outside_ = drives_.Outside();
        fs::create_directories(outside_);
    }
    void LinkOut(const std::string& path, const std::string& into = "") {
        fs::create_symlink(outside_ + into, path);
    }
    std::vector<std::string> OutsideEntries() const {
        std::vector<std::string> entries;
        for (const auto& entry : fs::recursive_directory_iterator(outside_))
            entries.push_back(entry.path().string());
        return entries;
    }

    std::string outside_;
};

TEST_F(UntrustedMediumTest, FoldersAndDatabasesOfTheIndexAreNeverMadeThroughALink) {
    const std::string root = drives_.AddInternalMemory("mem", DeviceHeader("A", kInternal));
    const std::string card =
        drives_.AddDeviceDrive("card", DeviceHeader("A", DriveKind::MemoryCard));
    WriteContentIndex(DeviceDatabasePath(root, 1),
                      {CardBaseRow("qx740/base", "B", "02"), FolderRow("EBOOK\\Sub", "dict"),
                       FolderRow("Up", "here"), DatabaseRow("Data", "PIM.db"),
                       FolderRow("", "Music")});
    LinkOut(root + "EBOOK");
    LinkOut(root + "Data");
    fs::create_directory(root + "Up");
    LinkOut(root + "Up/here");
    LinkOut(card + "QX740");
    Link().DiscoverDevices(false);

    Link().PrepareDeviceStorage();

    EXPECT_EQ(OutsideEntries(), std::vector<std::string>{});
    EXPECT_TRUE(fs::is_directory(root + "Music"));
    EXPECT_TRUE(fs::is_symlink(root + "EBOOK"));
    EXPECT_TRUE(fs::is_symlink(root + "Up/here"));
    EXPECT_TRUE(fs::is_symlink(card + "QX740"));
    EXPECT_TRUE(ShownTexts().empty());
}

TEST_F(UntrustedMediumTest, ALinkedSecretaryFolderGetsNoTemplatesAndTheTemplateIndexIsRead) {
    const std::string root = drives_.AddDeviceDrive("mem", DeviceHeader("A", kInternal));
    LinkOut(root + "Secretary");

    const DiscoveryResult result = Link().DiscoverDevices(false);

    EXPECT_EQ(OutsideEntries(), std::vector<std::string>{});
    EXPECT_TRUE(result.usable);
    EXPECT_EQ(Link().ContentIndex(0).size(), 17u);
    EXPECT_EQ(Link().Records()[0].mainClass, "B");
}

TEST_F(UntrustedMediumTest, APimLinkedToAComputerFileCountsAsMissing) {
    const std::string root = drives_.AddInternalMemory("mem", DeviceHeader("A", kInternal));
    const std::string host = outside_ + "host.db";
    WriteContentIndex(host, {CardBaseRow("HOST", "Z", "99"), FolderRow("", "HostFolder")});
    const std::string hostBytes = ReadFile(host);
    fs::remove(DeviceDatabasePath(root, 1));
    LinkOut(root + "Secretary/PIM.db", "host.db");

    Link().DiscoverDevices(false);
    Link().PrepareDeviceStorage();

    // The index is the template's, not the computer file's.
    EXPECT_EQ(Link().Records()[0].mainClass, "B");
    EXPECT_EQ(Link().ContentIndex(0).size(), 17u);
    EXPECT_FALSE(fs::exists(root + "HostFolder"));
    EXPECT_EQ(ReadFile(host), hostBytes);
    EXPECT_TRUE(fs::is_symlink(root + "Secretary/PIM.db"));
}

TEST_F(UntrustedMediumTest, AFifoInfoFileIsNoDeviceAndIsNeverRead) {
    const std::string root = drives_.AddPlainDrive("fifo");
    const std::string info = root + kInfoFileName;
    ASSERT_EQ(::mkfifo(info.c_str(), 0600), 0);
    // Held open for writing with a whole header waiting in it, so that a reader neither blocks
    // nor goes unnoticed: the header is still there afterwards only if nobody read it.
    const int fifo = ::open(info.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(fifo, 0);
    const std::string header = test::InfoFileBytes(DeviceHeader("F", kInternal), kInfoHeaderSize);
    ASSERT_EQ(::write(fifo, header.data(), header.size()), static_cast<ssize_t>(header.size()));

    const DiscoveryResult result = Link().DiscoverDevices(true);

    EXPECT_FALSE(result.usable);
    EXPECT_EQ(Link().DeviceCount(), 0);
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{LangText("SM_NoeDictionary")});
    std::string left(kInfoHeaderSize + 1, '\0');
    EXPECT_EQ(::read(fifo, left.data(), left.size()), static_cast<ssize_t>(kInfoHeaderSize));
    ::close(fifo);
    EXPECT_FALSE(fs::exists(root + "Secretary"));
}

TEST_F(UntrustedMediumTest, TheSyncMarkerIsNeverWrittenThroughALinkOrIntoAFifo) {
    const std::string root = drives_.AddInternalMemory("mem", DeviceHeader("A", kInternal));
    Link().DiscoverDevices(false);
    const std::string marker = root + "_sync.dat";
    WriteFile(outside_ + "notes.txt", "the user's notes");
    LinkOut(marker, "notes.txt");

    Link().WriteSyncMarker();
    EXPECT_EQ(ReadFile(outside_ + "notes.txt"), "the user's notes");

    fs::remove(marker);
    ASSERT_EQ(::mkfifo(marker.c_str(), 0600), 0);
    // With a reader waiting, a writer would neither block nor go unnoticed.
    const int reader = ::open(marker.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    Link().WriteSyncMarker();
    char byte = 0;
    EXPECT_LE(::read(reader, &byte, 1), 0);
    ::close(reader);

    // A plain device still gets its marker.
    fs::remove(marker);
    Link().WriteSyncMarker();
    EXPECT_EQ(ReadFile(marker), "test");
}

} // namespace
} // namespace zyntra
