// Copies onto a real exFAT file system, as the device's memory is formatted. The volume is an
// image mounted through FUSE, which needs root, a loop device and the exFAT tools; where the
// machine has none of that, the tests skip themselves.

#include "platform/file_operation.h"
#include "tests/support/process_runner.h"
#include "tests/support/temp_dir.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace zyntra {
namespace {

namespace fs = std::filesystem;

constexpr const char* kMkfs = "/usr/sbin/mkfs.exfat";
constexpr const char* kLosetup = "/usr/sbin/losetup";
constexpr const char* kMount = "/usr/sbin/mount.exfat-fuse";
constexpr const char* kUmount = "/usr/bin/umount";

bool Run(const char* program, std::vector<std::string> args, std::string* out = nullptr) {
    test::ProcessResult result = test::RunProcess({program, std::move(args), {}, {}, {}});
    if (out != nullptr)
        *out = result.out;
    return result.exitCode == 0;
}

// A 32 MB exFAT image on a loop device, mounted below a temporary folder.
class ExfatVolume {
public:
    ExfatVolume() {
        for (const char* tool : {kMkfs, kLosetup, kMount, kUmount})
            if (!fs::exists(tool)) {
                problem_ = std::string(tool) + " is missing";
                return;
            }
        if (geteuid() != 0 || !fs::exists("/dev/fuse")) {
            problem_ = "mounting needs root and /dev/fuse";
            return;
        }
        const std::string image = dir_.Path() + "volume.img";
        fs::resize_file((std::ofstream(image), image), 32u << 20);
        fs::create_directory(Root());
        if (!Run(kMkfs, {image}) || !Run(kLosetup, {"-f", "--show", image}, &loop_)) {
            problem_ = "the image could not be made or attached";
            return;
        }
        loop_.erase(loop_.find_last_not_of('\n') + 1);
        mounted_ = Run(kMount, {loop_, Root()});
        if (!mounted_)
            problem_ = "exfat-fuse could not mount the image";
    }
    ~ExfatVolume() {
        if (mounted_)
            Run(kUmount, {Root()});
        if (!loop_.empty())
            Run(kLosetup, {"-d", loop_});
    }

    // Why the volume is not there; empty when it is.
    const std::string& Problem() const { return problem_; }
    std::string Root() const { return dir_.Path() + "volume/"; }
    std::string Outside() const { return dir_.Path(); }

private:
    test::TempDir dir_;
    std::string loop_;
    std::string problem_;
    bool mounted_ = false;
};

class ExfatVolumeTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!volume_.Problem().empty())
            GTEST_SKIP() << volume_.Problem();
    }

    std::string Source(const std::string& name, const std::string& bytes) {
        test::WriteFile(volume_.Outside() + name, bytes);
        return volume_.Outside() + name;
    }

    std::vector<std::string> FilesIn(const std::string& folder) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    ExfatVolume volume_;
};

TEST_F(ExfatVolumeTest, ANameTheVolumeCannotHoldFailsAloneAndLeavesNoTemporaryFile) {
    const std::string music = volume_.Root() + "MUSIC";
    FileOpResult result = HeadlessFileOperation().Run(
        {FileOpKind::Copy,
         {Source("a:b.mp3", "colon"), Source("song.mp3", "tune"), Source("lyric?.lrc", "words")},
         music,
         "Zyntra"});

    EXPECT_EQ(result.done, 1u);
    ASSERT_EQ(result.errors.size(), 2u);
    EXPECT_NE(result.errors[0].path.find("a:b.mp3"), std::string::npos);
    EXPECT_NE(result.errors[1].path.find("lyric?.lrc"), std::string::npos);
    EXPECT_EQ(FilesIn(music), std::vector<std::string>{"song.mp3"});
    EXPECT_EQ(test::ReadFile(music + "/song.mp3"), "tune");
}

TEST_F(ExfatVolumeTest, ACopyLargerThanTheFreeSpaceIsRefusedBeforeAnythingIsWritten) {
    const std::string big = Source("film.avi", "");
    fs::resize_file(big, 64u << 20); // sparse: twice the volume
    const std::string small = Source("clip.avi", "frames");

    FileOpResult result =
        HeadlessFileOperation().Run({FileOpKind::Copy, {small, big}, volume_.Root(), "Zyntra"});

    EXPECT_TRUE(result.aborted);
    EXPECT_EQ(result.done, 0u);
    ASSERT_FALSE(result.errors.empty());
    EXPECT_EQ(FilesIn(volume_.Root()), std::vector<std::string>{});
}

TEST_F(ExfatVolumeTest, AMoveOntoTheVolumeKeepsTheBytesAndRemovesTheSource) {
    std::string bytes(300000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7);
    const std::string source = Source("voice.wav", bytes);

    FileOpResult result = HeadlessFileOperation().Run(
        {FileOpKind::Move, {source}, volume_.Root() + "RECORD", "Zyntra"});

    EXPECT_EQ(result.done, 1u);
    EXPECT_TRUE(result.errors.empty());
    EXPECT_FALSE(fs::exists(source));
    EXPECT_EQ(test::ReadFile(volume_.Root() + "RECORD/voice.wav"), bytes);
}

} // namespace
} // namespace zyntra
