#include "bench/transfer_bench.h"

#include "bench/in_process_timer.h"
#include "bench/timed_process.h"
#include "platform/file_operation.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <stdexcept>

namespace zyntra::bench {
namespace {

namespace fs = std::filesystem;

void ClearFolder(const std::string& folder) {
    fs::remove_all(folder);
    fs::create_directories(folder);
}

} // namespace

TransferFigures MeasureTransfer(const std::string& source, const std::string& targetFolder,
                                int repetitions) {
    const std::string target = targetFolder + fs::path(source).filename().string();
    TransferFigures figures;
    figures.program = BestInProcess(
        "file operation copy", repetitions, [&] { ClearFolder(targetFolder); },
        [&] {
            HeadlessFileOperation operation;
            FileOpResult result = operation.Run({FileOpKind::Copy, {source}, targetFolder});
            if (result.done != 1 || !result.errors.empty())
                throw std::runtime_error("the file operation did not copy the file");
        });
    std::fprintf(stderr, "bench: 512 MB file operation copy      %8.3f s\n", figures.program);

    figures.cpSync = std::numeric_limits<double>::infinity();
    for (int run = 0; run < repetitions; ++run) {
        ClearFolder(targetFolder);
        const double copy = RunChecked({"cp", {source, targetFolder}}).seconds;
        const double flush = RunChecked({"sync", {target}}).seconds;
        figures.cpSync = std::min(figures.cpSync, copy + flush);
    }
    std::fprintf(stderr, "bench: 512 MB cp + sync                %8.3f s\n", figures.cpSync);
    if (fs::file_size(target) != fs::file_size(source))
        throw std::runtime_error("cp did not copy the whole file");
    fs::remove_all(targetFolder);
    return figures;
}

} // namespace zyntra::bench
