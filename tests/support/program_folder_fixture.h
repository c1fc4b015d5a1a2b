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

// Fixture for tests that need a program folder: kvdb.dll, iconv.dll,
// Lang.ini, init/, data/ and an empty backup/.
class ProgramFolderTest : public ::testing::Test {
protected:
    TempProgramFolder folder_;
};

} // namespace zyntra::test
