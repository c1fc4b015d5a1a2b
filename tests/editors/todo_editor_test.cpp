#include "personal/editors/todo_page.h"
#include "tests/editors/dated_page_fixture.h"
#include "texts/lang_text.h"

namespace zyntra {
namespace {

constexpr int kToDoPage = 2;
constexpr const char* kList = "lvToDoList";

using Texts = std::vector<std::string>;

class ToDoEditorTest : public test::DatedPageTest {
protected:
    PLANS& Add(std::string date, std::string content, int category = 0, int priority = 0) {
        auto record = std::make_unique<PLANS>();
        record->id = static_cast<int>(Lists().ToDoList.size()) + 1;
        record->date = std::move(date);
        record->content = std::move(content);
        record->category = category;
        record->priority = priority;
        record->stamp_time = "2024/01/01 08:00:00";
        Lists().ToDoList.push_back(std::move(record));
        return *Lists().ToDoList.back();
    }

    ToDoPage& Page() { return Editors().ToDo(); }
    ListView& List() { return Get<ListView>(kList); }
    void Select(int row) { List().UserSelectRow(row); }
    PlainDate Date() { return Get<DatePicker>("dtpToDoDate").Date(); }
    EditField& Content() { return Get<EditField>("reToDoContent"); }

    // Which type and priority buttons are checked, as "1010" strings, so that "none checked"
    // shows too.
    std::string Checked(const char* prefix, int count) {
        std::string marks;
        for (int i = 1; i <= count; ++i)
            marks += Get<RadioButton>((prefix + std::to_string(i)).c_str()).Checked() ? '1' : '0';
        return marks;
    }
    std::string Types() { return Checked("rbToDoType", 3); }
    std::string Priorities() { return Checked("rbToDoPriority", 4); }

