#pragma once

#include <string>

namespace zyntra::bench {

struct TransferFigures {
    double program = 0; // HeadlessFileOperation copy into the folder, flushed as it does
    double cpSync = 0;  // cp into the folder, then sync of the copied file
};

// Copies one large file into a device folder both ways, the target removed before each run.
TransferFigures MeasureTransfer(const std::string& source, const std::string& targetFolder,
                                int repetitions);

} // namespace zyntra::bench
