// `make bench`: builds the fixtures it needs, measures each piece of work beside its comparison
// in the same run and prints one table of figures, ratios and goals. Progress goes to standard
// error, the table to standard output.
//   zyntra_bench --program DIR --scan-bench PATH --data DIR [--sizes SMALL,LARGE]
//                [--time-limit SECONDS]
// The probes run in processes of their own:
//   zyntra_bench startup-probe PROGRAM_FOLDER | listing-probe ROOT

#include "bench/cli_sandbox.h"
#include "bench/file_fixtures.h"
#include "bench/fixture_devices.h"
#include "bench/personal_bench.h"
#include "bench/probes.h"
#include "bench/result_table.h"
#include "bench/transfer_bench.h"
#include "platform/program_folder.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <stdexcept>

namespace zyntra::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kListedFiles = 100000;
constexpr int kComputerFolderFiles = 10000;
constexpr std::uint64_t kTransferBytes = 512ull << 20;
constexpr int kStartupRuns = 3;
constexpr int kTransferRuns = 2;
// Each size gets the best of up to three runs, but a run as long as half a minute is not
// repeated (the slow engine took minutes per run), and a process that passes the time limit is
// stopped, its figure a lower bound.
constexpr int kPersonalRuns = 3;
constexpr double kRepeatBelowSeconds = 30;
constexpr double kDefaultTimeLimit = 150;

struct Options {
    std::string program, scanBench, data;
    int small = 2000, large = 20000;
    double timeLimit = kDefaultTimeLimit;
};

std::string Folder(std::string path) {
    path = fs::absolute(path).lexically_normal().string();
    return path.back() == '/' ? path : path + "/";
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i], value = argv[i + 1];
        if (name == "--program")
            options.program = Folder(value);
        else if (name == "--scan-bench")
            options.scanBench = fs::absolute(value).string();
        else if (name == "--data")
            options.data = Folder(value);
        else if (name == "--sizes" && value.find(',') != std::string::npos) {
            options.small = std::stoi(value.substr(0, value.find(',')));
            options.large = std::stoi(value.substr(value.find(',') + 1));
        } else if (name == "--time-limit")
            options.timeLimit = std::stod(value);
        else
            throw std::invalid_argument("unknown option " + name);
    }
    if (options.program.empty() || options.scanBench.empty() || options.data.empty())
        throw std::invalid_argument(
            "usage: zyntra_bench --program DIR --scan-bench PATH --data DIR [--sizes N,M] "
            "[--time-limit SECONDS]");
    return options;
}

// "name value" lines of a probe's or the scan bench's output.
std::map<std::string, std::string> Figures(const std::string& file) {
    std::map<std::string, std::string> figures;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        const std::size_t space = line.rfind(' ');
        if (space != std::string::npos)
            figures[line.substr(0, space)] = line.substr(space + 1);
    }
    return figures;
}

double Number(const std::map<std::string, std::string>& figures, const std::string& name) {
    auto found = figures.find(name);
    if (found == figures.end())
        throw std::runtime_error("no figure \"" + name + "\" in the output");
    return std::stod(found->second);
}

double Megabytes(long kilobytes) {
    return double(kilobytes) / 1024.0;
}

Measured Megabytes(const Measured& kilobytes) {
    return {kilobytes.value / 1024.0, kilobytes.atLeast, kilobytes.known};
}

std::string Count(int n) {
    std::string text = std::to_string(n);
    for (int at = int(text.size()) - 3; at > 0; at -= 3)
        text.insert(std::size_t(at), ",");
    return text;
}

struct StartupFigures {
    double best = std::numeric_limits<double>::infinity();
    long peakRssKb = 0;
};

// The start-up with the larger device plugged in and the computer folder as the first computer
// drive, which the computer side lists at start-up.
StartupFigures MeasureStartup(const CliSandbox& sandbox, const std::string& self,
                              const std::string& deviceFixture, const std::string& computer) {
    sandbox.ResetDevice(deviceFixture);
    sandbox.PlugComputerFolder(computer);
    StartupFigures figures;
    const std::string output = sandbox.Folder() + "startup.txt";
    for (int run = 0; run < kStartupRuns; ++run) {
        ProcessTiming timing = RunChecked(
            {self, {"startup-probe", sandbox.ProgramFolder()}, sandbox.Environment(), output});
        const auto figuresOfRun = Figures(output);
        if (Number(figuresOfRun, "devices") != 1 ||
            Number(figuresOfRun, "computer-files") < kComputerFolderFiles)
            throw std::runtime_error("the start-up did not see the device and the desktop files");
        figures.best = std::min(figures.best, Number(figuresOfRun, "seconds"));
        figures.peakRssKb = std::max(figures.peakRssKb, timing.peakRssKb);
        std::fprintf(stderr, "bench: start-up %.1f ms (listed %s computer files)\n",
                     Number(figuresOfRun, "seconds") * 1000,
                     figuresOfRun.at("computer-files").c_str());
    }
    return figures;
}

