#include "tests/ui/bound_window.h"

#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QTreeView>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace zyntra {
namespace {

using test::BoundWindow;
using test::QtTest;

class ListViewPeerTest : public QtTest {
protected:
    ListViewPeerTest() : list(window.Get<ListView>("lvAddrList")) {
        window.ShowPage("tabAddressBook");
        list.OnData = [this](int row) {
            asked.insert(row);
            ++calls;
            return ListRow{{"", "", "name " + std::to_string(row), "x"}, -1};
        };
        view = &window.Widget<QTreeView>("lvAddrList");
    }

    void ShowWindow() {
        window.widget.show();
        test::ProcessEvents();
        view->viewport()->repaint();
        test::ProcessEvents();
    }

    int VisibleCapacity() const { return view->viewport()->height() / 20 + 2; }

    BoundWindow window;
    ListView& list;
    QTreeView* view = nullptr;
    std::set<int> asked;
    int calls = 0;
};

TEST_F(ListViewPeerTest, TenThousandRowsAskOnlyForTheRowsDrawn) {
    list.SetRowCount(10000);
    ShowWindow();
    EXPECT_EQ(view->model()->rowCount(), 10000);
    ASSERT_FALSE(asked.empty());
    EXPECT_LE(static_cast<int>(asked.size()), VisibleCapacity());
    EXPECT_LT(*asked.rbegin(), VisibleCapacity());
    EXPECT_EQ(view->model()->index(7, 2).data().toString(), QStringLiteral("name 7"));

    asked.clear();
    list.MakeVisible(5000);
    view->viewport()->repaint();
    test::ProcessEvents();
    ASSERT_FALSE(asked.empty());
    EXPECT_GE(*asked.begin(), 5000 - VisibleCapacity());
    EXPECT_LE(*asked.rbegin(), 5000 + VisibleCapacity());
}

TEST_F(ListViewPeerTest, AssistiveToolsReadTheCellsTheyAskForAndNoOthers) {
    list.SetRowCount(10000);
    ShowWindow();
    asked.clear();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->text(QAccessible::Name), QStringLiteral("w:RC_LV_ADDR_HINT"));
    QAccessibleTableInterface* cells = table->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->rowCount(), 10000);
    QAccessibleInterface* cell = cells->cellAt(9000, 2);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("name 9000"));
    EXPECT_EQ(asked, (std::set<int>{9000}));
}

TEST_F(ListViewPeerTest, RepaintsOfSingleRowsAreGatheredIntoOneChange) {
    list.SetRowCount(200);
    ShowWindow();
    int changes = 0;
    QObject::connect(view->model(), &QAbstractItemModel::dataChanged, [&] { ++changes; });
    for (int row = 0; row < 150; ++row) {
        list.RepaintRow(row);
    }
    list.SetRowCut(3, true);
    EXPECT_EQ(changes, 0);
    test::ProcessEvents();
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(view->model()->index(3, 1).data(Qt::ForegroundRole).isValid());
}

TEST_F(ListViewPeerTest, RepaintOfEveryRowRedrawsTheShownRowsAndTellsNoOthers) {
    list.SetRowCount(100000);
    ShowWindow();
    // A single row first: the other shown rows must still be redrawn by the repaint below.
    list.RepaintRow(2);
    test::ProcessEvents();
    std::vector<int> changedRows;
    QObject::connect(view->model(), &QAbstractItemModel::dataChanged,
                     [&](const QModelIndex& top, const QModelIndex& bottom) {
                         changedRows.push_back(top.row());
                         changedRows.push_back(bottom.row());
                     });
    asked.clear();
    list.Repaint();
    test::ProcessEvents();
    const int lastShown = view->indexAt(QPoint(1, view->viewport()->height() - 1)).row();
    ASSERT_GT(lastShown, 2);
    for (int row = 0; row <= lastShown; ++row) {
        EXPECT_EQ(asked.count(row), 1u) << row;
    }
    ASSERT_FALSE(changedRows.empty());
    EXPECT_LT(*std::max_element(changedRows.begin(), changedRows.end()), VisibleCapacity());
}

TEST_F(ListViewPeerTest, ColumnsHaveTheKitsCaptionsAndWidthsAndHiddenOnesAreOutOfReach) {
    list.SetColumnCaption(2, "\xA4\xA4\xA4\xE5");
    list.SetColumnWidth(3, 97);
    EXPECT_EQ(view->model()->headerData(2, Qt::Horizontal).toString(),
              QString::fromUtf8("\xE4\xB8\xAD\xE6\x96\x87"));
    EXPECT_EQ(view->header()->sectionSize(3), 97);
    EXPECT_TRUE(view->header()->isSectionHidden(0));
    int clicked = -1;
    list.OnColumnClick = [&](int column) { clicked = column; };
    emit view->header()->sectionClicked(2);
    EXPECT_EQ(clicked, 2);
}

