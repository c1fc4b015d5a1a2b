#pragma once

#include "kit/ui_services.h"
#include "personal/personal_engine.h"
#include "personal/record_fields.h"
#include "personal/record_writers.h"
#include "personal/sync_device.h"
#include "tests/support/personal_db_fixture.h"
#include "tests/support/program_folder_fixture.h"
#include "tests/support/ui_doubles.h"

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

struct sqlite3;

namespace zyntra {

// Readable failures for the report's parts.
void PrintTo(const KindCounts& counts, std::ostream* out);
void PrintTo(const FailedFile& failed, std::ostream* out);
void PrintTo(const DifferedRecord& record, std::ostream* out);

} // namespace zyntra

namespace zyntra::test {

// The device side of a run over a temporary folder; the marker is a real file.
class FakeSyncDevice : public SyncDevice {
public:
    std::string InternalRoot() const override { return root; }
    std::string Ident() const override { return ident; }
    std::string IdentOnMedium() const override { return identOnMedium.value_or(ident); }
    void WriteSyncMarker() override;
    void DeleteSyncMarkers() override;

    std::string root;
    std::string ident = "QX740-TEST-0001";
    // What the medium's "_info.dat" names now, when a test swapped the device under a run.
    std::optional<std::string> identOnMedium;
    int markersWritten = 0;
};

// The engine with headless services and a device whose internal memory holds the five
// templates.
class PersonalEngineTest : public ProgramFolderTest {
protected:
    PersonalEngineTest();
    ~PersonalEngineTest() override;

    RunReport Sync(SyncMode mode = SyncMode::KeepBoth,
                   DataSelection selection = DataSelection::All()) {
        return engine_.Synchronize(selection, mode);
    }
    RunReport LoadFromDevice() { return engine_.Load(RunTarget::Device, DataSelection::All()); }
    std::string DevicePath(int slot) const;
    std::vector<std::string> ShownTexts() const;
    bool WasShown(const std::string& text) const;

    RecordLists& Lists() { return engine_.Lists(); }
    ADDRESSBOOK& AddAddress(const std::string& name, const std::string& email = "");
    SCHEDULE& AddSchedule(const std::string& date, const std::string& start,
                          const std::string& content);
    PLANS& AddToDo(const std::string& date, const std::string& content);
    ECUSER& AddECEntry(const std::string& headword, const std::string& type,
                       const std::string& exp);
    CEUSER& AddCEEntry(const std::string& headword, const std::string& type,
                       const std::string& exp);

    HeadlessUiServices ui_;
    TempDir deviceDir_;
    FakeSyncDevice device_;
    PersonalEngine engine_{device_, ui_.messages, ui_.pendingEvents};
};

// A database opened through the program's own layer, with the converter open towards UTF-8,
// for calling a writer directly.
class WriterSession {
public:
    WriterSession(const std::string& path, MessageBox& messages, int syncMode,
                  const char* systemLanguage = "en_US");
    ~WriterSession();
    WriterSession(const WriterSession&) = delete;
    WriterSession& operator=(const WriterSession&) = delete;

    WriterContext& Context() { return context_; }

private:
    sqlite3* db_;
    WriterContext context_;
};

// A dictionary entry as the editor makes it from an ASCII headword: stored as typed, with its
// key.
template <class Entry>
Entry MakeEntry(const std::string& headword, const std::string& type, const std::string& exp) {
    Entry entry;
    entry.hw_name = headword;
    entry.storedHeadword = headword;
    entry.hw_match = HeadwordKey(headword);
    entry.type = type;
    entry.exp = exp;
    return entry;
}

template <class Record> Record& Append(RecordList<Record>& list, Record record) {
    list.push_back(std::make_unique<Record>(std::move(record)));
    return *list.back();
}

} // namespace zyntra::test
