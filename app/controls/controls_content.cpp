#include "app/controls/layout_helpers.h"
#include "app/controls/main_window_areas.h"

#include <array>

namespace zyntra::layout {
namespace {

constexpr int kCategoryBarHeight = 44;
constexpr int kCategoryButtonWidth = 48;
constexpr int kSplitterSize = 4;
constexpr int kTreeWidth = 250;
constexpr int kPaneButtonWidth = 72;
// Band 0 of a pane's bar shows the pane's name before the buttons.
constexpr int kPaneBandTextWidth = 100;
// The category buttons form one group: exactly one of them is down.
constexpr int kCategoryGroup = 1;

struct CategoryButton {
    const char* name;
    const char* hint;
};

constexpr std::array<CategoryButton, 7> kCategoryButtons{{
    {"btnEbook", "RC_BTN_EBOOK_HINT"},
    {"btnMp3Music", "RC_BTN_MP3MUSIC_HINT"},
    {"btnEAlbum", "RC_BTN_EALBUM_HINT"},
    {"btnDigitalContents", "RC_BTN_DIGITALCONTENTS_HINT"},
    {"btnFlash", "RC_BTN_FLASH_HINT"},
    {"btnWriter", "RC_BTN_WRITER_HINT"},
    {"btnRecorder", "RC_BTN_RECORDER_HINT"},
}};

// What differs between the computer pane and the device pane.
struct PaneLayout {
    const char* panel;
    const char* bar;
    const char* tree;
    const char* splitter;
    const char* list;
    const char* listHint;
    int firstColumnWidth;
    std::array<CategoryButton, 8> buttons;
};

const PaneLayout kComputerPane{
    "pnlFileTop",
    "clbCompBar",
    "tvCompTreeView",
    "splCompTree",
    "lvCompListView",
    "RC_COMPLISTVIEW_HINT",
    201,
    {{{"btnCompUp", "RC_BTN_UP_HINT"},
      {"btnCompRefresh", "RC_BTN_REFRESH_HINT"},
      {"btnCompView", "RC_BTN_VIEW_HINT"},
      {"btnCompCut", "RC_BTN_CUT_HINT"},
      {"btnCompCopy", "RC_BTN_COPY_HINT"},
      {"btnCompPaste", "RC_BTN_PASTE1_HINT"},
      {"btnCompDelete", "RC_BTN_DELETE_HINT"},
      {"btnCompDownload", "RC_BTN_DOWNLOAD_HINT"}}},
};

const PaneLayout kDevicePane{
    "pnlFileBottom",
    "clbDictBar",
    "tvDictTreeView",
    "splDictTree",
    "lvDictListView",
    "RC_DICTLISTVIEW_HINT",
    246,
    {{{"btnDictUp", "RC_BTN_UP_HINT"},
      {"btnDictRefresh", "RC_BTN_REFRESH_HINT"},
      {"btnDictView", "RC_BTN_VIEW_HINT"},
      {"btnDictCut", "RC_BTN_CUT_HINT"},
      {"btnDictCopy", "RC_BTN_COPY_HINT"},
      {"btnDictPaste", "RC_BTN_PASTE2_HINT"},
      {"btnDictDelete", "RC_BTN_DELETE_HINT"},
      {"btnDictUpload", "RC_BTN_UPLOAD_HINT"}}},
};

// The e-book columns after column 0; a category change sets the columns of its own category.
constexpr std::array<int, 7> kInitialColumnWidths{200, 80, 60, 120, 300, 0, 0};

void CreateCategoryBar(ControlSet& controls, TabSheet& page) {
    auto& bar = controls.Add<Panel>("pnlCategoryBar", &page);
    bar.SetBounds({0, 0, page.Width(), kCategoryBarHeight});
    RowPlacer row(4, 2, kCategoryBarHeight - 4);
    int category = 0;
    for (const CategoryButton& entry : kCategoryButtons) {
        auto& button = controls.Add<ToolButton>(entry.name, &bar);
        button.SetBounds(row.Next(kCategoryButtonWidth));
        button.SetHint(entry.hint);
        button.SetImageIndex(category++);
        button.SetGroupIndex(kCategoryGroup);
    }
    controls.Get<ToolButton>("btnEbook").SetDown(true);
}

void CreatePaneBar(ControlSet& controls, Panel& pane, const PaneLayout& side) {
    auto& bar = controls.Add<CoolBar>(side.bar, &pane);
    bar.SetBounds({0, 0, pane.Width(), kBarHeight});
    bar.AddPart({}, pane.Width());
    RowPlacer row(kPaneBandTextWidth, 2, kBarHeight - 4);
    int image = 0;
    for (const CategoryButton& entry : side.buttons) {
        auto& button = controls.Add<ToolButton>(entry.name, &bar);
        button.SetBounds(row.Next(kPaneButtonWidth));
        button.SetHint(entry.hint);
        button.SetImageIndex(image++);
    }
}

void CreateFileList(ControlSet& controls, Panel& pane, const PaneLayout& side, int top) {
    const int listLeft = kTreeWidth + kSplitterSize;
    auto& list = controls.Add<ListView>(side.list, &pane);
    list.SetBounds({listLeft, top, pane.Width() - listLeft, pane.Height() - top});
    list.SetHint(side.listHint);
    list.SetStyle(ViewStyle::Icon);
    list.SetMultiSelect(true);
    list.SetColumn(0, {}, side.firstColumnWidth);
    int column = 1;
    for (int width : kInitialColumnWidths) {
        list.SetColumn(column++, {}, width);
    }
}

void CreatePane(ControlSet& controls, TabSheet& page, const PaneLayout& side,
                const Bounds& bounds) {
    auto& pane = controls.Add<Panel>(side.panel, &page);
    pane.SetBounds(bounds);
    CreatePaneBar(controls, pane, side);

    const int top = kBarHeight;
    const int height = pane.Height() - top;
    controls.Add<TreeView>(side.tree, &pane).SetBounds({0, top, kTreeWidth, height});
    controls.Add<Splitter>(side.splitter, &pane)
        .SetBounds({kTreeWidth, top, kSplitterSize, height});
    CreateFileList(controls, pane, side, top);
}

} // namespace

void CreateContentControls(ControlSet& controls, TabSheet& page) {
    CreateCategoryBar(controls, page);
    // The computer pane takes half of the page less the splitter, the device pane the rest.
    const int topHeight = (page.Height() - kSplitterSize) / 2;
    const int splitterTop = kCategoryBarHeight + topHeight;
    CreatePane(controls, page, kComputerPane, {0, kCategoryBarHeight, page.Width(), topHeight});
    controls.Add<Splitter>("splFile", &page)
        .SetBounds({0, splitterTop, page.Width(), kSplitterSize});
    const int bottomTop = splitterTop + kSplitterSize;
    CreatePane(controls, page, kDevicePane,
               {0, bottomTop, page.Width(), page.Height() - bottomTop});
    controls.Get<ToolButton>("btnDictUp").SetEnabled(false);
}

} // namespace zyntra::layout
