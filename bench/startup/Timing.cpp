#include "Timing.h"

#include <algorithm>
#include <ctime>

namespace bench {

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

Comparison compare(const Paired& rounds) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < rounds.program.size() && i < rounds.bare.size(); ++i)
        if (rounds.bare[i] > 0)
            ratios.push_back(rounds.program[i] / rounds.bare[i]);
    Comparison c;
    c.program = median(rounds.program);
    c.bare = median(rounds.bare);
    c.ratioMedian = median(ratios);
    c.ratioMin = ratios.empty() ? 0 : *std::min_element(ratios.begin(), ratios.end());
    return c;
}

namespace {

double seconds(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

} // namespace

double monotonicSeconds() {
    return seconds(CLOCK_MONOTONIC);
}

double processCpuSeconds() {
    return seconds(CLOCK_PROCESS_CPUTIME_ID);
}

} // namespace bench
