// The loaders over a damaged or planted database file: the input is a whole slot-1 or user
// dictionary database (the corpus starts from the templates and a device's files).
#include "fuzz/fuzz_input.h"
#include "kit/message_box.h"
#include "kit/pending_events.h"
#include "personal/record_loaders.h"
#include "platform/program_folder.h"
#include "storage/database_files.h"
#include "storage/db.h"
#include "storage/text_conv.h"

#include <dlfcn.h>

namespace {

struct QuietMessages : zyntra::MessageBox {
    void Show(const std::string&) override {}
    void ShowCaptioned(const std::string&, const std::string&) override {}
};

struct NoEvents : zyntra::PendingEvents {
    void ProcessPendingEvents() override {}
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // kvdb.dll and iconv.dll are found in the program folder of the fuzz build. They are
    // loaded and unloaded with the databases and converters; the fuzzer counts coverage in
    // them, so they must stay mapped.
    zyntra::SetProgramFolder(ZYNTRA_FUZZ_PROGRAM_DIR);
    for (const char* library : {"kvdb.dll", "iconv.dll"})
        dlopen((zyntra::ProgramFolder() + library).c_str(), RTLD_NOW | RTLD_NODELETE);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zyntra;
    sqlite3* db = OpenExistingDatabase(fuzz::WriteInput("default-1.dat", data, size));
    if (db == nullptr)
        return 0;
    QuietMessages messages;
    NoEvents events;
    std::vector<ReadOnlyEntry> readOnly;
    conv_open("UTF-8", "BIG5");
    LoadContext context{.db = db,
                        .messages = messages,
                        .pendingEvents = events,
                        .interfaceCharset = "BIG5",
                        .readOnlyRecords = readOnly,
                        .weekdayName = {},
                        .classNoFormat = "%d"};
    RecordLists lists;
    for (auto load : {LoadAddressBook, LoadSchedule, LoadToDo, LoadClassTable, LoadECUser,
                      LoadCEUser})
        load(context, lists);
    conv_close();
    db_close(db);
    return 0;
}
