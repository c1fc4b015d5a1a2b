#include "kit/controls.h"
#include "tests/kit/recording_peer.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zyntra {
namespace {

TEST(CheckBoxTest, ClickFiresOncePerRealChangeFromCodeAndUser) {
    ControlSet set;
    auto& box = set.Add<CheckBox>("cbScheNoTime");
    std::vector<bool> seen;
    box.OnClick = [&] { seen.push_back(box.Checked()); };

    box.SetChecked(true);
    box.SetChecked(true); // no change: no click
    box.UserClick();      // the user clears it
    box.SetChecked(false);

    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST(CheckBoxTest, EchoingPeerAndSelfChangingHandlerFireNoExtraClicks) {
    ControlSet set;
    auto& box = set.Add<CheckBox>("cbAddrLock");
    test::RecordingPeer peer;
    // A widget that reports every state it is given as a user click, as a toggled signal would.
    peer.react = [&](Control&, const ControlChange& change) {
        if (change.property == ControlProperty::Checked) {
            box.UserClick();
        }
    };
    box.AttachPeer(&peer);
    int clicks = 0;
    box.OnClick = [&] {
        ++clicks;
        box.SetChecked(false); // changes its own box: must not recurse
    };

    box.SetChecked(true);

    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(peer.Count(ControlProperty::Checked), 2); // checked, then cleared by the handler
}

TEST(RadioButtonTest, CheckingOneClearsItsGroupOnlyAndFiresOnlyForTheCheckedOne) {
    ControlSet set;
    auto& types = set.Add<GroupBox>("gbType");
    auto& priorities = set.Add<GroupBox>("gbPriority");
    auto& type1 = set.Add<RadioButton>("rbToDoType1", &types);
    auto& type2 = set.Add<RadioButton>("rbToDoType2", &types);
    auto& type3 = set.Add<RadioButton>("rbToDoType3", &types);
    auto& priority1 = set.Add<RadioButton>("rbToDoPriority1", &priorities);
    test::RecordingPeer type1Peer;
    type1.AttachPeer(&type1Peer);
    std::vector<std::string> clicks;
    for (RadioButton* radio : {&type1, &type2, &type3, &priority1}) {
        radio->OnClick = [&clicks, radio] { clicks.push_back(radio->Name()); };
    }

    type1.SetChecked(true);
    priority1.SetChecked(true);
    type3.UserClick();
    type3.UserClick(); // already checked: nothing
    type3.SetChecked(false);

    EXPECT_EQ(clicks, (std::vector<std::string>{"rbToDoType1", "rbToDoPriority1", "rbToDoType3"}));
    EXPECT_FALSE(type1.Checked());
    EXPECT_FALSE(type2.Checked());
    EXPECT_TRUE(priority1.Checked()) << "another parent is another group";
    EXPECT_EQ(type1Peer.Count(ControlProperty::Checked), 2) << "the cleared button is mirrored";
}

TEST(RadioButtonTest, GroupIndexSeparatesButtonsOfOneParentAndRadioGroupReportsIndex) {
    ControlSet set;
    auto& sync = set.Add<RadioGroup>("rgSync");
    auto& rb1 = set.Add<RadioButton>("rbSync1", &sync);
    auto& rb2 = set.Add<RadioButton>("rbSync2", &sync);
    auto& rb3 = set.Add<RadioButton>("rbSync3", &sync);
    auto& other = set.Add<RadioButton>("rbOther", &sync);
    other.SetGroupIndex(1);

    EXPECT_EQ(sync.CheckedIndex(), -1);
    rb1.SetChecked(true);
    other.SetChecked(true);
    rb3.SetChecked(true);

    EXPECT_FALSE(rb1.Checked());
    EXPECT_FALSE(rb2.Checked());
    EXPECT_TRUE(other.Checked());
    EXPECT_EQ(sync.CheckedIndex(), 2);
}

TEST(ButtonTest, GroupedButtonsKeepOneDownAndClicksFire) {
    ControlSet set;
    auto& ec = set.Add<SpeedButton>("sbUserECDict");
    auto& ce = set.Add<SpeedButton>("sbUserCEDict");
    auto& plain = set.Add<ToolButton>("tbAddrNew");
    ec.SetGroupIndex(1);
    ce.SetGroupIndex(1);
    int ecClicks = 0;
    int plainClicks = 0;
    ec.OnClick = [&] { ++ecClicks; };
    plain.OnClick = [&] { ++plainClicks; };

    ec.SetDown(true);
    ce.SetDown(true);
    EXPECT_FALSE(ec.Down());
    ce.SetDown(false); // without all-up the down button stays down
    EXPECT_TRUE(ce.Down());

    ec.UserClick();
    EXPECT_TRUE(ec.Down());
    EXPECT_FALSE(ce.Down());
    ec.UserClick(); // stays down
    EXPECT_TRUE(ec.Down());
    EXPECT_EQ(ecClicks, 2);

    ce.SetAllowAllUp(true);
    ce.UserClick();
    ce.UserClick();
    EXPECT_FALSE(ce.Down());
    EXPECT_FALSE(ec.Down());

    plain.Click();
    plain.UserClick();
    EXPECT_EQ(plainClicks, 2);
    EXPECT_FALSE(plain.Down());
}

TEST(ControlTest, UserActionsNeedAReachableControlWhileCodeAlwaysWorks) {
    ControlSet set;
    auto& panel = set.Add<Panel>("pnlFileTop");
    auto& button = set.Add<ToolButton>("btnCompCut", &panel);
    auto& box = set.Add<CheckBox>("cbScheLock", &panel);
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };

    panel.SetEnabled(false);
    button.UserClick();
    box.UserClick();
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(box.Checked());

    button.Click();
    box.SetChecked(true);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(box.Checked());

    panel.SetEnabled(true);
    box.SetVisible(false); // a hidden box carries a value but takes no clicks
    box.UserClick();
    EXPECT_TRUE(box.Checked());
}

TEST(ControlTest, ResizeFiresOnSizeChangesOnlyAndResizeHandlerDoesNotRecurse) {
    ControlSet set;
    auto& form = set.Add<Form>("dfmMain");
    std::vector<int> widths;
    form.OnResize = [&] {
        widths.push_back(form.Width());
        form.SetBounds({0, 0, 1024, 768}); // the window's own resize rule
    };

    form.SetBounds({10, 10, 1200, 900});
    form.SetLeft(50); // a move is no resize
    form.UserSetBounds({0, 0, 800, 600});

    EXPECT_EQ(widths, (std::vector<int>{1200, 800}));
    EXPECT_EQ(form.Width(), 1024);
    EXPECT_EQ(form.Height(), 768);
}

} // namespace
} // namespace zyntra
