// lampen-analyse run as a process: its figures against the core analysis, the JSON document,
// the table, the exit status and the messages for unreadable files and wrong usage.

#include "JsonValue.h"
#include "Process.h"

#include "Analysis.h"
#include "Schaltcode.h"
#include "Schaltgruppe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

namespace lampen {
namespace {

namespace fs = std::filesystem;
using test::JsonValue;
using test::ProcessResult;

ProcessResult analyseProgram(const std::vector<std::string>& args) {
    return test::runProgram(LAMPEN_ANALYSE_PROGRAM, args);
}

JsonValue parsedOutput(const ProcessResult& r) {
    std::string error;
    auto v = test::parseJson(r.out, &error);
    EXPECT_TRUE(v.has_value()) << error << "\n" << r.out.substr(0, 2000);
    return v ? *v : JsonValue{};
}

// Every figure of one reported circuit against the core analysis of the same code.
void expectMatchesCore(const JsonValue& c, int nr, std::string_view code) {
    SCOPED_TRACE("circuit " + std::to_string(nr));
    Verbindungsmatrix m;
    const int k = readMaxIndex(code);
    readWiring(code, k, m);
    const Analysis a = analyse(k, m, (1u << (k + 1)) - 1);
    EXPECT_EQ(c.keys(), (std::vector<std::string>{"nr", "code", "lamps", "rank", "patterns",
                                                  "producible", "allProducible", "fullTarget"}));
    EXPECT_EQ(c.at("nr").number, nr);
    EXPECT_EQ(c.at("code").text, code);
    EXPECT_EQ(c.at("lamps").number, k + 1);
    EXPECT_EQ(c.at("rank").number, a.rank);
    EXPECT_EQ(c.at("patterns").number, (1 << (k + 1)) - 1);
    EXPECT_EQ(c.at("producible").number, (1 << a.rank) - 1);
    EXPECT_EQ(c.at("producible").number, a.producibleCount);
    EXPECT_EQ(c.at("allProducible").boolean, a.allPatternsProducible);
    EXPECT_EQ(c.at("allProducible").kind, JsonValue::Kind::Bool);
    const JsonValue& t = c.at("fullTarget");
    EXPECT_EQ(t.keys(), (std::vector<std::string>{"solvable", "minPresses", "solutions"}));
    EXPECT_EQ(t.at("solvable").boolean, a.targetSolvable);
    if (a.targetSolvable) {
        EXPECT_EQ(t.at("minPresses").kind, JsonValue::Kind::Number);
        EXPECT_EQ(t.at("minPresses").number, a.minPresses);
    } else {
        EXPECT_EQ(t.at("minPresses").kind, JsonValue::Kind::Null);
    }
    // The solution lines of the window's list, in the same order.
    std::string lines = std::string(kSolutionHeader);
    for (const JsonValue& s : t.at("solutions").items)
        lines += s.text + "\r\n";
    if (t.at("solutions").items.empty())
        lines += kNoSolutionText;
    EXPECT_EQ(lines, a.solutionText);
}

class AnalyseCli : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               ("lampen-cli-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    std::string writeFile(const std::string& name, const std::string& bytes) const {
        const fs::path p = dir_ / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    }
    static std::string group(const std::vector<std::string>& lines) {
        std::string bytes;
        for (const auto& l : lines)
            bytes += l + "\r\n";
        return bytes;
    }

