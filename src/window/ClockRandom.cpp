#include "ClockRandom.h"

#include <chrono>

namespace lampen {

void ClockRandom::seedFromClock() {
    // Mixed with the engine's own state, so two draws within one clock tick still differ.
    const auto now = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    engine_.seed(now ^ engine_());
}

double ClockRandom::next() {
    // 53 random bits scaled into [0, 1): never 1.0.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

} // namespace lampen
