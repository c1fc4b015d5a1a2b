#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zyntra {

class Registry;

// The application title: message boxes carry it as their caption, and the
// single-instance lock is named after it (one program folder's window and
// command line never run together).
inline constexpr const char kApplicationTitle[] = "Vellmar Zyntra QX740 v1.0.3";

// The system language derived from the regional setting "sLanguage":
// "CHT" gives "zh_TW", "CHS" gives "zh_CN", anything else "en_US".
std::string SystemLanguageFromRegionalSetting(std::string_view sLanguage);

// The system language from the regional setting of the registry view, for
// front ends that need the interface charset before the window starts up
// (the window itself reads it in FormCreate and reports an unreadable key).
std::string ReadSystemLanguage(const Registry& registry);

// The files the program cannot run without, relative to the folder each
// lives in, in the order they are checked.
inline constexpr std::array<const char*, 13> kRequiredFiles = {"Lang.ini",
                                                               "data/default-1.dat",
                                                               "data/default-2.dat",
                                                               "data/default-3.dat",
                                                               "data/default-4.dat",
                                                               "data/default-5.dat",
                                                               "init/default-1.dat",
                                                               "init/default-2.dat",
                                                               "init/default-3.dat",
                                                               "init/default-4.dat",
                                                               "init/default-5.dat",
                                                               "iconv.dll",
                                                               "kvdb.dll"};

// Whether a required file lives in the user folder (the language file the program reads and
// the working copies) rather than in the program folder.
bool RequiredInUserFolder(std::string_view name);

// The first required file missing, each looked for where it lives; both folders end with '/'.
std::optional<std::string> FirstMissingRequiredFile(const std::string& programFolder,
                                                    const std::string& userFolder);
// The same for a program folder that is its own user folder.
std::optional<std::string> FirstMissingRequiredFile(const std::string& programFolder);

// A screen short of both 800 pixels of width and 600 of height.
bool ScreenTooSmall(int width, int height);

// The two fixed start-up messages, in the interface charset of the system
// language. They are shown before the language file is read, so they are
// not language texts.
std::string MissingFilesMessage(std::string_view systemLanguage);
std::string ScreenTooSmallMessage(std::string_view systemLanguage);

} // namespace zyntra
