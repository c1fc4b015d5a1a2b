#include "tests/ui/bound_window.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace zyntra {
namespace {

using test::BoundWindow;
using test::QtTest;

class PeersTest : public QtTest {
protected:
    BoundWindow window;
};

TEST_F(PeersTest, ACheckBoxClickFiresOnceAndCodeUpdatesTheWidgetWithoutEcho) {
    window.ShowPage("tabPersonal");
    auto& lock = window.Get<CheckBox>("cbAddrLock");
    int clicks = 0;
    lock.OnClick = [&] { ++clicks; };
    auto& box = window.Widget<QCheckBox>("cbAddrLock");

    box.click();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(lock.Checked());
    EXPECT_TRUE(box.isChecked());

    lock.SetChecked(false); // the kit fires its own OnClick; the widget's echo adds none
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(box.isChecked());

    // A click the kit refuses (its page is not showing) leaves both unchanged.
    window.Get<PageControl>("pgcAddress").SetActivePageIndex(1);
    box.click();
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(lock.Checked());
    EXPECT_FALSE(box.isChecked());
}

TEST_F(PeersTest, RadioButtonsFollowTheKitGroup) {
    window.ShowPage("tabToDoList");
    auto& first = window.Get<RadioButton>("rbToDoType1");
    auto& second = window.Get<RadioButton>("rbToDoType2");
    first.SetChecked(true);
    int clicks = 0;
    second.OnClick = [&] { ++clicks; };
    window.Widget<QRadioButton>("rbToDoType2").click();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(second.Checked());
    EXPECT_FALSE(first.Checked());
    EXPECT_FALSE(window.Widget<QRadioButton>("rbToDoType1").isChecked());
    // Clicking the checked one again keeps it checked, as a radio button does.
    window.Widget<QRadioButton>("rbToDoType2").click();
    EXPECT_TRUE(window.Widget<QRadioButton>("rbToDoType2").isChecked());

    // A type the kit knows no button for checks none, and assistive tools still hear radio
    // buttons that say whether they are checked.
    second.SetChecked(false);
    EXPECT_FALSE(window.Widget<QRadioButton>("rbToDoType2").isChecked());
    QAccessibleInterface* radio =
        QAccessible::queryAccessibleInterface(&window.Widget<QRadioButton>("rbToDoType1"));
    ASSERT_NE(radio, nullptr);
    EXPECT_EQ(radio->role(), QAccessible::RadioButton);
    EXPECT_FALSE(radio->state().checked);
    radio->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(first.Checked());
    EXPECT_TRUE(radio->state().checked);
}

TEST_F(PeersTest, EditFieldsLimitTheUserButNotTheCode) {
    window.ShowPage("tabClass");
    auto& field = window.Get<EditField>("edtClassAbbreviation"); // at most 6 characters
    auto& edit = window.Widget<QLineEdit>("edtClassAbbreviation");
    window.widget.show();
    window.widget.activateWindow();
    edit.setFocus();
    test::ProcessEvents();
    QTest::keyClicks(&edit, QStringLiteral("abcdefgh"));
    EXPECT_EQ(field.Text(), "abcdef");
    EXPECT_EQ(edit.text(), QStringLiteral("abcdef"));

    field.SetText("\xA4\xA4\xA4\xE5\xA4\xA4\xA4\xE5\xA4\xA4\xA4\xE5\xA4\xA4"); // 7 characters
    EXPECT_EQ(edit.text().size(), 7);
    EXPECT_TRUE(field.Focused());

    auto& memo = window.Get<MultiLineEdit>("reClassNote");
    memo.SetText("one\r\ntwo");
    EXPECT_EQ(window.Widget<QPlainTextEdit>("reClassNote").toPlainText(),
              QStringLiteral("one\ntwo"));
}

TEST_F(PeersTest, FocusingAFieldSwitchesItsInputMethodOn) {
    window.ShowPage("tabAddressBook");
    window.widget.show();
    window.Get<EditField>("edtName").SetInputMethod("Chewing");
    window.Widget<QLineEdit>("edtName").setFocus();
    test::ProcessEvents();
    ASSERT_FALSE(window.activatedInputMethods.empty());
    EXPECT_EQ(window.activatedInputMethods.back(), "Chewing");
    EXPECT_TRUE(window.Get<EditField>("edtName").Focused());
}

TEST_F(PeersTest, ComboBoxesAndPickersMirrorAndReport) {
    window.ShowPage("tabSchedule");
    auto& alarm = window.Get<ComboBox>("cbScheAlarm");
    alarm.SetItems({"none", "0 min", "30 min", "60 min"});
    alarm.SetItemIndex(2);
    auto& combo = window.Widget<QComboBox>("cbScheAlarm");
    EXPECT_EQ(combo.count(), 4);
    EXPECT_EQ(combo.currentIndex(), 2);
    int changes = 0;
    alarm.OnChange = [&] { ++changes; };
    combo.setCurrentIndex(3);
    emit combo.activated(3);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(alarm.ItemIndex(), 3);

    auto& date = window.Get<DatePicker>("dtpScheDate");
    date.SetDate({2010, 5, 3});
    auto& dateEdit = window.Widget<QDateEdit>("dtpScheDate");
    EXPECT_EQ(dateEdit.date(), QDate(2010, 5, 3));
    EXPECT_EQ(dateEdit.text(), QStringLiteral("2010/05/03"));
    int dateChanges = 0;
    date.OnChange = [&] { ++dateChanges; };
    dateEdit.setDate(QDate(2011, 1, 31));
    EXPECT_EQ(dateChanges, 1);
    EXPECT_EQ(date.Date(), (PlainDate{2011, 1, 31}));
}

TEST_F(PeersTest, PageControlsFollowTheUserAndTheCode) {
    window.ShowPage("tabFile");
    auto& pages = window.Get<PageControl>("pgcMain");
    int changes = 0;
    pages.OnChange = [&] { ++changes; };
    auto& tabs = window.Widget<QTabWidget>("pgcMain");
    tabs.setCurrentIndex(1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(pages.ActivePageIndex(), 1);

    bool allow = false;
    pages.OnChanging = [&](bool& ok) { ok = allow; };
    tabs.setCurrentIndex(0); // refused: the tab goes back
    EXPECT_EQ(pages.ActivePageIndex(), 1);
    EXPECT_EQ(tabs.currentIndex(), 1);

    window.Get<PageControl>("pgcPIMPage").SetActivePageIndex(3);
    EXPECT_EQ(window.Widget<QTabWidget>("pgcPIMPage").currentIndex(), 3);
    window.Get<TabSheet>("tabClass").SetCaption("\xA4\xA4\xA4\xE5");
    EXPECT_EQ(window.Widget<QTabWidget>("pgcPIMPage").tabText(3),
              QString::fromUtf8("\xE4\xB8\xAD\xE6\x96\x87"));
    window.Get<TabSheet>("tabClass").SetTabVisible(false);
    EXPECT_FALSE(window.Widget<QTabWidget>("pgcPIMPage").isTabVisible(3));
}

TEST_F(PeersTest, TreeItemsStandForNodesByAbsoluteIndex) {
    window.ShowPage("tabFile");
    auto& tree = window.Get<TreeView>("tvCompTreeView");
    const int desktop = tree.AddChild(-1, "Desktop", 0);
    const int documents = tree.AddChild(desktop, "Documents", 2);
    const int computer = tree.AddChild(desktop, "Computer", 1);
    tree.AddChild(computer, "/", 4);
    tree.Expand(desktop);
    int clicks = 0;
    tree.OnClick = [&] { ++clicks; };
    tree.OnExpanding = [&](int node, bool&) {
        if (node == computer) {
            tree.AddChild(computer, "/media/stick", 4); // a handler adding nodes while Qt expands
        }
    };
    test::ProcessEvents();
    auto& widget = window.Widget<QTreeWidget>("tvCompTreeView");
    ASSERT_EQ(widget.topLevelItemCount(), 1);
    QTreeWidgetItem* top = widget.topLevelItem(0);
    EXPECT_TRUE(top->isExpanded());
    ASSERT_EQ(top->childCount(), 2);
    EXPECT_EQ(top->child(1)->text(0), QStringLiteral("Computer"));

    emit widget.itemClicked(top->child(0), 0);
    EXPECT_EQ(tree.Selected(), documents);
    EXPECT_EQ(clicks, 1);

    top->child(1)->setExpanded(true);
    test::ProcessEvents();
    EXPECT_TRUE(tree.IsExpanded(computer));
    ASSERT_EQ(widget.topLevelItem(0)->child(1)->childCount(), 2);
    EXPECT_EQ(widget.topLevelItem(0)->child(1)->child(1)->text(0), QStringLiteral("/media/stick"));

    tree.SetSelected(computer);
    EXPECT_EQ(widget.currentItem(), widget.topLevelItem(0)->child(1));
}

TEST_F(PeersTest, GridCellsMirrorAndSelectionAsksTheHandler) {
    window.ShowPage("tabClass");
    auto& grid = window.Get<StringGrid>("sgClassTable");
    grid.SetSize(8, 13);
    grid.SetCell(0, 0, "No.");
    grid.SetCell(2, 3, "MATH");
    auto& table = window.Widget<QTableWidget>("sgClassTable");
    EXPECT_EQ(table.columnCount(), 8);
    EXPECT_EQ(table.rowCount(), 13);
    EXPECT_EQ(table.item(3, 2)->text(), QStringLiteral("MATH"));
    EXPECT_FALSE(table.item(0, 0)->flags() & Qt::ItemIsSelectable);

    std::vector<std::pair<int, int>> asked;
    grid.OnSelectCell = [&](int col, int row, bool& allow) {
        asked.emplace_back(col, row);
        allow = col != 7;
    };
    table.setCurrentCell(4, 5);
    EXPECT_EQ(grid.SelectedCol(), 5);
    EXPECT_EQ(grid.SelectedRow(), 4);
    table.setCurrentCell(4, 7); // refused: the old cell comes back
    EXPECT_EQ(grid.SelectedCol(), 5);
    EXPECT_EQ(table.currentColumn(), 5);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1], std::make_pair(7, 4));
}

