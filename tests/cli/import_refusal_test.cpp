#include "tests/cli/cli_sandbox.h"
#include "tests/support/personal_db_fixture.h"

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace zyntra::test {
namespace {

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A device that already holds one task and one appointment, and whose database must come out
// of a refused import byte for byte as it went in.
class ImportRefusal : public ::testing::Test {
protected:
    ImportRefusal() : root_(sandbox_.AddDevice()) {
        InsertToDo(DevicePim(root_), {.id = 1, .date = "2026/01/05", .content = "Old task"});
        InsertSchedule(DevicePim(root_), {.id = 1,
                                          .date = "2026/01/05",
                                          .start_time = "09:00",
                                          .end_time = "10:00",
                                          .content = "Old meeting"});
        before_ = ReadFile(DevicePim(root_));
    }

    ProcessResult Import(const std::string& kind, const std::string& file) const {
        return sandbox_.Run({"import", kind, file, "--mode", "memory"});
    }

    void ExpectRefused(const ProcessResult& run) const {
        EXPECT_EQ(run.exitCode, 1) << run.err;
        EXPECT_FALSE(Has(run.err, "Synchronization completed successfully.")) << run.err;
        EXPECT_TRUE(Has(run.err, "Nothing was written to the device.")) << run.err;
        EXPECT_EQ(ReadFile(DevicePim(root_)), before_);
    }

    CliSandbox sandbox_;
    std::string root_;
    std::string before_;
};

TEST_F(ImportRefusal, OneTooLongRecordRefusesTheWholeFileBeforeAnythingIsWritten) {
    const std::string file = sandbox_.WriteInput(
        "todo.json", R"([{"content": "First new task"}, {"content": ")" + std::string(5000, 'x') +
                         R"("}, {"content": "Third new task"}])");
    ProcessResult run = Import("todo", file);
    ExpectRefused(run);
    EXPECT_TRUE(Has(run.err, file + ": record 2: field \"content\" is longer than 100 characters"))
        << run.err;
    EXPECT_FALSE(Has(run.err, "record 1")) << run.err;
    EXPECT_FALSE(Has(run.err, "record 3")) << run.err;

    // The same file without the long record goes in whole.
    ProcessResult fine =
        Import("todo", sandbox_.WriteInput("fine.json", R"([{"content": "First new task"},
                                                      {"content": "Third new task"}])"));
    ASSERT_EQ(fine.exitCode, 0) << fine.err;
    EXPECT_EQ(ReadToDos(DevicePim(root_)).size(), 3u);
}

TEST_F(ImportRefusal, EveryValueTheEditorsNeverStoreIsNamedAndNothingIsWritten) {
    const std::string file = sandbox_.WriteInput("schedule.json", R"([
        {"content": "fine", "date": "2026/02/01", "start_time": "08:00", "end_time": "09:00"},
        {"content": "bad date", "date": "not a date"},
        {"content": "bad time", "date": "2026/02/01", "start_time": "99:99"},
        {"content": "bad alarm", "alarm": 17},
        {"content": "cut\u0000short"},
        {"content": "last id", "id": 2147483647},
        {"content": "fine too", "alarm": 2, "alarm_BStime": 30}])");
    ProcessResult run = Import("schedule", file);
    ExpectRefused(run);
    for (const char* fault : {
             "record 2: field \"date\" must be a date written yyyy/mm/dd",
             "record 3: field \"start_time\" must be a time written hh:mm, or empty",
             "record 4: field \"alarm\" must be 0..3",
             "record 5: field \"content\" holds a zero byte",
             "record 6: field \"id\" must be 0..2147483646",
         })
        EXPECT_TRUE(Has(run.err, fault)) << fault << "\n" << run.err;
    EXPECT_FALSE(Has(run.err, "record 1:")) << run.err;
    EXPECT_FALSE(Has(run.err, "record 7:")) << run.err;

    // A CSV file is held to the same: its faults are found past its first one too.
    const std::string csv = sandbox_.WriteInput(
        "todo.csv", "content,date,priority\r\nok,2026/02/30,1\r\nok,2026/02/01,9\r\n");
    ProcessResult tasks = sandbox_.Run({"import", "todo", csv, "--format", "csv"});
    ExpectRefused(tasks);
    EXPECT_TRUE(Has(tasks.err, "record 1: field \"date\"")) << tasks.err;
    EXPECT_TRUE(Has(tasks.err, "record 2: field \"priority\" must be 0..3")) << tasks.err;
}

// Writes `text` into a FIFO for whoever opens it to read, for as long as the feeder lives:
// a reader gets a valid file, and a program that never opens it does not keep the test waiting.
class FifoFeeder {
public:
    FifoFeeder(std::string path, std::string text) : path_(std::move(path)) {
        if (mkfifo(path_.c_str(), 0600) != 0)
            throw std::runtime_error("mkfifo " + path_);
        thread_ = std::thread([this, text = std::move(text)] {
            while (!stop_) {
                int fd = open(path_.c_str(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    (void)!write(fd, text.data(), text.size());
                    close(fd);
                    return;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        });
    }
    ~FifoFeeder() {
        stop_ = true;
        thread_.join();
    }

private:
    std::string path_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

TEST_F(ImportRefusal, OnlyARegularFileOfAtMost64MegabytesIsRead) {
    const std::string fifo =
        std::filesystem::path(sandbox_.WriteInput("x", "")).parent_path() / "records.fifo";
    FifoFeeder feeder(fifo, R"([{"content": "From a pipe"}])");
    constexpr int kLimit = 64 * 1024 * 1024;
    const std::string big = sandbox_.WriteInput("big.json", "[");
    std::filesystem::resize_file(big, kLimit + 1);
    struct Case {
        std::string file;
        std::string reason;
    };
    for (const Case& c :
         {Case{"/dev/null", "it is no regular file"}, Case{fifo, "it is no regular file"},
          Case{big, "it holds " + std::to_string(kLimit + 1) + " bytes"}}) {
        SCOPED_TRACE(c.file);
        ProcessResult run = Import("todo", c.file);
        ExpectRefused(run);
        EXPECT_TRUE(Has(run.err, "This file cannot be read: " + c.file + " (" + c.reason))
            << run.err;
    }
    // A file of exactly the limit is read: its fault is what it holds, not its size.
    std::filesystem::resize_file(big, kLimit);
    ProcessResult read = Import("todo", big);
    EXPECT_EQ(read.exitCode, 1);
    EXPECT_TRUE(Has(read.err, "not valid JSON")) << read.err;
}

} // namespace
} // namespace zyntra::test
