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

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"devices", "", "list the connected devices as JSON", {}, 0, 0, true, nullptr, RunDevices},
        {"export",
         "KIND [--from device|backup] [--format json|csv|vcard|ical] [--vcard-version 4.0|3.0]",
         "print one kind of personal data from the device or the backup",
         {"--from", "--format", "--vcard-version"},
         1,
         1,
         true,
         CheckExport,
         RunExport},
        {"import",
         "KIND FILE [--format json|csv|vcard|ical] [--mode memory|device|both] [--quiet]",
         "synchronise records from FILE with the device",
         {"--format", "--mode"},
         2,
         2,
         true,
         CheckImport,
         RunImport,
         {"--quiet"}},
        {"backup",
         "[--quiet]",
         "back the device's personal data up into the program folder",
         {},
         0,
         0,
         true,
         nullptr,
         RunBackup,
         {"--quiet"}},
        {"restore",
         "[--quiet]",
         "write the backup to the device",
         {},
         0,
         0,
         true,
         nullptr,
         RunRestore,
         {"--quiet"}},
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
         RunLs},
        CopyCommand(),
        DeleteCommand(),
    };
    return commands;
}

void PrintReport(const CliApp& app, const CommandArgs& args, const RunReport& report,
                 DataSelection selection) {
    if (report.busy || report.noDevice || args.Flag("--quiet"))
        return;
    std::fputs(ReportJson(report, selection, app.RecordCodec()).c_str(), app.Out());
}

std::string UsageText() {
    std::string text = "usage: zyntra-cli [--password-stdin] COMMAND [ARGS]\n\ncommands:\n";
    for (const Command& command : Commands()) {
        std::string line = std::string("  ") + command.name;
        if (*command.usage)
            line += std::string(" ") + command.usage;
        text += line + "\n      " + command.summary + "\n";
    }
    text += "  help\n      show this text\n\n"
            "KIND is one of addressbook, schedule, todo, classtable, ecdict, cedict.\n"
            "CATEGORY is one of Ebook, Mp3Music, EAlbum, DigitalContents, Flash, Writer,\n"
            "Recorder. ls lists the device's storage (internal memory by default) with the\n"
            "subfolders of the category's folder, or one computer folder (by default the\n"
            "current one) without its subfolders.\n"
            "--password-stdin answers the device's password prompt with the first line of\n"
            "standard input; without it a locked device refuses.\n"
            "vcard is for addressbook, ical for schedule and todo; import takes a .vcf or\n"
            ".ics FILE as such without --format, any other as json, and tells on standard\n"
            "error what of each record it could not map.\n"
            "import, backup and restore print what they wrote as JSON on standard output:\n"
            "per kind the records added, updated, kept twice, left alone and already there,\n"
            "and the names of those that differed; --quiet leaves it out.\n"
            "copy skips a file whose name is already in the target folder unless --replace\n"
            "is given; each file takes its lyrics (.lrc) or subtitles (.srt) along.\n\n"
            "exit codes: 0 success, 1 the run failed, 2 usage error, 3 no usable device,\n"
            "4 password refused\n";
    return text;
}

} // namespace zyntra
