#pragma once

#include "platform/target_file_system.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zyntra {

enum class FileOpKind { Copy, Move, Delete };

// Copy and move put each source file into targetFolder under its own name,
// making the folder (with its parents) when it is missing; folders are not
// descended into. Delete removes the files for good.
struct FileOpRequest {
    FileOpKind kind = FileOpKind::Copy;
    std::vector<std::string> sources;
    std::string targetFolder; // copy and move only
    std::string title;        // of the progress display
    // Which file system the target folder is on; empty asks the system (FileSystemOf).
    FileSystemLookup fileSystemOf;
};

struct FileOpError {
    std::string path;
    std::string message;

    bool operator==(const FileOpError&) const = default;
};

struct FileOpResult {
    std::vector<FileOpError> errors;
    // The operation stopped before the end of the list: cancelled, a delete
    // not confirmed, or refused before it started (not enough space, the
    // target not a folder).
    bool aborted = false;
    std::size_t done = 0;    // files copied, moved or deleted
    std::size_t skipped = 0; // name clashes answered with Skip
};

enum class ClashAnswer { Replace, Skip, ReplaceAll, SkipAll, Cancel };

enum class ErrorAnswer { Skip, Cancel };

// The questions a file operation asks and the progress it shows: the window
// answers with dialogs, the headless operation from its policy.
class FileOperationUi {
public:
    virtual ~FileOperationUi() = default;

    // A file of the source's name is already in the target folder.
    virtual ClashAnswer AskClash(const std::string& source, const std::string& target) = 0;

    virtual bool ConfirmDelete(const std::vector<std::string>& paths) = 0;

    // Before file fileIndex starts (done 0) and while it is copied; returning
    // false cancels. A cancelled file is left as it was.
    virtual bool Progress(std::size_t fileIndex, std::uint64_t done, std::uint64_t total) = 0;

    // One file could not be dealt with; Skip goes on with the next.
    virtual ErrorAnswer AskError(const FileOpError& error) = 0;

    // Nothing was done at all, or nothing more once another medium stood in the target
    // folder's place: the error says why (no room, no folder, another folder).
    virtual void Refused(const FileOpError& error) { (void)error; }

    // After the last file, before the written data is flushed to the medium; StillFinishing is
    // called every few hundredths of a second while the flush goes on. Nothing can be
    // cancelled any more.
    virtual void FinishingWrites() {}
    virtual void StillFinishing() {}
};

// The engine every file operation runs. It refuses a copy or move that does
// not fit into the free space of the target, and, before writing it, a file
// whose name or size the target's file system cannot hold. It copies each
// file atomically (CopyFileAtomically) and deletes a moved file's source only
// once its copy is complete, so that a failed or cancelled file stays where it
// was. Errors are collected per file and, unless the answer is Cancel, the
// rest of the list goes on. Whatever was written or deleted is flushed to the
// medium before it returns.
FileOpResult RunFileOperation(const FileOpRequest& request, FileOperationUi& ui);

// The shell file operation.
class FileOperation {
public:
    virtual ~FileOperation() = default;
    virtual FileOpResult Run(const FileOpRequest& request) = 0;
};

struct FileOperationPolicy {
    enum class OnClash { Replace, Skip };
    OnClash onClash = OnClash::Skip; // for every clash
    bool confirmDeletes = true;      // the answer to "delete these files?"
    // Cancel once this many files have been dealt with.
    std::optional<std::size_t> cancelAfterFiles;
    bool cancelOnError = false; // the answer to a file's error; Skip otherwise
};

// Answers from a policy: for the command line and the tests.
class HeadlessFileOperation : public FileOperation {
public:
    explicit HeadlessFileOperation(FileOperationPolicy policy = {}) : policy_(policy) {}
    FileOpResult Run(const FileOpRequest& request) override;

private:
    FileOperationPolicy policy_;
};

} // namespace zyntra
