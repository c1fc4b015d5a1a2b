#include "platform/single_instance.h"
#include "tests/platform/scoped_env.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>
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

TEST(SingleInstanceTest, SecondHolderIsTurnedAwayUntilTheFirstEnds) {
    test::TempDir runtime;
    test::ScopedEnv env("XDG_RUNTIME_DIR", runtime.Path());
    {
        SingleInstance first(kMutex);
        ASSERT_EQ(first.GetState(), SingleInstance::State::Acquired);
        EXPECT_EQ(first.LockPath(), runtime.Path() + "Vellmar_Zyntra_QX740_v1.0.3.lock");
        EXPECT_TRUE(test::FileExists(first.LockPath()));

        SingleInstance sameProcess(kMutex);
        EXPECT_TRUE(sameProcess.AlreadyRunning());
        EXPECT_EQ(StateInChild(), static_cast<int>(SingleInstance::State::HeldElsewhere));
        EXPECT_TRUE(SingleInstance("Another mutex").GetState() == SingleInstance::State::Acquired);
    }
    EXPECT_EQ(StateInChild(), static_cast<int>(SingleInstance::State::Acquired));
}

TEST(SingleInstanceTest, LockFolderAndFileName) {
    {
        test::ScopedEnv env("XDG_RUNTIME_DIR", "/no/such/folder");
        EXPECT_EQ(LockFolder(), "/tmp/");
    }
    {
        test::ScopedEnv env("XDG_RUNTIME_DIR", std::nullopt);
        EXPECT_EQ(LockFolder(), "/tmp/");
        SingleInstance shared("zyntra platform test");
        EXPECT_EQ(shared.LockPath(),
                  "/tmp/zyntra_platform_test-" + std::to_string(getuid()) + ".lock");
        unlink(shared.LockPath().c_str());
    }
    EXPECT_EQ(LockFileName("../../etc/passwd", false), "_.._.._etc_passwd.lock");
    EXPECT_EQ(LockFileName("", false), "_.lock");
    EXPECT_EQ(LockFileName(std::string(500, 'x'), false).size(), 205u);
}

} // namespace
} // namespace zyntra
