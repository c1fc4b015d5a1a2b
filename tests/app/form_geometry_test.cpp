#include "app/controls/form_geometry.h"
#include "app/controls/main_window_controls.h"
#include "kit/controls.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace zyntra {
namespace {

using layout::FormWidget;
using layout::FormWidgets;

std::string Text(const Bounds& bounds) {
    return "{" + std::to_string(bounds.left) + ", " + std::to_string(bounds.top) + ", " +
           std::to_string(bounds.width) + ", " + std::to_string(bounds.height) + "}";
}

class FormGeometryTest : public ::testing::Test {
protected:
    void SetUp() override { CreateMainWindowControls(controls); }

    ControlSet controls;
};

// The forms and the inventory describe one window: a control stands where its widget is placed,
// under the widget that holds it there, or the same rectangle would mean another place.
TEST_F(FormGeometryTest, PlacedControlsStandWhereTheFormsPlaceThem) {
    ASSERT_FALSE(FormWidgets().empty());
    for (const FormWidget& widget : FormWidgets()) {
        const std::string name(widget.name);
        const Control* control = controls.FindControl(name);
        ASSERT_NE(control, nullptr) << name << " is placed in a form but is no control";
        if (!widget.holder.empty()) {
            ASSERT_NE(control->Parent(), nullptr) << name;
            EXPECT_EQ(control->Parent()->Name(), widget.holder) << name;
            EXPECT_EQ(Text(control->GetBounds()), Text(widget.bounds)) << name;
        } else if (dynamic_cast<const TabSheet*>(control) != nullptr) {
            // A page form is drawn at the size of the page it fills.
            EXPECT_EQ(control->Width(), widget.bounds.width) << name;
            EXPECT_EQ(control->Height(), widget.bounds.height) << name;
        } else {
            EXPECT_EQ(control, controls.FindControl("dfmMain")) << name << " roots no form";
            EXPECT_EQ(Text(control->GetBounds()), Text(widget.bounds)) << name;
        }
    }
}

// Bounds worked out in code are kept for what the forms leave to layouts (the frame's page
// controls and status bar, every tab page) and for menus, which are no widgets.
TEST_F(FormGeometryTest, OnlyLayoutManagedControlsAndMenusHaveNoPlaceInTheForms) {
    const std::set<std::string> laidOut{"stbMain", "pgcMain", "pgcDataSet", "pgcPIMPage",
                                        "pgcSyncSet"};
    std::set<std::string> computed;
    for (const Control* control : controls.All()) {
        if (layout::FindFormWidget(control->Name()) != nullptr) {
            continue;
        }
        const bool menu = dynamic_cast<const PopupMenu*>(control) != nullptr ||
                          dynamic_cast<const MenuItem*>(control) != nullptr;
        const bool page = dynamic_cast<const TabSheet*>(control) != nullptr;
        EXPECT_TRUE(menu || page || laidOut.count(control->Name()) == 1)
            << control->Name() << " has bounds of its own, not from the forms";
        if (!menu && !page) {
            computed.insert(control->Name());
        }
    }
    EXPECT_EQ(computed, laidOut);
    EXPECT_THROW(layout::FormBounds("noSuchWidget"), std::out_of_range);
}

} // namespace
} // namespace zyntra
