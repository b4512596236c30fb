// The number conventions of the text boxes: lenient reading, the leading blank, counters and
// the bounds check every table index goes through.

#include "NumText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace lampen {
namespace {

TEST(NumText, ReadingWritingAndCounting) {
    const struct {
        std::string text;
        double value;
        std::string shown; // numText of the value
    } cases[] = {
        {"1 2", 12, " 12"},   {"7.0", 7, " 7"},         {"*", 0, " 0"},
        {"", 0, " 0"},        {" 5", 5, " 5"},          {"\t1\n2", 12, " 12"},
        {"-3", -3, "-3"},     {"+4", 4, " 4"},          {"- 3", -3, "-3"},
        {"2.5", 2.5, " 2.5"}, {"-.25", -0.25, "-0.25"}, {"1.2.3", 1.2, " 1.2"},
        {"12abc", 12, " 12"}, {"3-4", 3, " 3"},         {"1e5", 1, " 1"},
        {"\r5", 0, " 0"},     {"-0", 0, " 0"},          {"1 000 000", 1e6, " 1000000"},
    };
    for (const auto& c : cases) {
        const double v = numValue(c.text);
        EXPECT_DOUBLE_EQ(v, c.value) << '"' << c.text << '"';
        EXPECT_EQ(numText(v), c.shown) << '"' << c.text << '"';
    }
    EXPECT_TRUE(std::isfinite(numValue(std::string(400, '9'))));
    EXPECT_FALSE(std::signbit(numValue("-0"))); // no minus zero
    EXPECT_EQ(changeCounter(changeCounter("0", -1), -1), "-2");
    EXPECT_EQ(changeCounter("0", 1), " 1");
    EXPECT_EQ(changeCounter("*", 10), " 10");
}

TEST(NumText, IndexWithinOnlyForNumbersRoundingIntoTheRange) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::optional<int> none;
    const struct {
        double v;
        std::optional<int> index; // within 1..200
    } cases[] = {{nan, none}, {inf, none}, {-inf, none}, {1e300, none}, {1, 1},
                 {200, 200},  {0, none},   {201, none},  {200.5, 200},  {200.6, none},
                 {0.5, none}, {1.5, 2},    {2.5, 2}};
    for (const auto& c : cases)
        EXPECT_EQ(indexWithin(c.v, 1, 200), c.index) << c.v;
    EXPECT_EQ(indexWithin(-0.5, 0, 9), 0);
    EXPECT_EQ(indexWithin(9.49, 0, 9), 9);
}

} // namespace
} // namespace lampen
