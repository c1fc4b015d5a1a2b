#include "platform/input_methods.h"
#include "platform/open_with.h"
#include "platform/process_launch.h"
#include "tests/platform/scoped_env.h"
#include "tests/support/temp_dir.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

namespace zyntra {
namespace {

namespace fs = std::filesystem;

// A program that writes its arguments (each ended by a NUL) and its
// /proc/self/stat line to $RECORD, appearing there only once complete.
constexpr const char* kRecorder = "#!/bin/sh\n"
                                  "printf '%s\\0' \"$@\" > \"$RECORD.args\"\n"
                                  "cat /proc/$$/stat > \"$RECORD.stat\"\n"
                                  "mv \"$RECORD.args\" \"$RECORD\"\n";

class LaunchTest : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(bin_); }

    std::string Program(const std::string& name) {
        std::string path = bin_ + name;
        test::WriteFile(path, kRecorder);
        fs::permissions(path, fs::perms::owner_all);
        return path;
    }

    // The recorded arguments, once the program has run.
    std::vector<std::string> Recorded() {
        for (int i = 0; i < 500 && !test::FileExists(record_); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::string bytes = test::ReadFile(record_);
        fs::remove(record_);
        std::vector<std::string> args;
        for (std::size_t start = 0, end; (end = bytes.find('\0', start)) != std::string::npos;
             start = end + 1)
            args.push_back(bytes.substr(start, end - start));
        return args;
    }

    // Fields of /proc/<pid>/stat after the command name: state, ppid, pgrp, session.
    std::vector<std::string> RecordedStat() {
        std::string stat = test::ReadFile(record_ + ".stat");
        std::istringstream fields(stat.substr(stat.rfind(')') + 2));
        std::vector<std::string> values(4);
        for (auto& value : values)
            fields >> value;
        return values;
    }

    static bool GoneWithoutZombie(pid_t pid) {
        std::string stat = "/proc/" + std::to_string(pid) + "/stat";
        for (int i = 0; i < 500; ++i) {
            if (!test::FileExists(stat))
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    test::TempDir dir_;
    std::string bin_ = dir_.Path() + "bin/";
    std::string record_ = dir_.Path() + "record";
    test::ScopedEnv recordEnv_{"RECORD", record_};
};

TEST_F(LaunchTest, OpenerGetsThePathAsOneUntouchedArgument) {
    test::ScopedEnv opener("ZYNTRA_OPENER", Program("opener"));
    std::string path =
        dir_.Path() + "it's a \"file\"; $(touch " + dir_.Path() + "pwned) `id` & |.mp3";
    ASSERT_TRUE(OpenWithDefaultProgram(path));
    EXPECT_EQ(Recorded(), std::vector<std::string>{path});
    EXPECT_FALSE(test::FileExists(dir_.Path() + "pwned"));

    ASSERT_TRUE(OpenWithDefaultProgram("-rf"));
    EXPECT_EQ(Recorded(), std::vector<std::string>{"./-rf"});
}

TEST_F(LaunchTest, StartedProgramHasItsOwnSessionAndIsReaped) {
    std::optional<pid_t> pid = StartDetached({Program("tool"), "a b", ""});
    ASSERT_TRUE(pid.has_value());
    EXPECT_EQ(Recorded(), (std::vector<std::string>{"a b", ""}));
    std::vector<std::string> stat = RecordedStat();
    EXPECT_EQ(stat[3], std::to_string(*pid)) << "session leader";
    EXPECT_TRUE(GoneWithoutZombie(*pid));

    EXPECT_FALSE(StartDetached({bin_ + "missing"}).has_value());
    EXPECT_FALSE(OpenWithDefaultProgram("/x", bin_ + "missing"));
    EXPECT_FALSE(StartDetached({}).has_value());
}

TEST_F(LaunchTest, ActivationRunsTheFrameworksProgramWhenOnPath) {
    test::WriteFile(dir_.Path() + "ibus/c.xml",
                    "<component><engines><engine><name>chewing</name><language>zh_TW</language>"
                    "<longname>Chewing</longname></engine></engines></component>");
    test::WriteFile(dir_.Path() + "fcitx5/pinyin.conf", "[InputMethod]\nName=Pinyin\n");
    SystemInputMethods methods({dir_.Path() + "ibus", dir_.Path() + "fcitx5"}, "zh_TW");
    {
        test::ScopedEnv path("PATH", dir_.Path() + "nothing");
        EXPECT_FALSE(methods.Activate("Chewing"));
    }
    Program("ibus");
    Program("fcitx5-remote");
    test::ScopedEnv path("PATH", bin_ + ":/usr/bin:/bin");
    ASSERT_TRUE(methods.Activate("Chewing"));
    EXPECT_EQ(Recorded(), (std::vector<std::string>{"engine", "chewing"}));
    ASSERT_TRUE(methods.Activate("pinyin"));
    EXPECT_EQ(Recorded(), (std::vector<std::string>{"-s", "pinyin"}));
    ASSERT_TRUE(methods.Activate(methods.List()[0].name));
    EXPECT_EQ(Recorded(), (std::vector<std::string>{"-c"}));
    EXPECT_FALSE(methods.Activate("No such method"));
    EXPECT_FALSE(methods.Activate(""));

    EXPECT_TRUE(ProgramOnPath("ibus"));
    EXPECT_FALSE(ProgramOnPath("zyntra-no-such-program"));
}

} // namespace
} // namespace zyntra
