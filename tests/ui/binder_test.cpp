#include "tests/ui/bound_window.h"
#include "ui/peers/menu_peers.h"

#include <QAction>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <QTreeView>
#include <algorithm>
#include <gtest/gtest.h>

namespace zyntra {
namespace {

using test::BoundWindow;
using test::QtTest;

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += "\n  " + line;
    }
    return text;
}

class BinderTest : public QtTest {};

TEST_F(BinderTest, EveryControlOfTheInventoryFindsItsWidget) {
    BoundWindow window;
    EXPECT_TRUE(window.problems.empty()) << "controls without a widget:" << Joined(window.problems);
    for (Control* control : window.controls.All()) {
        const bool menu = dynamic_cast<MenuItem*>(control) || dynamic_cast<PopupMenu*>(control);
        EXPECT_TRUE(menu || window.binder.WidgetOf(control->Name()) != nullptr) << control->Name();
        EXPECT_NE(control->Peer(), nullptr) << control->Name();
    }
    // The layout's geometry went into the controls before the peers saw them.
    const QWidget& name = window.Widget<QWidget>("edtName");
    EXPECT_EQ(window.Get<EditField>("edtName").GetBounds(),
              (Bounds{name.x(), name.y(), name.width(), name.height()}));
    // Tab pages take the geometry their page control gives them, laid out before the window
    // was ever shown.
    const Bounds page = window.Get<TabSheet>("tabAddressBook").GetBounds();
    EXPECT_GT(page.width, 900);
    EXPECT_GT(page.height, 500);
}

TEST_F(BinderTest, AWrongWidgetClassIsReportedByName) {
    ControlSet controls;
    auto& form = controls.Add<Form>("dfmMain");
    controls.Add<EditField>("lblAddrName", &form); // the layout has a label of that name
    controls.Add<Label>("noSuchWidget", &form);
    test::EnsureQtApplication();
    MainWindowWidget widget;
    const TextCodec codec("BIG5");
    WindowBinder binder(controls, widget, codec, {});
    const std::vector<std::string> problems = binder.Bind();
    ASSERT_EQ(problems.size(), 2u) << Joined(problems);
    EXPECT_EQ(problems[0], "lblAddrName: is QLabel, needs QLineEdit");
    EXPECT_EQ(problems[1], "noSuchWidget: no widget of that name");
}

TEST_F(BinderTest, LaterBoundsFromTheCoreMoveTheWidget) {
    BoundWindow window;
    auto& field = window.Get<EditField>("edtName");
    field.SetBounds({10, 20, 123, 22});
    EXPECT_EQ(window.Widget<QWidget>("edtName").geometry(), QRect(10, 20, 123, 22));
    window.widget.show();
    test::ProcessEvents();
    QTabBar& tabs = *window.Widget<QTabWidget>("pgcMain").tabBar();
    EXPECT_GE(tabs.tabRect(0).width(), 120); // set while the window was hidden
    window.Get<PageControl>("pgcMain").SetTabWidth(93);
    EXPECT_TRUE(tabs.styleSheet().contains("93px"));
}

TEST_F(BinderTest, HoverSetsTheHintAndTipsShowTheTranslatedHint) {
    BoundWindow window;
    window.ShowPage("tabFile");
    window.widget.show();
    QWidget& button = window.Widget<QWidget>("btnEbook");
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(&button, &enter);
    ASSERT_FALSE(window.hints.empty());
    EXPECT_EQ(window.hints.back(), "RC_BTN_EBOOK_HINT");
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&button, &leave);
    EXPECT_EQ(window.hints.back(), ""); // the category bar carries no hint

    window.tip = "\xA4\xA4\xA4\xE5"; // BIG5
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), button.mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(&button, &help);
    EXPECT_EQ(QToolTip::text(), QString::fromUtf8("\xE4\xB8\xAD\xE6\x96\x87"));
    window.tip.clear();
    QCoreApplication::sendEvent(&button, &help);
    QTest::qWait(400); // a tip fades out
    EXPECT_FALSE(QToolTip::isVisible());

    // The list's inner viewport counts as the list.
    QTreeView& list = window.Widget<QTreeView>("lvCompListView");
    QCoreApplication::sendEvent(list.viewport(), &enter);
    EXPECT_EQ(window.hints.back(), "RC_COMPLISTVIEW_HINT");
}

