// The written worksheet read back as text: one page per circuit, then the answer key, whose
// figures and solving sets must be those of the analysis for every page's target.

#include "PdfText.h"

#include "Analysis.h"
#include "Schaltcode.h"
#include "Schaltgruppe.h"
#include "Worksheet.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace lampen {
namespace {

using testing::pdfPageCount;
using testing::pdfPageTexts;
using testing::scratchPath;

std::vector<std::string> builtIn() {
    return {builtInCodes().begin(), builtInCodes().end()};
}

// The names of a switch set, written here independently of the program: "{S0, S2}".
std::string setNames(unsigned set) {
    std::string s;
    for (int i = 0; i <= kMaxIndex; ++i)
        if (set & (1u << i))
            s += (s.empty() ? "S" : ", S") + std::to_string(i);
    return "{" + s + "}";
}

struct Written {
    std::vector<std::string> circuitPages, keyPages;
    int pages = -1;
    std::string key; // the answer key's pages joined
};

Written writeAndRead(const print::WorksheetInput& input) {
    const std::string pdf = scratchPath(".pdf");
    const print::WorksheetResult result = print::writeWorksheet(pdf, input);
    EXPECT_TRUE(result.ok) << result.error;
    Written w;
    w.pages = pdfPageCount(pdf);
    const std::vector<std::string> texts = pdfPageTexts(pdf);
    EXPECT_FALSE(texts.empty()) << "pdftotext fehlt? scripts/install-deps installiert es";
    for (const std::string& t : texts) {
        const bool key = t.rfind("Lösungen", 0) == 0;
        (key ? w.keyPages : w.circuitPages).push_back(t);
        if (key)
            w.key += t;
    }
    return w;
}

// What the key says about circuit nr: from its heading to the next circuit's.
std::string keyBlock(const std::string& key, int nr) {
    const std::string heading = "Schaltung " + std::to_string(nr) + "\n";
    const auto start = key.find(heading);
    if (start == std::string::npos)
        return {};
    const auto end = key.find("Schaltung " + std::to_string(nr + 1) + "\n", start);
    return key.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::vector<std::string> setsIn(const std::string& block) {
    static const std::regex set(R"(\{[^}]*\})");
    std::vector<std::string> sets;
    for (auto it = std::sregex_iterator(block.begin(), block.end(), set);
         it != std::sregex_iterator(); ++it)
        sets.push_back(it->str());
    return sets;
}

// The key's statement for one circuit against core's analysis of the same target.
void expectKeyMatches(const std::string& key, int nr, const std::string& code, unsigned target) {
    SCOPED_TRACE("Schaltung " + std::to_string(nr));
    Verbindungsmatrix wiring;
    const int k = readMaxIndex(code);
    readWiring(code, k, wiring);
    const Analysis a = analyse(k, wiring, target);
    const std::string block = keyBlock(key, nr);
    ASSERT_FALSE(block.empty());
    EXPECT_NE(block.find("Rang " + std::to_string(a.rank) + ","), std::string::npos) << block;
    EXPECT_NE(block.find("herstellbare Muster: " + std::to_string(a.producibleCount) + " von " +
                         std::to_string(a.patternCount)),
              std::string::npos)
        << block;
    const std::string verdict =
        a.targetSolvable
            ? "lösbar: ja – kleinste Schaltzahl: " + std::to_string(a.minPresses) + "\n"
            : std::string("lösbar: nein\n");
    EXPECT_NE(block.find(verdict), std::string::npos) << block;
    std::vector<std::string> expected;
    for (const auto m : a.solutions)
        expected.push_back(setNames(m));
    EXPECT_EQ(setsIn(block), expected);
}

TEST(Worksheet, BuiltInGroupHasAPagePerCircuitAndAnAnswerKeyTrueToTheAnalysis) {
    const Written w = writeAndRead({"/irgendwo/Voreinstellung.lmp", builtIn(), std::nullopt});
    ASSERT_EQ(w.circuitPages.size(), std::size_t{kBuiltInCount});
    ASSERT_FALSE(w.keyPages.empty());
    EXPECT_EQ(w.pages, kBuiltInCount + static_cast<int>(w.keyPages.size()));
    for (int nr = 1; nr <= kBuiltInCount; ++nr) {
        const std::string& page = w.circuitPages[static_cast<std::size_t>(nr - 1)];
        EXPECT_EQ(page.rfind("Schaltung " + std::to_string(nr) + " von 19", 0), 0u) << page;
        for (const char* part : {"Voreinstellung.lmp", "Schalten Sie die markierten Lampen ein!",
                                 "Anzahl der Schaltvorgänge:", "Ziel"})
            EXPECT_NE(page.find(part), std::string::npos) << part;
        EXPECT_EQ(page.find("irgendwo"), std::string::npos) << "folders are not printed";
        const std::string code(builtInCodes()[static_cast<std::size_t>(nr - 1)]);
        expectKeyMatches(w.key, nr, code, (1u << (readMaxIndex(code) + 1)) - 1);
    }
}

// The window's current task replaces "all lamps" on its own page only. A set of ten switches
// that each light lamp 0 alone has 512 solving sets for that lamp: the key runs over pages.
TEST(Worksheet, CurrentTaskSetsItsPagesTargetAndALongKeyRunsOverPages) {
    std::string tenToOne = "9*";
    for (int s = 0; s <= kMaxIndex; ++s)
        tenToOne += "1000000000*";
    const std::vector<std::string> codes = {"2*110*011*001*", tenToOne, "1*11*01*"};
    struct Case {
        int index;
        unsigned target;
        const char* targetWords;
    };
    for (const Case c : {Case{1, 0b1, "Ziel: L0 –"}, Case{0, 0b101, "Ziel: L0, L2 –"},
                         Case{2, 0b110, "Ziel: L1 –"}}) {
        SCOPED_TRACE(c.targetWords);
        const Written w = writeAndRead({"zwei.lmp", codes, print::CurrentTask{c.index, c.target}});
        ASSERT_EQ(w.circuitPages.size(), codes.size());
        EXPECT_EQ(w.pages, static_cast<int>(codes.size() + w.keyPages.size()));
        for (int i = 0; i < static_cast<int>(codes.size()); ++i) {
            const auto u = static_cast<std::size_t>(i);
            const unsigned all = (1u << (readMaxIndex(codes[u]) + 1)) - 1;
            const unsigned target = i == c.index ? c.target & all : all;
            expectKeyMatches(w.key, i + 1, codes[u], target);
            EXPECT_EQ(keyBlock(w.key, i + 1).find(c.targetWords) != std::string::npos,
                      i == c.index);
        }
        if (c.index == 1) {
            EXPECT_GE(w.keyPages.size(), 2u);
        }
    }
}

TEST(Worksheet, FailuresAreReportedInGermanAndLeaveWhatWasThere) {
    const std::filesystem::path folder = scratchPath(".ordner");
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "alt.txt") << "alt";
    const print::WorksheetInput group{"g.lmp", {"0*1*"}, std::nullopt};
    struct Case {
        std::filesystem::path target;
        const char* reason;
    };
    for (const Case& c : {Case{folder / "fehlt" / "blatt.pdf", "kann keine Datei angelegt werden"},
                          Case{folder, "ist ein Ordner"}}) {
        const print::WorksheetResult r = print::writeWorksheet(c.target, group);
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.error.find(c.reason), std::string::npos) << r.error;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1)
        << "no temporary file is left behind";

    // A group that cannot become a worksheet leaves the old file as it was.
    const print::WorksheetResult empty =
        print::writeWorksheet(folder / "alt.txt", {"leer.lmp", {}, std::nullopt});
    EXPECT_FALSE(empty.ok);
    EXPECT_EQ(empty.error, "Die Gruppe enthält keine Schaltung.");
    std::string old;
    std::getline(std::ifstream(folder / "alt.txt"), old);
    EXPECT_EQ(old, "alt");
}

} // namespace
} // namespace lampen
