#include "app/controls/form_geometry.h"
#include "tests/ui/qt_test_app.h"
#include "ui/forms/main_window_widget.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <string>

namespace zyntra {
namespace {

class FormsTest : public test::QtTest {};

// The build reads the forms without Qt; what it read must be what Qt builds from them, or the
// window and the headless inventory disagree.
TEST_F(FormsTest, TheGeometryTableIsWhatTheFormsBuild) {
    MainWindowWidget window;
    for (const layout::FormWidget& placed : layout::FormWidgets()) {
        const QString name = QString::fromUtf8(placed.name.data(), placed.name.size());
        const QWidget* widget =
            window.objectName() == name ? &window : window.findChild<QWidget*>(name);
        ASSERT_NE(widget, nullptr) << placed.name;
        if (placed.holder.empty()) {
            continue; // the window's and the pages' own sizes are the frame's to give
        }
        const QRect geometry = widget->geometry();
        EXPECT_EQ((Bounds{geometry.x(), geometry.y(), geometry.width(), geometry.height()}),
                  placed.bounds)
            << placed.name;
        ASSERT_NE(widget->parentWidget(), nullptr) << placed.name;
        EXPECT_EQ(widget->parentWidget()->objectName().toStdString(), placed.holder) << placed.name;
    }
}

} // namespace
} // namespace zyntra
