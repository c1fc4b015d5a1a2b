#pragma once

#include "bench/measured.h"

#include <optional>
#include <string>
#include <vector>

namespace zyntra::bench {

// One line of the printed table: a figure, what it is compared with, their ratio, and the goal
// the ratio (or, without a comparison, the figure) is held to.
struct ResultRow {
    std::string work;
    Measured figure;
    std::optional<Measured> comparison;
    std::string unit; // "s", "ms" or "MB"
    std::optional<double> goal;
    bool goalIsRatio = true; // else the goal is a bound on the figure, in its unit
    bool strict = false;     // "under" rather than "at most"
};

void PrintTable(const std::vector<ResultRow>& rows);

} // namespace zyntra::bench
