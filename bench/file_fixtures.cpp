#include "bench/file_fixtures.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

namespace zyntra::bench {
namespace {

namespace fs = std::filesystem;

// Raise it whenever the files below change, so that kept trees are made again.
constexpr int kTreeVersion = 1;

void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

std::string TaggedSong(int n) {
    std::string tag(128, '\0');
    tag.replace(0, 3, "TAG");
    const std::string title = "Title " + std::to_string(n);
    tag.replace(3, title.size(), title);
    tag.replace(33, 6, "Artist");
    return std::string(1024, 'm') + tag;
}

// A book for a device of content codes B / 02.
std::string Book(int n) {
    std::string trailer(1024, '\0');
    trailer.replace(0, 13, "VELLMAR EBOOK");
    trailer.replace(62, 1, "B");
    trailer.replace(66, 2, "02");
    const std::string title = "Book " + std::to_string(n);
    trailer.replace(220, title.size(), title);
    return std::string(1024, 'b') + trailer;
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

void EnsureContentTree(const std::string& folder, int count, int perFolder) {
    const fs::path stampPath = fs::path(folder) / ".tree-stamp";
    const std::string stamp = "version " + std::to_string(kTreeVersion) + ", files " +
                              std::to_string(count) + " by " + std::to_string(perFolder);
    if (fs::exists(stampPath) && ReadText(stampPath) == stamp)
        return;
    std::fprintf(stderr, "bench: making %d content files in %s\n", count, folder.c_str());
    fs::remove_all(folder);
    const char* others[] = {".txt", ".jpg", ".wav", ".avi"};
    for (int n = 0; n < count; ++n) {
        fs::path sub = perFolder >= count
                           ? fs::path(folder)
                           : fs::path(folder) / ("f" + std::to_string(n / perFolder));
        if (n % perFolder == 0)
            fs::create_directories(sub);
        const fs::path name = sub / ("file" + std::to_string(n));
        if (n % 2 == 0)
            Write(name.string() + ".mp3", TaggedSong(n));
        else if (n % 10 == 1)
            Write(name.string() + ".dbk", Book(n));
        else
            Write(name.string() + others[n % 4], std::string(256, 'o'));
    }
    Write(stampPath, stamp);
}

void EnsureLargeFile(const std::string& path, std::uint64_t bytes) {
    std::error_code error;
    if (fs::file_size(path, error) == bytes && !error)
        return;
    std::fprintf(stderr, "bench: writing a file of %llu MB\n",
                 static_cast<unsigned long long>(bytes >> 20));
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    std::vector<std::uint64_t> block(1 << 17);
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    for (std::uint64_t written = 0; written < bytes; written += block.size() * 8) {
        for (std::uint64_t& word : block) {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            word = state;
        }
        out.write(reinterpret_cast<const char*>(block.data()),
                  std::streamsize(std::min<std::uint64_t>(block.size() * 8, bytes - written)));
    }
}

} // namespace zyntra::bench
