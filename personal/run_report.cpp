#include "personal/run_report.h"

#include <algorithm>

namespace zyntra {

void DifferedRecords::Add(DifferedRecord record) {
    if (listed_.size() < kListedLimit)
        listed_.push_back(std::move(record));
    else
        ++notListed_;
}

void DifferedRecords::Append(const DifferedRecords& other) {
    for (const DifferedRecord& record : other.listed_)
        Add(record);
    notListed_ += other.notListed_;
}

bool RunReport::Clean() const {
    return !busy && !noDevice && Succeeded() && failedFiles.empty() && failedStatements == 0 &&
           unreadableRows == 0;
}

bool RunReport::DeviceChanged() const {
    return std::any_of(failedFiles.begin(), failedFiles.end(), [](const FailedFile& failed) {
        return failed.failure == FileFailure::Changed;
    });
}

const char* DeviceAccessKey(WriteAccess access) {
    switch (access) {
    case WriteAccess::ReadOnlyMount:
        return "SM_DeviceReadOnly";
    case WriteAccess::NotWritable:
        return "SM_DeviceNotWritable";
    case WriteAccess::Writable:
        break;
    }
    return nullptr;
}

} // namespace zyntra
