// The JSON string escaping of lampen-analyse on its own, checked with the strict reader the
// process tests use; and that reader itself, so its verdicts can be trusted.

#include "JsonOutput.h"
#include "JsonValue.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lampen {
namespace {

using test::JsonValue;
using test::parseJson;

const std::string kFffd = "\xEF\xBF\xBD";

std::string decoded(const std::string& json) {
    std::string error;
    const auto v = parseJson(json, &error);
    EXPECT_TRUE(v.has_value()) << error << " in " << json;
    if (!v)
        return {};
    EXPECT_EQ(v->kind, JsonValue::Kind::String);
    return v->text;
}

TEST(JsonString, EverySingleByteGivesValidJson) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::string json = cli::jsonString(byte);
        SCOPED_TRACE(b);
        EXPECT_EQ(decoded(json), b < 0x80 ? byte : kFffd);
    }
}

TEST(JsonString, EscapesAndReplacements) {
    struct Case {
        std::string bytes;
        std::string json;
    };
    const std::vector<Case> cases = {
        {"2*110*011*001*", "\"2*110*011*001*\""},
        {"a\"b\\c", "\"a\\\"b\\\\c\""},
        {std::string("\0\x01\x1f", 3), "\"\\u0000\\u0001\\u001f\""},
        {"\b\f\n\r\t", "\"\\b\\f\\n\\r\\t\""},
        {"\x7f", "\"\\u007f\""},
        {"L\xC3\xB6sung", "\"L\xC3\xB6sung\""},                // valid two-byte form kept
        {"\xF0\x9F\x92\xA1", "\"\xF0\x9F\x92\xA1\""},          // valid four-byte form kept
        {"\xC0\xAF", "\"" + kFffd + kFffd + "\""},             // overlong "/"
        {"\xED\xA0\x80", "\"" + kFffd + kFffd + kFffd + "\""}, // a surrogate
        {"\xF4\x90\x80\x80", "\"" + kFffd + kFffd + kFffd + kFffd + "\""}, // above U+10FFFF
        {"\xE2\x82", "\"" + kFffd + kFffd + "\""},                         // cut short
        {"1\xFF"
         "2",
         "\"1" + kFffd + "2\""},
        {"", "\"\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        EXPECT_EQ(cli::jsonString(c.bytes), c.json);
        decoded(c.json);
    }
}

TEST(Printable, ControlCharactersAndBadBytesBecomeReplacements) {
    EXPECT_EQ(cli::printable("2*110*"), "2*110*");
    EXPECT_EQ(cli::printable("\x1b[31m"), kFffd + "[31m"); // no terminal escapes
    EXPECT_EQ(cli::printable(std::string("a\0b", 3)), "a" + kFffd + "b");
    EXPECT_EQ(cli::printable("\xC2\x85"), kFffd); // C1 control
    EXPECT_EQ(cli::printable("\xFE"), kFffd);
    EXPECT_EQ(cli::printable("\xC3\xA4"), "\xC3\xA4");
    EXPECT_EQ(cli::displayWidth("l\xC3\xB6sbar"), 6u);
}

TEST(JsonReader, AcceptsOnlyOneStrictDocument) {
    const std::vector<std::string> good = {
        "{}", "[]",   "null", " {\"a\":[1,-2.5e3,true,false,null,\"x\"]} \n", "\"\\ud83d\\udca1\"",
        "0",  "-0.5",
    };
    const std::vector<std::string> bad = {
        "",
        "{",
        "{\"a\":1,}",
        "[1,]",
        "{} {}",
        "01",
        "1.",
        ".5",
        "+1",
        "\"a",
        "\"\x01\"",
        "\"\\x\"",
        "\"\\ud83d\"",
        "\"\\udca1\"",
        "\"\xFF\"",
        "\"\xC0\xAF\"",
        "tru",
        "{a:1}",
        "[1 2]",
        "NaN",
    };
    for (const auto& g : good)
        EXPECT_TRUE(parseJson(g).has_value()) << g;
    for (const auto& b : bad)
        EXPECT_FALSE(parseJson(b).has_value()) << b;
    const auto v = parseJson("{\"n\":[1,\"\\u00e4\"]}");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->at("n").items.at(0).number, 1);
    EXPECT_EQ(v->at("n").items.at(1).text, "\xC3\xA4");
    EXPECT_THROW(static_cast<void>(v->at("m")), std::out_of_range);
}

} // namespace
} // namespace lampen
