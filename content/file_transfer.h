#pragma once

#include "content/content_category.h"
#include "content/device_folders.h"
#include "content/file_entry.h"

#include <string>
#include <vector>

namespace zyntra {

class DeviceLink;
class FileOperation;
class MessageBox;

enum class TransferDirection { ToDevice, ToComputer };

// One file to send: its path and category; an e-book carries its class codes, which choose its
// folder on the device.
struct TransferFile {
    std::string path;
    ContentCategory category = ContentCategory::Ebook;
    std::string bookMainClass;
    std::string bookSubClass;

    static TransferFile From(const FILE_TYPE& entry, ContentCategory category);
};

struct TransferRequest {
    TransferDirection direction = TransferDirection::ToDevice;
    bool move = false;
    std::vector<TransferFile> files;
    DeviceStorageView device;   // the target of a transfer to the device
    std::string computerFolder; // the target of a transfer to the computer
};

enum class TransferOutcome {
    Done,       // the file is in its target folder (and, for a move, gone from where it was)
    Refused,    // no folder to put it in: an e-book of a class the device does not know
    Skipped,    // a file of its name was already there and was kept
    Failed,     // the file operation reported an error for it
    NotReached, // the operation stopped (cancelled) before it
};

struct TransferReport {
    std::vector<TransferOutcome> outcomes; // one per file, in the request's order
    // What went wrong, for the files that were not done: its path and why.
    std::vector<std::pair<std::string, std::string>> problems;
    // Companions (lyrics, subtitles) that did not go along, though their file may have.
    int companionsFailed = 0;

    // Every file and every companion went through.
    bool AllDone() const;
};

// Copies or moves content files between the computer and the device for both front ends. The
// sync marker stands on the device for the whole run, whatever fails. Each file takes its
// companion (lyrics, subtitles) along when there is one. Consecutive files bound for one folder
// go to the file operation as one request, so the user sees one progress and one set of
// questions. What happened to each file is read back from the disk, not from the operation's
// counts.
class FileTransfer {
public:
    FileTransfer(FileOperation& operations, DeviceLink& devices, MessageBox& messages);

    TransferReport Run(const TransferRequest& request);

    // The folder the file goes to, ending in '/'; "" when it has none.
    static std::string TargetFolder(const TransferRequest& request, const TransferFile& file);

private:
    struct Group;

    void RunGroup(const TransferRequest& request, const Group& group, TransferReport& report);

    FileOperation& operations_;
    DeviceLink& devices_;
    MessageBox& messages_;
};

// The title of the progress display of every content file operation.
inline constexpr const char* kTransferTitle = "Zyntra";

} // namespace zyntra
