#include "platform/volume_monitor.h"
#include "tests/support/temp_dir.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <poll.h>

namespace zyntra {
namespace {

class VolumeMonitorTest : public ::testing::Test {
protected:
    // Waits as an event loop would, then dispatches.
    std::vector<VolumeEvent> Settle() {
        pollfd watch{monitor_->Fd(), POLLIN, 0};
        events_.clear();
        while (poll(&watch, 1, 2000) == 1 && (watch.revents & POLLIN) != 0) {
            monitor_->Dispatch();
            watch.revents = 0;
            // Take up the rest of a burst of notifications.
            if (poll(&watch, 1, 50) != 1)
                break;
        }
        return events_;
    }
    void Write(const std::string& text) { test::WriteFile(table_, text); }

    test::TempDir dir_;
    std::string table_ = dir_.Path() + "volumes.txt";
    SimulatedVolumes volumes_{table_};
    std::vector<VolumeEvent> events_;
    std::unique_ptr<VolumeMonitor> monitor_;
};

TEST_F(VolumeMonitorTest, ReportsPluggingAndUnpluggingThroughTheTableFile) {
    Write("fixed /c\n");
    monitor_ = VolumeMonitor::ForTableFile(
        volumes_, [&](const VolumeEvent& e) { events_.push_back(e); }, table_);
    ASSERT_GE(monitor_->Fd(), 0);
    EXPECT_EQ(monitor_->WatchFor(), VolumeMonitor::Condition::Readable);
    EXPECT_EQ(monitor_->Known(), (std::vector<Volume>{{"/c/", VolumeType::Fixed}}));

    Write("fixed /c\nremovable /dev1\n");
    EXPECT_EQ(Settle(), (std::vector<VolumeEvent>{
                            {VolumeChange::Arrival, {"/dev1/", VolumeType::Removable}}}));

    Write("removable /dev1\n");
    EXPECT_EQ(Settle(),
              (std::vector<VolumeEvent>{{VolumeChange::Removal, {"/c/", VolumeType::Fixed}}}));

    // Replaced by rename, as editors and scripts do: one removal, one arrival.
    test::WriteFile(dir_.Path() + "new.txt", "removable /dev2\n");
    ASSERT_EQ(std::rename((dir_.Path() + "new.txt").c_str(), table_.c_str()), 0);
    EXPECT_EQ(Settle(), (std::vector<VolumeEvent>{
                            {VolumeChange::Removal, {"/dev1/", VolumeType::Removable}},
                            {VolumeChange::Arrival, {"/dev2/", VolumeType::Removable}},
                        }));

    // Other files of the folder change nothing; deleting the table unplugs all.
    test::WriteFile(dir_.Path() + "unrelated", "x");
    EXPECT_TRUE(Settle().empty());
    ASSERT_EQ(std::remove(table_.c_str()), 0);
    EXPECT_EQ(Settle(), (std::vector<VolumeEvent>{
                            {VolumeChange::Removal, {"/dev2/", VolumeType::Removable}}}));
}

TEST_F(VolumeMonitorTest, DispatchWithoutNotificationStillCompares) {
    monitor_ = VolumeMonitor::ForTableFile(
        volumes_, [&](const VolumeEvent& e) { events_.push_back(e); }, table_);
    EXPECT_EQ(monitor_->Dispatch(), 0u);
    Write("removable /d\n");
    // Drained by a Dispatch the loop did not ask for: the next one still reads.
    EXPECT_EQ(monitor_->Dispatch(), 1u);
    EXPECT_EQ(monitor_->Dispatch(), 0u);
    EXPECT_EQ(events_.size(), 1u);
}

TEST(VolumeMonitorMountTableTest, WatchesTheMountTableForPriority) {
    MemoryVolumes volumes({{"/", VolumeType::Fixed}});
    int calls = 0;
    auto monitor = VolumeMonitor::ForMountTable(volumes, [&](const VolumeEvent&) { ++calls; });
    EXPECT_GE(monitor->Fd(), 0);
    EXPECT_EQ(monitor->WatchFor(), VolumeMonitor::Condition::Priority);
    volumes.Set({{"/", VolumeType::Fixed}, {"/media/u/S/", VolumeType::Removable}});
    EXPECT_EQ(monitor->Dispatch(), 1u);
    EXPECT_EQ(calls, 1);

    auto missing = VolumeMonitor::ForMountTable(volumes, {}, "/no/such/mountinfo");
    EXPECT_EQ(missing->Fd(), -1);
    EXPECT_EQ(missing->Dispatch(), 0u);
}

} // namespace
} // namespace zyntra
