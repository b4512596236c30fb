// Splitting group files into lines and writing them back, in memory.

#include "FileErrorText.h"
#include "GroupFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lampen {
namespace {

using Lines = std::vector<std::string>;

std::string repeated(const std::string& line, int times) {
    std::string out;
    while (times-- > 0)
        out += line;
    return out;
}

TEST(GroupParse, LineEnds) {
    const struct {
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"2*110*011*001*\r\n2*110*011*101*\r\n", {"2*110*011*001*", "2*110*011*101*"}},
        {"0*1*\n1*10*01*\n", {"0*1*", "1*10*01*"}},             // LF alone
        {"0*1*\r1*10*01*\r", {"0*1*", "1*10*01*"}},             // CR alone
        {"0*1*\r\n1*10*01*", {"0*1*", "1*10*01*"}},             // no line end after the last line
        {"0*1*\r\n1*10*01*\r\n\r\n", {"0*1*", "1*10*01*", ""}}, // an extra empty line
        {"a\n\rb", {"a", "", "b"}},                             // LF then CR is two ends
        {std::string("2*1\0\r\n\0", 7), {std::string("2*1\0", 4), std::string(1, '\0')}},
        {"\xEF\xBB\xBF"
         "0*1*\r\n",
         {"0*1*"}},                                         // a byte-order mark is no circuit
        {"\xEF\xBB\xBF", {}},                               // ... even alone
        {"0*1*\r\n\xEF\xBB\xBF", {"0*1*", "\xEF\xBB\xBF"}}, // but only at the start
        {"\xEF\xBB", {"\xEF\xBB"}},                         // and only whole
    };
    for (const auto& c : cases) {
        const FileResult<GroupLines> r = parseGroup(c.bytes);
        ASSERT_TRUE(r.ok()) << testing::PrintToString(c.bytes);
        EXPECT_EQ(r.value(), c.lines) << testing::PrintToString(c.bytes);
    }
}

TEST(GroupParse, AtMostTwoHundredLines) {
    EXPECT_EQ(parseGroup(repeated("0*1*\r\n", 200)).value().size(), 200u);
    EXPECT_EQ(parseGroup("\xEF\xBB\xBF" + repeated("0*1*\r\n", 200)).value().size(), 200u);
    for (const std::string& bytes :
         {repeated("0*1*\r\n", 201), repeated("0*1*\r\n", 200) + "\r\n", repeated("\n", 201)}) {
        const FileResult<GroupLines> r = parseGroup(bytes);
        ASSERT_FALSE(r.ok());
        EXPECT_EQ(r.error().code, FileErrc::TooManyLines);
        EXPECT_EQ(germanReason(r.error()), "mehr als 200 Zeilen");
    }
}

TEST(GroupParse, FormatWritesTheWorkedExampleByteForByte) {
    const Lines lines = {"2*110*011*001*", "2*110*011*101*"};
    const std::string bytes = formatGroup(lines);
    EXPECT_EQ(bytes, "2*110*011*001*\r\n2*110*011*101*\r\n"); // 32 bytes
    EXPECT_EQ(parseGroup(bytes).value(), lines);
    // A first line that starts with a byte-order mark itself survives the round trip.
    for (const Lines& marked : {Lines{"\xEF\xBB\xBF"
                                      "0*1*"},
                                Lines{"\xEF\xBB\xBF", "0*1*"}})
        EXPECT_EQ(parseGroup(formatGroup(marked)).value(), marked);
}

} // namespace
} // namespace lampen
