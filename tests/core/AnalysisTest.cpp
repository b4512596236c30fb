// The analysis of a target on hand-checked circuits, and the Schaltmuster texts.

#include "Analysis.h"
#include "Schaltcode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lampen {
namespace {

const std::string kHeader = "Schaltmuster der L\xC3\xB6sung(en):\r\n\r\n";

Analysis analyseCode(std::string_view code, unsigned target) {
    Verbindungsmatrix m;
    const int k = readMaxIndex(code);
    readWiring(code, k, m);
    return analyse(k, m, target);
}

TEST(Analysis, TextsAreTheProgramsOwn) {
    EXPECT_EQ(kSolutionHeader, kHeader);
    EXPECT_EQ(kNoSolutionText, "es gibt keine L\xC3\xB6sung");
    EXPECT_EQ(kNoSolution, 11);
}

TEST(Analysis, FirstCircuitFullTargetHasOneSolution) {
    const Analysis a = analyseCode("2*110*011*001*", 0b111);
    EXPECT_EQ(a.maxIndex, 2);
    EXPECT_TRUE(a.targetSolvable);
    EXPECT_EQ(a.minPresses, 2);
    EXPECT_EQ(a.solutions, (std::vector<std::uint16_t>{5}));
    EXPECT_EQ(a.solutionText, kHeader + "101\r\n");
    EXPECT_EQ(a.rank, 3);
    EXPECT_EQ(a.patternCount, 7);
    EXPECT_EQ(a.producibleCount, 7);
    EXPECT_TRUE(a.allPatternsProducible);
    for (unsigned p = 1; p <= 7; ++p)
        EXPECT_TRUE(a.reachable(p)) << p;
    EXPECT_FALSE(a.reachable(0)); // independent rows: no non-empty set gives all off
}

TEST(Analysis, RingOfThreeCannotLightEveryLamp) {
    const Analysis a = analyseCode("2*110*011*101*", 0b111);
    EXPECT_FALSE(a.targetSolvable);
    EXPECT_EQ(a.minPresses, 11);
    EXPECT_TRUE(a.solutions.empty());
    EXPECT_EQ(a.solutionText, kHeader + "es gibt keine L\xC3\xB6sung");
    EXPECT_EQ(a.rank, 2);
    EXPECT_EQ(a.patternCount, 7);
    EXPECT_EQ(a.producibleCount, 3);
    EXPECT_FALSE(a.allPatternsProducible);
    for (unsigned p = 0; p <= 7; ++p) {
        const bool producible = p == 0 || p == 3 || p == 5 || p == 6;
        EXPECT_EQ(a.reachable(p), producible) << p;
    }
}

TEST(Analysis, RingOfThreeLampsZeroAndOneHasTwoSolutions) {
    const Analysis a = analyseCode("2*110*011*101*", 0b011);
    EXPECT_TRUE(a.targetSolvable);
    EXPECT_EQ(a.minPresses, 1);
    EXPECT_EQ(a.solutions, (std::vector<std::uint16_t>{1, 6}));
    EXPECT_EQ(a.solutionText, kHeader + "1\r\n011\r\n");
}

TEST(Analysis, AllOffTargetIsSolvedOnlyByDependentSwitches) {
    // The empty set is never an answer.
    const Analysis independent = analyseCode("2*110*011*001*", 0);
    EXPECT_FALSE(independent.targetSolvable);
    EXPECT_EQ(independent.solutionText, kHeader + "es gibt keine L\xC3\xB6sung");
    const Analysis ring = analyseCode("2*110*011*101*", 0);
    EXPECT_TRUE(ring.targetSolvable);
    EXPECT_EQ(ring.minPresses, 3);
    EXPECT_EQ(ring.solutionText, kHeader + "111\r\n");
}

TEST(Analysis, SingleUnwiredLampCannotBeLit) {
    const Analysis a = analyseCode("0*0*", 1);
    EXPECT_EQ(a.maxIndex, 0);
    EXPECT_FALSE(a.targetSolvable);
    EXPECT_EQ(a.minPresses, 11);
    EXPECT_EQ(a.rank, 0);
    EXPECT_EQ(a.patternCount, 1);
    EXPECT_EQ(a.producibleCount, 0);
    EXPECT_FALSE(a.allPatternsProducible);
    EXPECT_TRUE(a.reachable(0)); // S0 alone leaves the lamp off
    EXPECT_FALSE(a.reachable(1));
    // The empty code is the same circuit.
    EXPECT_EQ(analyseCode("", 1).solutionText, a.solutionText);
}

TEST(Analysis, SingleWiredLamp) {
    const Analysis a = analyseCode("0*1*", 1);
    EXPECT_TRUE(a.targetSolvable);
    EXPECT_EQ(a.minPresses, 1);
    EXPECT_EQ(a.solutionText, kHeader + "1\r\n");
    EXPECT_EQ(a.producibleCount, 1);
    EXPECT_TRUE(a.allPatternsProducible);
    EXPECT_FALSE(a.reachable(0));
}

TEST(Analysis, SwitchWiredToNothingDoublesEverySolution) {
    // S1 toggles nothing: S0+S2 and S0+S1+S2 both light all three lamps.
    const Analysis a = analyseCode("2*110*000*001*", 0b111);
    EXPECT_EQ(a.solutions, (std::vector<std::uint16_t>{5, 7}));
    EXPECT_EQ(a.solutionText, kHeader + "101\r\n111\r\n");
    EXPECT_EQ(a.minPresses, 2);
    EXPECT_EQ(a.rank, 2);
    EXPECT_EQ(a.producibleCount, 3);
    EXPECT_FALSE(a.allPatternsProducible);
    EXPECT_TRUE(a.reachable(0)); // S1 alone
}

TEST(Analysis, DigitsAboveOneAreNoWire) {
    // S0 carries a 2 at lamp 1 and S1 a 9 at lamp 0: only the diagonal is wired.
    const Analysis a = analyseCode("1*12*91*", 0b11);
    EXPECT_EQ(a.solutions, (std::vector<std::uint16_t>{3}));
    EXPECT_EQ(a.minPresses, 2);
    const Analysis b = analyseCode("1*12*91*", 0b01);
    EXPECT_EQ(b.solutionText, kHeader + "1\r\n");
}

TEST(Analysis, LampsOutsideTheCircuitDoNotCount) {
    const Analysis full = analyseCode("2*110*011*001*", 0b111);
    const Analysis wide = analyseCode("2*110*011*001*", 0xFFFFu);
    EXPECT_EQ(wide.solutionText, full.solutionText);
    EXPECT_EQ(wide.minPresses, full.minPresses);
}

TEST(Analysis, PatternsBeyondTheCircuitAreNeverReachable) {
    const Analysis a = analyseCode("2*110*011*001*", 0b111);
    for (unsigned p : {8u, 9u, 1023u, 1024u, 0xFFFFFFFFu})
        EXPECT_FALSE(a.reachable(p)) << p;
}

TEST(Analysis, WiresOutsideTheCircuitAreIgnored) {
    Verbindungsmatrix m;
    for (auto& row : m.cell)
        row.fill(1);
    readWiring("1*10*01*", 1, m); // the rest of the table stays 1
    const Analysis a = analyse(1, m, 0b11);
    EXPECT_EQ(a.solutions, (std::vector<std::uint16_t>{3}));
    EXPECT_EQ(a.rank, 2);
}

TEST(Analysis, TenIndependentSwitchesHaveExactlyOneSolution) {
    // Every target of an invertible circuit has exactly one solving set.
    const std::string_view chain = "9*1000000000*1100000000*0110000000*0011000000*0001100000*"
                                   "0000110000*0000011000*0000001100*0000000110*0000000011*";
    for (unsigned target : {1u, 2u, 512u, 1023u, 0b1010101010u}) {
        const Analysis a = analyseCode(chain, target);
        EXPECT_EQ(a.rank, 10);
        EXPECT_EQ(a.producibleCount, 1023);
        EXPECT_TRUE(a.allPatternsProducible);
        ASSERT_EQ(a.solutions.size(), 1u) << target;
        EXPECT_EQ(a.solutionText, kHeader + schaltmusterText(a.solutions[0]) + "\r\n");
    }
    // Lamp 0 alone: press S0; lamp 9 alone: every switch, each undoing its neighbour's spill.
    EXPECT_EQ(analyseCode(chain, 1).solutions[0], 1);
    EXPECT_EQ(analyseCode(chain, 512).solutions[0], 1023);
    EXPECT_EQ(analyseCode(chain, 512).minPresses, 10);
}

TEST(Analysis, AllTheSameSwitchListsEveryOddSet) {
    // Ten switches all toggling lamp 0 only: any odd number of them lights it.
    std::string code = "9*";
    for (int s = 0; s <= 9; ++s)
        code += "1000000000*";
    const Analysis a = analyseCode(code, 1);
    EXPECT_EQ(a.rank, 1);
    EXPECT_EQ(a.producibleCount, 1);
    EXPECT_EQ(a.solutions.size(), 512u);
    EXPECT_EQ(a.minPresses, 1);
    for (std::size_t i = 1; i < a.solutions.size(); ++i)
        ASSERT_LT(a.solutions[i - 1], a.solutions[i]);
    EXPECT_EQ(a.solutions.front(), 1);
    EXPECT_EQ(a.solutions.back(), 1022); // nine switches S1..S9
}

TEST(SchaltmusterText, LowestSwitchFirst) {
    struct Case {
        std::string decimal;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"1", "1"},
        {"5", "101"},
        {"6", "011"},
        {"12", "0011"},
        {" 5", "101"}, // as numText writes it
        {"1023", "1111111111"},
        {"512", "0000000001"},
        {"0", "0"},
        {"65536", "0"},             // 16 bits: wraps to nothing pressed
        {"65541", "101"},           // 65536 + 5
        {"-1", "1111111111111111"}, // all sixteen bits
        {"65535", "1111111111111111"},
        {"2.4", "01"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + c.decimal + "\"");
        EXPECT_EQ(toSchaltmuster(c.decimal), c.text);
    }
    for (unsigned m : {1u, 5u, 6u, 12u, 1023u})
        EXPECT_EQ(schaltmusterText(m), toSchaltmuster(std::to_string(m)));
}

} // namespace
} // namespace lampen
