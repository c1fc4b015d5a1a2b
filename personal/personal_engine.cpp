#include "personal/personal_engine.h"

#include "kit/message_box.h"
#include "personal/record_loaders.h"
#include "personal/run_targets.h"
#include "personal/writer_support.h"
#include "storage/db.h"
#include "storage/text_conv.h"
#include "texts/charset_converter.h"
#include "texts/lang_text.h"

#include <array>
#include <optional>

namespace zyntra {
namespace {

// The three databases a load reads, each closed by the end of the load. Each is read in one
// read transaction: the loaders' many small queries then take the file's lock once, and
// nothing is ever written to it.
class LoadedDatabases {
public:
    LoadedDatabases(RunTarget from, const std::string& root) {
        for (int slot = 1; slot <= 3; ++slot) {
            databases_[slot - 1] = OpenExistingDatabase(TargetPath(from, root, slot));
            if (databases_[slot - 1] != nullptr)
                RunQuietly(databases_[slot - 1], "BEGIN;");
        }
    }
    ~LoadedDatabases() {
        for (int slot = 1; slot <= 3; ++slot)
            Close(slot);
    }
    LoadedDatabases(const LoadedDatabases&) = delete;
    LoadedDatabases& operator=(const LoadedDatabases&) = delete;

    sqlite3* Slot(int slot) const { return databases_[slot - 1]; }
    void Close(int slot) {
        if (databases_[slot - 1] != nullptr)
            RunQuietly(databases_[slot - 1], "COMMIT;");
        db_close(databases_[slot - 1]);
        databases_[slot - 1] = nullptr;
    }

private:
    std::array<sqlite3*, 3> databases_{};
};

} // namespace

PersonalEngine::PersonalEngine(SyncDevice& device, MessageBox& lowLevelMessages,
                               PendingEvents& events)
    : device_(device), messages_(lowLevelMessages), events_(events) {}

void PersonalEngine::SetWeekdayNames(std::function<std::string(int)> names) {
    weekdayNames_ = std::move(names);
}

RunReport PersonalEngine::Refused() const {
    RunReport report;
    report.busy = Running();
    report.noDevice = !report.busy;
    report.copiesSucceeded = false;
    report.restoredAnything = false;
    return report;
}

void PersonalEngine::ShowFailedFile(const std::string& message, FailedFile failed,
                                    RunReport& report) {
    messages_.Show(message);
    report.failedFiles.push_back(std::move(failed));
}

RunReport PersonalEngine::Load(RunTarget from, DataSelection selection) {
    if (Running() || (from == RunTarget::Device && !DeviceConnected()))
        return Refused();
    RunScope run(runDepth_);
    RunReport report;
    LoadInto(from, selection, report);
    return report;
}

void PersonalEngine::LoadInto(RunTarget from, DataSelection selection, RunReport& report) {
    const std::string root = from == RunTarget::Device ? device_.InternalRoot() : std::string();
    if (from == RunTarget::Device && root.empty()) {
        report.noDevice = true;
        return;
    }
    LoadedDatabases databases(from, root);
    auto failed = [&](int slot) {
        const std::string shown = ShownName(from, slot);
        ShowFailedFile("open file=" + shown + " failed\n", {shown, FileFailure::NotOpened}, report);
    };
    if (databases.Slot(1) == nullptr) {
        failed(1);
        return;
    }
    // A handler run by pending events may change the charset; this load keeps its own.
    const std::string charset = charset_;
    conv_open("UTF-8", charset.c_str());
    std::vector<ReadOnlyEntry> readOnly;
    LoadContext context{.db = databases.Slot(1),
                        .messages = messages_,
                        .pendingEvents = events_,
                        .interfaceCharset = charset.c_str(),
                        .readOnlyRecords = readOnly,
                        .weekdayName = weekdayNames_,
                        .classNoFormat = LangText("SM_ClassNo")};
    using Loader = void (*)(LoadContext&, RecordLists&);
    const Loader slot1Loaders[] = {LoadAddressBook, LoadSchedule, LoadToDo, LoadClassTable};
    for (RecordKind kind :
         {RecordKind::AddressBook, RecordKind::Schedule, RecordKind::ToDo, RecordKind::ClassTable})
        if (selection.Includes(kind))
            slot1Loaders[static_cast<int>(kind)](context, lists_);
    databases.Close(1);
    if (selection.Includes(RecordKind::ECUser)) {
        const Loader dictionaryLoaders[] = {LoadECUser, LoadCEUser};
        for (int slot : {2, 3}) {
            context.db = databases.Slot(slot);
            if (context.db == nullptr)
                failed(slot);
            else
                dictionaryLoaders[slot - 2](context, lists_);
        }
    }
    conv_close();
    report.unreadableRows += context.unreadableRows;
    for (const ReadOnlyEntry& entry : readOnly)
        report.readOnlyRecords.push_back(entry.row);
    ShowReadOnlyNote(readOnly, charset);
}

void PersonalEngine::ShowReadOnlyNote(const std::vector<ReadOnlyEntry>& entries,
                                      const std::string& charset) {
    const std::vector<const ReadOnlyEntry*> unnamed = readOnlyNote_.TakeUnnamed(entries);
    if (unnamed.empty())
        return;
    std::optional<CharsetConverter> toMessages;
    if (!messageCharset_.empty() && messageCharset_ != charset)
        toMessages.emplace(messageCharset_, charset);
    messages_.Show(ReadOnlyNoteText(unnamed, [&](const std::string& name) {
        return toMessages ? toMessages->ConvertLenient(name) : name;
    }));
}

} // namespace zyntra
