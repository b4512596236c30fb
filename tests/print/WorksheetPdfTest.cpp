// The written worksheet read back with pdftotext: one page per circuit, then the answer key,
// whose figures and solving sets must be those of core's analysis for every page's target.

#include "Analysis.h"
#include "Schaltcode.h"
#include "Schaltgruppe.h"
#include "Worksheet.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace lampen {
namespace {

namespace fs = std::filesystem;

// Named after the test: ctest runs the tests of this program side by side.
fs::path scratch(const std::string& suffix) {
    return fs::path(LAMPEN_PRINT_SCRATCH_DIR) /
           (::testing::UnitTest::GetInstance()->current_test_info()->name() + suffix);
}

// Circuit pages and answer-key pages (those headed "Lösungen"), as pdftotext reads them.
struct Written {
    std::vector<std::string> circuitPages;
    int keyPages = 0;
    std::string key;
};

Written writeAndRead(const print::WorksheetInput& input) {
    const fs::path pdf = scratch(".pdf"), txt = scratch(".txt");
    const print::WorksheetResult result = print::writeWorksheet(pdf, input);
    EXPECT_TRUE(result.ok) << result.error;
    const std::string command =
        "pdftotext -enc UTF-8 '" + pdf.string() + "' '" + txt.string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << "pdftotext missing? see scripts/install-deps";
    std::istringstream text((std::ostringstream() << std::ifstream(txt).rdbuf()).str());
    Written w;
    for (std::string page; std::getline(text, page, '\f');) { // a form feed ends every page
        const bool key = page.rfind("Lösungen", 0) == 0;
        w.keyPages += key ? 1 : 0;
        (key ? w.key : w.circuitPages.emplace_back()) += page;
    }
    return w;
}

std::string setNames(unsigned set) { // "{S0, S2}", written here independently of the program
    std::string s;
    for (int i = 0; i <= kMaxIndex; ++i)
        if (set & (1u << i))
            s += (s.empty() ? "S" : ", S") + std::to_string(i);
    return "{" + s + "}";
}

// The key's block for circuit nr against core's analysis of the same target.
void expectKeyMatches(const std::string& key, int nr, const std::string& code, unsigned target) {
    SCOPED_TRACE("Schaltung " + std::to_string(nr));
    Verbindungsmatrix wiring;
    const int k = readMaxIndex(code);
    readWiring(code, k, wiring);
    const Analysis a = analyse(k, wiring, target);
    const auto start = key.find("Schaltung " + std::to_string(nr) + "\n");
    ASSERT_NE(start, std::string::npos);
    const std::string block =
        key.substr(start, key.find("Schaltung " + std::to_string(nr + 1) + "\n", start) - start);
    for (const std::string& fact :
         {"Rang " + std::to_string(a.rank) + ", herstellbare Muster: " +
              std::to_string(a.producibleCount) + " von " + std::to_string(a.patternCount),
          a.targetSolvable ? "lösbar: ja – kleinste Schaltzahl: " + std::to_string(a.minPresses)
                           : std::string("lösbar: nein")})
        EXPECT_NE(block.find(fact + "\n"), std::string::npos) << fact << "\n" << block;
    static const std::regex set(R"(\{[^}]*\})");
    const std::vector<std::string> printed(
        std::sregex_token_iterator(block.begin(), block.end(), set), {});
    std::vector<std::string> expected;
    for (const auto m : a.solutions)
        expected.push_back(setNames(m));
    EXPECT_EQ(printed, expected);
}

// Every page's target is all lamps, but the window's task on its own page, cut to the circuit's
// lamps. Ten switches that each light lamp 0 alone have 512 solving sets for that lamp: the key
// runs over several pages.
TEST(Worksheet, APagePerCircuitAndAnAnswerKeyTrueToTheAnalysis) {
    std::vector<std::string> codes(builtInCodes().begin(), builtInCodes().end());
    codes.push_back("9*");
    for (int s = 0; s <= kMaxIndex; ++s)
        codes.back() += "1000000000*";
    const int task = kBuiltInCount;
    const Written w = writeAndRead(
        {"/irgendwo/Voreinstellung.lmp", codes, print::CurrentTask{task, 1u | 1u << 10}});
    ASSERT_EQ(w.circuitPages.size(), codes.size());
    EXPECT_GE(w.keyPages, 2);
    for (int nr = 1; nr <= task + 1; ++nr) {
        const std::string& page = w.circuitPages[static_cast<std::size_t>(nr - 1)];
        EXPECT_EQ(page.rfind("Schaltung " + std::to_string(nr) + " von 20\n", 0), 0u) << page;
        EXPECT_NE(page.find("Voreinstellung.lmp"), std::string::npos);
        EXPECT_EQ(page.find("irgendwo"), std::string::npos) << "the file without its folders";
        const std::string& code = codes[static_cast<std::size_t>(nr - 1)];
        expectKeyMatches(w.key, nr, code,
                         nr == task + 1 ? 1u : (1u << (readMaxIndex(code) + 1)) - 1);
    }
}

// A missing folder is checked through lampen-analyse --arbeitsblatt.
TEST(Worksheet, FailuresAreReportedInGermanAndLeaveWhatWasThere) {
    const fs::path folder = scratch(".ordner");
    fs::create_directories(folder);
    std::ofstream(folder / "alt.pdf") << "alt";
    const print::WorksheetResult onFolder = print::writeWorksheet(folder, {"g.lmp", {"0*1*"}, {}});
    EXPECT_NE(onFolder.error.find("ist ein Ordner"), std::string::npos) << onFolder.error;
    EXPECT_EQ(print::writeWorksheet(folder / "alt.pdf", {"g.lmp", {}, {}}).error,
              "Die Gruppe enthält keine Schaltung.");
    EXPECT_EQ((std::ostringstream() << std::ifstream(folder / "alt.pdf").rdbuf()).str(), "alt");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1) << "no temporary file left";
}

} // namespace
} // namespace lampen
