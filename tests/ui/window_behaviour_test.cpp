#include "tests/ui/bound_window.h"
#include "ui/peers/user_action.h"

#include <QCloseEvent>
#include <QMimeData>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <gtest/gtest.h>
#include <stdexcept>

namespace zyntra {
namespace {

using test::BoundWindow;
using test::QtTest;

class WindowBehaviourTest : public QtTest {
protected:
    BoundWindow window;
};

TEST_F(WindowBehaviourTest, DraggingASplitterResizesItsNeighboursThroughTheKit) {
    window.ShowPage("tabFile");
    window.widget.show();
    test::ProcessEvents();
    auto& tree = window.Get<TreeView>("tvCompTreeView");
    auto& list = window.Get<ListView>("lvCompListView");
    auto& splitter = window.Get<Splitter>("splCompTree");
    const Bounds treeBefore = tree.GetBounds();
    const Bounds listBefore = list.GetBounds();
    int moves = 0;
    splitter.OnMoved = [&] { ++moves; };

    QWidget& bar = window.Widget<QWidget>("splCompTree");
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(2, 50));
    QMouseEvent drag(QEvent::MouseMove, QPointF(32, 50), bar.mapToGlobal(QPointF(32, 50)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&bar, &drag);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(32, 50));

    EXPECT_EQ(tree.Width(), treeBefore.width + 30);
    EXPECT_EQ(list.Left(), listBefore.left + 30);
    EXPECT_EQ(list.Width(), listBefore.width - 30);
    EXPECT_EQ(splitter.Left(), treeBefore.width + 30);
    EXPECT_EQ(window.Widget<QWidget>("tvCompTreeView").width(), treeBefore.width + 30);
    EXPECT_EQ(moves, 1);
}

TEST_F(WindowBehaviourTest, AnExceptionFromAHandlerIsReportedAndTheWindowGoesOn) {
    window.ShowPage("tabFile");
    std::vector<std::string> reported;
    SetExceptionReporter([&](const std::exception& error) { reported.push_back(error.what()); });
    window.Get<ToolButton>("btnCompRefresh").OnClick = [] {
        throw std::runtime_error("folder vanished");
    };
    window.Widget<QToolButton>("btnCompRefresh").click();
    window.Widget<QToolButton>("btnCompRefresh").click();
    SetExceptionReporter({});
    EXPECT_EQ(reported, (std::vector<std::string>{"folder vanished", "folder vanished"}));
}

TEST_F(WindowBehaviourTest, ClosingAsksFirstAndTheWindowStateFollowsTheForm) {
    bool allow = false;
    int closed = 0;
    window.widget.canClose = [&] { return allow; };
    window.widget.closed = [&] { ++closed; };
    window.ShowPage("tabFile");
    window.widget.show();
    EXPECT_FALSE(window.widget.close());
    EXPECT_TRUE(window.widget.isVisible());
    EXPECT_EQ(closed, 0);

    window.Get<Form>("dfmMain").SetState(WindowState::Minimized);
    EXPECT_TRUE(window.widget.windowState() & Qt::WindowMinimized);
    window.Get<Form>("dfmMain").SetCaption("\xA4\xA4");
    EXPECT_EQ(window.widget.windowTitle(), QString::fromUtf8("\xE4\xB8\xAD"));

    allow = true;
    EXPECT_TRUE(window.widget.close());
    EXPECT_EQ(closed, 1);
}

TEST_F(WindowBehaviourTest, RowsDroppedOnAListNameTheListTheyCameFrom) {
    window.ShowPage("tabFile");
    const Control* droppedFrom = nullptr;
    int drops = 0;
    window.Get<ListView>("lvDictListView").OnDragDrop = [&](const Control* source) {
        droppedFrom = source;
        ++drops;
    };
    auto* computer = window.Widget<QTreeView>("lvCompListView").model();
    auto* device = window.Widget<QTreeView>("lvDictListView").model();
    std::unique_ptr<QMimeData> dragged(computer->mimeData({}));
    EXPECT_TRUE(device->canDropMimeData(dragged.get(), Qt::CopyAction, -1, -1, {}));
    device->dropMimeData(dragged.get(), Qt::CopyAction, -1, -1, {});
    EXPECT_EQ(drops, 0); // the handler runs once the drag is over
    test::ProcessEvents();
    EXPECT_EQ(drops, 1);
    EXPECT_EQ(droppedFrom, &window.Get<ListView>("lvCompListView"));
}

} // namespace
} // namespace zyntra
