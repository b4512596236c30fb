// Splitting group files into lines and writing them back, in memory.

#include "GroupFile.h"
#include "Schaltgruppe.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace lampen {
namespace {

using Lines = std::vector<std::string>;

std::string repeated(const std::string& line, std::size_t times) {
    std::string out;
    for (std::size_t i = 0; i < times; ++i)
        out += line;
    return out;
}

struct ParseCase {
    const char* name;
    std::string bytes;
    Lines lines;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << c.name;
}

class ParseGroupTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseGroupTest, SplitsIntoTheExpectedLines) {
    const ParseCase& c = GetParam();
    const GroupReadResult r = parseGroup(c.bytes);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.lines, c.lines);
    EXPECT_TRUE(r.error.empty());
}

const std::string kWorkedExample = "2*110*011*001*\r\n2*110*011*101*\r\n";

INSTANTIATE_TEST_SUITE_P(
    LineEnds, ParseGroupTest,
    ::testing::Values(
        ParseCase{"EmptyFile", "", {}},
        ParseCase{"WorkedExample", kWorkedExample, {"2*110*011*001*", "2*110*011*101*"}},
        ParseCase{"LastLineWithoutEnd",
                  "2*110*011*001*\r\n2*110*011*101*",
                  {"2*110*011*001*", "2*110*011*101*"}},
        ParseCase{
            "ExtraEmptyLine", kWorkedExample + "\r\n", {"2*110*011*001*", "2*110*011*101*", ""}},
        ParseCase{"OnlyALineEnd", "\r\n", {""}},
        ParseCase{"LfOnly", "0*1*\n1*10*01*\n", {"0*1*", "1*10*01*"}},
        ParseCase{"CrOnly", "0*1*\r1*10*01*\r", {"0*1*", "1*10*01*"}},
        ParseCase{"LfThenCrIsTwoEnds", "a\n\rb", {"a", "", "b"}},
        ParseCase{"CrCrLf", "a\r\r\n", {"a", ""}}, ParseCase{"LoneCrAtEnd", "a\r", {"a"}},
        ParseCase{"BlanksKept", " 2*1 0*\t\r\n", {" 2*1 0*\t"}},
        ParseCase{"NulBytesAreCharacters",
                  std::string("2*1\0"
                              "0*\r\n\0",
                              9),
                  {std::string("2*1\0"
                               "0*",
                               6),
                   std::string(1, '\0')}},
        ParseCase{"BinaryJunk", "\xff\xfe\x80\x01\r\n\x7f", {"\xff\xfe\x80\x01", "\x7f"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct LimitCase {
    const char* name;
    std::string bytes;
    bool ok;
    std::size_t lines;
};

void PrintTo(const LimitCase& c, std::ostream* os) {
    *os << c.name;
}

class GroupLineLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(GroupLineLimitTest, AtMostTwoHundredLines) {
    const LimitCase& c = GetParam();
    const GroupReadResult r = parseGroup(c.bytes);
    EXPECT_EQ(r.ok, c.ok);
    EXPECT_EQ(r.lines.size(), c.lines);
    EXPECT_EQ(r.error.empty(), c.ok) << r.error;
    if (!c.ok) {
        EXPECT_NE(r.error.find("200"), std::string::npos) << r.error;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, GroupLineLimitTest,
    ::testing::Values(
        LimitCase{"Exactly200", repeated("0*1*\r\n", 200), true, 200},
        LimitCase{"Exactly200LastOpen", repeated("0*1*\r\n", 199) + "0*1*", true, 200},
        LimitCase{"Lines201", repeated("0*1*\r\n", 201), false, 0},
        LimitCase{"ExtraEmptyLineMakes201", repeated("0*1*\r\n", 200) + "\r\n", false, 0},
        LimitCase{"Lines201LfOnly", repeated("\n", 201), false, 0},
        LimitCase{"ManyMore", repeated("x\n", 100000), false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatGroupTest, WorkedExampleIsThirtyTwoBytes) {
    const std::string bytes = formatGroup({"2*110*011*001*", "2*110*011*101*"});
    EXPECT_EQ(bytes.size(), 32u);
    EXPECT_EQ(bytes, kWorkedExample);
    EXPECT_EQ(bytes.substr(14, 2), "\r\n");
    EXPECT_EQ(bytes.substr(30, 2), "\r\n");
}

TEST(FormatGroupTest, EveryLineEndsInCrLf) {
    EXPECT_EQ(formatGroup({}), "");
    EXPECT_EQ(formatGroup({""}), "\r\n");
    EXPECT_EQ(formatGroup({"", ""}), "\r\n\r\n");
    EXPECT_EQ(formatGroup({std::string("a\0b", 3)}), std::string("a\0b\r\n", 5));
}

TEST(FormatGroupTest, BuiltInGroupRoundTrips) {
    Lines codes(builtInCodes().begin(), builtInCodes().end());
    const GroupReadResult r = parseGroup(formatGroup(codes));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.lines, codes);
}

// Any lines without CR and LF, empty ones and NUL bytes included, come back unchanged.
TEST(FormatGroupTest, RandomLinesRoundTrip) {
    std::mt19937 gen(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> count(0, 200), length(0, 40);
    for (int round = 0; round < 200; ++round) {
        Lines lines(count(gen));
        for (std::string& line : lines) {
            line.resize(length(gen));
            for (char& c : line) {
                do
                    c = static_cast<char>(byte(gen));
                while (c == '\r' || c == '\n');
            }
        }
        const GroupReadResult r = parseGroup(formatGroup(lines));
        ASSERT_TRUE(r.ok) << "round " << round;
        ASSERT_EQ(r.lines, lines) << "round " << round;
    }
}

} // namespace
} // namespace lampen