    std::vector<std::string> Dates() {
        std::vector<std::string> dates;
        for (const auto& record : Lists().ToDoList)
            dates.push_back(record->date);
        return dates;
    }
};

TEST_F(ToDoEditorTest, ALockedDeviceMasksEveryTaskUntilTheRightPassword) {
    Start(/*locked=*/true);
    Add("2024/05/01", "Pay rent", 0, 1).status = 1;
    ShowEditorPage(kToDoPage);

    EXPECT_EQ(Row(kList, 0), (Texts{"", " * ", " * "}));
    EXPECT_EQ(Date(), kNow.date);
    EXPECT_EQ(Types(), "001");
    EXPECT_EQ(Priorities(), "0001");
    EXPECT_FALSE(Get<CheckBox>("cbToDoStatus").Checked());
    EXPECT_EQ(Content().Text(), "*");

    Page().tbToDoSaveClick();
    harness_.ui.passwordDialog.QueuePassword("9999");
    Page().tbToDoAuthorityClick();
    EXPECT_EQ(TakeShown(),
              (Texts{LangText("SM_NoSelectItem"), LangText("SM_PasswordIncorrectShow")}));
    EXPECT_EQ(Lists().ToDoList[0]->category, 0);
    EXPECT_EQ(Lists().ToDoList[0]->content, "Pay rent");

    harness_.ui.passwordDialog.QueuePassword(kPassword);
    Get<ToolButton>("tbToDoAuthority").Click();
    EXPECT_EQ(Row(kList, 0), (Texts{"", "2024/05/01", "Pay rent"}));
    EXPECT_EQ(Content().Text(), "Pay rent");
    EXPECT_EQ(Types(), "100");
    EXPECT_EQ(Priorities(), "0100");
    EXPECT_TRUE(Get<CheckBox>("cbToDoStatus").Checked());
}

TEST_F(ToDoEditorTest, TypeAndPriorityButtonsAndValuesTheyHaveNoButtonFor) {
    Start();
    Add("2024/05/01", "Usual", 1, 2);
    Add("2024/05/02", "Strange", 7, 9);
    ShowEditorPage(kToDoPage);

    Select(0);
    EXPECT_EQ(Types(), "010");
    EXPECT_EQ(Priorities(), "0010");
    Page().tbToDoSaveClick();
    EXPECT_EQ(Lists().ToDoList[0]->category, 1);
    EXPECT_EQ(Lists().ToDoList[0]->priority, 2);

    Select(1);
    EXPECT_EQ(Types(), "000");
    EXPECT_EQ(Priorities(), "0000");
    Page().tbToDoSaveClick();
    EXPECT_EQ(TakeShown(), Texts{});
    EXPECT_EQ(Lists().ToDoList[1]->category, 2);
    EXPECT_EQ(Lists().ToDoList[1]->priority, 3);
    EXPECT_EQ(Lists().ToDoList[1]->stamp_time, "2024/01/01 08:00:00");
    EXPECT_EQ(Lists().ToDoList[1]->id, 2);
}

TEST_F(ToDoEditorTest, NewAppendsAndSaveNeedsASelectionAndAText) {
    Start();
    ShowEditorPage(kToDoPage);
    EXPECT_FALSE(Get<ToolButton>("tbToDoDelete").Enabled());
    Page().tbToDoNewClick();
    Page().tbToDoSaveClick();
    EXPECT_EQ(TakeShown(), (Texts{LangText("SM_ContentIsEmpty"), LangText("SM_NoSelectItem")}));
    EXPECT_TRUE(Lists().ToDoList.empty());

    Get<RadioButton>("rbToDoType2").UserClick();
    Get<RadioButton>("rbToDoPriority4").UserClick();
    Get<CheckBox>("cbToDoStatus").UserClick();
    Content().UserEditText("Buy milk");
    Page().tbToDoNewClick();
    ASSERT_EQ(Lists().ToDoList.size(), 1u);
    const PLANS& first = *Lists().ToDoList[0];
    EXPECT_EQ(first.date, "2024/05/10");
    EXPECT_EQ(first.category, 1);
    EXPECT_EQ(first.priority, 3);
    EXPECT_EQ(first.status, 1);
    EXPECT_EQ(first.locked, 0);
    EXPECT_EQ(first.stamp_time, "2024/05/10 14:37:20");
    EXPECT_EQ(List().Selected(), 0);
    EXPECT_TRUE(Get<ToolButton>("tbToDoSave").Enabled());
    EXPECT_TRUE(Get<ToolButton>("tbToDoDelete").Enabled());

    // The hidden lock box carries the selected task's lock into a new one.
    Lists().ToDoList[0]->locked = 1;
    List().ClearSelection();
    EXPECT_FALSE(Get<CheckBox>("cbToDoLock").Checked());
    Select(0);
    Content().UserEditText("Buy more milk");
    Page().tbToDoNewClick();
    EXPECT_EQ(Lists().ToDoList[1]->locked, 1);
    EXPECT_EQ(Lists().ToDoList[0]->content, "Buy milk");

    Content().UserEditText("");
    Page().tbToDoSaveClick();
    EXPECT_EQ(TakeShown(), Texts{LangText("SM_ContentIsEmpty")});
    EXPECT_EQ(Lists().ToDoList[1]->content, "Buy more milk");
}

TEST_F(ToDoEditorTest, TheDateColumnSortsByDueDateAndSaveKeepsToTheSameTask) {
    Start();
    Add("2024/06/01", "June");
    Add("20240102", "January, as the device wrote it");
    Add("2024/03/15", "March");
    ShowEditorPage(kToDoPage);
    Select(2);

    List().UserClickColumn(1);
    EXPECT_EQ(Dates(), (Texts{"2024/06/01", "2024/03/15", "20240102"}));
    List().UserClickColumn(1);
    EXPECT_EQ(Dates(), (Texts{"20240102", "2024/03/15", "2024/06/01"}));
    List().UserClickColumn(2);
    EXPECT_EQ(Dates(), (Texts{"20240102", "2024/03/15", "2024/06/01"}));

    EXPECT_EQ(List().Selected(), 1);
    Content().UserEditText("March, done");
    Page().tbToDoSaveClick();
    EXPECT_EQ(Lists().ToDoList[1]->content, "March, done");
    EXPECT_EQ(Lists().ToDoList[1]->date, "2024/03/15");
    EXPECT_EQ(Lists().ToDoList[2]->content, "June");
}

TEST_F(ToDoEditorTest, ADateTheDeviceWroteShowsAsReadAndStaysUntilSaved) {
    Start();
    Add("2024-3-5", "Dashed");
    Add("20240305", "Compact");
    ShowEditorPage(kToDoPage);

    Select(0);
    EXPECT_EQ(Date(), (PlainDate{2024, 3, 5}));
    Select(1);
    EXPECT_EQ(Date(), (PlainDate{2024, 3, 5}));
    EXPECT_EQ(Row(kList, 0)[1], "2024-3-5");
    EXPECT_EQ(Lists().ToDoList[0]->date, "2024-3-5");

    Page().tbToDoSaveClick();
    EXPECT_EQ(Lists().ToDoList[1]->date, "2024/03/05");
    EXPECT_EQ(Lists().ToDoList[0]->date, "2024-3-5");
}

} // namespace
} // namespace zyntra
