// zyntra-cli: the program's engine from a shell, for scripts, scheduled
// backups and support.

#include "cli/cli_app.h"
#include "cli/commands.h"
#include "storage/stdout_line.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace zyntra {
namespace {

// The options that hold for any command, taken wherever they stand.
struct GlobalOptions {
    bool passwordFromStdin = false;
    bool verbose = false;

    bool Take(const std::string& word) {
        if (word == "--password-stdin")
            passwordFromStdin = true;
        else if (word == "--verbose")
            verbose = true;
        else
            return false;
        return true;
    }
};

bool IsHelp(const std::string& word) {
    return word == "--help" || word == "-h";
}

int Usage(const std::string& problem, const Command* command = nullptr) {
    const std::string usage = command != nullptr ? CommandUsage(*command) + "(zyntra-cli " +
                                                       command->name + " --help tells more)\n"
                                                 : UsageText();
    std::fprintf(stderr, "zyntra-cli: %s\n\n%s", problem.c_str(), usage.c_str());
    return kExitUsage;
}

// Splits the words after the command into positional arguments, the
// command's flags and its options, each of which takes a value.
std::optional<std::string> ParseArgs(const Command& command, int argc, char** argv, int first,
                                     CommandArgs& args, GlobalOptions& globals) {
    for (int i = first; i < argc; ++i) {
        std::string word = argv[i];
        if (word.rfind("--", 0) != 0) {
            args.positional.push_back(word);
            continue;
        }
        if (globals.Take(word))
            continue;
        if (std::find(command.flags.begin(), command.flags.end(), word) != command.flags.end()) {
            args.flags.push_back(word);
            continue;
        }
        if (std::find(command.options.begin(), command.options.end(), word) ==
            command.options.end())
            return "unknown option " + word + " for " + command.name;
        if (i + 1 >= argc)
            return "option " + word + " needs a value";
        args.options.emplace_back(word, argv[++i]);
    }
    const int count = static_cast<int>(args.positional.size());
    if (count < command.positionalMin || count > command.positionalMax)
        return std::string("wrong number of arguments for ") + command.name;
    return std::nullopt;
}

// Takes every byte and keeps none: where the storage layer's fixed lines go unless asked for.
std::FILE* DiscardingStream() {
    static std::FILE* stream = [] {
        cookie_io_functions_t functions{};
        functions.write = [](void*, const char*, size_t size) {
            return static_cast<ssize_t>(size);
        };
        std::FILE* discarding = fopencookie(nullptr, "w", functions);
        // Standard output must never carry them: standard error is the fallback.
        return discarding != nullptr ? discarding : stderr;
    }();
    return stream;
}

// `help`, `help COMMAND`, `--help`.
int Help(int argc, char** argv, int at) {
    if (at + 1 >= argc) {
        std::fputs(UsageText().c_str(), stdout);
        return kExitOk;
    }
    const Command* command = FindCommand(argv[at + 1]);
    if (command == nullptr)
        return Usage(std::string("unknown command ") + argv[at + 1]);
    std::fputs(CommandHelp(*command).c_str(), stdout);
    return kExitOk;
}

int Run(int argc, char** argv) {
    int at = 1;
    GlobalOptions globals;
    while (at < argc && globals.Take(argv[at]))
        ++at;
    if (at >= argc)
        return Usage("no command given");
    const std::string name = argv[at];
    if (name == "--version") {
        std::fputs(VersionText().c_str(), stdout);
        return kExitOk;
    }
    if (name == "help" || IsHelp(name))
        return Help(argc, argv, at);
    const Command* command = FindCommand(name);
    if (command == nullptr)
        return Usage("unknown command " + name);
    // Asking how a command is used is never an error, whatever else the line holds.
    if (std::any_of(argv + at + 1, argv + argc, [](const char* word) { return IsHelp(word); })) {
        std::fputs(CommandHelp(*command).c_str(), stdout);
        return kExitOk;
    }
    CommandArgs args;
    if (std::optional<std::string> problem = ParseArgs(*command, argc, argv, at + 1, args, globals))
        return Usage(*problem, command);
    if (command->check != nullptr)
        if (std::optional<std::string> problem = command->check(args))
            return Usage(*problem, command);

    // Standard output carries results only; the storage layer's fixed lines are for support,
    // with the messages when asked for.
    SetLowLevelLineStream(globals.verbose ? stderr : DiscardingStream());
    CliApp app(stdout, stderr);
    if (globals.passwordFromStdin)
        app.SetPassword(ReadFirstLine(stdin));
    if (std::optional<int> stopped = app.Start()) {
        if (!app.StoppedOnOverflow())
            return *stopped;
        // Listing devices shows them all; a listing of content says itself what is wrong.
        if (command->run != RunDevices && command->run != RunLs) {
            app.Say("SM_CliTooManyDevices");
            return *stopped;
        }
    }
    const int code = command->run(app, args);
    // A full disk or a closed pipe must not pass for a finished export.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        app.Say("SM_CliCannotWrite", std::strerror(errno));
        return kExitFailed;
    }
    return code;
}

} // namespace
} // namespace zyntra

int main(int argc, char** argv) {
    try {
        return zyntra::Run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zyntra-cli: %s\n", error.what());
        return zyntra::kExitFailed;
    }
}
