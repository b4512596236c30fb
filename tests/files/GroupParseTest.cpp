// Splitting group files into lines and writing them back, in memory.

#include "FileErrorText.h"
#include "GroupFile.h"

#include <gtest/gtest.h>

namespace lampen {
namespace {

TEST(GroupParse, LineEndsAndTheByteOrderMark) {
    const std::string bom = "\xEF\xBB\xBF", full = formatGroup(GroupLines(200, "0*1*"));
    const std::pair<std::string, GroupLines> cases[] = {
        {"", {}},
        {"0*1*\n1*10*01*\n", {"0*1*", "1*10*01*"}},             // LF alone
        {"0*1*\r1*10*01*\r", {"0*1*", "1*10*01*"}},             // CR alone
        {"0*1*\r\n1*10*01*", {"0*1*", "1*10*01*"}},             // no line end after the last line
        {"0*1*\r\n1*10*01*\r\n\r\n", {"0*1*", "1*10*01*", ""}}, // an extra empty line
        {"a\n\rb", {"a", "", "b"}},                             // LF then CR is two ends
        {std::string("2*1\0\r\n\0", 7), {std::string("2*1\0", 4), std::string(1, '\0')}},
        {bom + "0*1*\r\n", {"0*1*"}},          // a byte-order mark is no circuit
        {bom, {}},                             // ... even alone
        {"0*1*\r\n" + bom, {"0*1*", bom}},     // but only at the start
        {"\xEF\xBB", {"\xEF\xBB"}},            // and only whole
        {full, GroupLines(200, "0*1*")},       // as many lines as a group may have
        {bom + full, GroupLines(200, "0*1*")}, // the mark is no line
    };
    for (const auto& [bytes, expected] : cases)
        EXPECT_EQ(parseGroup(bytes).value(), expected) << ::testing::PrintToString(bytes);
    for (const std::string& bytes : {full + "0*1*\r\n", full + "\r\n", std::string(201, '\n')})
        EXPECT_EQ(germanReason(parseGroup(bytes).error()), "mehr als 200 Zeilen");
}

TEST(GroupParse, FormatWritesCrLfAndKeepsAMarkOfTheFirstLine) {
    EXPECT_EQ(formatGroup({"2*110*011*001*", "2*110*011*101*"}),
              "2*110*011*001*\r\n2*110*011*101*\r\n");
    // A first line that starts with a byte-order mark itself survives the round trip.
    for (const GroupLines& marked : {GroupLines{"\xEF\xBB\xBF"
                                                "0*1*"},
                                     GroupLines{"\xEF\xBB\xBF", "0*1*"}})
        EXPECT_EQ(parseGroup(formatGroup(marked)).value(), marked);
}

} // namespace
} // namespace lampen
