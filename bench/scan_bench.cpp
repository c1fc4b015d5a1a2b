// Times a recursive content scan over a made-up device tree against `find` over the same tree.
#include "content/file_lists.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace zyntra;
using Clock = std::chrono::steady_clock;

constexpr int kFileCount = 20000;
constexpr int kFilesPerFolder = 200;
constexpr int kRuns = 5;

void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

std::string TaggedMusic(int n) {
    std::string tag(128, '\0');
    tag.replace(0, 3, "TAG");
    tag.replace(3, 10, "Title " + std::to_string(n % 10000));
    tag.replace(33, 6, "Artist");
    return std::string(2048, 'm') + tag;
}

std::string Book(int n) {
    std::string trailer(1024, '\0');
    trailer.replace(0, 13, "VELLMAR EBOOK");
    trailer.replace(62, 1, "B");
    trailer.replace(66, 2, "02");
    std::string title = "Book " + std::to_string(n);
    trailer.replace(220, title.size(), title);
    return std::string(4096, 'b') + trailer;
}

// Half music with tags, a tenth books, the rest spread over the other kinds.
void MakeTree(const std::string& root) {
    const char* others[] = {".txt", ".jpg", ".wav", ".avi"};
    for (int n = 0; n < kFileCount; ++n) {
        std::string folder = root + "f" + std::to_string(n / kFilesPerFolder) + "/";
        if (n % kFilesPerFolder == 0)
            std::filesystem::create_directories(folder);
        std::string name = folder + "file" + std::to_string(n);
        if (n % 2 == 0)
            Write(name + ".mp3", TaggedMusic(n));
        else if (n % 10 == 1)
            Write(name + ".dbk", Book(n));
        else
            Write(name + others[n % 4], std::string(512, 'o'));
    }
}

double Seconds(Clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

double TimeScan(const std::string& root, const DEV_INFO& device, std::size_t& listed) {
    FileLists lists;
    lists.SetScanContext(device, "en_US");
    auto start = Clock::now();
    lists.ScanFolder(root, kAllCategoriesFilter, Side::Device, true);
    double seconds = Seconds(Clock::now() - start);
    listed = 0;
    for (const CategoryInfo& info : kCategories)
        listed += lists.List(Side::Device, info.category).size();
    return seconds;
}

// The path goes to find as one argument, never through a shell; its output goes nowhere.
double TimeFind(const std::vector<const char*>& arguments) {
    auto start = Clock::now();
    pid_t child = fork();
    if (child == 0) {
        int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        execvp("find", const_cast<char* const*>(arguments.data()));
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return Seconds(Clock::now() - start);
}

} // namespace

int main() {
    char pattern[] = "/tmp/zyntra-bench-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        return 1;
    std::string root = std::string(pattern) + "/";
    MakeTree(root);
    DEV_INFO device;
    device.mainClass = "B";
    device.subClass = "02";
    // Names only, as find prints them by default; and with each file's size and time, which
    // costs find one status query per file as it costs the scan.
    std::vector<const char*> namesOnly = {"find", root.c_str(), "-type", "f", nullptr};
    std::vector<const char*> withStatus = {"find",    root.c_str(), "-type", "f",
                                           "-printf", "%s %T@\n",   nullptr};
    // One pass of each first, so every timed run finds the tree's folders and inodes cached;
    // then the three take turns, so a busy moment of the machine falls on all of them alike.
    std::size_t listed = 0;
    TimeScan(root, device, listed);
    TimeFind(namesOnly);
    double scan = 1e9;
    double find = 1e9;
    double findStatus = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        scan = std::min(scan, TimeScan(root, device, listed));
        find = std::min(find, TimeFind(namesOnly));
        findStatus = std::min(findStatus, TimeFind(withStatus));
    }
    std::filesystem::remove_all(root);
    if (find <= 0 || findStatus <= 0) {
        std::fprintf(stderr, "find failed\n");
        return 1;
    }
    std::printf("files: %d, listed: %zu (best of %d runs each)\n", kFileCount, listed, kRuns);
    std::printf("ScanFolder, recursive:         %.3f s\n", scan);
    std::printf("find -type f:                  %.3f s\n", find);
    std::printf("find -type f -printf '%%s %%T@': %.3f s\n", findStatus);
    std::printf("ratio scan / find -type f:     %.2f\n", scan / find);
    std::printf("ratio scan / find -printf:     %.2f\n", scan / findStatus);
    return 0;
}
