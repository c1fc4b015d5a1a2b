#pragma once

#include "platform/file_operation.h"

#include <functional>
#include <vector>

namespace zyntra {

// The file operation of the tests: it does the work on the real files with the answers of its
// policy, and keeps every request for the test to read back.
class RecordingFileOperation : public FileOperation {
public:
    FileOpResult Run(const FileOpRequest& request) override {
        requests.push_back(request);
        if (beforeRun)
            beforeRun(request);
        return HeadlessFileOperation(policy).Run(request);
    }

    FileOperationPolicy policy;
    std::vector<FileOpRequest> requests;
    // Runs before each request is carried out, to look at the world as the operation finds it.
    std::function<void(const FileOpRequest&)> beforeRun;
};

} // namespace zyntra
