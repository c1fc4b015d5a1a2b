#include "personal/personal_data.h"

#include "texts/lang_text.h"
#include "kit/controls.h"
#include "storage/database_files.h"
#include "personal/record_loaders.h"
#include "personal/sync_device.h"
#include "storage/db.h"
#include "storage/text_conv.h"

#include <array>
#include <filesystem>
#include <functional>

namespace zyntra {
namespace {

constexpr std::size_t kReadOnlyRecordsShown = 20;

// The three databases a load reads, each closed by the end of the load.
class LoadedDatabases {
public:
    explicit LoadedDatabases(const std::function<std::string(int)>& path) {
        for (int slot = 1; slot <= 3; ++slot)
            databases_[slot - 1] = OpenExistingDatabase(path(slot));
    }
    ~LoadedDatabases() {
        for (int slot = 1; slot <= 3; ++slot)
            Close(slot);
    }
    LoadedDatabases(const LoadedDatabases&) = delete;
    LoadedDatabases& operator=(const LoadedDatabases&) = delete;

    sqlite3* Slot(int slot) const { return databases_[slot - 1]; }
    void Close(int slot) {
        db_close(databases_[slot - 1]);
        databases_[slot - 1] = nullptr;
    }

private:
    std::array<sqlite3*, 3> databases_{};
};

std::string ReadOnlyMessage(const std::vector<std::string>& records) {
    std::string text = "* read-only, texts not converted whole: ";
    for (std::size_t i = 0; i < records.size() && i < kReadOnlyRecordsShown; ++i)
        text += (i == 0 ? "" : ", ") + records[i];
    if (records.size() > kReadOnlyRecordsShown)
        text += ", ... (" + std::to_string(records.size()) + " records)";
    return text + ".\n";
}

} // namespace

SyncPageControls SyncPageControls::From(const ControlSet& controls) {
    return {controls.Get<CheckList>("clbSyncData"),
            controls.Get<RadioButton>("rbSync1"),
            controls.Get<RadioButton>("rbSync2"),
            controls.Get<RadioButton>("rbSync3"),
            controls.Get<SpeedButton>("sbSync"),
            controls.Get<SpeedButton>("sbBackup"),
            controls.Get<SpeedButton>("sbRestore"),
            controls.Get<PageControl>("pgcDataSet"),
            controls.Get<Control>("tabSyncSet"),
            {&controls.Get<ToolButton>("tbAddrSync"), &controls.Get<ToolButton>("tbScheSync"),
             &controls.Get<ToolButton>("tbToDoSync"), &controls.Get<ToolButton>("tbClassSync"),
             &controls.Get<ToolButton>("tbUserSync")}};
}

PersonalData::RunScope::RunScope(PersonalData& data) : data_(data) {
    if (data_.runDepth_++ == 0) {
        data_.pageWasEnabled_ = data_.controls_.tabSyncSet.Enabled();
        data_.controls_.tabSyncSet.SetEnabled(false);
    }
}

PersonalData::RunScope::~RunScope() {
    if (--data_.runDepth_ == 0)
        data_.controls_.tabSyncSet.SetEnabled(data_.pageWasEnabled_);
}

PersonalData::PersonalData(UiServices ui, SyncDevice& device, SyncPageControls controls)
    : ui_(ui), device_(device), controls_(controls) {}

void PersonalData::SetWeekdayNames(std::function<std::string(int)> names) {
    weekdayNames_ = std::move(names);
}

void PersonalData::SetStatusRecordCountSink(std::function<void(int)> sink) {
    recordCountSink_ = std::move(sink);
}

void PersonalData::AttachHandlers() {
    controls_.sbSync.OnClick = [this] { sbSyncClick(); };
    controls_.sbBackup.OnClick = [this] { sbBackupClick(); };
    controls_.sbRestore.OnClick = [this] { sbRestoreClick(); };
    for (ToolButton* button : controls_.pageSyncButtons)
        button->OnClick = [this] { ShowSyncPage(); };
}

DataSelection PersonalData::Selection() const {
    DataSelection selection{};
    for (int item = 0; item < kSelectionItemCount; ++item)
        selection.items[item] = controls_.clbSyncData.Checked(item);
    return selection;
}

bool PersonalData::Includes(RecordKind kind, bool workingCopies) const {
    return workingCopies || controls_.clbSyncData.Checked(SelectionItemOf(kind));
}

int PersonalData::ModeFromButtons() const {
    if (controls_.rbSync1.Checked())
        return 0;
    return controls_.rbSync2.Checked() ? 1 : 2;
}

void PersonalData::ShowSyncPage() {
    controls_.pgcDataSet.SetActivePageIndex(1);
    if (recordCountSink_)
        recordCountSink_(0);
}

void PersonalData::LoadPersonalData(bool fromWorkingCopies) {
    const std::string root = device_.InternalRoot();
    if (!fromWorkingCopies && root.empty())
        return;
    RunScope run(*this);
    LoadedDatabases databases([&](int slot) {
        return fromWorkingCopies ? WorkingCopyPath(slot) : DeviceDatabasePath(root, slot);
    });
    auto failed = [&](int slot) {
        ui_.messages.Show(std::string("open file=") +
                          (fromWorkingCopies ? "backup/" : "Secretary/") +
                          GetDatabaseSlot(slot).deviceFileName + " failed\n");
    };
    if (databases.Slot(1) == nullptr) {
        failed(1);
        return;
    }
    const char* charset = InterfaceCharset(systemLanguage_);
    conv_open("UTF-8", charset);
    std::vector<std::string> readOnly;
    LoadContext context{databases.Slot(1), ui_.messages,  ui_.pendingEvents,     charset,
                        readOnly,          weekdayNames_, LangText("SM_ClassNo")};
    using Loader = void (*)(LoadContext&, RecordLists&);
    const Loader slot1Loaders[] = {LoadAddressBook, LoadSchedule, LoadToDo, LoadClassTable};
    for (RecordKind kind : {RecordKind::AddressBook, RecordKind::Schedule, RecordKind::ToDo,
                            RecordKind::ClassTable})
        if (Includes(kind, fromWorkingCopies))
            slot1Loaders[static_cast<int>(kind)](context, lists_);
    databases.Close(1);
    if (Includes(RecordKind::ECUser, fromWorkingCopies)) {
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
    if (!readOnly.empty())
        ui_.messages.Show(ReadOnlyMessage(readOnly));
}

} // namespace zyntra
