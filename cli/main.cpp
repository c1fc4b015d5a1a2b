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

int Usage(const std::string& problem) {
    std::fprintf(stderr, "zyntra-cli: %s\n\n%s", problem.c_str(), UsageText().c_str());
    return kExitUsage;
}

// Splits the words after the command into positional arguments, the
// command's flags and its options, each of which takes a value.
std::optional<std::string> ParseArgs(const Command& command, int argc, char** argv, int first,
                                     CommandArgs& args) {
    for (int i = first; i < argc; ++i) {
        std::string word = argv[i];
        if (word.rfind("--", 0) != 0) {
            args.positional.push_back(word);
            continue;
        }
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

int Run(int argc, char** argv) {
    int at = 1;
    bool passwordFromStdin = false;
    if (at < argc && std::strcmp(argv[at], "--password-stdin") == 0) {
        passwordFromStdin = true;
        ++at;
    }
    if (at >= argc)
        return Usage("no command given");
    const std::string name = argv[at];
    if (name == "help" || name == "--help" || name == "-h") {
        std::fputs(UsageText().c_str(), stdout);
        return kExitOk;
    }
    const auto& commands = Commands();
    auto command = std::find_if(commands.begin(), commands.end(),
                                [&](const Command& c) { return name == c.name; });
    if (command == commands.end())
        return Usage("unknown command " + name);
    CommandArgs args;
    if (std::optional<std::string> problem = ParseArgs(*command, argc, argv, at + 1, args))
        return Usage(*problem);
    if (command->check != nullptr)
        if (std::optional<std::string> problem = command->check(args))
            return Usage(*problem);

    // Standard output carries results only; the storage layer's fixed lines go with the messages.
    SetLowLevelLineStream(stderr);
    CliApp app(stdout, stderr);
    if (passwordFromStdin)
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
