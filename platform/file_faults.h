#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <sys/types.h>

namespace zyntra {

// The steps by which the file layer changes a file on disk. Each goes through the wrappers
// below, so that a test can make any one of them fail the way a full or vanishing medium does.
enum class FileStep { Write, Flush, Rename, Copy, Delete };

// Told each step before it runs, with the path it concerns ("" where only a descriptor is at
// hand); an errno value makes the step fail with it, 0 lets it run. An empty function (the
// default) lets every step through.
using FileFaultHook = std::function<int(FileStep step, const std::string& path)>;
void SetFileFaultHook(FileFaultHook hook);

// Whether the hook fails the step; errno then holds its error. For steps taken by other means
// than the wrappers (a folder removed whole, a file written through a stream).
bool FileStepFails(FileStep step, const std::string& path);

// The system calls, each first asking the hook; a failed step returns -1 with errno set, as
// the call itself would.
ssize_t FaultableWrite(int fd, const void* data, std::size_t size);
int FaultableFsync(int fd);
int FaultableRename(const std::string& from, const std::string& to);
ssize_t FaultableCopyFileRange(int from, int to, std::size_t length);
int FaultableUnlink(const std::string& path);

// Writes all of data, going on after short writes and interruptions; false with errno set.
bool FaultableWriteAll(int fd, const char* data, std::size_t size);

} // namespace zyntra
