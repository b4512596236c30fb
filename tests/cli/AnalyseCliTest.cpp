// lampen-analyse run as a process: its figures against the core analysis, the JSON document and
// the table, the exit status and the messages for wrong usage and unreadable or binary files.

#include "Analysis.h"
#include "Schaltcode.h"
#include "Schaltgruppe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace lampen {
namespace {

constexpr auto npos = std::string::npos;

std::string writeFile(const std::string& name, const std::string& bytes) {
    const std::string path = LAMPEN_CLI_SCRATCH_DIR "/" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

struct Outcome {
    int status = -1; // the exit status; -1 when the program did not end by itself
    std::string out, err;
};

// Runs the program through the shell; its output goes to files named after the running test.
Outcome analyseProgram(const std::vector<std::string>& args) {
    const std::string base =
        LAMPEN_CLI_SCRATCH_DIR "/" +
        std::string(testing::UnitTest::GetInstance()->current_test_info()->name());
    std::string command = "'" LAMPEN_ANALYSE_PROGRAM "'";
    for (const std::string& a : args)
        command += " '" + a + "'";
    const int status =
        std::system((command + " </dev/null >'" + base + ".out' 2>'" + base + ".err'").c_str());
    const auto read = [](const std::string& path) {
        return (std::ostringstream() << std::ifstream(path, std::ios::binary).rdbuf()).str();
    };
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, read(base + ".out"), read(base + ".err")};
}

// Whether the text is one JSON document with strings of valid UTF-8. It knows no blanks and no
// signs or fractions, which the program never writes: what it accepts is valid JSON.
class JsonChecker {
public:
    explicit JsonChecker(std::string_view text) : s_(text) {}
    bool document() { return value() && (eat("\n") || true) && p_ == s_.size(); }

private:
    int at() const { return p_ < s_.size() ? static_cast<unsigned char>(s_[p_]) : -1; }
    bool next() { return ++p_ != 0; } // moves on; always true
    bool eat(std::string_view w) { return s_.substr(p_, w.size()) == w && (p_ += w.size()) != 0; }
    bool value() {
        if (eat("{") || eat("["))
            return members(s_[p_ - 1] == '{' ? "}" : "]");
        if (at() == '"')
            return string();
        if (eat("true") || eat("false") || eat("null") || eat("0"))
            return true;
        const std::size_t end = std::min(s_.find_first_not_of("0123456789", p_), s_.size());
        return end > p_ && eat(s_.substr(p_, end - p_)); // a number without a leading 0
    }
    bool members(std::string_view close) {
        for (bool first = true; !eat(close); first = false)
            if ((!first && !eat(",")) || (close == "}" && !(at() == '"' && string() && eat(":"))) ||
                !value())
                return false;
        return true;
    }
    bool string() {
        for (next(); !eat("\"");) // fails on a raw control byte, the end, bad UTF-8 or escape
            if (at() < 0x20 || !(at() >= 0x80 ? utf8() : at() == '\\' ? escape() : next()))
                return false;
        return true;
    }
    bool escape() { // after the backslash: one of "\/bfnrt, or u and four hex digits
        if (next() && eat("u"))
            return s_.substr(p_, 4).find_first_not_of("0123456789ABCDEFabcdef") == npos &&
                   eat(s_.substr(p_, 4));
        return std::string_view("\"\\/bfnrt").find(static_cast<char>(at())) != npos && next();
    }
    // One multi-byte character: no overlong form, no surrogate, nothing above U+10FFFF.
    bool utf8() {
        const int c = at(), n = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
        const char32_t least[] = {0, 0x80, 0x800, 0x10000};
        char32_t cp = static_cast<char32_t>(c & (0x3F >> n));
        for (int i = 0; i < n; ++i)
            if (next() && (at() & 0xC0) == 0x80)
                cp = cp << 6 | static_cast<char32_t>(at() & 0x3F);
            else
                return false;
        return next() && c >= 0xC2 && c <= 0xF4 && cp >= least[n] && cp <= 0x10FFFF &&
               (cp < 0xD800 || cp > 0xDFFF);
    }

    std::string_view s_;
    std::size_t p_ = 0;
};

// One circuit's report as the core analysis sees it, in the program's JSON form.
std::string circuitJson(int nr, std::string_view code) {
    Verbindungsmatrix m;
    const int k = readMaxIndex(code);
    readWiring(code, k, m);
    const Analysis a = analyse(k, m, (1u << (k + 1)) - 1);
    std::ostringstream json;
    json << std::boolalpha << "{\"nr\":" << nr << ",\"code\":\"" << code << "\",\"lamps\":" << k + 1
         << ",\"rank\":" << a.rank << ",\"patterns\":" << a.patternCount
         << ",\"producible\":" << a.producibleCount
         << ",\"allProducible\":" << a.allPatternsProducible
         << ",\"fullTarget\":{\"solvable\":" << a.targetSolvable
         << ",\"minPresses\":" << (a.targetSolvable ? std::to_string(a.minPresses) : "null")
         << ",\"solutions\":[";
    for (std::size_t i = 0; i < a.solutions.size(); ++i)
        json << (i > 0 ? ",\"" : "\"") << schaltmusterText(a.solutions[i]) << '"';
    return json.str() + "]}}";
}

std::string groupJson(const std::string& file, const std::vector<std::string_view>& codes) {
    std::string json = "{\"file\":\"" + file + "\",\"circuits\":[";
    for (std::size_t i = 0; i < codes.size(); ++i)
        json += (i > 0 ? "," : "") + circuitJson(static_cast<int>(i + 1), codes[i]);
    return json + "]}";
}

const std::vector<std::string_view> kBuiltIn(builtInCodes().begin(), builtInCodes().end());

TEST(JsonChecker, AcceptsOnlyOneStrictDocument) {
    for (const char* good : {"{}", "[1,20,0,true,null,\"\\u00e4\\n\"]\n", "\"\xC3\xA4\""})
        EXPECT_TRUE(JsonChecker(good).document()) << good;
    for (const char* bad : {"", "{", "[1,]", "{} {}", "01", "{a:1}", "[1 2]", "\"\x01\"", "\"\\x\"",
                            "\"\\u12\"", "\"\xFF\"", "\"\xC0\xAF\"", "\"\xED\xA0\x80\"", "tru"})
        EXPECT_FALSE(JsonChecker(bad).document()) << bad;
}

TEST(AnalyseCli, BuiltInGroupAgreesWithTheCoreAnalysis) {
    const Outcome json = analyseProgram({"--builtin", "--json"});
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.err, "");
    EXPECT_TRUE(JsonChecker(json.out).document());
    EXPECT_EQ(json.out, "{\"files\":[" + groupJson("Voreinstellung.lmp", kBuiltIn) + "]}\n");
    EXPECT_NE(json.out.find("{\"nr\":1,\"code\":\"2*110*011*001*\",\"lamps\":3,\"rank\":3,"
                            "\"patterns\":7,\"producible\":7,\"allProducible\":true,"
                            "\"fullTarget\":{\"solvable\":true,\"minPresses\":2,"
                            "\"solutions\":[\"101\"]}}"),
              npos);

