#pragma once

#include <functional>
#include <string>

namespace zyntra::bench {

// The best wall time of `repetitions` single runs of work, timed by Google Benchmark; setup
// runs before each of them, untimed.
double BestInProcess(const std::string& name, int repetitions, const std::function<void()>& setup,
                     const std::function<void()>& work);

} // namespace zyntra::bench
