#pragma once

#include "app/main_window.h"
#include "cli/charset_codec.h"
#include "cli/console_services.h"
#include "kit/ui_services.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

namespace zyntra {

class InputMethods;
class Registry;
class SingleInstance;
class SpecialFolders;
class Volumes;

enum ExitCode : int {
    kExitOk = 0,
    kExitFailed = 1,
    kExitUsage = 2,
    kExitNoDevice = 3,
    kExitPasswordRefused = 4,
};

// The program's start-up without a window: the same TdfmMain with no peers,
// its messages on standard error, its password dialog answered from
// standard input.
class CliApp {
public:
    CliApp(std::FILE* out, std::FILE* err);
    ~CliApp();

    // The window's single-instance lock, the start-up checks, the language
    // file, the working-copy reset and a discovery without messages. An exit
    // code when the command cannot go on.
    std::optional<int> Start();
    // Whether start-up stopped because more than one device is connected.
    bool StoppedOnOverflow() const { return overflow_; }

    void SetPassword(std::optional<std::string> utf8Password);

    TdfmMain& Window() { return *window_; }
    const CharsetCodec& Codec() const { return *codec_; }
    std::FILE* Out() const { return out_; }
    // Prints a message of the command line's own (UTF-8) on standard error.
    void Error(const std::string& utf8Text) const;
    // Whether a low-level failure line ("open file=...", "* SQL error...")
    // has been shown since the last call.
    bool TakeLowLevelFailure();

    // With a usable device, its password when it is locked, and its personal databases
    // readable; else an exit code.
    std::optional<int> RequireUnlockedDevice();
    // Whether the files of slots 1..3, those that are there, open as databases; otherwise
    // says which one does not. The loaders read an unreadable database as an empty one and
    // the writers pass it by, so a run on it would report success with nothing done.
    bool PersonalDatabasesReadable(const std::function<std::string(int slot)>& pathOfSlot) const;

private:
    std::FILE* out_;
    std::FILE* err_;
    std::unique_ptr<Volumes> volumes_;
    std::unique_ptr<InputMethods> inputMethods_;
    std::unique_ptr<Registry> registry_;
    std::unique_ptr<SpecialFolders> specialFolders_;
    std::unique_ptr<CharsetCodec> codec_;
    std::unique_ptr<ConsoleMessageBox> messages_;
    ConsolePasswordDialog password_;
    std::optional<std::string> utf8Password_;
    HeadlessUiServices headless_;
    std::unique_ptr<SingleInstance> instance_;
    std::unique_ptr<TdfmMain> window_;
    bool overflow_ = false;
};

} // namespace zyntra
