#include "personal/run_report.h"

#include <algorithm>

namespace zyntra {

bool RunReport::Clean() const {
    return !busy && !noDevice && Succeeded() && failedFiles.empty() && failedStatements == 0 &&
           unreadableRows == 0;
}

bool RunReport::DeviceChanged() const {
    return std::any_of(failedFiles.begin(), failedFiles.end(), [](const FailedFile& failed) {
        return failed.failure == FileFailure::Changed;
    });
}

} // namespace zyntra