    fs::path dir_;
};

TEST_F(AnalyseCli, BuiltInJsonReportsEveryCircuitAsTheCoreDoes) {
    const ProcessResult r = analyseProgram({"--builtin", "--json"});
    ASSERT_TRUE(r.exited) << "signal " << r.signal;
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    const JsonValue doc = parsedOutput(r);
    ASSERT_EQ(doc.keys(), std::vector<std::string>{"files"});
    ASSERT_EQ(doc.at("files").items.size(), 1u);
    const JsonValue& file = doc.at("files").items[0];
    EXPECT_EQ(file.at("file").text, "Voreinstellung.lmp");
    const auto& circuits = file.at("circuits").items;
    ASSERT_EQ(circuits.size(), 19u);
    for (int i = 0; i < 19; ++i)
        expectMatchesCore(circuits[static_cast<std::size_t>(i)], i + 1,
                          builtInCodes()[static_cast<std::size_t>(i)]);
}

TEST_F(AnalyseCli, BuiltInJsonSpellsOutSolvableAndUnsolvableTargets) {
    const ProcessResult r = analyseProgram({"--json", "--builtin"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.rfind("{\"files\":[{\"file\":\"Voreinstellung.lmp\",\"circuits\":[{", 0), 0u);
    EXPECT_NE(r.out.find("{\"nr\":1,\"code\":\"2*110*011*001*\",\"lamps\":3,\"rank\":3,"
                         "\"patterns\":7,\"producible\":7,\"allProducible\":true,"
                         "\"fullTarget\":{\"solvable\":true,\"minPresses\":2,"
                         "\"solutions\":[\"101\"]}}"),
              std::string::npos);
    EXPECT_NE(r.out.find("{\"nr\":5,\"code\":\"2*110*011*101*\",\"lamps\":3,\"rank\":2,"
                         "\"patterns\":7,\"producible\":3,\"allProducible\":false,"
                         "\"fullTarget\":{\"solvable\":false,\"minPresses\":null,"
                         "\"solutions\":[]}}"),
              std::string::npos);
    EXPECT_EQ(r.out.back(), '\n');
    EXPECT_EQ(r.out.find('\n'), r.out.size() - 1); // one document on one line
}

// Splits text into lines without their line feeds.
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find('\n', pos);
        lines.push_back(text.substr(pos, end - pos));
        pos = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

// A word of a table line with its first and one-past-last character column.
struct Word {
    std::string text;
    std::size_t first = 0;
    std::size_t end = 0;
};

std::vector<Word> wordsOf(const std::string& line) {
    std::vector<Word> words;
    std::size_t columnNow = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        const bool continuation = (c & 0xC0u) == 0x80u;
        if (c == ' ') {
            ++columnNow;
            continue;
        }
        if (i == 0 || line[i - 1] == ' ')
            words.push_back({"", columnNow, columnNow});
        words.back().text += line[i];
        if (!continuation)
            words.back().end = ++columnNow;
    }
    return words;
}

std::vector<std::string> expectedRow(int nr, std::string_view code) {
    Verbindungsmatrix m;
    const int k = readMaxIndex(code);
    readWiring(code, k, m);
    const Analysis a = analyse(k, m, (1u << (k + 1)) - 1);
    std::vector<std::string> row = {std::to_string(nr),
                                    std::string(code),
                                    std::to_string(k + 1),
                                    std::to_string(a.rank),
                                    std::to_string(a.patternCount),
                                    std::to_string(a.producibleCount),
                                    a.allPatternsProducible ? "ja" : "nein",
                                    a.targetSolvable ? "ja" : "nein",
                                    a.targetSolvable ? std::to_string(a.minPresses) : "-"};
    if (a.solutions.empty())
        row.push_back("-");
    for (const auto s : a.solutions)
        row.push_back(schaltmusterText(s));
    return row;
}

TEST_F(AnalyseCli, BuiltInTableIsAlignedUnderGermanHeadings) {
    const ProcessResult r = analyseProgram({"--builtin"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    const auto lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 21u); // heading, column headings, 19 circuits
    EXPECT_EQ(lines[0], "Voreinstellung.lmp: 19 Schaltungen, Ziel: alle Lampen");
    const std::vector<Word> head = wordsOf(lines[1]);
    std::vector<std::string> headings;
    for (const auto& w : head)
        headings.push_back(w.text);
    ASSERT_EQ(headings,
              (std::vector<std::string>{"Nr.", "Code", "Lampen", "Rang", "Muster", "herstellbar",
                                        "alle", "l\xC3\xB6sbar", "min.", "L\xC3\xB6sungen"}));
    const bool rightAligned[10] = {true, false, true, true, true, true, false, false, true, false};
    for (int i = 0; i < 19; ++i) {
        const std::string& line = lines[static_cast<std::size_t>(i + 2)];
        SCOPED_TRACE(line);
        const std::vector<Word> words = wordsOf(line);
        std::vector<std::string> texts;
        for (const auto& w : words)
            texts.push_back(w.text);
        EXPECT_EQ(texts, expectedRow(i + 1, builtInCodes()[static_cast<std::size_t>(i)]));
        ASSERT_GE(words.size(), 10u);
        for (std::size_t c = 0; c < 10; ++c) {
            if (rightAligned[c])
                EXPECT_EQ(words[c].end, head[c].end) << headings[c];
            else
                EXPECT_EQ(words[c].first, head[c].first) << headings[c];
        }
        EXPECT_NE(line.back(), ' ');
    }
}

TEST_F(AnalyseCli, HelpGoesToStandardOutput) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--help"}, {"-h"}, {"--json", "--help"}, {"--help", "--bogus"}}) {
        SCOPED_TRACE(args.front() + " ...");
        const ProcessResult r = analyseProgram(args);
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.out.rfind("Aufruf: lampen-analyse [--json] [--builtin] DATEI...\n", 0), 0u);
        EXPECT_NE(r.out.find("--builtin"), std::string::npos);
        EXPECT_EQ(r.err, "");
    }
}

