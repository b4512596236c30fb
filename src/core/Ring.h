#pragma once
// Where the room puts its lamps and switches: evenly on two circles around the field's centre.
// The window and the worksheets place their elements with the same function.

namespace lampen {

struct RingPoint {
    double x = 0, y = 0; // room units: -10..10, y downwards
};

// The arrangement the room starts with, before a slider is moved.
inline constexpr double kStartLampRadius = 7.0;
inline constexpr double kStartSwitchRadius = 3.0;

// Sine and cosine of an angle in radians, within a unit or two of the last place for angles the
// room uses (a few turns). The positions of the first frame are computed without the math
// library's sine, whose code and tables cost some 300 KB of resident memory when first touched.
struct SineCosine {
    double sine, cosine;
};
SineCosine sineCosine(double x);

// Element i of n on a ring turned by phi with radius r. Element 0 stands straight below the
// centre. The constant 3.1415 (not pi) keeps the positions exactly where the design puts them.
RingPoint ringPosition(double phi, double r, int i, int n);

} // namespace lampen
