// zyntra-cli copy and delete: content files between the computer and the device, on the engine
// the content page uses.

#include "cli/cli_app.h"
#include "cli/commands.h"
#include "content/content_category.h"
#include "content/file_transfer.h"
#include "content/media_metadata.h"
#include "device/device_link.h"
#include "kit/message_box.h"
#include "platform/file_operation.h"

#include <climits>
#include <filesystem>

namespace zyntra {
namespace {

namespace fs = std::filesystem;

// The engine's message box belongs to the window; here each file's trouble is told on its own
// line instead, naming the file.
class QuietMessages : public MessageBox {
public:
    void Show(const std::string&) override {}
    void ShowCaptioned(const std::string&, const std::string&) override {}
};

std::string Absolute(const std::string& path) {
    std::error_code error;
    fs::path absolute = fs::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

bool IsFile(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool Inside(const std::string& path, const std::string& root) {
    return !root.empty() && path.rfind(root, 0) == 0;
}

bool UsableDevice(CliApp& app) {
    return app.Devices().LastScanUsable() && app.Devices().DeviceCount() == 1;
}

std::optional<ContentCategory> CategoryOfFile(const std::string& path) {
    return CategoryOfExtension(LowerExtension(fs::path(path).filename().string()));
}

std::optional<std::string> CheckCopy(const CommandArgs& args) {
    const bool toDevice = args.Flag("--to-device");
    const bool toComputer = args.HasOption("--to-computer");
    if (toDevice == toComputer)
        return "copy needs either --to-device or --to-computer DIR";
    if (toComputer && args.HasOption("--storage"))
        return "--storage goes with --to-device";
    const std::string storage = args.Option("--storage", "internal");
    if (storage != "internal" && storage != "card")
        return "--storage is internal or card";
    return std::nullopt;
}

std::optional<std::string> CheckDelete(const CommandArgs& args) {
    const std::string side = args.Option("--side", "");
    if (side != "device" && side != "computer")
        return "delete needs --side device or --side computer";
    return std::nullopt;
}

// The file as the engine takes it, or nothing after telling why it cannot go.
std::optional<TransferFile> FileToSend(CliApp& app, const std::string& path, bool toDevice) {
    const std::string absolute = Absolute(path);
    if (!IsFile(absolute)) {
        app.Tell(path + ": no such file");
        return std::nullopt;
    }
    const std::optional<ContentCategory> category = CategoryOfFile(absolute);
    if (!category) {
        app.Tell(path + ": not a content file (its ending belongs to no category)");
        return std::nullopt;
    }
    TransferFile file{absolute, *category, {}, {}};
    if (*category == ContentCategory::Ebook && toDevice) {
        EbookTrailer trailer{};
        if (CheckEbookTrailer(absolute, trailer, app.Devices().CurrentDevice()) != 0) {
            app.Tell(path + ": not an e-book made for this device");
            return std::nullopt;
        }
        file.bookMainClass = TrailerBookMainClass(trailer);
        file.bookSubClass = TrailerBookSubClass(trailer);
    }
    return file;
}

int RunCopy(CliApp& app, const CommandArgs& args) {
    const bool toDevice = args.Flag("--to-device");
    TransferRequest request;
    request.move = args.Flag("--move");
    if (toDevice) {
        if (!UsableDevice(app)) {
            app.Say("SM_CliNoDevice");
            return kExitNoDevice;
        }
        request.device =
            StorageOfCurrentDevice(app.Devices(), args.Option("--storage", "internal") == "card");
        if (request.device.devicePath.empty()) {
            app.Say("SM_CliNoCard");
            return kExitFailed;
        }
    } else {
        request.direction = TransferDirection::ToComputer;
        request.computerFolder = Absolute(args.Option("--to-computer", ""));
    }
    bool allWent = true;
    for (const std::string& path : args.positional) {
        if (std::optional<TransferFile> file = FileToSend(app, path, toDevice))
            request.files.push_back(std::move(*file));
        else
            allWent = false;
    }
    FileOperationPolicy policy;
    policy.onClash = args.Flag("--replace") ? FileOperationPolicy::OnClash::Replace
                                            : FileOperationPolicy::OnClash::Skip;
    HeadlessFileOperation operations(policy);
    QuietMessages messages;
    const TransferReport report = FileTransfer(operations, app.Devices(), messages).Run(request);
    for (const auto& [path, why] : report.problems)
        app.Tell(path + ": " + why);
    for (TransferOutcome outcome : report.outcomes)
        if (outcome != TransferOutcome::Done && outcome != TransferOutcome::Skipped)
            allWent = false;
    // Lyrics that stayed behind, or whose source a move could not remove, fail the run too.
    if (report.companionsFailed > 0)
        allWent = false;
    return allWent ? kExitOk : kExitFailed;
}

// Whether the file may be deleted from that side: device files lie in one of the device's
// storages, computer files outside them.
bool OnSide(CliApp& app, const std::string& absolute, bool deviceSide) {
    const DEV_INFO& device = app.Devices().CurrentDevice();
    const bool onDevice = UsableDevice(app) && (Inside(absolute, device.rootPath[0]) ||
                                                Inside(absolute, device.rootPath[1]));
    return onDevice == deviceSide;
}

int RunDelete(CliApp& app, const CommandArgs& args) {
    const bool deviceSide = args.Option("--side", "") == "device";
    if (deviceSide && !UsableDevice(app)) {
        app.Say("SM_CliNoDevice");
        return kExitNoDevice;
    }
    bool allGone = true;
    std::vector<std::string> files;
    FileOpRequest request;
    request.kind = FileOpKind::Delete;
    request.title = kTransferTitle;
    for (const std::string& path : args.positional) {
        const std::string absolute = Absolute(path);
        if (!IsFile(absolute)) {
            app.Tell(path + ": no such file");
            allGone = false;
        } else if (!OnSide(app, absolute, deviceSide)) {
            app.Tell(path +
                     (deviceSide ? ": not on the device" : ": on the device, not the computer"));
            allGone = false;
        } else if (deviceSide && !CategoryOfFile(absolute)) {
            // The device's own files (its databases, its description) are no content: deleting
            // them would reach a locked device's personal data without its password.
            app.Tell(path + ": not a content file (its ending belongs to no category)");
            allGone = false;
        } else {
            files.push_back(absolute);
            request.sources.push_back(absolute);
            const std::optional<ContentCategory> category = CategoryOfFile(absolute);
            const std::string companion = category ? CompanionPath(*category, absolute) : "";
            if (!companion.empty() && IsFile(companion))
                request.sources.push_back(companion);
        }
    }
    if (!args.Flag("--yes")) {
        for (const std::string& path : request.sources)
            app.Tell("would delete " + path);
        app.Tell("nothing deleted: give --yes to delete these files");
        return kExitFailed;
    }
    const FileOpResult result = HeadlessFileOperation().Run(request);
    for (const FileOpError& error : result.errors)
        app.Tell(error.path + ": " + error.message);
    for (const std::string& file : files)
        if (fs::exists(file))
            allGone = false;
    return allGone ? kExitOk : kExitFailed;
}

} // namespace

Command CopyCommand() {
    return {"copy",
            "--to-device [--storage internal|card] | --to-computer DIR  [--move] [--replace] "
            "FILE...",
            "copy (or with --move, move) content files onto the device or into a folder",
            {"--to-computer", "--storage"},
            1,
            INT_MAX,
            true,
            CheckCopy,
            RunCopy,
            {"--to-device", "--move", "--replace"},
            "--to-device puts each file into its category's folder on the device (an e-book\n"
            "into its class's folder); --to-computer puts device files into DIR. A name already\n"
            "in the target folder is kept unless --replace is given; each file takes its lyrics\n"
            "(.lrc) or subtitles (.srt) along. A file that cannot be taken is named with the\n"
            "reason, the others go on, and the exit code is 1.\n"};
}

Command DeleteCommand() {
    return {"delete",
            "--side device|computer --yes FILE...",
            "delete content files with their lyrics or subtitles; without --yes only say which",
            {"--side"},
            1,
            INT_MAX,
            true,
            CheckDelete,
            RunDelete,
            {"--yes"},
            "Without --yes only says what it would delete, and exits 1.\n"};
}

} // namespace zyntra
