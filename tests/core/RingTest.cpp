// The rings' own sine and cosine against the math library's, over the angles the room and the
// worksheets use (slider turns up to 2 pi plus a full ring) and beyond, negative ones included.

#include "Ring.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lampen {
namespace {

TEST(Ring, SineAndCosineAgreeWithTheLibraryToTheLastPlaces) {
    for (int step = -40000; step <= 40000; ++step) {
        const double x = step * 1e-3 + 1e-7 * (step % 7); // off the multiples of pi/2 too
        const SineCosine t = sineCosine(x);
        ASSERT_NEAR(t.sine, std::sin(x), 5e-16) << x;
        ASSERT_NEAR(t.cosine, std::cos(x), 5e-16) << x;
    }
    for (const double quarter : {0.0, 1.0, 2.0, 3.0, -1.0, 5.0}) { // the folds themselves
        const double x = quarter * M_PI / 2;
        EXPECT_NEAR(sineCosine(x).sine, std::sin(x), 5e-16) << quarter;
        EXPECT_NEAR(sineCosine(x).cosine, std::cos(x), 5e-16) << quarter;
    }
}

} // namespace
} // namespace lampen
