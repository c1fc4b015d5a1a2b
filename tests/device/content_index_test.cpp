#include "storage/database_files.h"
#include "tests/device/device_link_fixture.h"

#include <filesystem>

namespace zyntra {
namespace {

using test::CardBaseRow;
using test::DeviceHeader;
using test::FileExists;
using test::FixtureDatabase;
using test::FolderRow;
using test::NumberedFolderRows;
using test::ReadFile;
using test::WriteContentIndex;
using test::WriteFile;

constexpr DriveKind kInternal = DriveKind::InternalMemory;

class ContentIndexTest : public test::DeviceLinkTest {
protected:
    // The drive "mem": the internal memory of a device, not yet discovered.
    std::string AddInternal(bool withDatabases) {
        const InfoHeader header = DeviceHeader("A", kInternal);
        root_ = withDatabases ? drives_.AddInternalMemory("mem", header)
                              : drives_.AddDeviceDrive("mem", header);
        return root_;
    }
    // The same device registered by a discovery, which reads its index once.
    std::string Internal(bool withDatabases) {
        AddInternal(withDatabases);
        Link().DiscoverDevices(false);
        return root_;
    }
    std::string Pim() const { return DeviceDatabasePath(root_, 1); }
    std::size_t RowCount() { return Link().ContentIndex(0).size(); }
    const FILE_INFO& Row(int r) { return Link().ContentIndex(0)[static_cast<std::size_t>(r)]; }
    const DEV_INFO& Device() { return Link().Records()[0]; }

    std::string root_;
};

TEST_F(ContentIndexTest, AMissingOrEmptyPimBringsTheMissingTemplates) {
    Internal(false);
    std::filesystem::create_directory(root_ + "Secretary");
    WriteFile(DeviceDatabasePath(root_, 1), "");
    WriteFile(DeviceDatabasePath(root_, 3), "the user's own dictionary");

    Link().PrepareDeviceDatabases(0);
    for (int slot : {1, 2, 4, 5})
        EXPECT_EQ(ReadFile(DeviceDatabasePath(root_, slot)), ReadFile(TemplatePath(slot))) << slot;
    EXPECT_EQ(ReadFile(DeviceDatabasePath(root_, 3)), "the user's own dictionary");
    // The index now comes from the copied PIM.db.
    EXPECT_EQ(RowCount(), 17u);
    EXPECT_EQ(Row(0).hw_path, "QX740");
    EXPECT_EQ(Row(13).hw_name, "ECDIY_Dict.db");
    EXPECT_EQ(Row(13).field_04, 1);
    EXPECT_EQ(Device().mainClass, "B");

    // With PIM.db present, an empty dictionary is left for the storage step.
    WriteFile(DeviceDatabasePath(root_, 2), "");
    Link().PrepareDeviceDatabases(0);
    EXPECT_EQ(ReadFile(DeviceDatabasePath(root_, 2)), "");
}

TEST_F(ContentIndexTest, RowsAreReadAsStoredAndNullLeavesAField) {
    Internal(true);
    std::vector<test::ContentIndexRow> rows = {CardBaseRow("Base", "C", "07"),
                                               FolderRow("EBOOK", "Novels")};
    rows[1].field_01 = 7;
    rows[1].field_02 = -3;
    WriteContentIndex(Pim(), rows);
    Link().PrepareDeviceDatabases(0);
    EXPECT_EQ(RowCount(), 2u);
    EXPECT_EQ(Row(1).hw_path, "EBOOK");
    EXPECT_EQ(Row(1).field_02, -3);
    EXPECT_EQ((std::pair{Device().mainClass, Device().subClass}),
              (std::pair<std::string, std::string>{"C", "07"}));

    rows[1].hw_name.reset();
    rows[1].field_01.reset();
    rows[1].hw_path = "TEXT";
    WriteContentIndex(Pim(), rows);
    Link().PrepareDeviceDatabases(0);
    EXPECT_EQ(Row(1).hw_name, "Novels");
    EXPECT_EQ(Row(1).field_01, 7);
    EXPECT_EQ(Row(1).hw_path, "TEXT");
}

TEST_F(ContentIndexTest, MoreThanAHundredRowsKeepTheFirstHundred) {
    Internal(true);
    WriteContentIndex(Pim(), NumberedFolderRows(130));
    Link().PrepareDeviceDatabases(0);
    EXPECT_EQ(RowCount(), static_cast<std::size_t>(kMaxFileInfoRows));
    EXPECT_EQ(Row(99).hw_name, "F99");
    EXPECT_TRUE(ShownTexts().empty());
}

TEST_F(ContentIndexTest, AnUnreadableRowIsReportedAndTheOthersAreRead) {
    AddInternal(true);
    WriteContentIndex(Pim(), NumberedFolderRows(5));
    test::MakeContentRowUnreadable(Pim(), 2);
    // The first read of the index: no earlier row stands in for the unreadable one.
    Link().DiscoverDevices(false);
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{"file error, rec=2\n"});
    EXPECT_EQ(ui_.pendingEvents.Calls(), 1);
    EXPECT_EQ(RowCount(), 5u);
    EXPECT_EQ(Row(1).hw_name, "F1");
    EXPECT_EQ(Row(2).hw_name, "");
    EXPECT_EQ(Row(4).hw_name, "F4");
}

TEST_F(ContentIndexTest, AGarbagePimIsReadThroughTheTemplateAndAMissingTableChangesNothing) {
    Internal(true);
    test::WriteGarbageDatabase(Pim());
    Link().PrepareDeviceDatabases(0);
    EXPECT_EQ(RowCount(), 17u);
    EXPECT_EQ(Row(16).hw_name, "CJDIY_Dict.db");
    EXPECT_TRUE(ShownTexts().empty());

    {
        FixtureDatabase pim(DeviceDatabasePath(root_, 2));
        pim.Exec("create table unrelated (x)");
    }
    // An index unlike the template's, whose codes a fallback to the template would replace.
    std::vector<test::ContentIndexRow> rows = NumberedFolderRows(17);
    rows[0].mainClass = "kept";
    std::filesystem::remove(Pim());
    WriteContentIndex(Pim(), rows);
    Link().PrepareDeviceDatabases(0);
    ASSERT_EQ(Device().mainClass, "kept");
    std::filesystem::copy_file(DeviceDatabasePath(root_, 2), Pim(),
                               std::filesystem::copy_options::overwrite_existing);
    Link().PrepareDeviceDatabases(0);
    EXPECT_EQ(RowCount(), 17u);
    EXPECT_EQ(Device().mainClass, "kept");
    EXPECT_TRUE(ShownTexts().empty());
}

} // namespace
} // namespace zyntra
