#pragma once

#include <cstdint>
#include <string>

namespace zyntra::bench {

// A tree of `count` content files in folders of perFolder files (one flat folder when
// perFolder >= count): half tagged songs, a tenth e-books, the rest texts, pictures, sounds
// and videos. Kept in folder and made again only when missing or of another count.
void EnsureContentTree(const std::string& folder, int count, int perFolder);

// A file of `bytes` bytes of varying content (no holes, nothing a copy could skip).
void EnsureLargeFile(const std::string& path, std::uint64_t bytes);

} // namespace zyntra::bench
