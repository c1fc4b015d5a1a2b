#pragma once

#include "content/content_category.h"
#include "content/file_entry.h"
#include "content/file_lists.h"
#include "kit/ui_services.h"

#include <array>
#include <functional>
#include <string>

namespace zyntra {

class ControlSet;
class CoolBar;
class DeviceLink;
class ListView;
class MenuItem;
class PageControl;
class StatusBar;
class TabSheet;
class ToolButton;
class TreeView;

// Whether the next Paste copies or moves what was cut or copied.
enum class TransferMode { None = -1, Copy = 0, Move = 1 };

// The controls of the content page that its handlers read and drive.
struct ContentPageControls {
    PageControl& pgcMain;
    TabSheet& tabFile;
    std::array<ToolButton*, kCategoryCount> categoryButtons; // btnEbook .. btnRecorder
    CoolBar& clbCompBar;
    CoolBar& clbDictBar;
    ListView& lvCompListView;
    ListView& lvDictListView;
    TreeView& tvDictTreeView;
    StatusBar& stbMain;
    ToolButton& btnCompView;
    ToolButton& btnDictView;
    MenuItem& compViewItem; // the View entries of the two context menus
    MenuItem& dictViewItem;

    static ContentPageControls From(const ControlSet& controls);
};

// The content page: the category buttons and the two virtual file lists. The lists themselves
// (and with them the current category, which their rows depend on) live in FileLists; this page
// shows them and turns the user's actions on the list views into sorting, opening and status.
class ContentPage {
public:
    ContentPage(ContentPageControls controls, UiServices ui, FileLists& lists,
                const DeviceLink& devices);

    // Receives the row count of the content list last pointed at, or of the computer list after
    // a category change, for the status line's count.
    void SetShownFileCountSink(std::function<void(int)> sink);
    // Opens one file with the desktop's program; says whether it started. By default the
    // desktop's opener.
    void SetOpener(std::function<bool(const std::string&)> opener);
    // Brings the main window to the front after files were opened.
    void SetRaiseWindow(std::function<void()> raise);
    // The side's Delete command, which the list's Delete key runs.
    void SetDeleteCommand(Side side, std::function<void()> command);

    // Attaches the handlers below to the category buttons, both list views, the View buttons
    // and the View entries of the context menus.
    void AttachHandlers();

    ContentCategory CurrentCategory() const { return lists_.CurrentCategory(); }
    TransferMode GetTransferMode() const { return transferMode_; }
    void SetTransferMode(TransferMode mode) { transferMode_ = mode; }
    ListView& ListOf(Side side) const;

    // Shows the lists of the category as the last scans left them; also the redraw after the
    // lists changed. Scans nothing.
    void SelectCategory(ContentCategory category);
    ListRow FillRow(Side side, int row) const;
    void SortFileList(Side side, int column);
    // Only while the list has the focus and a selection; e-books are never opened.
    void OpenSelectedFiles(Side side);
    void ShowSelectedPath(Side side, int row, bool selected);
    // Icon, small icon, list, report, then icon again.
    void CycleViewStyle(Side side);

private:
    void AttachListHandlers(Side side);
    void ShowCategoryButtons(ContentCategory category);
    void ShowList(Side side, ContentCategory category);
    void ShowDeviceNodeCaptions(ContentCategory category);
    void ReportShownFileCount(int count);

    ContentPageControls controls_;
    UiServices ui_;
    FileLists& lists_;
    const DeviceLink& devices_;
    TransferMode transferMode_ = TransferMode::None;
    std::function<void(int)> shownFileCountSink_;
    std::function<bool(const std::string&)> opener_;
    std::function<void()> raiseWindow_;
    std::array<std::function<void()>, 2> deleteCommands_;
};

} // namespace zyntra
