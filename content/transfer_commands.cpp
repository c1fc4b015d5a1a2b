#include "content/transfer_commands.h"

#include "content/computer_browser.h"
#include "content/content_page.h"
#include "content/file_lists.h"
#include "device/device_link.h"
#include "kit/controls.h"
#include "platform/file_operation.h"

#include <filesystem>

namespace zyntra {
namespace {

SideCommandControls SideFrom(const ControlSet& controls, const std::string& panel,
                             const char* send) {
    auto button = [&](const char* what) -> ToolButton& {
        return controls.Get<ToolButton>("btn" + panel + what);
    };
    auto item = [&](const char* what) -> MenuItem& { return controls.Get<MenuItem>(panel + what); };
    return {button("Cut"), button("Copy"), button("Paste"), button("Delete"), button(send),
            item("Cut"),   item("Copy"),   item("Paste"),   item("Delete"),   item(send)};
}

} // namespace

TransferControls TransferControls::From(const ControlSet& controls) {
    return {SideFrom(controls, "Comp", "Download"), SideFrom(controls, "Dict", "Upload")};
}

TransferCommands::TransferCommands(TransferControls controls, UiServices ui, FileLists& lists,
                                   ContentPage& page, ComputerBrowser& computer,
                                   DeviceLink& devices, FileOperation& operations,
                                   DeviceSideHooks deviceSide)
    : controls_(controls), ui_(ui), lists_(lists), page_(page), computer_(computer),
      devices_(devices), operations_(operations), deviceSide_(std::move(deviceSide)) {}

void TransferCommands::AttachHandlers() {
    for (Side side : {Side::Computer, Side::Device}) {
        const SideCommandControls& c = ControlsOf(side);
        auto cut = [this, side] { MarkForMove(side); };
        auto copy = [this, side] { MarkForCopy(side); };
        auto paste = [this, side] { side == Side::Computer ? PasteToDevice() : PasteToComputer(); };
        auto del = [this, side] { DeleteSelected(side); };
        auto send = [this, side] { side == Side::Computer ? Download() : Upload(); };
        c.cut.OnClick = cut;
        c.cutItem.OnClick = cut;
        c.copy.OnClick = copy;
        c.copyItem.OnClick = copy;
        c.paste.OnClick = paste;
        c.pasteItem.OnClick = paste;
        c.del.OnClick = del;
        c.deleteItem.OnClick = del;
        c.send.OnClick = send;
        c.sendItem.OnClick = send;
        page_.SetDeleteCommand(side, del);
    }
    // Whatever list a drag started from, a drop says which way the files go.
    ListOf(Side::Device).OnDragDrop = [this](const Control*) { Download(); };
    ListOf(Side::Computer).OnDragDrop = [this](const Control*) { Upload(); };
}

const SideCommandControls& TransferCommands::ControlsOf(Side side) const {
    return side == Side::Computer ? controls_.computer : controls_.device;
}

ListView& TransferCommands::ListOf(Side side) const {
    return page_.ListOf(side);
}

void TransferCommands::MarkForMove(Side side) {
    ListView& view = ListOf(side);
    if (!view.Focused() || view.Selected() < 0 || !ControlsOf(side).cut.Enabled())
        return;
    for (int row : view.SelectedRows())
        view.SetRowCut(row, true);
    page_.SetTransferMode(TransferMode::Move);
}

void TransferCommands::MarkForCopy(Side side) {
    ListView& view = ListOf(side);
    if (!view.Focused() || view.Selected() < 0 || !ControlsOf(side).copy.Enabled())
        return;
    for (int row : view.SelectedRows())
        view.SetRowCut(row, false);
    page_.SetTransferMode(TransferMode::Copy);
}

void TransferCommands::Download() {
    page_.SetTransferMode(TransferMode::Copy);
    PasteToDevice();
}

void TransferCommands::Upload() {
    page_.SetTransferMode(TransferMode::Copy);
    PasteToComputer();
}

std::vector<COPY_FILE> TransferCommands::CollectSelected(Side side) const {
    std::vector<COPY_FILE> files;
    const FileList& list = lists_.CurrentList(side);
    for (int row : ListOf(side).SelectedRows())
        if (static_cast<std::size_t>(row) < list.size())
            files.push_back({list[static_cast<std::size_t>(row)].fullPath, row});
    return files;
}

std::string TransferCommands::TransferTargetFolder(TransferDirection direction,
                                                   int rowIndex) const {
    TransferRequest request;
    request.direction = direction;
    request.computerFolder = computer_.ComputerPath();
    if (direction == TransferDirection::ToDevice && deviceSide_.currentStorage)
        request.device = deviceSide_.currentStorage();
    const FileList& list = lists_.CurrentList(Side::Computer);
    FILE_TYPE entry;
    if (rowIndex >= 0 && static_cast<std::size_t>(rowIndex) < list.size())
        entry = list[static_cast<std::size_t>(rowIndex)];
    return FileTransfer::TargetFolder(request, TransferFile::From(entry, lists_.CurrentCategory()));
}

void TransferCommands::PasteToDevice() {
    if (ListOf(Side::Computer).Selected() < 0 || !controls_.computer.paste.Enabled())
        return;
    WaitCursorScope busy(ui_.waitCursor);
    Paste(Side::Computer);
    ShowListAfresh(Side::Computer);
    if (deviceSide_.listDeviceFiles)
        deviceSide_.listDeviceFiles();
    if (devices_.DeviceCount() != 0)
        page_.SelectCategory(lists_.CurrentCategory());
}

void TransferCommands::PasteToComputer() {
    if (ListOf(Side::Device).Selected() < 0 || !controls_.device.paste.Enabled())
        return;
    WaitCursorScope busy(ui_.waitCursor);
    Paste(Side::Device);
    ShowListAfresh(Side::Device);
    // The device list is not rescanned, and the mode stays: the next Paste moves again.
    computer_.Refresh();
}

void TransferCommands::Paste(Side from) {
    const std::vector<COPY_FILE> selected = CollectSelected(from);
    const bool move = page_.GetTransferMode() == TransferMode::Move;
    const ContentCategory category = lists_.CurrentCategory();
    const FileList& list = lists_.CurrentList(from);

    TransferRequest request;
    request.direction =
        from == Side::Computer ? TransferDirection::ToDevice : TransferDirection::ToComputer;
    request.move = move;
    request.computerFolder = computer_.ComputerPath();
    if (from == Side::Computer && deviceSide_.currentStorage)
        request.device = deviceSide_.currentStorage();
    for (const COPY_FILE& file : selected)
        request.files.push_back(
            TransferFile::From(list[static_cast<std::size_t>(file.rowIndex)], category));

    FileTransfer transfer(operations_, devices_, ui_.messages);
    const TransferReport report = transfer.Run(request);
    if (!move)
        return;
    ListView& view = ListOf(from);
    for (std::size_t i = 0; i < selected.size(); ++i) {
        view.SetRowCut(selected[i].rowIndex, false);
        if (report.outcomes[i] == TransferOutcome::Done)
            lists_.MarkFileEntry(from, selected[i].rowIndex);
    }
    lists_.RemoveMarkedEntries(from);
}

void TransferCommands::ShowListAfresh(Side side) {
    ListView& view = ListOf(side);
    view.SetRowCount(0);
    view.SetRowCount(static_cast<int>(lists_.CurrentList(side).size()));
    view.ClearSelection();
    view.Repaint();
}

void TransferCommands::DeleteSelected(Side side) {
    ListView& view = ListOf(side);
    if (!view.Focused() || view.Selected() < 0 || !ControlsOf(side).del.Enabled())
        return;
    WaitCursorScope busy(ui_.waitCursor);
    const std::vector<COPY_FILE> selected = CollectSelected(side);
    const ContentCategory category = lists_.CurrentCategory();
    FileOpRequest request;
    request.kind = FileOpKind::Delete;
    request.title = kTransferTitle;
    for (const COPY_FILE& file : selected) {
        request.sources.push_back(file.fullPath);
        const std::string companion = CompanionPath(category, file.fullPath);
        std::error_code error;
        if (!companion.empty() && std::filesystem::exists(companion, error))
            request.sources.push_back(companion);
    }
    operations_.Run(request);
    ui_.pendingEvents.ProcessPendingEvents();
    // Only rows whose file is really gone leave: a declined or failed delete keeps them.
    for (const COPY_FILE& file : selected) {
        std::error_code error;
        if (!std::filesystem::exists(file.fullPath, error))
            lists_.MarkFileEntry(side, file.rowIndex);
    }
    lists_.RemoveMarkedEntries(side);
    ShowListAfresh(side);
}

} // namespace zyntra
