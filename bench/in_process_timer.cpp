#include "bench/in_process_timer.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <limits>
#include <stdexcept>

namespace zyntra::bench {
namespace {

// Keeps the runs' times instead of printing them: the bench prints one table of its own.
class BestRunReporter : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred)
                error = run.error_message;
            else if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                best = std::min(best, run.real_accumulated_time / double(run.iterations));
        }
    }

    double best = std::numeric_limits<double>::infinity();
    std::string error;
};

} // namespace

double BestInProcess(const std::string& name, int repetitions, const std::function<void()>& setup,
                     const std::function<void()>& work) {
    static bool initialised = [] {
        int argc = 1;
        char program[] = "zyntra_bench";
        char* argv[] = {program, nullptr};
        benchmark::Initialize(&argc, argv);
        return true;
    }();
    (void)initialised;
    std::string failure;
    benchmark::RegisterBenchmark(name.c_str(),
                                 [&](benchmark::State& state) {
                                     for (auto _ : state) {
                                         state.PauseTiming();
                                         setup();
                                         state.ResumeTiming();
                                         try {
                                             work();
                                         } catch (const std::exception& error) {
                                             state.SkipWithError(error.what());
                                             break;
                                         }
                                     }
                                 })
        ->Iterations(1)
        ->Repetitions(repetitions)
        ->UseRealTime();
    BestRunReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::ClearRegisteredBenchmarks();
    if (!reporter.error.empty())
        throw std::runtime_error(name + ": " + reporter.error);
    return reporter.best;
}

} // namespace zyntra::bench
