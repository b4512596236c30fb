#include "Ring.h"

#include <cmath>

namespace lampen {

RingPoint ringPosition(double phi, double r, int i, int n) {
    const double theta = phi + (2 * 3.1415 * i) / n;
    return {r * std::sin(theta), r * std::cos(theta)};
}

} // namespace lampen