    const Outcome table = analyseProgram({"--builtin"});
    EXPECT_EQ(table.status, 0);
    EXPECT_EQ(table.out.find("Voreinstellung.lmp: 19 Schaltungen, Ziel: alle Lampen\n"), 0u);
    EXPECT_EQ(std::count(table.out.begin(), table.out.end(), '\n'), 21); // 2 + 19 rows
    std::istringstream text(table.out.substr(table.out.find('\n')));
    std::string words, word; // the column headings, then circuit 1's row
    for (int i = 0; i < 20 && text >> word; ++i)
        words += (i > 0 ? " " : "") + word;
    EXPECT_EQ(words, "Nr. Code Lampen Rang Muster herstellbar alle lösbar min. Lösungen "
                     "1 2*110*011*001* 3 3 7 7 ja ja 2 101");
}

TEST(AnalyseCli, HelpExitsWithZeroAndWrongUsageWithTwo) {
    const std::string usage = "Aufruf: lampen-analyse [--json] [--builtin] DATEI...\n";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--help"}, ""},
        {{"-h", "--bogus"}, ""}, // asking for help is never wrong
        {{"--json"}, "keine Datei angegeben"},
        {{"--jsn", "--builtin"}, "unbekannte Option: --jsn"}};
    for (const auto& [args, complaint] : cases) {
        const Outcome r = analyseProgram(args);
        const std::string err = complaint.empty() ? "" : "lampen-analyse: " + complaint + "\n\n";
        EXPECT_EQ(r.status, complaint.empty() ? 0 : 2) << complaint;
        EXPECT_EQ((err.empty() ? r.out : r.err).substr(0, err.size() + usage.size()), err + usage);
        EXPECT_EQ(err.empty() ? r.err : r.out, "");
    }
}

TEST(AnalyseCli, UnreadableFilesAreNamedAndTheOthersStillReported) {
    const std::string good = writeFile("gut.lmp", "2*110*011*101*\r\n0*1*\r\n");
    const std::string gone = LAMPEN_CLI_SCRATCH_DIR "/fehlt.lmp";
    const std::string folder = LAMPEN_CLI_SCRATCH_DIR;
    const std::string reasons[] = {"Datei oder Ordner nicht gefunden",
                                   "ist ein Ordner, keine Datei"};
    const std::string err = "lampen-analyse: " + gone + ": " + reasons[0] +
                            "\nlampen-analyse: " + folder + ": " + reasons[1] + "\n";
    const Outcome r = analyseProgram({"--json", good, gone, folder, "--builtin"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, err);
    // Each unreadable file in its place, with the reason in German.
    EXPECT_EQ(r.out, "{\"files\":[" + groupJson(good, {"2*110*011*101*", "0*1*"}) +
                         ",{\"file\":\"" + gone + "\",\"error\":\"" + reasons[0] +
                         "\"},{\"file\":\"" + folder + "\",\"error\":\"" + reasons[1] + "\"}," +
                         groupJson("Voreinstellung.lmp", kBuiltIn) + "]}\n");
    EXPECT_TRUE(JsonChecker(r.out).document());

    const Outcome table = analyseProgram({gone, good, folder});
    EXPECT_EQ(std::tuple(table.status, table.err), std::tuple(1, err));
    EXPECT_EQ(table.out.find(good + ": 2 Schaltungen"), 0u) << table.out; // no table, no gap
    EXPECT_EQ(std::count(table.out.begin(), table.out.end(), '\n'), 4) << table.out;
}

TEST(AnalyseCli, BinaryFileWithNulBytesGivesValidJson) {
    std::string bytes = "2*110*011*001*\r\n" + std::string("1*1\0*01*\r\n", 10);
    for (unsigned x = 4711; bytes.size() < 4000;) // a fixed run of arbitrary bytes
        bytes += static_cast<char>((x = x * 1103515245u + 12345u) >> 16);
    const std::string path = writeFile("binaer.lmp", bytes);
    const Outcome r = analyseProgram({"--json", path});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(JsonChecker(r.out).document()) << r.out;
    EXPECT_EQ(r.out.find("{\"files\":[{\"file\":\"" + path + "\",\"circuits\":[" +
                         circuitJson(1, "2*110*011*001*") +
                         ",{\"nr\":2,\"code\":\"1*1\\u0000*01*\""),
              0u);
}

} // namespace
} // namespace lampen
