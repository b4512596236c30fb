// The analysis of a target on hand-checked circuits, and the Schaltmuster texts.

#include "Analysis.h"
#include "Schaltcode.h"

#include <gtest/gtest.h>

#include <string>

namespace lampen {
namespace {

TEST(Analysis, HandCheckedCircuits) {
    const std::string header = "Schaltmuster der Lösung(en):\r\n\r\n";
    const struct {
        std::string code;
        unsigned target;
        std::string text;
        int minPresses, patternCount, producibleCount;
        bool allProducible, allOffReachable;
    } cases[] = {
        {"2*110*011*001*", 0b111, header + "101\r\n", 2, 7, 7, true, false},
        // A ring of three: every switch set lights an even number of lamps.
        {"2*110*011*101*", 0b111, "Schaltmuster der Lösung(en):\r\n\r\nes gibt keine Lösung",
         kNoSolution, 7, 3, false, true},
        {"2*110*011*101*", 0b011, header + "1\r\n011\r\n", 1, 7, 3, false, true},
        // One unwired lamp: S0 alone leaves it off.
        {"0*0*", 1, header + "es gibt keine Lösung", kNoSolution, 1, 0, false, true},
        // S1 toggles nothing: S0+S2 and S0+S1+S2 both light all three lamps.
        {"2*110*000*001*", 0b111, header + "101\r\n111\r\n", 2, 7, 3, false, true},
    };
    for (const auto& c : cases) {
        Verbindungsmatrix m;
        const int k = readMaxIndex(c.code);
        readWiring(c.code, k, m);
        const Analysis a = analyse(k, m, c.target);
        SCOPED_TRACE(c.code + " target " + std::to_string(c.target));
        EXPECT_EQ(a.solutionText, c.text);
        EXPECT_EQ(a.minPresses, c.minPresses);
        EXPECT_EQ(a.targetSolvable, c.minPresses != kNoSolution);
        EXPECT_EQ(a.patternCount, c.patternCount);
        EXPECT_EQ(a.producibleCount, c.producibleCount);
        EXPECT_EQ(a.allPatternsProducible, c.allProducible);
        EXPECT_EQ(a.reachable(0), c.allOffReachable);
    }
}

TEST(Analysis, SchaltmusterTextIsLowestSwitchFirst) {
    const struct {
        std::string decimal, text;
    } cases[] = {
        {"1", "1"},
        {"5", "101"},
        {"6", "011"},
        {"12", "0011"},
        {" 5", "101"},
        {"65541", "101"},
        {"-1", "1111111111111111"}, // taken as 16 bits
    };
    for (const auto& c : cases)
        EXPECT_EQ(toSchaltmuster(c.decimal), c.text) << '"' << c.decimal << '"';
    EXPECT_EQ(schaltmusterText(12), "0011");
}

} // namespace
} // namespace lampen