TEST_F(BinderTest, ContextMenuEntriesMirrorAndReport) {
    BoundWindow window;
    window.ShowPage("tabFile");
    PopupMenuPeer* menu = window.binder.MenuOf("pmCompMenu");
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> actions = menu->Menu().actions();
    ASSERT_EQ(actions.size(), 10);
    EXPECT_TRUE(actions[3]->isSeparator());
    EXPECT_TRUE(actions[8]->isSeparator());
    EXPECT_EQ(actions[1]->shortcut(), QKeySequence(Qt::Key_F5));
    // The list view carries the menu's shortcuts.
    EXPECT_TRUE(window.Widget<QTreeView>("lvCompListView").actions().contains(actions[1]));

    auto& refresh = window.Get<MenuItem>("CompRefresh");
    int clicks = 0;
    refresh.OnClick = [&] { ++clicks; };
    refresh.SetCaption("Refresh");
    EXPECT_EQ(actions[1]->text(), QStringLiteral("Refresh"));
    actions[1]->trigger();
    EXPECT_EQ(clicks, 1);
    refresh.SetEnabled(false);
    EXPECT_FALSE(actions[1]->isEnabled());
    window.Get<PopupMenu>("pmCompMenu").SetEnabled(false);
    EXPECT_FALSE(actions[2]->isEnabled());

    emit menu->Menu().hovered(actions[4]);
    EXPECT_EQ(window.hints.back(), "RC_BTN_CUT_HINT");
}

TEST_F(BinderTest, StatusBarPanelsHaveTheirWidthsAndTexts) {
    BoundWindow window;
    auto& status = window.Get<StatusBar>("stbMain");
    status.SetPanelText(1, "\xA4\xA4\xA4\xE5");
    QStatusBar& bar = window.Widget<QStatusBar>("stbMain");
    const QList<QLabel*> panels = bar.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(panels.size(), 4);
    const int widths[] = {250, 450, 230, 80};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(panels[i]->width(), widths[i]);
    }
    EXPECT_EQ(panels[1]->text(), QString::fromUtf8("\xE4\xB8\xAD\xE6\x96\x87"));
}

TEST_F(BinderTest, ButtonsWithoutCaptionShowTheirHintsWords) {
    BoundWindow window;
    auto& save = window.Widget<QToolButton>("tbAddrSave");
    EXPECT_EQ(save.text(), QStringLiteral("w:RC_TB_SAVE_HINT"));
    EXPECT_FALSE(save.icon().isNull());
    auto& ebook = window.Widget<QToolButton>("btnEbook");
    EXPECT_TRUE(ebook.isCheckable());
    EXPECT_TRUE(ebook.isChecked());
    EXPECT_EQ(ebook.toolButtonStyle(), Qt::ToolButtonIconOnly);
}

