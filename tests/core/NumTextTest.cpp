// The number conventions of the text boxes: lenient reading, the leading blank, counters and
// the bounds check every table index goes through.

#include "NumText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace lampen {
namespace {

struct ReadCase {
    std::string text;
    double value;
};

TEST(NumValue, ReadsTheLeadingNumberLeniently) {
    const std::vector<ReadCase> cases = {
        {"1 2", 12},        // a blank between digits does not end the number
        {"7.0", 7},         // a fraction is read as well
        {"*", 0},           // not a number at all
        {"", 0},            // empty text
        {"   ", 0},         // only blanks
        {" 5", 5},          // the leading blank of numText
        {"\t1\n2", 12},     // tabs and line feeds are ignored like blanks
        {"1 000 000", 1e6}, // blanks anywhere among the digits
        {"07", 7},
        {"-3", -3},
        {"+4", 4},
        {"- 3", -3}, // blank between sign and digits
        {" -3", -3},
        {"2.5", 2.5},
        {".5", 0.5},
        {"-.25", -0.25},
        {"1.2.3", 1.2}, // the second point cannot continue the number
        {"12abc", 12},
        {"3-4", 3}, // a sign inside the number ends it
        {"+-3", 0},
        {"-", 0},
        {".", 0},
        {"1e5", 1}, // no exponent: only a decimal number is read
        {"0x1A", 0},
        {"inf", 0},
        {"nan", 0},
        {"*5", 0},
        {"5\r", 5},
        {"\r5", 0}, // a carriage return is not a blank
        {"9*110*", 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("text \"" + c.text + "\"");
        EXPECT_DOUBLE_EQ(numValue(c.text), c.value);
    }
}

TEST(NumValue, MinusZeroReadsAsPlainZero) {
    for (const char* text : {"-0", "-0.0", "- 0", "-.", "-"}) {
        SCOPED_TRACE(text);
        const double v = numValue(text);
        EXPECT_EQ(v, 0.0);
        EXPECT_FALSE(std::signbit(v)); // would show as "-0"
        EXPECT_EQ(numText(v), " 0");
    }
}

TEST(NumValue, HugeDigitRunsStayFinite) {
    const std::string nines(400, '9');
    const std::vector<std::string> texts = {
        nines,
        "-" + nines,
        nines + "." + nines,
        "0." + std::string(400, '0') + "1",
        std::string(100000, '1'),
        "1" + std::string(5000, ' ') + std::string(400, '0'),
    };
    for (const auto& t : texts) {
        SCOPED_TRACE(t.substr(0, 20) + "... (" + std::to_string(t.size()) + " characters)");
        const double v = numValue(t);
        EXPECT_TRUE(std::isfinite(v));
    }
    EXPECT_GT(numValue(nines), 1e300);
    EXPECT_LT(numValue("-" + nines), -1e300);
    EXPECT_GE(numValue("0." + std::string(400, '0') + "1"), 0.0);
}

struct TextCase {
    double value;
    std::string text;
};

TEST(NumText, NonNegativeNumbersGetALeadingBlank) {
    const std::vector<TextCase> cases = {
        {2, " 2"},        {-3, "-3"},     {0, " 0"},     {-0.0, " 0"},
        {2.5, " 2.5"},    {-2.5, "-2.5"}, {200, " 200"}, {123456789, " 123456789"},
        {-1023, "-1023"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(numText(c.value), c.text);
    }
}

TEST(NumText, ReadsBackToTheSameNumber) {
    for (int n = -1000; n <= 1000; ++n)
        ASSERT_EQ(numValue(numText(n)), n) << numText(n);
    for (double f : {0.5, -0.125, 3.75, 1e-3, 1234.5678})
        EXPECT_DOUBLE_EQ(numValue(numText(f)), f) << numText(f);
}

TEST(ChangeCounter, AddsToTheNumberInTheText) {
    struct Case {
        std::string text;
        double d;
        std::string result;
    };
    const std::vector<Case> cases = {
        {"0", 1, " 1"}, {"0", -1, "-1"}, {"-1", -1, "-2"},  {" 9", 1, " 10"},   {"", 1, " 1"},
        {"*", 1, " 1"}, {"-1", 1, " 0"}, {"1 2", 1, " 13"}, {" 19", -1, " 18"}, {"abc", -1, "-1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + c.text + "\" + " + std::to_string(c.d));
        EXPECT_EQ(changeCounter(c.text, c.d), c.result);
    }
}

TEST(ChangeCounter, TwoStepsDownFromZero) {
    EXPECT_EQ(changeCounter(changeCounter("0", -1), -1), "-2");
}

TEST(IndexWithin, OnlyNumbersRoundingIntoTheRangeGiveAnIndex) {
    struct Case {
        double v;
        int lo;
        int hi;
        std::optional<int> index;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<Case> cases = {
        {nan, 1, 200, std::nullopt},
        {inf, 1, 200, std::nullopt},
        {-inf, 1, 200, std::nullopt},
        {DBL_MAX, 1, 200, std::nullopt},
        {-DBL_MAX, 0, 200, std::nullopt},
        {1e300, 0, 200, std::nullopt},
        {7, 1, 200, 7},
        {1, 1, 200, 1},
        {200, 1, 200, 200},
        {0, 1, 200, std::nullopt},
        {201, 1, 200, std::nullopt},
        {200.4, 1, 200, 200},
        {200.5, 1, 200, 200}, // half rounds to even
        {200.6, 1, 200, std::nullopt},
        {-0.4, 0, 200, 0},
        {-0.5, 0, 200, 0},
        {-0.6, 0, 200, std::nullopt},
        {0.5, 1, 200, std::nullopt}, // rounds to 0, below the range
        {1.5, 1, 200, 2},
        {2.5, 1, 200, 2},
        {9.49, 0, 9, 9},
        {-1, -1, 1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.v) + " in " + std::to_string(c.lo) + ".." +
                     std::to_string(c.hi));
        EXPECT_EQ(indexWithin(c.v, c.lo, c.hi), c.index);
    }
}

} // namespace
} // namespace lampen
