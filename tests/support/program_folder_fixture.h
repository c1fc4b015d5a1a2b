#pragma once

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>
#include <string>

namespace zyntra::test {

// The program folder that the build laid out (build/Zyntra/).
const std::string& BuiltProgramFolder();

// A copy of the built program folder in a temporary directory, made the
// process's program folder for the life of the object.
class TempProgramFolder {
public:
    TempProgramFolder();
    ~TempProgramFolder();

    const std::string& Path() const { return dir_.Path(); }
    std::string File(const std::string& relative) const { return Path() + relative; }

private:
    TempDir dir_;
    std::string previous_;
};

// A program folder as an installation lays it out (shipped files only: kvdb.dll, iconv.dll,
// Lang.ini, init/, an empty backup/, no working copies) and a separate user folder under a
// temporary XDG_DATA_HOME, both made the process's folders for the life of the object. Seal()
// takes every write permission away from the program folder, as a system folder is.
class SplitProgramFolders {
public:
    SplitProgramFolders();
    ~SplitProgramFolders();
    SplitProgramFolders(const SplitProgramFolders&) = delete;
    SplitProgramFolders& operator=(const SplitProgramFolders&) = delete;

    const std::string& Program() const { return program_; }
    const std::string& User() const { return user_; }
    const std::string& DataHome() const { return dataHome_.Path(); }
    void Seal();

private:
    TempDir programRoot_;
    TempDir dataHome_;
    std::string program_;
    std::string user_;
    std::string previousProgram_;
    std::string previousUser_;
    std::string previousDataHome_;
    bool hadDataHome_ = false;
};

// Fixture for tests that need a program folder: kvdb.dll, iconv.dll,
// Lang.ini, init/, data/ and an empty backup/.
class ProgramFolderTest : public ::testing::Test {
protected:
    TempProgramFolder folder_;
};

} // namespace zyntra::test
