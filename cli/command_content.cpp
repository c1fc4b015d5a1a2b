#include "cli/cli_app.h"
#include "cli/commands.h"
#include "content/content_category.h"
#include "content/device_folders.h"
#include "content/file_lists.h"
#include "device/device_link.h"

#include <filesystem>
#include <nlohmann/json.hpp>

namespace zyntra {
namespace {

// A category is named on the command line as its tool button is, without the "btn".
constexpr std::size_t kButtonPrefixLength = 3;

std::optional<ContentCategory> CategoryNamed(const std::string& name) {
    for (const CategoryInfo& info : kCategories)
        if (name == std::string(info.toolButton).substr(kButtonPrefixLength))
            return info.category;
    return std::nullopt;
}

bool IsDeviceSide(const CommandArgs& args) {
    return args.Option("--side", "device") == "device";
}

bool CompanionExists(ContentCategory category, const FILE_TYPE& entry) {
    const std::string companion = CompanionPath(category, entry.fullPath);
    std::error_code error;
    return !companion.empty() && std::filesystem::is_regular_file(companion, error);
}

// The file names and paths are the file system's bytes; the scan gives titles and artists in
// the interface charset, as the window shows them.
nlohmann::ordered_json EntryJson(const CliApp& app, ContentCategory category,
                                 const FILE_TYPE& entry) {
    const CharsetCodec& codec = app.SystemCodec();
    return {{"fileName", entry.fileName},
            {"title", codec.ToUtf8(entry.title)},
            {"artist", codec.ToUtf8(entry.artist)},
            {"fileType", entry.fileType},
            {"sizeKB", entry.sizeKB},
            {"modified", entry.modified},
            {"fullPath", entry.fullPath},
            {"bookMainClass", entry.bookMainClass},
            {"bookSubClass", entry.bookSubClass},
            {"companion", CompanionExists(category, entry)}};
}

// The category folder of the chosen storage, subfolders included, as the device-side list
// shows it; an exit code when there is no storage to list.
std::optional<int> ScanDevice(CliApp& app, const CommandArgs& args, ContentCategory category,
                              FileLists& lists) {
    DeviceLink& devices = app.Devices();
    if (!devices.LastScanUsable()) {
        devices.DiscoverDevices(true); // says why there is no usable device
        return kExitFailed;
    }
    const DeviceStorageView storage =
        StorageOfCurrentDevice(devices, args.Option("--storage", "internal") == "card");
    if (storage.devicePath.empty()) {
        app.Say("SM_CliNoCard");
        return kExitFailed;
    }
    lists.SetScanContext(devices.CurrentDevice(), app.SystemLanguage());
    if (const std::optional<std::string> folder = CategoryFolder(storage, category))
        lists.ScanFolder(*folder, InfoOf(category).filter, Side::Device, true);
    return std::nullopt;
}

// One folder without its subfolders, as the computer-side list shows it. E-books are matched
// with the device's class codes, or the default ones without a usable device.
void ScanComputer(CliApp& app, const CommandArgs& args, ContentCategory category,
                  FileLists& lists) {
    DeviceLink& devices = app.Devices();
    if (!devices.LastScanUsable())
        devices.UseDefaultContentCodes();
    lists.SetScanContext(devices.CurrentDevice(), app.SystemLanguage());
    std::error_code error;
    std::filesystem::path folder = args.Option("--folder", ".");
    folder = std::filesystem::absolute(folder, error).lexically_normal();
    lists.ScanFolder(folder.string(), InfoOf(category).filter, Side::Computer, false);
}

} // namespace

std::optional<std::string> CheckLs(const CommandArgs& args) {
    if (!CategoryNamed(args.positional[0]))
        return "unknown category " + args.positional[0];
    const std::string side = args.Option("--side", "device");
    if (side != "device" && side != "computer")
        return "--side must be device or computer";
    const std::string storage = args.Option("--storage", "internal");
    if (storage != "internal" && storage != "card")
        return "--storage must be internal or card";
    if (side == "device" && !args.Option("--folder", "").empty())
        return "--folder is for --side computer";
    if (side == "computer" && !args.Option("--storage", "").empty())
        return "--storage is for --side device";
    return std::nullopt;
}

int RunLs(CliApp& app, const CommandArgs& args) {
    const ContentCategory category = *CategoryNamed(args.positional[0]);
    FileLists lists;
    const Side side = IsDeviceSide(args) ? Side::Device : Side::Computer;
    if (side == Side::Device) {
        if (std::optional<int> stopped = ScanDevice(app, args, category, lists))
            return *stopped;
    } else {
        ScanComputer(app, args, category, lists);
    }
    nlohmann::ordered_json files = nlohmann::ordered_json::array();
    for (const FILE_TYPE& entry : lists.List(side, category))
        files.push_back(EntryJson(app, category, entry));
    std::fprintf(app.Out(), "%s\n",
                 files.dump(2, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
    return kExitOk;
}

} // namespace zyntra
