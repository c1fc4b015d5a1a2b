#include "content/content_page.h"

#include "content/list_columns.h"
#include "device/device_link.h"
#include "kit/controls.h"
#include "platform/open_with.h"
#include "texts/lang_text.h"

namespace zyntra {
namespace {

std::size_t SideIndex(Side side) {
    return side == Side::Computer ? 0 : 1;
}

ViewStyle NextStyle(ViewStyle style) {
    switch (style) {
    case ViewStyle::Icon:
        return ViewStyle::SmallIcon;
    case ViewStyle::SmallIcon:
        return ViewStyle::List;
    case ViewStyle::List:
        return ViewStyle::Report;
    case ViewStyle::Report:
        break;
    }
    return ViewStyle::Icon;
}

} // namespace

ContentPageControls ContentPageControls::From(const ControlSet& controls) {
    std::array<ToolButton*, kCategoryCount> buttons{};
    for (const CategoryInfo& info : kCategories)
        buttons[static_cast<std::size_t>(CategoryNumber(info.category))] =
            &controls.Get<ToolButton>(info.toolButton);
    return {controls.Get<PageControl>("pgcMain"),
            controls.Get<TabSheet>("tabFile"),
            buttons,
            controls.Get<CoolBar>("clbCompBar"),
            controls.Get<CoolBar>("clbDictBar"),
            controls.Get<ListView>("lvCompListView"),
            controls.Get<ListView>("lvDictListView"),
            controls.Get<TreeView>("tvDictTreeView"),
            controls.Get<StatusBar>("stbMain"),
            controls.Get<ToolButton>("btnCompView"),
            controls.Get<ToolButton>("btnDictView"),
            controls.Get<MenuItem>("CompView"),
            controls.Get<MenuItem>("DictView")};
}

ContentPage::ContentPage(ContentPageControls controls, UiServices ui, FileLists& lists,
                         const DeviceLink& devices)
    : controls_(controls), ui_(ui), lists_(lists), devices_(devices),
      opener_([](const std::string& path) { return OpenWithDefaultProgram(path); }) {}

void ContentPage::SetShownFileCountSink(std::function<void(int)> sink) {
    shownFileCountSink_ = std::move(sink);
}

void ContentPage::SetOpener(std::function<bool(const std::string&)> opener) {
    opener_ = std::move(opener);
}

void ContentPage::SetRaiseWindow(std::function<void()> raise) {
    raiseWindow_ = std::move(raise);
}

void ContentPage::SetDeleteCommand(Side side, std::function<void()> command) {
    deleteCommands_[SideIndex(side)] = std::move(command);
}

ListView& ContentPage::ListOf(Side side) const {
    return side == Side::Computer ? controls_.lvCompListView : controls_.lvDictListView;
}

void ContentPage::AttachHandlers() {
    for (const CategoryInfo& info : kCategories) {
        ContentCategory category = info.category;
        controls_.categoryButtons[static_cast<std::size_t>(CategoryNumber(category))]->OnClick =
            [this, category] { SelectCategory(category); };
    }
    AttachListHandlers(Side::Computer);
    AttachListHandlers(Side::Device);
    controls_.btnCompView.OnClick = [this] { CycleViewStyle(Side::Computer); };
    controls_.compViewItem.OnClick = [this] { CycleViewStyle(Side::Computer); };
    controls_.btnDictView.OnClick = [this] { CycleViewStyle(Side::Device); };
    controls_.dictViewItem.OnClick = [this] { CycleViewStyle(Side::Device); };
}

void ContentPage::AttachListHandlers(Side side) {
    ListView& view = ListOf(side);
    view.OnData = [this, side](int row) { return FillRow(side, row); };
    view.OnColumnClick = [this, side](int column) { SortFileList(side, column); };
    view.OnDblClick = [this, side] { OpenSelectedFiles(side); };
    view.OnSelectItem = [this, side](int row, bool selected) {
        ShowSelectedPath(side, row, selected);
    };
    view.OnKeyDown = [this, side](int key) {
        if (key == KeyCode::Enter)
            OpenSelectedFiles(side);
        else if (key == KeyCode::Delete && deleteCommands_[SideIndex(side)])
            deleteCommands_[SideIndex(side)]();
    };
    view.OnMouseMove = [this, side] { ReportShownFileCount(ListOf(side).RowCount()); };
}

void ContentPage::SelectCategory(ContentCategory category) {
    controls_.pgcMain.SetActivePage(controls_.tabFile);
    lists_.SetCurrentCategory(category);
    transferMode_ = TransferMode::None;
    ShowCategoryButtons(category);
    if (category == ContentCategory::Ebook) {
        controls_.clbCompBar.SetBandText(0, LangText("RC_COMPLISTVIEW"));
        controls_.clbDictBar.SetBandText(0, LangText("RC_DICTLISTVIEW"));
    }
    ShowList(Side::Computer, category);
    ShowList(Side::Device, category);
    ShowDeviceNodeCaptions(category);
    ReportShownFileCount(controls_.lvCompListView.RowCount());
}

void ContentPage::ShowCategoryButtons(ContentCategory category) {
    for (const CategoryInfo& info : kCategories) {
        int number = CategoryNumber(info.category);
        ToolButton& button = *controls_.categoryButtons[static_cast<std::size_t>(number)];
        bool chosen = info.category == category;
        button.SetImageIndex(chosen ? number + kCategoryCount : number);
        if (chosen)
            button.SetDown(true);
    }
}

void ContentPage::ShowList(Side side, ContentCategory category) {
    ListView& view = ListOf(side);
    int count = static_cast<int>(lists_.List(side, category).size());
    view.SetRowCount(count);
    if (count != 0) {
        view.ClearSelection();
        view.SetFocusedRow(-1);
    }
    ApplyContentColumns(view, category);
    view.Repaint();
}

void ContentPage::ShowDeviceNodeCaptions(ContentCategory category) {
    const std::string suffix = InfoOf(category).treeSuffix;
    TreeView& tree = controls_.tvDictTreeView;
    for (const DEV_INFO& device : devices_.Records()) {
        if (!device.rootPath[kInternalMemoryPart].empty() && tree.Valid(device.dictNode))
            tree.SetNodeCaption(device.dictNode, LangText("SM_MyDict") + suffix);
        if (!device.rootPath[kMemoryCardPart].empty() && tree.Valid(device.cardNode))
            tree.SetNodeCaption(device.cardNode, LangText("SM_MySDCard") + suffix);
    }
}

void ContentPage::ReportShownFileCount(int count) {
    if (shownFileCountSink_)
        shownFileCountSink_(count);
}

ListRow ContentPage::FillRow(Side side, int row) const {
    return lists_.FillRow(side, row);
}

void ContentPage::SortFileList(Side side, int column) {
    lists_.SortFileList(side, column);
    ListOf(side).Repaint();
}

void ContentPage::OpenSelectedFiles(Side side) {
    ListView& view = ListOf(side);
    if (!view.Focused() || view.Selected() < 0)
        return;
    lists_.OpenFileEntries(side, view.SelectedRows(), opener_);
    ui_.waitCursor.SetShape(CursorShape::Default);
    if (raiseWindow_)
        raiseWindow_();
}

void ContentPage::ShowSelectedPath(Side side, int row, bool selected) {
    std::string path;
    if (selected) {
        const FileList& list = lists_.CurrentList(side);
        if (row >= 0 && static_cast<std::size_t>(row) < list.size())
            path = lists_.ShownText(list[static_cast<std::size_t>(row)].fullPath);
    }
    controls_.stbMain.SetPanelText(1, std::move(path));
}

void ContentPage::CycleViewStyle(Side side) {
    ListView& view = ListOf(side);
    view.SetStyle(NextStyle(view.Style()));
}

} // namespace zyntra
