#include "tests/personal/engine_fixture.h"

#include "storage/database_copy.h"
#include "storage/database_files.h"
#include "storage/db.h"
#include "storage/text_conv.h"
#include "tests/support/ui_doubles.h"
#include "texts/lang_text.h"

#include <filesystem>

namespace zyntra {

void PrintTo(const KindCounts& c, std::ostream* out) {
    *out << "{added " << c.added << ", updated " << c.updated << ", keptTwice " << c.keptTwice
         << ", leftAlone " << c.leftAlone << ", skippedEqual " << c.skippedEqual << "}";
}

void PrintTo(const FailedFile& failed, std::ostream* out) {
    *out << "{" << failed.file << ": failure " << static_cast<int>(failed.failure) << "}";
}

void PrintTo(const DifferedRecord& record, std::ostream* out) {
    *out << "{kind " << static_cast<int>(record.kind) << ", \"" << record.name << "\", action "
         << static_cast<int>(record.action) << "}";
}

} // namespace zyntra

namespace zyntra::test {

void FakeSyncDevice::WriteSyncMarker() {
    ++markersWritten;
    WriteFile(root + "_sync.dat", "test");
}

void FakeSyncDevice::DeleteSyncMarkers() {
    std::filesystem::remove(root + "_sync.dat");
}

PersonalEngineTest::PersonalEngineTest() {
    OpenLanguageFile(folder_.File("Lang.ini"));
    device_.root = deviceDir_.Path() + "internal/";
    WriteDeviceDatabases(device_.root);
}

PersonalEngineTest::~PersonalEngineTest() {
    SetCopyFaultHook({});
    CloseLanguageFile();
}

std::string PersonalEngineTest::DevicePath(int slot) const {
    return DeviceDatabasePath(device_.root, slot);
}

std::vector<std::string> PersonalEngineTest::ShownTexts() const {
    std::vector<std::string> texts;
    for (const ShownMessage& shown : ui_.messages.Shown())
        texts.push_back(shown.text);
    return texts;
}

bool PersonalEngineTest::WasShown(const std::string& text) const {
    for (const std::string& shown : ShownTexts())
        if (shown == text)
            return true;
    return false;
}

ADDRESSBOOK& PersonalEngineTest::AddAddress(const std::string& name, const std::string& email) {
    ADDRESSBOOK record;
    record.name = name;
    record.email = email;
    return Append(Lists().AddrList, std::move(record));
}

SCHEDULE& PersonalEngineTest::AddSchedule(const std::string& date, const std::string& start,
                                          const std::string& content) {
    SCHEDULE record;
    record.date = date;
    record.start_time = start;
    record.end_time = start.empty() ? "" : "23:00";
    record.content = content;
    record.alarm_BStime = -1;
    return Append(Lists().ScheList, std::move(record));
}

PLANS& PersonalEngineTest::AddToDo(const std::string& date, const std::string& content) {
    PLANS record;
    record.date = date;
    record.content = content;
    return Append(Lists().ToDoList, std::move(record));
}

ECUSER& PersonalEngineTest::AddECEntry(const std::string& headword, const std::string& type,
                                       const std::string& exp) {
    return Append(Lists().ECUserList, MakeEntry<ECUSER>(headword, type, exp));
}

CEUSER& PersonalEngineTest::AddCEEntry(const std::string& headword, const std::string& type,
                                       const std::string& exp) {
    return Append(Lists().CEUserList, MakeEntry<CEUSER>(headword, type, exp));
}

WriterSession::WriterSession(const std::string& path, MessageBox& messages, int syncMode,
                             const char* systemLanguage)
    : db_(db_open(path)), context_{db_, syncMode, messages} {
    conv_open(InterfaceCharset(systemLanguage), "UTF-8");
}

WriterSession::~WriterSession() {
    conv_close();
    db_close(db_);
}

} // namespace zyntra::test
