#pragma once

#include "personal/record_kind.h"

#include <optional>
#include <string>
#include <vector>

namespace zyntra {

class CliApp;
struct RunReport;

// The words after the command name, with the options taken out.
struct CommandArgs {
    std::vector<std::string> positional;
    std::vector<std::pair<std::string, std::string>> options; // --name value
    std::vector<std::string> flags;                           // --name, without a value

    // The value of an option, or `fallback` when it was not given.
    std::string Option(const std::string& name, const std::string& fallback) const;
    bool HasOption(const std::string& name) const;
    bool Flag(const std::string& name) const;
};

struct Command {
    const char* name;
    const char* usage;                // the arguments, for the help text
    const char* summary;              // one line
    std::vector<std::string> options; // the --options it takes, each with a value
    int positionalMin;
    int positionalMax;
    bool startsProgram; // runs the program's start-up first
    // The values of the arguments, checked before start-up so that a usage error is one
    // whatever the lock and the devices; a problem to show, or nothing. May be null.
    std::optional<std::string> (*check)(const CommandArgs& args);
    int (*run)(CliApp& app, const CommandArgs& args);
    std::vector<std::string> flags = {}; // the --options it takes without a value
    const char* details = "";            // what `COMMAND --help` adds to the usage and summary
};

// Every command, in the order the help lists them.
const std::vector<Command>& Commands();
// The command of that name, or null.
const Command* FindCommand(const std::string& name);

std::optional<std::string> CheckExport(const CommandArgs& args);
std::optional<std::string> CheckImport(const CommandArgs& args);
std::optional<std::string> CheckLs(const CommandArgs& args);

int RunDevices(CliApp& app, const CommandArgs& args);
int RunExport(CliApp& app, const CommandArgs& args);
int RunImport(CliApp& app, const CommandArgs& args);
int RunBackup(CliApp& app, const CommandArgs& args);
int RunRestore(CliApp& app, const CommandArgs& args);
int RunLs(CliApp& app, const CommandArgs& args);

// Content files between the computer and the device (cli/command_transfer.cpp).
Command CopyCommand();
Command DeleteCommand();

// The snapshots taken before each synchronisation (cli/command_snapshots.cpp).
Command SnapshotsCommand();
Command RestoreSnapshotCommand();

// The report of a run that wrote, as JSON on standard output, unless --quiet was given.
void PrintReport(const CliApp& app, const CommandArgs& args, const RunReport& report,
                 DataSelection selection);

// The help text listing every command.
std::string UsageText();
// One command's usage line alone, and with its summary and details (`COMMAND --help`).
std::string CommandUsage(const Command& command);
std::string CommandHelp(const Command& command);
// "zyntra-cli 1.0.3": the version the build was made as.
std::string VersionText();

} // namespace zyntra
