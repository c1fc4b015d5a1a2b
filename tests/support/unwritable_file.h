#pragma once

#include <string>

namespace zyntra::test {

// A file this process may not write for the life of the object: without write permission, or
// for root, whom permissions do not stop, with the immutable attribute.
class UnwritableFile {
public:
    explicit UnwritableFile(std::string path);
    ~UnwritableFile();
    UnwritableFile(const UnwritableFile&) = delete;
    UnwritableFile& operator=(const UnwritableFile&) = delete;

    // Whether the file does refuse writes (a file system without the attribute may not).
    bool Active() const { return active_; }

private:
    void SetImmutable(bool on) const;

    std::string path_;
    bool active_ = false;
};

} // namespace zyntra::test
