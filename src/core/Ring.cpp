#include "Ring.h"

#include <numbers>

namespace lampen {

namespace {

// The series of sin and cos on [-pi/4, pi/4], to the term below 1e-20.
double sinSeries(double r) {
    const double r2 = r * r;
    double sum = 0;
    for (int n = 19; n >= 3; n -= 2) // Horner from the highest odd power down
        sum = (sum + (n % 4 == 3 ? -1.0 : 1.0)) * r2 / (n * (n - 1));
    return r * (1 + sum);
}

double cosSeries(double r) {
    const double r2 = r * r;
    double sum = 0;
    for (int n = 20; n >= 2; n -= 2)
        sum = (sum + (n % 4 == 2 ? -1.0 : 1.0)) * r2 / (n * (n - 1));
    return 1 + sum;
}

} // namespace

SineCosine sineCosine(double x) {
    // x = k * pi/2 + r with |r| <= pi/4. pi/2 is split in two: the first part has 33 bits, so
    // k times it is exact, and the second carries the rest; r is then right to its last place.
    constexpr double kHalfPiHigh = 1.57079632673412561417e+00;
    constexpr double kHalfPiLow = 6.07710050650619224932e-11;
    const double q = x / (std::numbers::pi / 2);
    const auto k = static_cast<long long>(q < 0 ? q - 0.5 : q + 0.5);
    const double r =
        (x - static_cast<double>(k) * kHalfPiHigh) - static_cast<double>(k) * kHalfPiLow;
    const double s = sinSeries(r), c = cosSeries(r);
    switch (((k % 4) + 4) % 4) {
    case 0:
        return {s, c};
    case 1:
        return {c, -s};
    case 2:
        return {-s, -c};
    default:
        return {-c, s};
    }
}

RingPoint ringPosition(double phi, double r, int i, int n) {
    const double theta = phi + (2 * 3.1415 * i) / n;
    const SineCosine t = sineCosine(theta);
    return {r * t.sine, r * t.cosine};
}

} // namespace lampen
