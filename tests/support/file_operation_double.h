#pragma once

#include "platform/file_operation.h"

#include <vector>

namespace zyntra {

// The file operation of the tests: it does the work on the real files with the answers of its
// policy, and keeps every request for the test to read back.
class RecordingFileOperation : public FileOperation {
public:
    FileOpResult Run(const FileOpRequest& request) override {
        requests.push_back(request);
        return HeadlessFileOperation(policy).Run(request);
    }

    FileOperationPolicy policy;
    std::vector<FileOpRequest> requests;
};

} // namespace zyntra
