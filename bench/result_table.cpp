#include "bench/result_table.h"

#include <algorithm>
#include <cstdio>

namespace zyntra::bench {
namespace {

std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string Quantity(const Measured& value, const std::string& unit) {
    if (!value.known)
        return "not run";
    return (value.atLeast ? "> " : "") + Format(unit == "s" ? "%.3f" : "%.1f", value.value) + " " +
           unit;
}

struct Cells {
    std::string work, figure, comparison, ratio, goal, met;
};

// What a ratio of two figures can say when either is only a lower bound: a figure larger than
// the one measured makes the ratio larger, a comparison larger than measured makes it smaller.
struct Bounded {
    double value = 0;
    bool atLeast = false, atMost = false;
};

std::optional<Bounded> RatioOf(const Measured& figure, const Measured& comparison) {
    if (!figure.known || !comparison.known || comparison.value <= 0 ||
        (figure.atLeast && comparison.atLeast))
        return std::nullopt;
    return Bounded{figure.value / comparison.value, figure.atLeast, comparison.atLeast};
}

// "met", "NOT met", or "unknown" when a bound leaves it open.
std::string Verdict(const Bounded& held, double goal, bool strict) {
    const bool within = strict ? held.value < goal : held.value <= goal;
    if (within && !held.atLeast)
        return "met";
    if (!within && !held.atMost)
        return "NOT met";
    return "unknown";
}

Cells CellsOf(const ResultRow& row) {
    Cells cells{row.work, Quantity(row.figure, row.unit), "-", "-", "-", "-"};
    std::optional<Bounded> ratio;
    if (row.comparison) {
        cells.comparison = Quantity(*row.comparison, row.unit);
        ratio = RatioOf(row.figure, *row.comparison);
        cells.ratio = !ratio           ? "?"
                      : ratio->atLeast ? Format("> %.2fx", ratio->value)
                      : ratio->atMost  ? Format("< %.2fx", ratio->value)
                                       : Format("%.2fx", ratio->value);
    }
    if (!row.goal)
        return cells;
    cells.goal = (row.strict ? "< " : "<= ") +
                 (row.goalIsRatio ? Format("%gx", *row.goal)
                                  : Quantity(Measured::Exact(*row.goal), row.unit));
    std::optional<Bounded> held = row.goalIsRatio ? ratio : std::nullopt;
    if (!row.goalIsRatio && row.figure.known)
        held = Bounded{row.figure.value, row.figure.atLeast, false};
    cells.met = held ? Verdict(*held, *row.goal, row.strict) : "unknown";
    return cells;
}

} // namespace

void PrintTable(const std::vector<ResultRow>& rows) {
    std::vector<Cells> table{{"work", "figure", "comparison", "ratio", "goal", "met"}};
    for (const ResultRow& row : rows)
        table.push_back(CellsOf(row));
    std::size_t widths[6] = {};
    for (const Cells& cells : table) {
        const std::string* texts[] = {&cells.work,  &cells.figure, &cells.comparison,
                                      &cells.ratio, &cells.goal,   &cells.met};
        for (int i = 0; i < 6; ++i)
            widths[i] = std::max(widths[i], texts[i]->size());
    }
    for (const Cells& cells : table) {
        std::printf("| %-*s | %*s | %*s | %*s | %-*s | %-*s |\n", int(widths[0]),
                    cells.work.c_str(), int(widths[1]), cells.figure.c_str(), int(widths[2]),
                    cells.comparison.c_str(), int(widths[3]), cells.ratio.c_str(), int(widths[4]),
                    cells.goal.c_str(), int(widths[5]), cells.met.c_str());
        if (&cells == &table.front()) {
            std::printf("|");
            for (std::size_t width : widths)
                std::printf("%s|", std::string(width + 2, '-').c_str());
            std::printf("\n");
        }
    }
}

} // namespace zyntra::bench
