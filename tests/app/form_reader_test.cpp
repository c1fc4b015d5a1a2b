#include "app/controls/tools/form_reader.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace zyntra::forms {
namespace {

std::string Rect(int x, int y, int width, int height) {
    return "<property name=\"geometry\"><rect><x>" + std::to_string(x) + "</x><y>" +
           std::to_string(y) + "</y><width>" + std::to_string(width) + "</width><height>" +
           std::to_string(height) + "</height></rect></property>";
}

std::string Form(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ui version=\"4.0\">\n"
           "<class>Page</class>\n" +
           body + "\n<resources/>\n</ui>\n";
}

// Exact placement is what the table is for: holders, nesting, and what a layout owns.
TEST(FormReaderTest, KeepsPlacedWidgetsWithTheirHoldersAndSkipsLaidOutOnes) {
    const std::string xml =
        Form("<widget class=\"QWidget\" name=\"tabPage\">" + Rect(0, 0, 992, 636) +
             "<widget class=\"QGroupBox\" name=\"rgBox\">" + Rect(88, 440, 356, 34) +
             "<property name=\"title\"><string>geometry</string></property>"
             "<widget class=\"QRadioButton\" name=\"rbOne\">" +
             Rect(8, 8, 110, 20) +
             "</widget></widget>"
             "<widget class=\"QTabWidget\" name=\"pgcInner\">" +
             Rect(0, 404, 992, 232) +
             "<widget class=\"QWidget\" name=\"tabInner\">"
             "<attribute name=\"title\"><string>Inner</string></attribute>"
             "<widget class=\"QLabel\" name=\"lblInner\">" +
             Rect(8, 12, 80, 22) +
             "</widget></widget></widget>"
             "<layout class=\"QVBoxLayout\" name=\"box\"><item>"
             "<widget class=\"QLineEdit\" name=\"edtLaidOut\">" +
             Rect(1, 2, 3, 4) + "<widget class=\"QLabel\" name=\"lblInsideLaidOut\">" +
             Rect(5, 6, 7, 8) +
             "</widget></widget></item></layout>"
             "<widget class=\"QLabel\" name=\"lblAfter\">"
             "<property name=\"minimumSize\"><size><width>50</width><height>9</height></size>"
             "</property>" +
             Rect(300, 444, 100, 22) +
             "</widget>"
             "</widget>");
    const std::vector<PlacedWidget> expected{
        {"rbOne", "rgBox", 8, 8, 110, 20},
        {"rgBox", "tabPage", 88, 440, 356, 34},
        {"lblInner", "tabInner", 8, 12, 80, 22},
        {"pgcInner", "tabPage", 0, 404, 992, 232},
        {"lblInsideLaidOut", "edtLaidOut", 5, 6, 7, 8},
        {"lblAfter", "tabPage", 300, 444, 100, 22},
        {"tabPage", "", 0, 0, 992, 636},
    };
    EXPECT_EQ(ReadPlacedWidgets(xml), expected);
}

TEST(FormReaderTest, RefusesFormsThatCannotBeTrusted) {
    const auto faultOf = [](const std::string& xml) {
        try {
            ReadPlacedWidgets(xml);
        } catch (const std::runtime_error& fault) {
            return std::string(fault.what());
        }
        return std::string("no fault");
    };
    EXPECT_EQ(faultOf(Form("<widget class=\"QLabel\" name=\"lblA\">"
                           "<property name=\"geometry\"><rect><x>1</x><y>2</y>"
                           "<width>3</width></rect></property></widget>")),
              "line 4: widget lblA: geometry lacks height");
    EXPECT_EQ(faultOf(Form("<widget class=\"QLabel\" name=\"lblA\">"
                           "<property name=\"geometry\"><rect><x>1</x><y>2</y><width>3px</width>"
                           "<height>4</height></rect></property></widget>")),
              "line 4: widget lblA: width \"3px\" is no whole number");
    EXPECT_EQ(
        faultOf(Form("<widget class=\"QLabel\" name=\"lbl-A\">" + Rect(0, 0, 1, 1) + "</widget>")),
        "line 4: a widget needs a name that is an identifier, not \"lbl-A\"");
    EXPECT_NE(faultOf(Form("<widget class=\"QLabel\" name=\"lblA\">")).find("line 6:"),
              std::string::npos);
}

TEST(FormReaderTest, AWidgetPlacedInTwoFormsIsRefused) {
    const std::vector<PlacedWidget> first{{"tabPage", "", 0, 0, 10, 10},
                                          {"edtName", "tabPage", 1, 1, 5, 5}};
    const std::vector<PlacedWidget> second{{"edtName", "tabOther", 1, 1, 5, 5}};
    EXPECT_EQ(MergeForms({first, {{"lblOther", "tabOther", 0, 0, 1, 1}}}).size(), 3u);
    try {
        MergeForms({first, second});
        FAIL() << "a twice placed name was taken";
    } catch (const std::runtime_error& fault) {
        EXPECT_STREQ(fault.what(), "widget edtName is placed in form 1 and in form 2");
    }
}

TEST(FormReaderTest, TheTableIsSortedByNameForLookUp) {
    const std::string source = GeometrySource({{"edtB", "tabPage", 1, 2, 3, 4},
                                               {"edtA", "tabPage", 5, 6, 7, 8},
                                               {"tabPage", "", 0, 0, 9, 9}});
    const std::size_t a = source.find("{\"edtA\", \"tabPage\", {5, 6, 7, 8}},");
    const std::size_t b = source.find("{\"edtB\", \"tabPage\", {1, 2, 3, 4}},");
    const std::size_t page = source.find("{\"tabPage\", \"\", {0, 0, 9, 9}},");
    ASSERT_NE(a, std::string::npos) << source;
    ASSERT_NE(b, std::string::npos) << source;
    ASSERT_NE(page, std::string::npos) << source;
    EXPECT_LT(a, b);
    EXPECT_LT(b, page);
}

} // namespace
} // namespace zyntra::forms
