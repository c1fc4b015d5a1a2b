#include "content/file_transfer.h"

#include "device/device_link.h"
#include "kit/message_box.h"
#include "platform/file_operation.h"
#include "texts/lang_text.h"

#include <filesystem>
#include <optional>
#include <sys/stat.h>

namespace zyntra {
namespace {

namespace fs = std::filesystem;

// Enough of a file's identity to tell whether the operation put a new file under its name: a
// copy lands under a temporary name and is renamed into place, so a replaced file is another
// inode.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;

    bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> IdentityOf(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return FileIdentity{status.st_dev, status.st_ino};
}

bool Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(path, error);
}

std::string TargetPath(const std::string& folder, const std::string& source) {
    return folder + fs::path(source).filename().string();
}

const FileOpError* ErrorAbout(const FileOpResult& result, const std::string& a,
                              const std::string& b) {
    for (const FileOpError& error : result.errors)
        if (error.path == a || error.path == b)
            return &error;
    return nullptr;
}

// What the disk shows of one file after its operation ran.
struct Landing {
    bool arrived = false; // a new file stands under its name in the target folder
    bool sourceGone = false;
    bool clashed = false; // a file of its name stood there before
    const FileOpError* error = nullptr;
};

// A file not reached when the operation stopped looks like a skipped one: untouched, with a
// file of its name in the target.
TransferOutcome Classify(const Landing& landing, bool move, bool maybeNotReached) {
    if (landing.arrived && (!move || landing.sourceGone))
        return TransferOutcome::Done;
    if (landing.error != nullptr)
        return TransferOutcome::Failed;
    if (maybeNotReached)
        return TransferOutcome::NotReached;
    return landing.clashed ? TransferOutcome::Skipped : TransferOutcome::Failed;
}

std::string ProblemText(TransferOutcome outcome, const FileOpError* error) {
    if (error != nullptr)
        return error->message;
    switch (outcome) {
    case TransferOutcome::NotReached:
        return "not reached: the operation stopped before it";
    case TransferOutcome::Skipped:
        return "a file of that name is already there; kept it";
    default:
        return "it did not arrive";
    }
}

} // namespace

TransferFile TransferFile::From(const FILE_TYPE& entry, ContentCategory category) {
    return {entry.fullPath, category, entry.bookMainClass, entry.bookSubClass};
}

bool TransferReport::AllDone() const {
    if (companionsFailed > 0)
        return false;
    for (TransferOutcome outcome : outcomes)
        if (outcome != TransferOutcome::Done)
            return false;
    return true;
}

struct FileTransfer::Group {
    std::string folder;
    std::vector<std::size_t> files; // indexes into the request's files
};

FileTransfer::FileTransfer(FileOperation& operations, DeviceLink& devices, MessageBox& messages)
    : operations_(operations), devices_(devices), messages_(messages) {}

std::string FileTransfer::TargetFolder(const TransferRequest& request, const TransferFile& file) {
    if (request.direction == TransferDirection::ToComputer) {
        // A computer folder that is not absolute would land relative to wherever we run.
        std::string folder = request.computerFolder;
        if (folder.empty() || folder.front() != '/')
            return {};
        if (folder.back() != '/')
            folder.push_back('/');
        return folder;
    }
    FILE_TYPE entry;
    entry.bookMainClass = file.bookMainClass;
    entry.bookSubClass = file.bookSubClass;
    return DeviceTargetFolder(request.device, file.category, entry).value_or("");
}

TransferReport FileTransfer::Run(const TransferRequest& request) {
    TransferReport report;
    report.outcomes.assign(request.files.size(), TransferOutcome::NotReached);
    devices_.WriteSyncMarker();
    Group group;
    auto flush = [&] {
        if (!group.files.empty())
            RunGroup(request, group, report);
        group = {};
    };
    for (std::size_t i = 0; i < request.files.size(); ++i) {
        const std::string folder = TargetFolder(request, request.files[i]);
        if (folder.empty()) {
            flush();
            // This book alone stays behind; the ones after it still go.
            messages_.Show(LangText("SM_FileError"));
            report.outcomes[i] = TransferOutcome::Refused;
            report.problems.emplace_back(request.files[i].path, "no folder on the device for it");
            continue;
        }
        if (folder != group.folder)
            flush();
        group.folder = folder;
        group.files.push_back(i);
    }
    flush();
    devices_.DeleteSyncMarkers();
    return report;
}

void FileTransfer::RunGroup(const TransferRequest& request, const Group& group,
                            TransferReport& report) {
    FileOpRequest operation;
    operation.kind = request.move ? FileOpKind::Move : FileOpKind::Copy;
    operation.targetFolder = group.folder;
    operation.title = kTransferTitle;
    std::vector<std::optional<FileIdentity>> before;
    for (std::size_t index : group.files) {
        const TransferFile& file = request.files[index];
        operation.sources.push_back(file.path);
        before.push_back(IdentityOf(TargetPath(group.folder, file.path)));
        const std::string companion = CompanionPath(file.category, file.path);
        if (!companion.empty() && Exists(companion))
            operation.sources.push_back(companion);
    }
    const FileOpResult result = operations_.Run(operation);

    std::vector<Landing> landings;
    std::size_t reached = 0; // files before this one were surely dealt with
    for (std::size_t k = 0; k < group.files.size(); ++k) {
        const std::string& source = request.files[group.files[k]].path;
        const std::string target = TargetPath(group.folder, source);
        const std::optional<FileIdentity> now = IdentityOf(target);
        Landing landing{now && (!before[k] || *before[k] != *now), !Exists(source),
                        before[k].has_value(), ErrorAbout(result, source, target)};
        if (landing.arrived || landing.error != nullptr)
            reached = k + 1;
        landings.push_back(landing);
    }
    // Refused before it started: not enough space, or the target is no folder.
    const FileOpError* refusal = result.aborted ? ErrorAbout(result, group.folder, "") : nullptr;
    for (std::size_t k = 0; k < group.files.size(); ++k) {
        Landing& landing = landings[k];
        if (landing.error == nullptr)
            landing.error = refusal;
        const TransferOutcome outcome =
            Classify(landing, request.move, result.aborted && k >= reached);
        report.outcomes[group.files[k]] = outcome;
        if (outcome != TransferOutcome::Done)
            report.problems.emplace_back(request.files[group.files[k]].path,
                                         ProblemText(outcome, landing.error));
    }
    // A companion's own trouble is worth telling even when its file went through; the error
    // names its source, or its target when something stood in the way there.
    for (const FileOpError& error : result.errors)
        for (std::size_t index : group.files) {
            const TransferFile& file = request.files[index];
            const std::string companion = CompanionPath(file.category, file.path);
            if (companion.empty() ||
                (error.path != companion && error.path != TargetPath(group.folder, companion)))
                continue;
            report.problems.emplace_back(error.path, error.message);
            ++report.companionsFailed;
        }
}

} // namespace zyntra
