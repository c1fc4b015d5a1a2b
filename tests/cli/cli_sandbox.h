#pragma once

#include "device/info_header.h"
#include "tests/support/process_runner.h"
#include "tests/support/program_folder_fixture.h"
#include "tests/support/temp_dir.h"

#include <string>
#include <vector>

namespace zyntra::test {

// Values for LANG and LC_ALL; the system language follows them whether or
// not the locale is installed.
inline constexpr const char kEnglishLocale[] = "C.UTF-8";
inline constexpr const char kTraditionalLocale[] = "zh_TW.UTF-8";
inline constexpr const char kSimplifiedLocale[] = "zh_CN.UTF-8";

// Everything one run of the built zyntra-cli sees: a program folder of its
// own holding a copy of the executable, a home, a runtime folder for the
// single-instance lock and a simulated volume table, all in temporary
// folders. Made the process's program folder too, so that the fixture
// builders find the templates.
class CliSandbox {
public:
    CliSandbox();

    // A device's internal memory with the five templates, plugged in.
    std::string AddDevice(const std::string& name, const InfoHeader& header);
    // The internal memory of an unlocked device "QX-0001".
    std::string AddDevice() { return AddDevice("internal", InternalHeader()); }
    // A memory card of the device, plugged in.
    std::string AddCard(const std::string& name, const std::string& ident = "QX-0001");
    // Leaves only these roots in the volume table.
    void SetPlugged(const std::vector<std::string>& roots);

    static InfoHeader InternalHeader(const std::string& ident = "QX-0001");

    ProcessResult Run(const std::vector<std::string>& args,
                      const std::string& locale = kEnglishLocale,
                      const std::string& input = "") const;
    // The same with standard output going to a file.
    ProcessResult RunInto(const std::string& outputFile,
                          const std::vector<std::string>& args) const;

    // Chooses the text section of the program folder's Lang.ini: "English",
    // "TChinese" or "SChinese".
    void SetLanguage(const std::string& section) const;

    // A file in the sandbox, for input files.
    std::string WriteInput(const std::string& name, const std::string& bytes) const;

    const std::string& ProgramFolderPath() const { return folder_.Path(); }
    // The home folder the runs see ($HOME), ending with '/'.
    std::string HomePath() const { return dir_.Path() + "home/"; }

private:
    ProcessRequest Request(const std::vector<std::string>& args, const std::string& locale,
                           const std::string& input) const;
    void WriteVolumeTable() const;

    TempProgramFolder folder_;
    TempDir dir_;
    std::string runtime_;
    std::vector<std::string> plugged_;
};

// The device's PIM.db and its two user dictionaries.
std::string DevicePim(const std::string& internalRoot);
std::string DeviceECDict(const std::string& internalRoot);
std::string DeviceCEDict(const std::string& internalRoot);

// Whether the bytes are well-formed UTF-8.
bool IsUtf8(const std::string& bytes);

} // namespace zyntra::test