TEST_F(AnalyseCli, WrongUsageExitsWithTwoAndTheUsageOnStandardError) {
    struct Case {
        std::vector<std::string> args;
        std::string complaint;
    };
    const std::vector<Case> cases = {
        {{}, "keine Datei angegeben"},
        {{"--json"}, "keine Datei angegeben"},
        {{"--jsn", "--builtin"}, "unbekannte Option: --jsn"},
        {{"-x", "a.lmp"}, "unbekannte Option: -x"},
        {{"--builtin", "--JSON"}, "unbekannte Option: --JSON"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.complaint);
        const ProcessResult r = analyseProgram(c.args);
        ASSERT_TRUE(r.exited);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind("lampen-analyse: " + c.complaint + "\n", 0), 0u) << r.err;
        EXPECT_NE(r.err.find("Aufruf: lampen-analyse"), std::string::npos);
    }
}

TEST_F(AnalyseCli, MissingFileIsNamedAndTheOthersAreStillReported) {
    const std::string first = writeFile("erste.lmp", group({"2*110*011*101*", "0*1*"}));
    const std::string missing = (dir_ / "fehlt.lmp").string();
    const std::string last = writeFile("letzte.lmp", group({"1*11*01*"}));
    const ProcessResult r =
        analyseProgram({"--json", first, missing, "--builtin", last, "--builtin"});
    ASSERT_TRUE(r.exited);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find(missing), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find(first), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
    // The groups in the order given, the built-in one once.
    const JsonValue doc = parsedOutput(r);
    const auto& files = doc.at("files").items;
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0].at("file").text, first);
    ASSERT_EQ(files[0].at("circuits").items.size(), 2u);
    expectMatchesCore(files[0].at("circuits").items[0], 1, "2*110*011*101*");
    expectMatchesCore(files[0].at("circuits").items[1], 2, "0*1*");
    EXPECT_EQ(files[1].at("file").text, "Voreinstellung.lmp");
    EXPECT_EQ(files[1].at("circuits").items.size(), 19u);
    EXPECT_EQ(files[2].at("file").text, last);
    ASSERT_EQ(files[2].at("circuits").items.size(), 1u);
    expectMatchesCore(files[2].at("circuits").items[0], 1, "1*11*01*");
}

TEST_F(AnalyseCli, MissingFileInTableMode) {
    const std::string missing = (dir_ / "fehlt.lmp").string();
    const ProcessResult r = analyseProgram({"--builtin", missing});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.rfind("lampen-analyse: " + missing + ": ", 0), 0u) << r.err;
    EXPECT_EQ(linesOf(r.out).size(), 21u); // the built-in group still in full
}

TEST_F(AnalyseCli, DirectoryIsNoGroup) {
    const ProcessResult r = analyseProgram({"--json", dir_.string()});
    ASSERT_TRUE(r.exited);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find(dir_.string()), std::string::npos) << r.err;
    EXPECT_EQ(parsedOutput(r).at("files").items.size(), 0u);
}

TEST_F(AnalyseCli, DoubleDashMakesEverythingAFileName) {
    const ProcessResult r = analyseProgram({"--json", "--", "--builtin"});
    EXPECT_EQ(r.exitCode, 1); // no file named "--builtin" here
    EXPECT_NE(r.err.find("--builtin"), std::string::npos);
    EXPECT_EQ(parsedOutput(r).at("files").items.size(), 0u);
}

TEST_F(AnalyseCli, GroupTooLongForTheProgramIsRefused) {
    const std::string path = writeFile("lang.lmp", group(std::vector<std::string>(201, "0*1*")));
    const ProcessResult r = analyseProgram({"--json", path});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find(path), std::string::npos);
    const std::string full = writeFile("voll.lmp", group(std::vector<std::string>(200, "0*1*")));
    const ProcessResult ok = analyseProgram({"--json", full});
    EXPECT_EQ(ok.exitCode, 0);
    EXPECT_EQ(parsedOutput(ok).at("files").items.at(0).at("circuits").items.size(), 200u);
}

TEST_F(AnalyseCli, EmptyFileIsAnEmptyGroup) {
    const std::string path = writeFile("leer.lmp", "");
    const ProcessResult r = analyseProgram({"--json", path});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(parsedOutput(r).at("files").items.at(0).at("circuits").items.size(), 0u);
    const ProcessResult text = analyseProgram({path});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(linesOf(text.out).at(0), path + ": 0 Schaltungen, Ziel: alle Lampen");
}

