#pragma once
// Figures of the program and of the bare window, taken in alternating rounds so that a drift of
// the shared machine's speed hits both alike, and their ratio.

#include <vector>

namespace bench {

struct Paired {
    std::vector<double> program, bare; // one figure per round, the same unit for both
};

struct Comparison {
    double program = 0, bare = 0;         // medians
    double ratioMin = 0, ratioMedian = 0; // over the rounds' own ratios
};

double median(std::vector<double> values);
Comparison compare(const Paired& rounds);

// Seconds of wall time since an arbitrary point shared by every process of the machine.
double monotonicSeconds();
// Seconds of CPU time this process has used since it was created.
double processCpuSeconds();

} // namespace bench
