#pragma once

#include "kit/controls.h"
#include "personal/personal_data.h"
#include "personal/record_fields.h"
#include "personal/record_writers.h"
#include "personal/sync_device.h"
#include "tests/support/personal_db_fixture.h"
#include "tests/support/program_folder_fixture.h"

#include <deque>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

struct sqlite3;

namespace zyntra::test {

// The device side of a run over a temporary folder: its password is compared with typed ones
// queued ahead, the marker is a real file.
class FakeSyncDevice : public SyncDevice {
public:
    explicit FakeSyncDevice(MessageBox& messages) : messages_(messages) {}

    std::string InternalRoot() const override { return root; }
    bool Locked() const override { return locked; }
    bool CheckPassword(int mode) override;
    void WriteSyncMarker() override;
    void DeleteSyncMarkers() override;

    std::string root;
    bool locked = false;
    std::string password;
    std::deque<std::string> typed; // "" stands for Cancel
    int passwordChecks = 0;
    int markersWritten = 0;

private:
    MessageBox& messages_;
};

// The personal data on the main window's controls, without peers, with a device whose
// internal memory holds the five templates. All kinds are checked and rbSync3 is chosen, as
// at start-up.
class PersonalDataTest : public ProgramFolderTest {
protected:
    PersonalDataTest();
    ~PersonalDataTest() override;

    // Mode 0, 1, 2 = rbSync1, rbSync2, rbSync3.
    void ChooseMode(int mode);
    void SelectOnly(std::initializer_list<RecordKind> kinds);
    std::string DevicePath(int slot) const;
    std::vector<std::string> ShownTexts() const;
    bool WasShown(const std::string& text) const;

    RecordLists& Lists() { return data_->Lists(); }
    ADDRESSBOOK& AddAddress(const std::string& name, const std::string& email = "");
    SCHEDULE& AddSchedule(const std::string& date, const std::string& start,
                          const std::string& content);
    PLANS& AddToDo(const std::string& date, const std::string& content);
    ECUSER& AddECEntry(const std::string& headword, const std::string& type,
                       const std::string& exp);
    CEUSER& AddCEEntry(const std::string& headword, const std::string& type,
                       const std::string& exp);

    HeadlessUiServices ui_;
    ControlSet controls_;
    TempDir deviceDir_;
    FakeSyncDevice device_{ui_.messages};
    std::unique_ptr<PersonalData> data_;
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