TEST_F(AnalyseCli, OddDigitsAndManySolutions) {
    std::string tenSame = "9*";
    for (int s = 0; s <= 9; ++s)
        tenSame += "1111111111*";
    const std::vector<std::string> codes = {"2*120*031*009*", tenSame, "", "x", "9*11"};
    const std::string path = writeFile("ungewoehnlich.lmp", group(codes));
    const ProcessResult r = analyseProgram({"--json", path});
    EXPECT_EQ(r.exitCode, 0);
    const JsonValue doc = parsedOutput(r);
    const auto& circuits = doc.at("files").items.at(0).at("circuits").items;
    ASSERT_EQ(circuits.size(), codes.size());
    for (std::size_t i = 0; i < codes.size(); ++i)
        expectMatchesCore(circuits[i], static_cast<int>(i + 1), codes[i]);
    // all ten lamps lit by any odd number of the ten identical switches
    EXPECT_EQ(circuits[1].at("fullTarget").at("solutions").items.size(), 512u);
    EXPECT_EQ(circuits[1].at("fullTarget").at("minPresses").number, 1);
}

TEST_F(AnalyseCli, OverlongLineIsCutInTheTableButNotInJson) {
    const std::string code = "2*110*011*001*" + std::string(500, '7');
    const std::string path = writeFile("lang.lmp", group({code}));
    const ProcessResult text = analyseProgram({path});
    EXPECT_EQ(text.exitCode, 0);
    const auto lines = linesOf(text.out);
    ASSERT_EQ(lines.size(), 3u);
    const auto words = wordsOf(lines[2]);
    ASSERT_GE(words.size(), 2u);
    EXPECT_EQ(words[1].end - words[1].first, 112u);
    EXPECT_EQ(words[1].text, code.substr(0, 111) + "\xE2\x80\xA6"); // an ellipsis
    EXPECT_EQ(words.back().text, "101");
    const ProcessResult json = analyseProgram({"--json", path});
    const JsonValue doc = parsedOutput(json);
    expectMatchesCore(doc.at("files").items.at(0).at("circuits").items.at(0), 1, code);
}

TEST_F(AnalyseCli, NulBytesAndBrokenTextStayValidJson) {
    const std::string withNul("1*1\0*01*", 8);
    const std::string broken = "2*\xFF\xFE\"\\\x01\x7F*\x1B[2J";
    const std::string umlaut = "9*\xC3\xA4";
    const std::string path =
        writeFile("kaputt.lmp", group({"2*110*011*001*", withNul, broken, umlaut}));
    const ProcessResult r = analyseProgram({"--json", path});
    ASSERT_TRUE(r.exited) << "signal " << r.signal;
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(test::validUtf8(r.out));
    const JsonValue doc = parsedOutput(r);
    const auto& circuits = doc.at("files").items.at(0).at("circuits").items;
    ASSERT_EQ(circuits.size(), 4u);
    expectMatchesCore(circuits[0], 1, "2*110*011*001*");
    expectMatchesCore(circuits[1], 2, withNul); // the NUL survives as \u0000
    expectMatchesCore(circuits[3], 4, umlaut);
    // Bytes that are no UTF-8 become U+FFFD; the rest is kept as it was.
    EXPECT_EQ(circuits[2].at("code").text, "2*\xEF\xBF\xBD\xEF\xBF\xBD\"\\\x01\x7F*\x1B[2J");
    EXPECT_EQ(circuits[2].at("lamps").number, 3);

    // The table shows no control character at all, and never an invalid byte.
    const ProcessResult t = analyseProgram({path});
    EXPECT_EQ(t.exitCode, 0);
    EXPECT_TRUE(test::validUtf8(t.out));
    for (const char c : t.out)
        EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= 0x20) << static_cast<int>(c);
    EXPECT_EQ(t.out.find('\x7F'), std::string::npos);
}

TEST_F(AnalyseCli, RandomBinaryFilesNeverBreakTheOutput) {
    std::mt19937 rng(4711u);
    for (int i = 0; i < 12; ++i) {
        std::string bytes(rng() % 6000, '\0');
        for (char& c : bytes)
            c = static_cast<char>(rng() % 256);
        const std::string path = writeFile("zufall" + std::to_string(i) + ".lmp", bytes);
        for (const bool json : {true, false}) {
            SCOPED_TRACE(path + (json ? " --json" : ""));
            const ProcessResult r =
                json ? analyseProgram({"--json", path}) : analyseProgram({path});
            ASSERT_TRUE(r.exited) << "signal " << r.signal;
            // A group of more than 200 lines is refused; everything else is a group.
            EXPECT_TRUE(r.exitCode == 0 || r.exitCode == 1) << r.exitCode;
            EXPECT_EQ(r.exitCode == 1, !r.err.empty()) << r.err;
            EXPECT_TRUE(test::validUtf8(r.out));
            if (json)
                parsedOutput(r);
        }
    }
}

} // namespace
} // namespace lampen
