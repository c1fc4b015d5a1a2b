#include "kit/controls.h"
#include "tests/kit/recording_peer.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace zyntra {
namespace {

using Selection = std::pair<int, bool>;

class ListViewTest : public ::testing::Test {
protected:
    ListViewTest() : list(set.Add<ListView>("lvAddrList")) {
        list.SetRowCount(5);
        list.OnSelectItem = [this](int row, bool selected) {
            events.push_back({row, selected});
            selectedDuringEvent.push_back(list.Selected());
        };
    }

    ControlSet set;
    ListView& list;
    std::vector<Selection> events;
    std::vector<int> selectedDuringEvent;
};

TEST_F(ListViewTest, SelectingFromCodeFiresLossThenGainOnceEach) {
    list.SetSelected(2);
    list.SetSelected(2); // already selected: nothing
    list.SetSelected(4);
    list.ClearSelection();
    list.SetSelected(7); // outside the list: selects none, nothing was selected

    EXPECT_EQ(events, (std::vector<Selection>{{2, true}, {2, false}, {4, true}, {4, false}}));
    // The handler of a loss sees no row selected; the gain sees its own row.
    EXPECT_EQ(selectedDuringEvent, (std::vector<int>{2, -1, 4, -1}));
    EXPECT_EQ(list.Selected(), -1);
}

TEST_F(ListViewTest, UserClickSelectsAndFocusesWhileCodeLeavesTheFocusedRow) {
    list.SetSelected(1);
    EXPECT_EQ(list.FocusedRow(), -1);

    list.UserSelectRow(3);
    EXPECT_EQ(list.Selected(), 3);
    EXPECT_EQ(list.FocusedRow(), 3);
    EXPECT_EQ(events, (std::vector<Selection>{{1, true}, {1, false}, {3, true}}));

    list.UserSelectRow(-1); // a click on empty space
    EXPECT_EQ(list.Selected(), -1);
    EXPECT_EQ(list.FocusedRow(), 3);
}

TEST_F(ListViewTest, MultiSelectReportsEveryRowAndSingleSelectKeepsOne) {
    list.SetMultiSelect(true);
    list.UserSetSelection({0, 2, 3}, 3);
    list.UserSetSelection({2, 4}, 4);
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{2, 4}));
    EXPECT_EQ(list.Selected(), 2);
    EXPECT_EQ(events, (std::vector<Selection>{
                          {0, true}, {2, true}, {3, true}, {0, false}, {3, false}, {4, true}}));

    events.clear();
    list.SetMultiSelect(false);
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{2}));
    EXPECT_EQ(events, (std::vector<Selection>{{4, false}}));

    list.SetRowSelected(0, true);
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{0}));
    list.UserSetSelection({1, 3}, 3);
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{3})) << "the focused one of the user's rows";
}

TEST_F(ListViewTest, ShrinkingDropsSelectionFocusAndCutOfVanishedRowsSilently) {
    list.SetMultiSelect(true);
    list.UserSetSelection({1, 4}, 4);
    list.SetRowCut(4, true);
    list.SetRowCut(1, true);
    events.clear();

    list.SetRowCount(3);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{1}));
    EXPECT_EQ(list.FocusedRow(), -1);
    EXPECT_TRUE(list.IsRowCut(1));

    list.SetRowCount(0);
    list.SetRowCount(5);
    EXPECT_EQ(list.Selected(), -1);
    EXPECT_FALSE(list.IsRowCut(1));
    EXPECT_TRUE(events.empty());
}

TEST_F(ListViewTest, DeselectHandlerThatSelectsAnotherRowLeavesOneRowInSingleSelect) {
    list.SetSelected(0);
    events.clear();
    list.OnSelectItem = [this](int row, bool selected) {
        events.push_back({row, selected});
        if (!selected) {
            list.SetSelected(1); // inside the handler: takes effect, fires nothing
        }
    };

    list.SetSelected(3);

    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{3}));
    // Row 1 got in without an event and is taken out again with one, each time the handler
    // puts it back; the row asked for wins.
    ASSERT_GE(events.size(), 3u);
    EXPECT_EQ(events.front(), (Selection{0, false}));
    EXPECT_EQ(events[1], (Selection{1, false}));
    EXPECT_EQ(events.back(), (Selection{3, true}));
}

TEST_F(ListViewTest, EchoedSelectionFromPeerFiresNothingMore) {
    test::RecordingPeer peer;
    peer.react = [this](Control&, const ControlChange& change) {
        if (change.property == ControlProperty::Selection) {
            list.UserSelectRow(list.Selected()); // the widget's selection signal
        }
    };
    list.AttachPeer(&peer);

    list.SetSelected(2);
    list.UserSelectRow(4);

    EXPECT_EQ(events, (std::vector<Selection>{{2, true}, {2, false}, {4, true}}));
    EXPECT_EQ(peer.Count(ControlProperty::Selection), 2);
}

TEST_F(ListViewTest, RowDataComesFromOwnerDataOnlyForRowsOfTheList) {
    int asked = 0;
    list.OnData = [&](int row) {
        ++asked;
        return ListRow{{"", " *", "name " + std::to_string(row)}, row % 2};
    };

    const ListRow row = list.RowData(3);
    EXPECT_EQ(row.texts.at(2), "name 3");
    EXPECT_EQ(row.imageIndex, 1);
    EXPECT_TRUE(list.RowData(5).texts.empty());
    EXPECT_TRUE(list.RowData(-1).texts.empty());
    EXPECT_EQ(asked, 1);
}

TEST_F(ListViewTest, UserEventsAndScrollingKeepWithinTheList) {
    list.SetColumn(2, "SC_ADDR_COL2", 150);
    std::vector<int> columns;
    std::vector<int> keys;
    list.OnColumnClick = [&](int column) { columns.push_back(column); };
    list.OnKeyDown = [&](int key) { keys.push_back(key); };

    list.UserClickColumn(2);
    list.UserClickColumn(3); // no such column
    list.UserKeyDown(KeyCode::Delete);
    EXPECT_EQ(columns, (std::vector<int>{2}));
    EXPECT_EQ(keys, (std::vector<int>{KeyCode::Delete}));
    EXPECT_EQ(list.ColumnCount(), 3);

    list.SetRowCount(100);
    list.SetHeight(10 * list.RowHeight());
    list.ScrollBy(700);
    EXPECT_EQ(list.TopRow(), 41);
    list.ScrollBy(100000);
    EXPECT_EQ(list.TopRow(), 90) << "the last row ends the view";
    list.MakeVisible(5);
    EXPECT_EQ(list.TopRow(), 5);
    list.MakeVisible(20);
    EXPECT_EQ(list.TopRow(), 11);
}

} // namespace
} // namespace zyntra
