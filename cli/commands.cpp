#include "cli/commands.h"

#include "cli/cli_app.h"
#include "cli/report_json.h"
#include "personal/run_report.h"

#include <cstdio>

namespace zyntra {

std::string CommandArgs::Option(const std::string& name, const std::string& fallback) const {
    for (const auto& [option, value] : options)
        if (option == name)
            return value;
    return fallback;
}

bool CommandArgs::HasOption(const std::string& name) const {
    for (const auto& option : options)
        if (option.first == name)
            return true;
    return false;
}

bool CommandArgs::Flag(const std::string& name) const {
    for (const std::string& flag : flags)
        if (flag == name)
            return true;
    return false;
}

namespace {

constexpr const char kKinds[] =
    "KIND is one of addressbook, schedule, todo, classtable, ecdict, cedict.\n";

constexpr const char kExportDetails[] =
    "Prints the records as JSON (the default) or CSV; vcard is for addressbook, ical for\n"
    "schedule and todo. --from backup reads the backup instead of the device.\n";

constexpr const char kImportDetails[] =
    "--mode memory lets the file win, device lets the device win, both (the default) keeps\n"
    "both versions of a record that differs. A .vcf or .ics FILE is read as such without\n"
    "--format, any other as json; what of a record could not be mapped is told on standard\n"
    "error. Every record is checked first: a file with any record that does not fit is\n"
    "refused whole and nothing is written.\n"
    "What was written is printed as JSON on standard output: per kind the records added,\n"
    "updated, kept twice, left alone and already there, and the names of those that\n"
    "differed; --quiet leaves it out.\n";

constexpr const char kBackupDetails[] =
    "Loads every kind from the device; the previous backup is replaced only when every\n"
    "record was written. What was written is printed as JSON; --quiet leaves it out.\n";

constexpr const char kRestoreDetails[] =
    "Writes the backup over the device's personal data. What was written is printed as\n"
    "JSON; --quiet leaves it out.\n";

constexpr const char kLsDetails[] =
    "CATEGORY is one of Ebook, Mp3Music, EAlbum, DigitalContents, Flash, Writer,\n"
    "Recorder. Lists the device's storage (internal memory by default) with the\n"
    "subfolders of the category's folder, or with --side computer one computer folder (by\n"
    "default the current one) without its subfolders.\n";

} // namespace

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"devices",
         "",
         "list the connected devices as JSON",
         {},
         0,
         0,
         true,
         nullptr,
         RunDevices,
         {},
         "Prints {\"usable\": ..., \"devices\": [...]}, locked devices too, without reading\n"
         "their personal data.\n"},
        {"export",
         "KIND [--from device|backup] [--format json|csv|vcard|ical] [--vcard-version 4.0|3.0]",
         "print one kind of personal data from the device or the backup",
         {"--from", "--format", "--vcard-version"},
         1,
         1,
         true,
         CheckExport,
         RunExport,
         {},
         kExportDetails},
        {"import",
         "KIND FILE [--format json|csv|vcard|ical] [--mode memory|device|both] [--quiet]",
         "synchronise records from FILE with the device",
         {"--format", "--mode"},
         2,
         2,
         true,
         CheckImport,
         RunImport,
         {"--quiet"},
         kImportDetails},
        {"backup",
         "[--quiet]",
         "back the device's personal data up",
         {},
         0,
         0,
         true,
         nullptr,
         RunBackup,
         {"--quiet"},
         kBackupDetails},
        {"restore",
         "[--quiet]",
         "write the backup to the device",
         {},
         0,
         0,
         true,
         nullptr,
         RunRestore,
         {"--quiet"},
         kRestoreDetails},
        SnapshotsCommand(),
        RestoreSnapshotCommand(),
        {"ls",
         "CATEGORY [--side device|computer] [--folder DIR] [--storage internal|card]",
         "list the content files of one category as JSON",
         {"--side", "--folder", "--storage"},
         1,
         1,
         true,
         CheckLs,
         RunLs,
         {},
         kLsDetails},
        CopyCommand(),
        DeleteCommand(),
    };
    return commands;
}

const Command* FindCommand(const std::string& name) {
    for (const Command& command : Commands())
        if (name == command.name)
            return &command;
    return nullptr;
}

void PrintReport(const CliApp& app, const CommandArgs& args, const RunReport& report,
                 DataSelection selection) {
    if (report.busy || report.noDevice || args.Flag("--quiet"))
        return;
    std::fputs(ReportJson(report, selection, app.RecordCodec()).c_str(), app.Out());
}

std::string UsageText() {
    std::string text = "usage: zyntra-cli [--verbose] [--password-stdin] COMMAND [ARGS]\n"
                       "       zyntra-cli COMMAND --help\n"
                       "       zyntra-cli --version\n\n"
                       "commands:\n";
    for (const Command& command : Commands()) {
        std::string line = std::string("  ") + command.name;
        if (*command.usage)
            line += std::string(" ") + command.usage;
        text += line + "\n      " + command.summary + "\n";
    }
    text += "  help [COMMAND]\n      show this text, or what COMMAND takes\n\n";
    text += kKinds;
    text += "--verbose shows the database layer's own lines on standard error.\n"
            "--password-stdin answers the device's password prompt with the first line of\n"
            "standard input; without it a locked device refuses.\n\n"
            "exit codes: 0 success, 1 the run failed, 2 usage error, 3 no usable device,\n"
            "4 password refused\n";
    return text;
}

std::string CommandUsage(const Command& command) {
    std::string line = std::string("usage: zyntra-cli ") + command.name;
    if (*command.usage)
        line += std::string(" ") + command.usage;
    return line + "\n";
}

std::string CommandHelp(const Command& command) {
    std::string text = CommandUsage(command) + "\n" + command.summary + "\n";
    if (std::string(command.usage).find("KIND") != std::string::npos)
        text += std::string("\n") + kKinds;
    if (*command.details)
        text += std::string("\n") + command.details;
    return text;
}

std::string VersionText() {
    return std::string("zyntra-cli ") + ZYNTRA_VERSION + "\n";
}

} // namespace zyntra
