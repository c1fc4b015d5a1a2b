#include "app/controls/layout_helpers.h"
#include "app/controls/main_window_areas.h"

#include <array>

namespace zyntra::layout {
namespace {

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
    const char* treeHint;
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
    "RC_TV_COMP_HINT",
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
    "RC_TV_DICT_HINT",
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
    auto& bar = AddPlaced<Panel>(controls, "pnlCategoryBar", page);
    int category = 0;
    for (const CategoryButton& entry : kCategoryButtons) {
        auto& button = AddPlaced<ToolButton>(controls, entry.name, bar);
        button.SetHint(entry.hint);
        button.SetImageIndex(category++);
        button.SetGroupIndex(kCategoryGroup);
    }
    controls.Get<ToolButton>("btnEbook").SetDown(true);
}

void CreatePaneBar(ControlSet& controls, Panel& pane, const PaneLayout& side) {
    auto& bar = AddPlaced<CoolBar>(controls, side.bar, pane);
    bar.AddPart({}, bar.Width());
    int image = 0;
    for (const CategoryButton& entry : side.buttons) {
        auto& button = AddPlaced<ToolButton>(controls, entry.name, bar);
        button.SetHint(entry.hint);
        button.SetImageIndex(image++);
    }
}

void CreateFileList(ControlSet& controls, Panel& pane, const PaneLayout& side) {
    auto& list = AddPlaced<ListView>(controls, side.list, pane);
    list.SetHint(side.listHint);
    list.SetStyle(ViewStyle::Icon);
    list.SetMultiSelect(true);
    list.SetColumn(0, {}, side.firstColumnWidth);
    int column = 1;
    for (int width : kInitialColumnWidths) {
        list.SetColumn(column++, {}, width);
    }
}

void CreatePane(ControlSet& controls, TabSheet& page, const PaneLayout& side) {
    auto& pane = AddPlaced<Panel>(controls, side.panel, page);
    CreatePaneBar(controls, pane, side);
    AddPlaced<TreeView>(controls, side.tree, pane).SetHint(side.treeHint);
    AddPlaced<Splitter>(controls, side.splitter, pane);
    CreateFileList(controls, pane, side);
}

} // namespace

void CreateContentControls(ControlSet& controls, TabSheet& page) {
    CreateCategoryBar(controls, page);
    CreatePane(controls, page, kComputerPane);
    AddPlaced<Splitter>(controls, "splFile", page);
    CreatePane(controls, page, kDevicePane);
    controls.Get<ToolButton>("btnDictUp").SetEnabled(false);
}

} // namespace zyntra::layout