TEST_F(BinderTest, WidgetsAreNamedAndDescribedForAssistiveTools) {
    BoundWindow window;
    // A field is named by its label, without the label's colon, and follows its caption.
    auto& nameLabel = window.Get<Label>("lblAddrName");
    nameLabel.SetCaption("Name:");
    const QWidget& name = window.Widget<QWidget>("edtName");
    EXPECT_EQ(name.accessibleName(), QStringLiteral("Name"));
    EXPECT_EQ(name.accessibleDescription(), QStringLiteral("l:SC_ADDR_COL2"));
    nameLabel.SetCaption("\xA9\x6D\xA6\x57\xA1\x47");
    EXPECT_EQ(name.accessibleName(), QString::fromUtf8("\xE5\xA7\x93\xE5\x90\x8D"));
    EXPECT_EQ(window.Widget<QLabel>("lblAddrName").accessibleName(),
              QString::fromUtf8("\xE5\xA7\x93\xE5\x90\x8D\xEF\xBC\x9A"));
    // The label's name ends with the field's, whatever the case: a field on another page with
    // a label of the same ending is not taken.
    window.Get<Label>("lblAddrHEmail").SetCaption("E-mail");
    window.Get<Label>("lblClassWeekday").SetCaption("Day");
    window.Get<Label>("lblAddrOPhone").SetCaption("Office phone");
    window.Get<Label>("lblAddrHPhone").SetCaption("Home phone");
    EXPECT_EQ(window.Widget<QWidget>("edtEmail").accessibleName(), QStringLiteral("E-mail"));
    EXPECT_EQ(window.Widget<QWidget>("edtClassWeekDay").accessibleName(), QStringLiteral("Day"));
    EXPECT_EQ(window.Widget<QWidget>("edtHPhone").accessibleName(), QStringLiteral("Home phone"));
    EXPECT_EQ(window.Widget<QWidget>("edtOPhone").accessibleName(), QStringLiteral("Office phone"));
    // Where the toolkit reads a combo box's label from the label itself.
    EXPECT_EQ(window.Widget<QLabel>("lblAddrCategory").buddy(),
              &window.Widget<QWidget>("cbCategory"));

    // A button is named by what it shows: its caption, else its hint's words.
    EXPECT_EQ(window.Widget<QWidget>("tbAddrNew").accessibleName(),
              QStringLiteral("w:RC_TB_NEW_HINT"));
    EXPECT_EQ(window.Widget<QWidget>("tbAddrNew").accessibleDescription(),
              QStringLiteral("l:RC_TB_NEW_HINT"));
    window.Get<SpeedButton>("sbSync").SetCaption("Synchronize");
    EXPECT_EQ(window.Widget<QWidget>("sbSync").accessibleName(), QStringLiteral("Synchronize"));
    window.Get<SpeedButton>("sbSync").SetHint("RC_OTHER_HINT");
    EXPECT_EQ(window.Widget<QWidget>("sbSync").accessibleDescription(),
              QStringLiteral("l:RC_OTHER_HINT"));

    // A list is named by its first column when it shows, in both of its views; a list whose
    // first column is hidden by its hint's words.
    auto& list = window.Get<ListView>("lvAddrList");
    list.SetColumnCaption(0, "Id");
    list.SetColumnCaption(1, "Lock");
    EXPECT_EQ(window.Widget<QWidget>("lvAddrList").accessibleName(),
              QStringLiteral("w:RC_LV_ADDR_HINT"));
    list.SetColumnWidth(0, 40);
    EXPECT_EQ(window.Widget<QWidget>("lvAddrList").accessibleName(), QStringLiteral("Id"));
    const auto* items = window.widget.findChild<QWidget*>("lvAddrListItems");
    ASSERT_NE(items, nullptr);
    EXPECT_EQ(items->accessibleName(), QStringLiteral("Id"));
    // A grid has no label: its hint's words name it.
    EXPECT_EQ(window.Widget<QWidget>("sgClassTable").accessibleName(),
              QStringLiteral("w:RC_SG_CLASS_HINT"));
}

TEST_F(BinderTest, TextsWidenTheirWidgetsAndABarsButtonsKeepTheirOrder) {
    BoundWindow window;
    // The hint words the test hooks give are longer than the layout's buttons.
    std::vector<const Control*> buttons;
    for (const Control* child : window.Get<CoolBar>("clbCompBar").Children()) {
        buttons.push_back(child);
    }
    std::sort(buttons.begin(), buttons.end(),
              [](const Control* a, const Control* b) { return a->Left() < b->Left(); });
    int previousRight = -1;
    for (const Control* button : buttons) {
        const auto& widget = window.Widget<QToolButton>(button->Name());
        EXPECT_GE(widget.width(), widget.sizeHint().width()) << button->Name();
        EXPECT_GE(widget.x(), previousRight) << button->Name();
        EXPECT_GE(widget.x(), button->Left()) << button->Name(); // never further left
        previousRight = widget.geometry().right() + 1;
    }
    const auto& up = window.Widget<QToolButton>("btnCompUp");
    EXPECT_GT(up.width(), window.Get<ToolButton>("btnCompUp").Width());

    // A label grows into the room beside it; its control keeps the layout's bounds.
    auto& label = window.Get<Label>("lblScheContent");
    const Bounds before = label.GetBounds();
    label.SetCaption("A description far longer than its label");
    const auto& shown = window.Widget<QLabel>("lblScheContent");
    EXPECT_GE(shown.width(), shown.sizeHint().width());
    EXPECT_EQ(label.GetBounds(), before);
    label.SetCaption("");
    EXPECT_EQ(shown.width(), before.width);
}

} // namespace
} // namespace zyntra
