#include "tests/personal/personal_data_fixture.h"

#include "app/controls/main_window_controls.h"
#include "storage/database_copy.h"
#include "storage/database_files.h"
#include "storage/db.h"
#include "storage/text_conv.h"
#include "texts/lang_text.h"

#include <filesystem>

namespace zyntra::test {

bool FakeSyncDevice::CheckPassword(int mode) {
    ++passwordChecks;
    std::string entered;
    if (!typed.empty()) {
        entered = typed.front();
        typed.pop_front();
    }
    if (!entered.empty() && entered == password)
        return true;
    messages_.Show(LangText(mode == 0 ? "SM_PasswordIncorrectSync" : "SM_PasswordIncorrectShow"));
    return false;
}

void FakeSyncDevice::WriteSyncMarker() {
    ++markersWritten;
    WriteFile(root + "_sync.dat", "test");
}

void FakeSyncDevice::DeleteSyncMarkers() {
    std::filesystem::remove(root + "_sync.dat");
}

PersonalDataTest::PersonalDataTest() {
    OpenLanguageFile(folder_.File("Lang.ini"));
    CreateMainWindowControls(controls_);
    device_.root = deviceDir_.Path() + "internal/";
    WriteDeviceDatabases(device_.root);
    data_ =
        std::make_unique<PersonalData>(ui_.Services(), device_, SyncPageControls::From(controls_));
    data_->AttachHandlers();
    auto& kinds = controls_.Get<CheckList>("clbSyncData");
    for (int kind = 0; kind < kinds.ItemCount(); ++kind)
        kinds.SetChecked(kind, true);
    ChooseMode(2);
}

PersonalDataTest::~PersonalDataTest() {
    SetCopyFaultHook({});
    CloseLanguageFile();
}

void PersonalDataTest::ChooseMode(int mode) {
    controls_.Get<RadioButton>("rbSync" + std::to_string(mode + 1)).SetChecked(true);
}

void PersonalDataTest::SelectOnly(std::initializer_list<RecordKind> kinds) {
    auto& list = controls_.Get<CheckList>("clbSyncData");
    for (int item = 0; item < list.ItemCount(); ++item)
        list.SetChecked(item, false);
    for (RecordKind kind : kinds)
        list.SetChecked(SelectionItemOf(kind), true);
}

std::string PersonalDataTest::DevicePath(int slot) const {
    return DeviceDatabasePath(device_.root, slot);
}

std::vector<std::string> PersonalDataTest::ShownTexts() const {
    std::vector<std::string> texts;
    for (const ShownMessage& shown : ui_.messages.Shown())
        texts.push_back(shown.text);
    return texts;
}

bool PersonalDataTest::WasShown(const std::string& text) const {
    for (const std::string& shown : ShownTexts())
        if (shown == text)
            return true;
    return false;
}

ADDRESSBOOK& PersonalDataTest::AddAddress(const std::string& name, const std::string& email) {
    ADDRESSBOOK record;
    record.name = name;
    record.email = email;
    return Append(Lists().AddrList, std::move(record));
}

SCHEDULE& PersonalDataTest::AddSchedule(const std::string& date, const std::string& start,
                                        const std::string& content) {
    SCHEDULE record;
    record.date = date;
    record.start_time = start;
    record.end_time = start.empty() ? "" : "23:00";
    record.content = content;
    record.alarm_BStime = -1;
    return Append(Lists().ScheList, std::move(record));
}

PLANS& PersonalDataTest::AddToDo(const std::string& date, const std::string& content) {
    PLANS record;
    record.date = date;
    record.content = content;
    return Append(Lists().ToDoList, std::move(record));
}

ECUSER& PersonalDataTest::AddECEntry(const std::string& headword, const std::string& type,
                                     const std::string& exp) {
    return Append(Lists().ECUserList, MakeEntry<ECUSER>(headword, type, exp));
}

CEUSER& PersonalDataTest::AddCEEntry(const std::string& headword, const std::string& type,
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
