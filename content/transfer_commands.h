#pragma once

#include "content/device_folders.h"
#include "content/file_entry.h"
#include "content/file_transfer.h"
#include "kit/ui_services.h"

#include <functional>
#include <string>
#include <vector>

namespace zyntra {

class ComputerBrowser;
class ContentPage;
class ControlSet;
class DeviceLink;
class FileLists;
class FileOperation;
class ListView;
class MenuItem;
class ToolButton;

// The transfer and delete commands of one side: its tool buttons and context-menu entries.
struct SideCommandControls {
    ToolButton& cut;
    ToolButton& copy;
    ToolButton& paste;
    ToolButton& del;
    ToolButton& send; // btnCompDownload, btnDictUpload
    MenuItem& cutItem;
    MenuItem& copyItem;
    MenuItem& pasteItem;
    MenuItem& deleteItem;
    MenuItem& sendItem;
};

struct TransferControls {
    SideCommandControls computer;
    SideCommandControls device;

    static TransferControls From(const ControlSet& controls);
};

// One selected row of the source list, taken before a transfer starts: the transfer walks
// these, not the live selection.
struct COPY_FILE {
    std::string fullPath;
    int rowIndex = 0;
};

// What the device side gives the commands: the storage it shows, and its listing of the current
// category after a paste onto it.
struct DeviceSideHooks {
    std::function<DeviceStorageView()> currentStorage;
    std::function<void()> listDeviceFiles;
};

// Cut, Copy, Paste, Delete, Download and Upload of the content page, from the tool buttons,
// the context menus, the lists' Delete key and drag and drop. Cut and Copy hold no clipboard:
// they only choose whether the next Paste moves, and dim the rows being cut.
class TransferCommands {
public:
    TransferCommands(TransferControls controls, UiServices ui, FileLists& lists, ContentPage& page,
                     ComputerBrowser& computer, DeviceLink& devices, FileOperation& operations,
                     DeviceSideHooks deviceSide);

    void AttachHandlers();

    void MarkForMove(Side side);
    void MarkForCopy(Side side);
    void PasteToDevice();
    void PasteToComputer();
    void DeleteSelected(Side side);
    void Download();
    void Upload();

    // The folder a row's file goes to, ending in '/'; "" when it has none (an e-book of a
    // class the device does not know).
    std::string TransferTargetFolder(TransferDirection direction, int rowIndex) const;

private:
    const SideCommandControls& ControlsOf(Side side) const;
    ListView& ListOf(Side side) const;
    std::vector<COPY_FILE> CollectSelected(Side side) const;
    // Sends the selected rows of the side to the other side; marks the rows of files whose move
    // really took them away.
    void Paste(Side from);
    void ShowListAfresh(Side side);

    TransferControls controls_;
    UiServices ui_;
    FileLists& lists_;
    ContentPage& page_;
    ComputerBrowser& computer_;
    DeviceLink& devices_;
    FileOperation& operations_;
    DeviceSideHooks deviceSide_;
};

} // namespace zyntra
