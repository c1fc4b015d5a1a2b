#include "cli/cli_app.h"
#include "cli/commands.h"
#include "exchange/exchange_files.h"
#include "exchange/record_files.h"
#include "exchange/record_format.h"
#include "exchange/record_table.h"
#include "personal/personal_engine.h"
#include "storage/database_copy.h"
#include "storage/database_files.h"
#include "texts/charset_converter.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <variant>

namespace zyntra {
namespace {

bool Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::optional<RecordFormat> FormatByName(const std::string& name) {
    if (name == "json")
        return RecordFormat::Json;
    if (name == "csv")
        return RecordFormat::Csv;
    return std::nullopt;
}

// The backup copied over the working copies, as a restore would start.
bool CopyBackupToWorkingCopies(CliApp& app) {
    for (int slot = 1; slot <= kDatabaseSlotCount; ++slot) {
        if (!Exists(BackupPath(slot)))
            continue;
        if (!CopyDatabaseFile(BackupPath(slot), WorkingCopyPath(slot))) {
            app.Say("SM_CliCannotCopy", BackupPath(slot));
            return false;
        }
    }
    return true;
}

std::string Stamp(const char* format) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, format, &local);
    return text;
}

std::optional<SyncMode> SyncModeByName(const std::string& mode) {
    if (mode == "memory")
        return SyncMode::MemoryWins;
    if (mode == "device")
        return SyncMode::DatabaseWins;
    if (mode == "both")
        return SyncMode::KeepBoth;
    return std::nullopt;
}

// ", 1 added, 2 updated": the counts of a kind that are not 0.
std::string CountsText(const CliApp& app, const RunReport& report, RecordKind kind) {
    std::string text;
    for (const auto& [count, key] : report.Of(kind).Keyed())
        if (count != 0)
            text += ", " + app.CountText(key, count);
    return text;
}

// Every fault found in the file, the reader's last: records after a format fault are not read.
void TellFaults(const CliApp& app, const std::string& file, const RecordImport& import,
                const std::string& unreadable) {
    for (const std::string& fault : import.Faults())
        app.Tell(file + ": " + fault);
    if (std::size_t untold = import.FaultCount() - import.Faults().size(); untold > 0)
        app.Tell(file + ": and " + std::to_string(untold) + " more records that do not fit");
    if (!unreadable.empty())
        app.Tell(file + ": " + unreadable);
}

// A file is JSON, CSV, vCard or iCalendar.
using FileFormat = std::variant<RecordFormat, ExchangeFormat>;

// The format --format names; without it an import takes a .vcf or .ics file by its extension,
// anything else as JSON.
std::optional<FileFormat> FormatOf(const CommandArgs& args, const std::string& importFile = {}) {
    if (!args.HasOption("--format") && !importFile.empty())
        if (std::optional<ExchangeFormat> byExtension = ExchangeFormatOfFile(importFile))
            return *byExtension;
    const std::string name = args.Option("--format", "json");
    if (std::optional<RecordFormat> format = FormatByName(name))
        return *format;
    if (std::optional<ExchangeFormat> format =
            ExchangeFormatByName(name, args.Option("--vcard-version", "4.0")))
        return *format;
    return std::nullopt;
}

std::optional<std::string> CheckKindAndFormat(const CommandArgs& args,
                                              const std::string& importFile = {}) {
    const std::optional<RecordKind> kind = RecordKindByName(args.positional[0]);
    if (!kind)
        return "unknown KIND " + args.positional[0];
    const std::optional<FileFormat> format = FormatOf(args, importFile);
    if (!format && args.HasOption("--vcard-version"))
        return "unknown vCard version " + args.Option("--vcard-version", "") + " (3.0 or 4.0)";
    if (!format)
        return "unknown format " + args.Option("--format", "json");
    if (const ExchangeFormat* exchange = std::get_if<ExchangeFormat>(&*format))
        return ExchangeKindFault(*exchange, *kind);
    return std::nullopt;
}

} // namespace

std::optional<std::string> CheckExport(const CommandArgs& args) {
    const std::string from = args.Option("--from", "device");
    if (from != "device" && from != "backup")
        return "unknown source " + from;
    return CheckKindAndFormat(args);
}