long ListingPeakRss(const std::string& self, const std::string& root, const std::string& output,
                    std::size_t expected) {
    ProcessTiming timing = RunChecked({self, {"listing-probe", root}, {}, output});
    const double listed = Number(Figures(output), "listed");
    if (listed < double(expected))
        throw std::runtime_error("the listing probe listed fewer files than the tree holds");
    std::fprintf(stderr, "bench: listing %s: %.0f files, %.1f MB peak\n", root.c_str(), listed,
                 Megabytes(timing.peakRssKb));
    return timing.peakRssKb;
}

struct ScanFigures {
    double scan = 0, find = 0;
    double findStatus = 0; // find reading each file's size and time, as the scan does
    int files = 0;         // in the scan bench's own tree
};

ScanFigures MeasureScan(const Options& options) {
    const std::string output = options.data + "scan.txt";
    RunChecked({options.scanBench, {}, {}, output});
    ScanFigures figures;
    std::ifstream in(output);
    for (std::string line; std::getline(in, line);) {
        std::fprintf(stderr, "bench: scan bench: %s\n", line.c_str());
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        const double value = std::atof(line.c_str() + colon + 1);
        if (line.rfind("files", 0) == 0)
            figures.files = std::atoi(line.c_str() + colon + 1);
        else if (line.rfind("ScanFolder", 0) == 0)
            figures.scan = value;
        else if (line.rfind("find -type f:", 0) == 0)
            figures.find = value;
        else if (line.rfind("find -type f -printf", 0) == 0)
            figures.findStatus = value;
    }
    if (figures.scan <= 0 || figures.find <= 0 || figures.findStatus <= 0)
        throw std::runtime_error("the scan bench printed no scan and find times");
    return figures;
}

ResultRow Ratio(std::string work, Measured figure, Measured comparison,
                std::optional<double> goal) {
    return {std::move(work), figure, comparison, "s", goal};
}

ResultRow Bound(std::string work, Measured figure, std::string unit, double goal) {
    return {std::move(work), figure, std::nullopt, std::move(unit), goal, false, true};
}

std::string Seconds(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f s", value);
    return text;
}

void PrintLegend(const Options& options, const PersonalFigures& small, const PersonalFigures& large,
                 const StartupFigures& startup) {
    const std::string S = Count(options.small), L = Count(options.large);
    const std::string lines[] = {
        "What each row measures (warm cache; personal data: best of " + std::to_string(small.runs) +
            " runs at " + S + " per kind and " + std::to_string(large.runs) + " at " + L + ",",
        "repeated only below " + Seconds(kRepeatBelowSeconds) + "; a process still running after " +
            Seconds(options.timeLimit) + " is stopped",
        "and its figure marked \">\", a lower bound):",
        "- sync round trip: zyntra-cli export, then import of the unchanged export, for the "
        "address",
        "  book, schedule, to-do list and both user dictionaries: ten whole processes;",
        "- backup: zyntra-cli backup; restore: zyntra-cli restore of a backup holding the same",
        "  records onto a device of empty databases;",
        "- raw SQLite: the same rows inserted into the same database files, one transaction per",
        "  file, then read back, in process (" + Seconds(small.raw.value) + " at " + S + ", " +
            Seconds(large.raw.value) + " at " + L + ");",
        "- import addressbook: the import of the round trip; peak RSS is the child's ru_maxrss,",
        "  which counts the few MB the bench itself holds when it starts a child (see \"none\");",
        "- content scan: bench/scan_bench (FileLists scan) against find -type f over the same "
        "tree,",
        "  and against find printing each file's size and time, which reads what the scan reads;",
        "- transfer: HeadlessFileOperation copy into a device folder against cp, then sync of the",
        "  copied file; best of " + std::to_string(kTransferRuns) + ";",
        "- start-up: TdfmMain construction, FormCreate and Show in a process of its own, without",
        "  the splash; best of " + std::to_string(kStartupRuns) + ", peak RSS " +
            std::to_string(int(Megabytes(startup.peakRssKb))) + " MB;",
        "- listed files: a process that scans a " + Count(kListedFiles) +
            "-file tree into the file lists, against",
        "  the same process listing an empty folder; scrolling the list is not measured here;",
        "- records loaded: the peak RSS of the backup, which loads every record.",
    };
    std::printf("\n");
    for (const std::string& line : lines)
        std::printf("%s\n", line.c_str());
}

