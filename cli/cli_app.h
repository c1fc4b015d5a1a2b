#pragma once

#include "cli/console_services.h"
#include "exchange/charset_codec.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace zyntra {

class DeviceLink;
class DeviceSync;
class InputMethods;
class PersonalEngine;
class Registry;
class SingleInstance;
class Volumes;
struct RunReport;

enum ExitCode : int {
    kExitOk = 0,
    kExitFailed = 1,
    kExitUsage = 2,
    kExitNoDevice = 3,
    kExitPasswordRefused = 4,
};

// The command line's start-up and the engines it runs: the window's single-instance lock, the
// required files, the language file, fresh working copies, the device link and the
// personal-data engine. No window and no control: the engines are called directly.
//
// Records cross the command line as UTF-8, so the personal-data engine runs with UTF-8 as its
// interface charset whatever the locale: nothing is cut or refused for want of a character.
class CliApp {
public:
    CliApp(std::FILE* out, std::FILE* err);
    ~CliApp();

    // An exit code when the command cannot go on.
    std::optional<int> Start();
    // Whether start-up stopped because more than one device is connected.
    bool StoppedOnOverflow() const { return overflow_; }

    // The password given on standard input (UTF-8), for a locked device.
    void SetPassword(std::optional<std::string> utf8Password);

    DeviceLink& Devices() { return *devices_; }
    PersonalEngine& Personal() { return *personal_; }
    // UTF-8 checked on the way in and out of the engine.
    const CharsetCodec& RecordCodec() const { return recordCodec_; }
    // The system language's charset, in which the device's header texts are.
    const CharsetCodec& SystemCodec() const { return *systemCodec_; }
    // "zh_TW", "zh_CN" or "en_US", from the regional setting.
    const std::string& SystemLanguage() const { return language_; }
    std::FILE* Out() const { return out_; }

    // A line of the command line's own on standard error, in UTF-8: the language text of a
    // key, then what it is about (a file, a folder), then what follows from it (another key).
    void Say(const char* key, const std::string& about = {},
             const char* followsKey = nullptr) const;
    // A line composed of such texts, or a diagnostic of the input's format.
    void Tell(const std::string& utf8Line) const;
    // The text of a count key ("%d added").
    std::string CountText(const char* key, int count) const;
    // A language text as UTF-8.
    std::string Text(const char* key) const;

    // With a usable device, its password when it is locked, and its personal databases
    // readable; else an exit code, with the reason told. `nothingDoneKey` names what did not
    // happen ("SM_CliNothingRead").
    std::optional<int> RequireUnlockedDevice(const char* nothingDoneKey);
    // A backup in the program folder whose databases are readable; else an exit code, with the
    // reason told.
    std::optional<int> RequireBackup(const char* nothingDoneKey) const;
    // The backup folder, as messages name it.
    static std::string BackupFolder();
    // Whether the files of slots 1..3, those that are there, open as databases; otherwise
    // says which one does not. The loaders read an unreadable database as an empty one and
    // the writers pass it by, so a run on it would report success with nothing done.
    bool PersonalDatabasesReadable(const std::function<std::string(int slot)>& pathOfSlot) const;

    // Tells what failed in a run of the engine; the result is whether it went through whole.
    bool Succeeded(const RunReport& report) const;

private:
    std::FILE* out_;
    std::FILE* err_;
    std::unique_ptr<SingleInstance> instance_;
    std::unique_ptr<Volumes> volumes_;
    std::unique_ptr<InputMethods> inputMethods_;
    std::unique_ptr<Registry> registry_;
    CharsetCodec recordCodec_{"UTF-8"};
    std::unique_ptr<CharsetCodec> systemCodec_;
    // The charset of the language file's chosen section, in which its texts are; the system
    // language's until the file is open.
    std::unique_ptr<CharsetCodec> textCodec_;
    std::string language_ = "en_US";
    std::unique_ptr<ConsoleServices> services_;
    std::unique_ptr<DeviceLink> devices_;
    std::unique_ptr<DeviceSync> deviceSync_;
    std::unique_ptr<PersonalEngine> personal_;
    std::optional<std::string> utf8Password_;
    bool languageFileOpen_ = false;
    bool overflow_ = false;
};

} // namespace zyntra
