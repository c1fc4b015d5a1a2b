#include "platform/program_folder.h"
#include "platform/single_instance.h"
#include "tests/platform/scoped_env.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>

namespace zyntra {
namespace {

constexpr const char* kMutex = "Vellmar Zyntra QX740 v1.0.3";

// The child's exit code: 0 acquired, 1 held elsewhere, 2 failed.
int StateInChild() {
    pid_t pid = fork();
    if (pid == 0) {
        SingleInstance second(kMutex);
        _exit(static_cast<int>(second.GetState()));
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Points the process at a program folder of its own for the test's life.
class ScopedProgramFolder {
public:
    explicit ScopedProgramFolder(const std::string& folder) : previous_(ProgramFolder()) {
        SetProgramFolder(folder);
    }
    ~ScopedProgramFolder() { SetProgramFolder(previous_); }

private:
    std::string previous_;
};

TEST(SingleInstanceTest, SecondHolderIsTurnedAwayUntilTheFirstEnds) {
    test::TempDir folder;
    ScopedProgramFolder program(folder.Path());
    {
        SingleInstance first(kMutex);
        ASSERT_EQ(first.GetState(), SingleInstance::State::Acquired);
        EXPECT_EQ(first.LockPath(), folder.Path() + "Vellmar_Zyntra_QX740_v1.0.3.lock");
        EXPECT_TRUE(test::FileExists(first.LockPath()));

        SingleInstance sameProcess(kMutex);
        EXPECT_TRUE(sameProcess.AlreadyRunning());
        EXPECT_EQ(StateInChild(), static_cast<int>(SingleInstance::State::HeldElsewhere));
        EXPECT_TRUE(SingleInstance("Another mutex").GetState() == SingleInstance::State::Acquired);
    }
    EXPECT_EQ(StateInChild(), static_cast<int>(SingleInstance::State::Acquired));
}

// A job started from cron has no runtime folder, a login shell another one than the desktop's:
// neither may write the program folder while the window holds it.
TEST(SingleInstanceTest, TheLockBelongsToTheProgramFolderWhateverTheEnvironment) {
    test::TempDir folder;
    test::TempDir runtime;
    ScopedProgramFolder program(folder.Path());
    std::optional<test::ScopedEnv> desktop(std::in_place, "XDG_RUNTIME_DIR", runtime.Path());
    SingleInstance window(kMutex);
    ASSERT_EQ(window.GetState(), SingleInstance::State::Acquired);
    desktop.reset();
    {
        test::ScopedEnv cron("XDG_RUNTIME_DIR", std::nullopt);
        EXPECT_EQ(StateInChild(), static_cast<int>(SingleInstance::State::HeldElsewhere));
    }
    {
        test::TempDir elsewhere;
        test::ScopedEnv other("XDG_RUNTIME_DIR", elsewhere.Path());
        EXPECT_EQ(StateInChild(), static_cast<int>(SingleInstance::State::HeldElsewhere));
    }
    // Another installation has its own program folder and its own lock.
    test::TempDir otherProgram;
    ScopedProgramFolder other(otherProgram.Path());
    EXPECT_EQ(StateInChild(), static_cast<int>(SingleInstance::State::Acquired));
}

TEST(SingleInstanceTest, LockFileNamesStayInsideTheFolder) {
    EXPECT_EQ(LockFileName("../../etc/passwd"), "_.._.._etc_passwd.lock");
    EXPECT_EQ(LockFileName(""), "_.lock");
    EXPECT_EQ(LockFileName(std::string(500, 'x')).size(), 205u);
}

} // namespace
} // namespace zyntra
