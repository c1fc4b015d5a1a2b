#include "personal/run_report.h"

namespace zyntra {

bool RunReport::Clean() const {
    return !busy && !noDevice && Succeeded() && failedFiles.empty() && failedStatements == 0 &&
           unreadableRows == 0;
}

} // namespace zyntra