std::optional<std::string> CheckImport(const CommandArgs& args) {
    if (!SyncModeByName(args.Option("--mode", "both")))
        return "unknown mode " + args.Option("--mode", "both");
    return CheckKindAndFormat(args, args.positional[1]);
}

int RunExport(CliApp& app, const CommandArgs& args) {
    const RecordKind kind = *RecordKindByName(args.positional[0]);
    const FileFormat format = *FormatOf(args);
    const std::string from = args.Option("--from", "device");
    PersonalEngine& personal = app.Personal();
    RunReport loaded;
    if (from == "device") {
        if (std::optional<int> refused = app.RequireUnlockedDevice("SM_CliNothingRead"))
            return *refused;
        loaded = personal.Load(RunTarget::Device, DataSelection::Only(kind));
    } else {
        if (std::optional<int> missing = app.RequireBackup("SM_CliNothingRead"))
            return *missing;
        if (!CopyBackupToWorkingCopies(app))
            return kExitFailed;
        loaded = personal.Load(RunTarget::WorkingCopies, DataSelection::All());
    }
    if (!app.Succeeded(loaded))
        return kExitFailed;
    if (const ExchangeFormat* exchange = std::get_if<ExchangeFormat>(&format)) {
        const CharsetConverter toUtf8("UTF-8", app.RecordCodec().Charset());
        WriteExchange(app.Out(), personal.Lists(), kind, *exchange, toUtf8);
        return kExitOk;
    }
    RecordWriter writer(app.Out(), std::get<RecordFormat>(format), FieldsOf(kind));
    ExportRecords(personal.Lists(), kind, app.RecordCodec(),
                  [&](const std::vector<FieldValue>& row) { writer.Write(row); });
    writer.Finish();
    return kExitOk;
}

int RunImport(CliApp& app, const CommandArgs& args) {
    const RecordKind kind = *RecordKindByName(args.positional[0]);
    const FileFormat format = *FormatOf(args, args.positional[1]);
    const SyncMode mode = *SyncModeByName(args.Option("--mode", "both"));
    const std::string& file = args.positional[1];
    if (std::optional<std::string> refusal = ImportFileRefusal(file)) {
        app.Say("SM_CliCannotRead", file + " (" + *refusal + ")", "SM_CliNothingWritten");
        return kExitFailed;
    }
    errno = 0;
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        const int reason = errno;
        app.Say("SM_CliCannotRead", reason != 0 ? file + " (" + std::strerror(reason) + ")" : file,
                "SM_CliNothingWritten");
        return kExitFailed;
    }
    // Each record is converted and checked as it is read; memory changes only once all of
    // them fitted, and a file with any record that does not fit is refused whole.
    PersonalEngine& personal = app.Personal();
    RecordImport import(personal.Lists(), kind, app.RecordCodec(), Stamp("%Y/%m/%d"),
                        Stamp("%Y-%m-%d %H:%M:%S"));
    const auto add = [&](ImportedRecord&& record) { import.Add(record); };
    const std::string unreadable =
        std::holds_alternative<RecordFormat>(format)
            ? ReadRecords(in, std::get<RecordFormat>(format), FieldsOf(kind), add)
            : ReadExchange(ReadAll(in), kind, std::get<ExchangeFormat>(format), add,
                           [&](const std::string& note) { app.Tell(file + ": " + note); });
    if (!unreadable.empty() || import.FaultCount() > 0) {
        TellFaults(app, file, import, unreadable);
        app.Say("SM_CliNothingWritten");
        return kExitFailed;
    }
    if (std::optional<int> refused = app.RequireUnlockedDevice("SM_CliNothingWritten"))
        return *refused;
    import.Commit();
    const RunReport synced = personal.Synchronize(DataSelection::Only(kind), mode);
    PrintReport(app, args, synced, DataSelection::Only(kind));
    if (!app.Succeeded(synced))
        return kExitFailed;
    app.Tell(app.Text("SM_CliSynced") + " " + app.Text(KindCaptionKey(kind)) +
             CountsText(app, synced, kind));
    return kExitOk;
}

} // namespace zyntra
