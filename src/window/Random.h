#pragma once
// Random numbers for drawing targets; the window seeds from the clock, tests script them.

namespace lampen {

class Random {
public:
    virtual ~Random() = default;
    // Called before every draw of a target.
    virtual void seedFromClock() = 0;
    // Uniform in [0, 1).
    virtual double next() = 0;
};

} // namespace lampen
