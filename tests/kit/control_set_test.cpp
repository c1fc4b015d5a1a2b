#include "kit/controls.h"
#include "tests/kit/recording_peer.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace zyntra {
namespace {

TEST(ControlSetTest, FindsControlsByNameAndTypeInCreationOrder) {
    ControlSet set;
    auto& list = set.Add<ListView>("lvAddrList");
    auto& name = set.Add<EditField>("edtName");
    auto& note = set.Add<MultiLineEdit>("reClassNote");

    EXPECT_EQ(set.Find<ListView>("lvAddrList"), &list);
    EXPECT_EQ(set.Find<EditField>("edtName"), &name);
    EXPECT_EQ(set.Find<EditField>("reClassNote"), &note) << "a derived type is found as its base";
    EXPECT_EQ(set.Find<CheckBox>("edtName"), nullptr) << "another type";
    EXPECT_EQ(set.Find<EditField>("edtMissing"), nullptr);
    EXPECT_THROW(set.Get<TreeView>("lvAddrList"), std::out_of_range);
    EXPECT_THROW(set.Add<Label>("edtName"), std::invalid_argument);

    std::vector<std::string> names;
    for (const Control* control : set.All()) {
        names.push_back(control->Name());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"lvAddrList", "edtName", "reClassNote"}));
    EXPECT_EQ(set.AllOf<EditField>().size(), 2u);
}

TEST(ControlSetTest, PeerIsToldOnlyOfRealChangesAndGetsAllOnAttach) {
    ControlSet set;
    auto& label = set.Add<Label>("lblAddrName");
    test::RecordingPeer peer;
    label.AttachPeer(&peer);

    label.SetCaption("Name");
    label.SetCaption("Name");
    label.SetHint("RC_LBL_ADDR_NAME");
    label.SetWidth(120);
    label.SetWidth(120);

    ASSERT_EQ(peer.changes.size(), 4u);
    EXPECT_EQ(peer.changes[0].property, ControlProperty::All);
    EXPECT_EQ(peer.changes[1].property, ControlProperty::Caption);
    EXPECT_EQ(peer.changes[2].property, ControlProperty::Hint);
    EXPECT_EQ(peer.changes[3].property, ControlProperty::Bounds);

    label.AttachPeer(nullptr);
    label.SetCaption("Other");
    EXPECT_EQ(peer.changes.size(), 4u);
}

TEST(ControlSetTest, OneControlHasTheFocusAndOnlyWhileItCanTakeIt) {
    ControlSet set;
    auto& list = set.Add<ListView>("lvAddrList");
    auto& field = set.Add<EditField>("edtName");
    test::RecordingPeer listPeer;
    list.AttachPeer(&listPeer);

    EXPECT_TRUE(list.SetFocus());
    EXPECT_TRUE(field.SetFocus());
    EXPECT_FALSE(list.Focused());
    EXPECT_EQ(set.Focused(), &field);
    EXPECT_EQ(listPeer.Count(ControlProperty::Focus), 2);

    list.SetEnabled(false);
    EXPECT_FALSE(list.SetFocus());
    EXPECT_EQ(set.Focused(), &field);

    field.SetVisible(false); // hiding the focused control takes the focus away
    EXPECT_FALSE(field.Focused());
    EXPECT_EQ(set.Focused(), nullptr);

    list.SetEnabled(true);
    list.UserFocusChanged(true); // the user clicked into the list
    EXPECT_TRUE(list.Focused());
    list.UserFocusChanged(false);
    EXPECT_EQ(set.Focused(), nullptr);
}

TEST(ControlSetTest, ParentsFormATreeThatDecidesShowingAndRefusesCycles) {
    ControlSet set;
    auto& outer = set.Add<Panel>("pnlOuter");
    auto& inner = set.Add<Panel>("pnlInner", &outer);
    auto& field = set.Add<EditField>("edtOffice", &inner);

    EXPECT_TRUE(field.IsShowing());
    outer.SetVisible(false);
    EXPECT_FALSE(field.IsShowing());
    EXPECT_TRUE(field.Visible());
    EXPECT_THROW(outer.SetParent(&field), std::invalid_argument);

    field.SetParent(nullptr);
    EXPECT_TRUE(field.IsShowing());
    EXPECT_TRUE(inner.Children().empty());
}

} // namespace
} // namespace zyntra
