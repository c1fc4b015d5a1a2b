#pragma once

#include "platform/file_faults.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace zyntra::test {

// Counts the file layer's steps while it lives and makes the one numbered `failing` (from 1)
// fail; 0 fails none. Odd numbers fail with EIO, even ones with ENOSPC, so that both a broken
// and a full medium are met.
class FileStepFaults {
public:
    explicit FileStepFaults(int failing = 0);
    ~FileStepFaults();
    FileStepFaults(const FileStepFaults&) = delete;
    FileStepFaults& operator=(const FileStepFaults&) = delete;

    int Steps() const { return steps_; }
    bool Met() const { return failing_ > 0 && steps_ >= failing_; }
    // The step that was made to fail and its path, for failure messages.
    const std::string& FailedStep() const { return failed_; }

private:
    int failing_;
    int steps_ = 0;
    std::string failed_;
};

// Every folder and regular file below some folders, with the files' bytes.
struct FileTree {
    std::set<std::string> folders;
    std::map<std::string, std::string> files;

    // The file's bytes; nothing when the tree lacks it.
    const std::string* Find(const std::string& path) const;
};

// A database's rows, table by table, as text, with every date-and-time value masked: two
// copies written by the same run at different times give the same text. "" for bytes that
// are not a readable database.
std::string DatabaseRows(const std::string& bytes);

// "ok" for a whole database.
std::string IntegrityOf(const std::string& bytes);

FileTree ReadTree(const std::vector<std::string>& roots);
// Makes the roots hold exactly the tree again: what it lacks goes, what differs is rewritten.
void PutBackTree(const std::vector<std::string>& roots, const FileTree& tree);

} // namespace zyntra::test
