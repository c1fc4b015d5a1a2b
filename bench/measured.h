#pragma once

#include <algorithm>

namespace zyntra::bench {

// A figure of one or more runs. A run stopped at its time limit gives only a lower bound.
struct Measured {
    double value = 0;
    bool atLeast = false; // the true figure is larger
    bool known = false;

    static Measured Exact(double value) { return {value, false, true}; }

    // The best of the runs: the smallest complete one; a complete run outranks any stopped one,
    // and of stopped ones the longest says the most.
    void Keep(double run, bool stopped) {
        if (!known || (atLeast && !stopped))
            *this = {run, stopped, true};
        else if (atLeast == stopped)
            value = stopped ? std::max(value, run) : std::min(value, run);
    }
};

} // namespace zyntra::bench