// The box of the pixels of a cell that differ from the cell's background at its far corner.
QRect InkOf(const QImage& image, const QRect& cell) {
    const QColor background = image.pixelColor(cell.right() - 2, cell.bottom() - 2);
    QRect ink;
    for (int y = cell.top(); y < cell.bottom() - 1; ++y) {
        for (int x = cell.left(); x < cell.right() - 1; ++x) {
            if (image.pixelColor(x, y) != background) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

TEST_F(PeersTest, GridCellsAreDrawnByTheirKindAlone) {
    window.ShowPage("tabClass");
    auto& grid = window.Get<StringGrid>("sgClassTable");
    grid.SetCell(1, 0, "Mon");
    grid.SetCell(2, 3, "W");
    grid.SetCellColour(2, 3, 0xFF0000); // kept with the cell, never drawn
    grid.SetCellColour(0, 5, 0x00FF00);
    ASSERT_TRUE(grid.SelectCell(4, 6));
    auto& table = window.Widget<QTableWidget>("sgClassTable");
    table.setFocus();
    test::ProcessEvents();
    const QImage image = table.viewport()->grab().toImage();
    const auto cell = [&](int col, int row) {
        return table.visualRect(table.model()->index(row, col));
    };
    const auto background = [&](int col, int row) {
        const QRect r = cell(col, row);
        return image.pixelColor(r.right() - 2, r.bottom() - 2);
    };
    const QPalette& palette = table.palette();
    EXPECT_EQ(background(2, 3), palette.color(QPalette::Base));
    EXPECT_EQ(background(3, 3), palette.color(QPalette::Base));
    EXPECT_EQ(background(0, 5), palette.color(QPalette::Button));
    EXPECT_EQ(background(5, 0), palette.color(QPalette::Button));
    EXPECT_EQ(background(4, 6), palette.color(QPalette::Highlight));

    // The text stands two pixels inside the cell's top left corner: its ink begins where the
    // glyph's own box puts it from there.
    const QFontMetrics metrics(table.font());
    const QRect glyph = metrics.tightBoundingRect(QStringLiteral("W"));
    const QRect ink = InkOf(image, cell(2, 3));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.left() - cell(2, 3).left(), 2 + glyph.left(), 1);
    EXPECT_NEAR(ink.top() - cell(2, 3).top(), 2 + metrics.ascent() + glyph.top(), 1);
}

TEST_F(PeersTest, HeaderCellsOfTheGridCannotBeChosen) {
    window.ShowPage("tabClass");
    auto& grid = window.Get<StringGrid>("sgClassTable");
    ASSERT_TRUE(grid.SelectCell(3, 2));
    auto& table = window.Widget<QTableWidget>("sgClassTable");
    test::ProcessEvents();
    const auto click = [&](int col, int row) {
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {},
                          table.visualRect(table.model()->index(row, col)).center());
    };
    for (const auto& [col, row] : {std::pair{0, 4}, std::pair{5, 0}, std::pair{0, 0}}) {
        click(col, row);
        EXPECT_EQ(grid.SelectedCol(), 3) << col << "," << row;
        EXPECT_EQ(grid.SelectedRow(), 2) << col << "," << row;
        EXPECT_EQ(table.currentColumn(), 3);
        EXPECT_EQ(table.currentRow(), 2);
        for (const QTableWidgetItem* item : table.selectedItems()) {
            EXPECT_TRUE(item->column() > 0 && item->row() > 0);
        }
    }
    click(5, 4);
    EXPECT_EQ(grid.SelectedCol(), 5);
    EXPECT_EQ(grid.SelectedRow(), 4);
}

} // namespace
} // namespace zyntra