// Drags the header with the left button held, from one point to another of its viewport.
void DragHeader(QHeaderView& header, int fromX, int toX) {
    QWidget* surface = header.viewport();
    const int y = header.height() / 2;
    const auto send = [&](QEvent::Type type, int x, Qt::MouseButtons held) {
        const QPointF at(x, y);
        QMouseEvent event(type, at, surface->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(surface, &event);
    };
    send(QEvent::MouseButtonPress, fromX, Qt::LeftButton);
    for (int x = fromX; x != toX; x += toX > fromX ? 5 : -5) {
        send(QEvent::MouseMove, x, Qt::LeftButton);
    }
    send(QEvent::MouseMove, toX, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, toX, Qt::NoButton);
}

TEST_F(ListViewPeerTest, HiddenColumnsCannotBeWidenedIntoViewNorClicked) {
    list.SetRowCount(5);
    ShowWindow();
    QHeaderView& header = *view->header();
    int clicked = -1;
    list.OnColumnClick = [&](int column) { clicked = column; };
    // The hidden column 0 lies before column 1's left edge: grabbing there widens nothing.
    for (int grab : {0, 1, 2, 3}) {
        DragHeader(header, grab, grab + 80);
        EXPECT_TRUE(header.isSectionHidden(0)) << grab;
        EXPECT_EQ(header.sectionViewportPosition(1), 0) << grab;
    }
    EXPECT_EQ(header.sectionResizeMode(0), QHeaderView::Fixed);
    emit header.sectionClicked(0);
    EXPECT_EQ(clicked, -1);
    emit header.sectionClicked(1);
    EXPECT_EQ(clicked, 1);

    // The dictionary lists keep three columns out of sight after the shown ones; widening
    // the last shown column widens only it.
    window.ShowPage("tabUserDict");
    auto& words = window.Widget<QTreeView>("lvECUserList");
    test::ProcessEvents();
    QHeaderView& wordsHeader = *words.header();
    const int lastEdge = wordsHeader.sectionViewportPosition(3) + wordsHeader.sectionSize(3) - 1;
    const int before = wordsHeader.sectionSize(3);
    DragHeader(wordsHeader, lastEdge, lastEdge + 40);
    EXPECT_GT(wordsHeader.sectionSize(3), before);
    for (int column : {0, 4, 5, 6}) {
        EXPECT_TRUE(wordsHeader.isSectionHidden(column)) << column;
        EXPECT_EQ(wordsHeader.sectionResizeMode(column), QHeaderView::Fixed) << column;
    }
}

TEST_F(ListViewPeerTest, SelectionKeysAndDoubleClicksReachTheKit) {
    list.SetRowCount(20);
    ShowWindow();
    std::vector<std::pair<int, bool>> selections;
    list.OnSelectItem = [&](int row, bool selected) { selections.emplace_back(row, selected); };
    const QRect row4 = view->visualRect(view->model()->index(4, 2));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row4.center());
    EXPECT_EQ(list.Selected(), 4);
    EXPECT_EQ(list.FocusedRow(), 4);
    ASSERT_EQ(selections.size(), 1u);
    EXPECT_EQ(selections[0], std::make_pair(4, true));
    EXPECT_TRUE(list.Focused());

    list.SetSelected(9);
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].row(), 9);
    EXPECT_EQ(selections.size(), 3u); // 4 lost, 9 gained; nothing echoed back

    std::vector<int> keys;
    list.OnKeyDown = [&](int key) { keys.push_back(key); };
    QTest::keyClick(view, Qt::Key_Delete);
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(keys, (std::vector<int>{KeyCode::Delete, KeyCode::Enter}));
    int doubleClicks = 0;
    list.OnDblClick = [&] { ++doubleClicks; };
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, row4.center());
    EXPECT_EQ(doubleClicks, 1);
}

TEST_F(ListViewPeerTest, TheIconStylesShowTheSameRowsInAListView) {
    auto& content = window.Get<ListView>("lvCompListView");
    window.ShowPage("tabFile");
    content.OnData = [](int row) { return ListRow{{"file" + std::to_string(row) + ".mp3"}, 1}; };
    content.SetRowCount(3000);
    window.widget.show();
    test::ProcessEvents();
    auto* icons = window.widget.findChild<QListView*>("lvCompListViewItems");
    ASSERT_NE(icons, nullptr);
    EXPECT_TRUE(icons->isVisible()); // the content lists start in the icon style
    EXPECT_FALSE(window.Widget<QTreeView>("lvCompListView").isVisible());
    EXPECT_EQ(icons->viewMode(), QListView::IconMode);
    EXPECT_FALSE(icons->model()->index(0, 0).data(Qt::DecorationRole).isNull());

    content.SetStyle(ViewStyle::Report);
    EXPECT_FALSE(icons->isVisible());
    EXPECT_TRUE(window.Widget<QTreeView>("lvCompListView").isVisible());
    content.SetSelected(2);
    content.SetStyle(ViewStyle::List);
    EXPECT_EQ(icons->flow(), QListView::TopToBottom);
    EXPECT_TRUE(icons->selectionModel()->isRowSelected(2, {}));
}

} // namespace
} // namespace zyntra
