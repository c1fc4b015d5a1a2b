#include "platform/file_operation.h"

#include "platform/file_copy.h"
#include "platform/file_faults.h"
#include "platform/file_identity.h"
#include "platform/volumes.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace zyntra {
namespace {

namespace fs = std::filesystem;

std::string BaseName(const std::string& path) {
    return fs::path(path).filename().string();
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The free space the target folder will have, asked of the nearest folder
// that already exists.
std::optional<std::uint64_t> FreeSpaceFor(const std::string& folder) {
    return FreeSpaceAt(NearestExistingFolder(folder));
}

std::optional<std::uint64_t> RegularFileSize(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return static_cast<std::uint64_t>(status.st_size);
}

std::string FolderOf(const std::string& path) {
    fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? "." : parent.string();
}

class Transfer {
public:
    Transfer(const FileOpRequest& request, FileOperationUi& ui) : request_(request), ui_(ui) {}

    FileOpResult Run() {
        if (!Prepare())
            return result_;
        for (std::size_t i = 0; i < request_.sources.size() && !result_.aborted; ++i) {
            if (!ui_.Progress(i, 0, 0)) {
                result_.aborted = true;
                break;
            }
            TransferOne(i, request_.sources[i]);
        }
        if (result_.done > 0)
            Flush();
        return result_;
    }

private:
    bool Refuse(const std::string& path, std::string message) {
        result_.errors.push_back({path, std::move(message)});
        result_.aborted = true;
        ui_.Refused(result_.errors.back());
        return false;
    }

    // Files the target cannot hold are refused one by one later and take no room.
    std::uint64_t SizeNeeded() const {
        std::uint64_t total = 0;
        for (const auto& source : request_.sources)
            if (auto size = RegularFileSize(source);
                size && !RefusalFor(fileSystem_, BaseName(source), *size))
                total += *size;
        return total;
    }

    bool Prepare() {
        const std::string& folder = request_.targetFolder;
        if (folder.empty())
            return Refuse(folder, "no target folder");
        fileSystem_ = request_.fileSystemOf ? request_.fileSystemOf(folder) : FileSystemOf(folder);
        std::uint64_t needed = SizeNeeded();
        std::optional<std::uint64_t> free = FreeSpaceFor(folder);
        if (free && needed > *free)
            return Refuse(folder, "not enough free space: " + std::to_string(needed) +
                                      " bytes needed, " + std::to_string(*free) + " free");
        std::error_code error;
        fs::create_directories(folder, error);
        if (!fs::is_directory(folder, error))
            return Refuse(folder, "the target is not a folder");
        targetFolder_ = FileIdentityOf(folder);
        return true;
    }

    // Another medium mounted where the target was gives its path another folder: nothing more
    // goes there. A folder that is gone fails each file on its own, as any write would.
    bool TargetFolderStillThere() {
        const std::optional<FileIdentity> now = FileIdentityOf(request_.targetFolder);
        if (!now || !targetFolder_ ||
            (now->device == targetFolder_->device && now->inode == targetFolder_->inode))
            return true;
        return Refuse(request_.targetFolder, "the target folder is no longer the one chosen: "
                                             "was the device taken out or changed?");
    }

    void Fail(const std::string& path, std::string message) {
        result_.errors.push_back({path, std::move(message)});
        if (ui_.AskError(result_.errors.back()) == ErrorAnswer::Cancel)
            result_.aborted = true;
    }

    void Flush() {
        std::vector<std::string> folders{request_.targetFolder};
        if (request_.kind == FileOpKind::Move)
            for (const auto& source : request_.sources)
                folders.push_back(FolderOf(source));
        ui_.FinishingWrites();
        FlushFolders(folders, [this] { ui_.StillFinishing(); });
    }

    // Whether to go on with the file; answers "for all" are kept.
    bool SettleClash(const std::string& source, const std::string& target) {
        ClashAnswer answer = standing_ ? *standing_ : ui_.AskClash(source, target);
        if (answer == ClashAnswer::ReplaceAll || answer == ClashAnswer::SkipAll)
            standing_ = answer;
        if (answer == ClashAnswer::Cancel)
            result_.aborted = true;
        else if (answer == ClashAnswer::Skip || answer == ClashAnswer::SkipAll)
            ++result_.skipped;
        return answer == ClashAnswer::Replace || answer == ClashAnswer::ReplaceAll;
    }

    void TransferOne(std::size_t index, const std::string& source) {
        if (!TargetFolderStillThere())
            return;
        struct stat from {};
        if (stat(source.c_str(), &from) != 0)
            return Fail(source, std::string("cannot find the file: ") + std::strerror(errno));
        if (!S_ISREG(from.st_mode))
            return Fail(source, "not a file; folders are not copied");
        if (auto refusal =
                RefusalFor(fileSystem_, BaseName(source), static_cast<std::uint64_t>(from.st_size)))
            return Fail(source, *refusal);
        std::string target = (fs::path(request_.targetFolder) / BaseName(source)).string();
        struct stat to {};
        if (stat(target.c_str(), &to) == 0) {
            if (SameFile(from, to))
                return Fail(source, "the source and the target are the same file");
            if (S_ISDIR(to.st_mode))
                return Fail(target, "a folder of that name is in the way");
            if (!SettleClash(source, target))
                return;
        }
        CopyResult copy =
            CopyFileAtomically(source, target, true, [&](std::uint64_t done, std::uint64_t total) {
                return ui_.Progress(index, done, total);
            });
        if (copy.outcome == CopyOutcome::Cancelled) {
            result_.aborted = true;
            return;
        }
        if (!copy.Copied())
            return Fail(source, copy.error);
        if (request_.kind == FileOpKind::Move && FaultableUnlink(source) != 0)
            return Fail(source,
                        std::string("copied, but the source stays: ") + std::strerror(errno));
        ++result_.done;
    }

    const FileOpRequest& request_;
    FileOperationUi& ui_;
    FileOpResult result_;
    std::optional<ClashAnswer> standing_;
    std::optional<FileIdentity> targetFolder_; // as it was when the operation started
    FileSystemKind fileSystem_ = FileSystemKind::Unrestricted;
};

// Why the file is still there; nothing once it is gone.
std::optional<std::string> DeleteOne(const std::string& path) {
    struct stat status {};
    if (lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode))
        return "not a file; folders are not deleted";
    if (FaultableUnlink(path) != 0)
        return std::string("cannot delete: ") + std::strerror(errno);
    return std::nullopt;
}

FileOpResult RunDelete(const FileOpRequest& request, FileOperationUi& ui) {
    FileOpResult result;
    if (request.sources.empty())
        return result;
    if (!ui.ConfirmDelete(request.sources)) {
        result.aborted = true;
        return result;
    }
    std::vector<std::string> folders;
    for (std::size_t i = 0; i < request.sources.size() && !result.aborted; ++i) {
        if (!ui.Progress(i, 0, 0)) {
            result.aborted = true;
            break;
        }
        const std::string& path = request.sources[i];
        if (auto error = DeleteOne(path)) {
            result.errors.push_back({path, *error});
            result.aborted = ui.AskError(result.errors.back()) == ErrorAnswer::Cancel;
        } else {
            ++result.done;
            folders.push_back(FolderOf(path));
        }
    }
    if (!folders.empty()) {
        ui.FinishingWrites();
        FlushFolders(folders, [&ui] { ui.StillFinishing(); });
    }
    return result;
}

class PolicyUi : public FileOperationUi {
public:
    explicit PolicyUi(const FileOperationPolicy& policy) : policy_(policy) {}

    ClashAnswer AskClash(const std::string&, const std::string&) override {
        return policy_.onClash == FileOperationPolicy::OnClash::Replace ? ClashAnswer::ReplaceAll
                                                                        : ClashAnswer::SkipAll;
    }
    bool ConfirmDelete(const std::vector<std::string>&) override { return policy_.confirmDeletes; }
    bool Progress(std::size_t fileIndex, std::uint64_t, std::uint64_t) override {
        return !policy_.cancelAfterFiles || fileIndex < *policy_.cancelAfterFiles;
    }
    ErrorAnswer AskError(const FileOpError&) override {
        return policy_.cancelOnError ? ErrorAnswer::Cancel : ErrorAnswer::Skip;
    }

private:
    const FileOperationPolicy& policy_;
};

} // namespace

FileOpResult RunFileOperation(const FileOpRequest& request, FileOperationUi& ui) {
    if (request.kind == FileOpKind::Delete)
        return RunDelete(request, ui);
    if (request.sources.empty())
        return {};
    return Transfer(request, ui).Run();
}

FileOpResult HeadlessFileOperation::Run(const FileOpRequest& request) {
    PolicyUi ui(policy_);
    return RunFileOperation(request, ui);
}

} // namespace zyntra
