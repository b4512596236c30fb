#pragma once
// The program's random numbers: a Mersenne twister reseeded from the clock before every draw.

#include "Random.h"

#include <random>

namespace lampen {

class ClockRandom final : public Random {
public:
    void seedFromClock() override;
    double next() override;

private:
    std::mt19937_64 engine_{std::random_device{}()};
};

} // namespace lampen
