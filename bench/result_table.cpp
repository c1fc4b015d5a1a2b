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

std::string Quantity(double value, const std::string& unit) {
    return Format(unit == "s" ? "%.3f" : "%.1f", value) + " " + unit;
}

struct Cells {
    std::string work, figure, comparison, ratio, goal, met;
};

Cells CellsOf(const ResultRow& row) {
    Cells cells{row.work, Quantity(row.figure, row.unit), "-", "-", "-", "-"};
    std::optional<double> ratio;
    if (row.comparison) {
        cells.comparison = Quantity(*row.comparison, row.unit);
        if (*row.comparison > 0) {
            ratio = row.figure / *row.comparison;
            cells.ratio = Format("%.2fx", *ratio);
        }
    }
    if (!row.goal)
        return cells;
    const std::string bound = row.strict ? "< " : "<= ";
    cells.goal =
        bound + (row.goalIsRatio ? Format("%gx", *row.goal) : Quantity(*row.goal, row.unit));
    const std::optional<double> held = row.goalIsRatio ? ratio : std::optional(row.figure);
    if (held)
        cells.met = (row.strict ? *held < *row.goal : *held <= *row.goal) ? "met" : "NOT met";
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