int RunBench(const Options& options, const std::string& self) {
    SetProgramFolder(options.program);
    const std::string data = options.data;
    const std::string smallFixture = data + "device-" + std::to_string(options.small) + "/";
    const std::string largeFixture = data + "device-" + std::to_string(options.large) + "/";
    EnsureFixtureDatabases(smallFixture, options.small);
    EnsureFixtureDatabases(largeFixture, options.large);
    EnsureContentTree(data + "tree-100000/", kListedFiles, 200);
    EnsureContentTree(data + "desktop-10000/", kComputerFolderFiles, kComputerFolderFiles);
    EnsureLargeFile(data + "large-512mb.bin", kTransferBytes);
    fs::create_directories(data + "empty");

    CliSandbox sandbox(options.program, data + "sandbox/");
    const PersonalFigures small =
        MeasurePersonal(sandbox, smallFixture, options.small,
                        {kPersonalRuns, kRepeatBelowSeconds, options.timeLimit});
    const PersonalFigures large =
        MeasurePersonal(sandbox, largeFixture, options.large,
                        {kPersonalRuns, kRepeatBelowSeconds, options.timeLimit});
    const StartupFigures startup =
        MeasureStartup(sandbox, self, largeFixture, data + "desktop-10000/");
    const long listedRss =
        ListingPeakRss(self, data + "tree-100000/", data + "listing.txt", kListedFiles * 6 / 10);
    const long emptyRss = ListingPeakRss(self, data + "empty/", data + "listing.txt", 0);
    const ScanFigures scan = MeasureScan(options);
    const TransferFigures transfer =
        MeasureTransfer(data + "large-512mb.bin", sandbox.DeviceRoot() + "VIDEO/", kTransferRuns);

    const std::string S = Count(options.small), L = Count(options.large);
    std::vector<ResultRow> rows = {
        Ratio("sync round trip, " + L + " vs " + S + " per kind", large.roundTrip, small.roundTrip,
              11),
        Ratio("backup, " + L + " vs " + S + " per kind", large.backup, small.backup, 11),
        Ratio("restore, " + L + " vs " + S + " per kind", large.restore, small.restore, {}),
        Ratio("sync round trip at " + L + " vs raw SQLite", large.roundTrip, large.raw, 3),
        Ratio("backup at " + L + " vs raw SQLite", large.backup, large.raw, 3),
        Ratio("restore at " + L + " vs raw SQLite", large.restore, large.raw, {}),
        Bound("import addressbook, " + L + " unchanged: time", large.importAddressBook, "s", 2),
        Bound("import addressbook, " + L + " unchanged: peak RSS",
              Megabytes(large.importAddressBookRssKb), "MB", 40),
        Ratio("content scan of " + Count(scan.files) + " files vs find -type f",
              Measured::Exact(scan.scan), Measured::Exact(scan.find), 2),
        Ratio("content scan of " + Count(scan.files) + " files vs find -printf",
              Measured::Exact(scan.scan), Measured::Exact(scan.findStatus), 2),
        Ratio("512 MB transfer vs cp + sync", Measured::Exact(transfer.program),
              Measured::Exact(transfer.cpSync), 1.1),
        Bound("start-up beyond the splash (" + L + " per kind, " + Count(kComputerFolderFiles) +
                  " files)",
              Measured::Exact(startup.best * 1000), "ms", 300),
        {"100,000 listed files: peak RSS vs none listed", Measured::Exact(Megabytes(listedRss)),
         Measured::Exact(Megabytes(emptyRss)), "MB", 150, false, true},
        {L + " records per kind loaded (backup): peak RSS vs " + S,
         Megabytes(large.backupRssKb),
         Megabytes(small.backupRssKb),
         "MB",
         {}},
    };
    PrintTable(rows);
    PrintLegend(options, small, large, startup);
    return 0;
}

} // namespace
} // namespace zyntra::bench

int main(int argc, char** argv) {
    using namespace zyntra::bench;
    try {
        const std::string mode = argc > 1 ? argv[1] : "";
        if (mode == "startup-probe" && argc == 3)
            return StartupProbe(Folder(argv[2]));
        if (mode == "listing-probe" && argc == 3)
            return ListingProbe(Folder(argv[2]));
        return RunBench(ParseOptions(argc, argv), zyntra::ExecutablePath());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zyntra_bench: %s\n", error.what());
        return 1;
    }
}
